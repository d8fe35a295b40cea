#pragma once
// The gap edit: a one-line entry field drawn by the program, which checks the learner's answer
// against its solutions (exact, almost right, wrong) and counts the attempts. It draws into its
// own bitmap; Paint copies that onto the parent. The caret blinks through a 500 ms host timer.
// A page build sets bounds, colour and font one after the other on edits that may never be shown,
// so changes only mark the bitmap stale; it is drawn when something first looks at it.

#include "page/controls/TXControl.h"
#include "page/render/TXBitmap.h"
#include "page/render/TXCanvas.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class tXColorEdit : public TXControl {
public:
    static constexpr int kDefaultWidth = 121;
    static constexpr int kDefaultHeight = 21;
    static constexpr int kBlinkIntervalMs = 500;
    static constexpr int kMaxAttempts = 5;
    static constexpr int kTextLeft = 4; // x of the first character

    using Event = std::function<void(tXColorEdit& sender)>;

    explicit tXColorEdit(ControlHost& host);
    ~tXColorEdit() override;

    // [Properties]
    const std::string& Text() const { return m_text; }
    void SetText(std::string_view text);
    // Accepted solutions; setting them resets the attempt counter.
    const std::vector<std::string>& Lsg() const { return m_lsg; }
    void SetLsg(std::vector<std::string> solutions);
    // Shown by F2/F12; "*" stores the help mask of the first solution instead.
    const std::string& Hilfe() const { return m_hilfe; }
    void SetHilfe(std::string_view hilfe);
    // One flag per character of Text: '0' black, anything else red; missing flags are black.
    const std::string& Farbe() const { return m_farbe; }
    void SetFarbe(std::string_view farbe);
    int Zeichenabstand() const { return m_zeichenabstand; }
    void SetZeichenabstand(int pixels);
    // Characters for the context menu, separated by ";"; empty: no menu.
    const std::string& SpecialChars() const { return m_specialChars; }
    void SetSpecialChars(std::string_view specialChars);
    bool Border() const { return m_border; }
    void SetBorder(bool border);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);
    Colour Color() const { return m_color; }
    void SetColor(Colour colour);
    const TXFont& Font() const { return m_font; }
    void SetFont(const TXFont& font);
    // The reaction command kept for the page.
    const std::string& Command() const { return m_command; }
    void SetCommand(std::string_view command) { m_command = command; }

    // [State]
    // How many answers were evaluated (0-5); the page reports it with a right answer.
    int AttemptCount() const { return m_attempts; }
    // 1-based: typing inserts before this character (1 ... length + 1).
    int CaretIndex() const { return m_caret; }
    void SetCaretIndex(int caret);
    bool CaretEnabled() const { return m_caretEnabled; }
    bool CaretVisible() const { return m_caretVisible; }
    // x of character i at [i - 1]; then the end position and the end plus a blank's width.
    const std::vector<int>& CharacterX() const;
    int TextTop() const;
    int TextHeight() const;
    // The off-screen picture, caret included while it is shown.
    const TXBitmap& Buffer() const;

    // [Operations]
    // Checks the text against the solutions (the Enter key).
    void CheckAnswer();
    // Marks the buffer for drawing again and asks the host to show it.
    void Redraw();

    // [TXControl]
    bool Focusable() const override { return true; }
    void Paint(TXCanvas& canvas) override;
    void MouseDown(const MouseEvent& event) override;
    void MouseUp(const MouseEvent& event) override;
    void KeyDown(KeyEvent& event) override;
    void KeyPress(char& character) override;
    void ContextMenu(int x, int y) override;
    void OnTimer(int id) override;

    // [Events]
    Event OnReturn;  // after every evaluated answer except an almost-right one
    Event OnRichtig; // right: the gap is finished
    Event OnFalsch;  // wrong at the last attempt: the gap is finished
    Event OnBeinahe; // almost right: the field stays open with the wrong letters red
    Event OnClick;
    std::function<void(tXColorEdit& sender, const MouseEvent& event)> OnMouseDown;
    std::function<void(tXColorEdit& sender, KeyEvent& event)> OnKeyDown;
    std::function<void(tXColorEdit& sender, char& character)> OnKeyPress;
    Event OnEnter; // focus gained
    Event OnExit;  // focus lost

protected:
    void FocusChanged() override;
    void BoundsChanged() override;

private:
    // Deletes the character at the caret with its colour flag (Backspace, Delete).
    void EraseCharacterAtCaret();
    // Draws the buffer now if a change has left it stale.
    void EnsureRendered() const;
    void Render() const;
    void DrawCaret() const;
    void SetCaretEnabled(bool enabled);
    bool TypeCharacter(char character);
    void Finish();
    int CaretX() const;

    std::string m_text;
    std::vector<std::string> m_lsg;
    std::string m_hilfe;
    std::string m_farbe;
    int m_zeichenabstand = 0;
    std::string m_specialChars;
    bool m_border = true;
    bool m_readOnly = false;
    Colour m_color = 0xFFFFFF;
    TXFont m_font;
    std::string m_command;

    int m_caret = 1;
    int m_attempts = 0;
    bool m_caretVisible = false;
    bool m_caretEnabled = false;
    int m_timer = 0;
    bool m_mouseDown = false;
    // What drawing produces, kept as a cache of the state above: drawn on first use after a change.
    mutable bool m_stale = true;
    mutable std::vector<int> m_characterX;
    mutable int m_textTop = 0;
    mutable int m_textHeight = 0;
    mutable TXBitmap m_buffer;
};

} // namespace qor
