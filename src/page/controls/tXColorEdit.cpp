#include "page/controls/tXColorEdit.h"

#include "page/controls/AnswerCheck.h"
#include "platform/Accents.h"

#include <algorithm>

namespace qor {

namespace {

constexpr Colour kRed = 255;
constexpr Colour kBlack = 0;

bool IsControlCharacter(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 32 || code == 127;
}

bool IsMaskPlaceholder(char c) {
    return c == '_' || c == '.';
}

std::vector<std::string> SplitSpecialChars(std::string_view specialChars) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start <= specialChars.size()) {
        std::size_t end = specialChars.find(';', start);
        std::string_view entry =
            specialChars.substr(start, end == std::string_view::npos ? end : end - start);
        if (!entry.empty())
            entries.emplace_back(entry);
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return entries;
}

} // namespace

tXColorEdit::tXColorEdit(ControlHost& host) : TXControl(host) {
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
}

tXColorEdit::~tXColorEdit() {
    if (m_timer != 0)
        Host().StopTimer(m_timer);
}

// [SECTION] Properties

void tXColorEdit::SetText(std::string_view text) {
    m_text = text;
    Redraw();
}

void tXColorEdit::SetLsg(std::vector<std::string> solutions) {
    m_lsg = std::move(solutions);
    m_attempts = 0;
}

void tXColorEdit::SetHilfe(std::string_view hilfe) {
    if (hilfe == "*")
        m_hilfe = m_lsg.empty() ? std::string() : HelpMask(m_lsg.front());
    else
        m_hilfe = hilfe;
}

void tXColorEdit::SetFarbe(std::string_view farbe) {
    m_farbe = farbe;
    Redraw();
}

void tXColorEdit::SetZeichenabstand(int pixels) {
    m_zeichenabstand = pixels;
    Redraw();
}

void tXColorEdit::SetSpecialChars(std::string_view specialChars) {
    m_specialChars = specialChars;
}

void tXColorEdit::SetBorder(bool border) {
    m_border = border;
    Redraw();
}

void tXColorEdit::SetReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    if (readOnly)
        SetCaretEnabled(false);
}

void tXColorEdit::SetColor(Colour colour) {
    m_color = colour;
    Redraw();
}

void tXColorEdit::SetFont(const TXFont& font) {
    m_font = font;
    Redraw();
}

void tXColorEdit::SetCaretIndex(int caret) {
    m_caret = std::clamp(caret, 1, static_cast<int>(m_text.size()) + 1);
    Redraw();
}

// The character at the caret goes, with its colour flag.
void tXColorEdit::EraseCharacterAtCaret() {
    const auto at = static_cast<std::size_t>(m_caret - 1);
    m_text.erase(at, 1);
    if (at < m_farbe.size())
        m_farbe.erase(at, 1);
    Redraw();
}

// [SECTION] Drawing

void tXColorEdit::BoundsChanged() {
    m_stale = true;
}

void tXColorEdit::Redraw() {
    m_stale = true;
    RequestRepaint();
}

const std::vector<int>& tXColorEdit::CharacterX() const {
    EnsureRendered();
    return m_characterX;
}

int tXColorEdit::TextTop() const {
    EnsureRendered();
    return m_textTop;
}

int tXColorEdit::TextHeight() const {
    EnsureRendered();
    return m_textHeight;
}

const TXBitmap& tXColorEdit::Buffer() const {
    EnsureRendered();
    return m_buffer;
}

void tXColorEdit::EnsureRendered() const {
    if (m_stale)
        Render();
}

// Only for a buffer that is drawn: it reads the character positions of the last drawing.
int tXColorEdit::CaretX() const {
    if (m_characterX.empty())
        return kTextLeft;
    const int index = std::clamp(m_caret, 1, static_cast<int>(m_text.size()) + 1) - 1;
    return m_characterX[static_cast<std::size_t>(index)];
}

void tXColorEdit::DrawCaret() const {
    TXCanvas canvas(m_buffer);
    const int x = CaretX();
    canvas.InvertLine(x, std::max(m_textTop, 1), x, m_textTop + m_textHeight);
}

void tXColorEdit::Render() const {
    m_stale = false;
    m_buffer.Resize(Width(), Height());
    TXCanvas canvas(m_buffer);
    canvas.Font() = m_font;
    canvas.Brush().colour = m_color;
    const TXRect whole{0, 0, Width(), Height()};
    if (m_border)
        canvas.Rectangle(whole);
    else
        canvas.FillRect(whole);

    m_textHeight = canvas.TextHeight("APpgj");
    m_textTop = (Height() - m_textHeight) / 2;

    m_characterX.clear();
    int x = kTextLeft;
    for (std::size_t i = 0; i < m_text.size(); ++i) {
        const bool red = i < m_farbe.size() && m_farbe[i] != '0';
        const std::string_view character(&m_text[i], 1);
        m_characterX.push_back(x);
        canvas.TextOut(x, m_textTop, character, red ? kRed : kBlack);
        x += canvas.TextWidth(character) + m_zeichenabstand;
    }
    m_characterX.push_back(x);
    m_characterX.push_back(x + canvas.TextWidth(" "));

    if (m_caretVisible)
        DrawCaret();
}

void tXColorEdit::Paint(TXCanvas& canvas) {
    if (Visible())
        canvas.Draw(Left(), Top(), Buffer());
}

// [SECTION] Caret

void tXColorEdit::SetCaretEnabled(bool enabled) {
    if (m_caret < 1 || m_caret > static_cast<int>(m_text.size()) + 1)
        m_caret = 1;
    m_caretEnabled = enabled;
    if (enabled) {
        if (m_timer == 0)
            m_timer = Host().StartTimer(*this, kBlinkIntervalMs);
        m_caretVisible = true;
    } else {
        if (m_timer != 0)
            Host().StopTimer(m_timer);
        m_timer = 0;
        m_caretVisible = false;
    }
    Redraw();
}

void tXColorEdit::OnTimer(int id) {
    if (id != m_timer || !m_caretEnabled)
        return;
    m_caretVisible = !m_caretVisible;
    // A stale buffer shows the caret's new state when it is drawn.
    if (!m_stale)
        DrawCaret();
    RequestRepaint();
}

void tXColorEdit::FocusChanged() {
    if (Focused()) {
        if (!m_readOnly)
            SetCaretEnabled(true);
        if (OnEnter)
            OnEnter(*this);
    } else {
        SetCaretEnabled(false);
        if (OnExit)
            OnExit(*this);
    }
}

// [SECTION] Typing and keys

bool tXColorEdit::TypeCharacter(char character) {
    const std::string oldText = m_text;
    const std::string oldFarbe = m_farbe;
    const auto at = static_cast<std::size_t>(std::clamp(m_caret, 1, static_cast<int>(m_text.size()) + 1) - 1);
    if (m_text.empty() || at >= m_text.size() || !IsMaskPlaceholder(m_text[at])) {
        m_text.insert(at, 1, character);
        m_farbe.insert(std::min(at, m_farbe.size()), 1, '0');
    } else {
        // Filling the help mask: the "_" or "." gives way to the letter.
        m_text[at] = character;
    }
    // The field never scrolls, so a text that no longer fits is refused.
    TXCanvas measure(m_buffer);
    measure.Font() = m_font;
    if (measure.TextWidth(m_text + " ") < Width() - 4) {
        m_caret = static_cast<int>(at) + 2;
        Redraw();
        return true;
    }
    m_text = oldText;
    m_farbe = oldFarbe;
    return false;
}

void tXColorEdit::KeyPress(char& character) {
    if (OnKeyPress)
        OnKeyPress(*this, character);
    if (m_readOnly || IsControlCharacter(character))
        return;
    TypeCharacter(character);
}

void tXColorEdit::KeyDown(KeyEvent& event) {
    if (OnKeyDown)
        OnKeyDown(*this, event);
    if (m_readOnly || event.key == 0)
        return;
    if (KeyModifiers(event.shift) == kCtrlKey) {
        event.key = 0;
        return;
    }
    const int length = static_cast<int>(m_text.size());
    switch (event.key) {
    case VirtualKey::Back:
        if (m_caret >= 2) {
            --m_caret;
            EraseCharacterAtCaret();
        }
        break;
    case VirtualKey::Delete:
        if (m_caret >= 1 && m_caret <= length)
            EraseCharacterAtCaret();
        break;
    case VirtualKey::Home:
        m_caret = 1;
        Redraw();
        break;
    case VirtualKey::End:
        m_caret = length + 1;
        Redraw();
        break;
    case VirtualKey::Left:
    case VirtualKey::Up:
        m_caret = std::max(1, m_caret - 1);
        Redraw();
        break;
    case VirtualKey::Right:
    case VirtualKey::Down:
        m_caret = std::min(length + 1, m_caret + 1);
        Redraw();
        break;
    case VirtualKey::Return:
        CheckAnswer();
        break;
    case VirtualKey::F1:
        if (m_caret >= 2 && m_caret <= length + 1) {
            char& before = m_text[static_cast<std::size_t>(m_caret - 2)];
            if (std::optional<char> next = NextAccentVariant(before)) {
                before = *next;
                Redraw();
            }
        }
        break;
    case VirtualKey::F2:
    case VirtualKey::F12: {
        m_farbe = "0";
        m_text = m_hilfe;
        const std::size_t gap = m_text.find_first_of("_.");
        m_caret = gap == std::string::npos ? static_cast<int>(m_text.size()) + 1 : static_cast<int>(gap) + 1;
        Redraw();
        break;
    }
    default:
        break;
    }
}

// [SECTION] Mouse and context menu

void tXColorEdit::MouseDown(const MouseEvent& event) {
    if (OnMouseDown)
        OnMouseDown(*this, event);
    if (event.button != MouseButton::Left)
        return;
    m_mouseDown = true;
    if (m_readOnly)
        return;
    Host().SetFocus(*this);
    if (m_text.empty())
        return;
    const int length = static_cast<int>(m_text.size());
    const std::vector<int>& characterX = CharacterX();
    int caret = length + 1;
    for (int i = 0; i < length; ++i) {
        const int middle =
            (characterX[static_cast<std::size_t>(i)] + characterX[static_cast<std::size_t>(i) + 1]) / 2;
        if (middle > event.x) {
            caret = i + 1;
            break;
        }
    }
    m_caret = caret;
    Redraw();
}

void tXColorEdit::MouseUp(const MouseEvent& event) {
    const bool clicked = m_mouseDown && event.button == MouseButton::Left;
    m_mouseDown = false;
    if (clicked && event.x >= 0 && event.x < Width() && event.y >= 0 && event.y < Height() && OnClick)
        OnClick(*this);
}

void tXColorEdit::ContextMenu(int x, int y) {
    const std::vector<std::string> entries = SplitSpecialChars(m_specialChars);
    if (entries.empty())
        return;
    std::vector<std::string> captions;
    for (const std::string& entry : entries) {
        if (entry == "\x9C") // œ in Windows-1252
            captions.emplace_back("oe");
        else if (entry == "\x8C") // Œ
            captions.emplace_back("OE");
        else
            captions.push_back(entry);
    }
    const int chosen = Host().ShowContextMenu(*this, captions, x, y);
    if (chosen < 0 || chosen >= static_cast<int>(entries.size()))
        return;
    char character = entries[static_cast<std::size_t>(chosen)].front();
    KeyPress(character);
    Host().SetFocus(*this);
}

// [SECTION] Answer checking

void tXColorEdit::Finish() {
    SetCaretEnabled(false);
    SetVisible(false);
}

void tXColorEdit::CheckAnswer() {
    if (m_readOnly)
        return;
    ++m_attempts;
    if (m_text.empty())
        m_attempts = kMaxAttempts;

    if (!m_text.empty() && std::find(m_lsg.begin(), m_lsg.end(), m_text) != m_lsg.end()) {
        Finish();
        if (OnReturn)
            OnReturn(*this);
        if (OnRichtig)
            OnRichtig(*this);
        return;
    }

    if (m_attempts < kMaxAttempts) {
        const AlmostRightMatch match = FindAlmostRight(m_text, m_lsg);
        if (match.Found()) {
            // The OnBeinahe handlers see the field as it was before the marking.
            EnsureRendered();
            const AlmostRightMarking marking =
                MarkAlmostRight(m_text, m_lsg[static_cast<std::size_t>(match.solution)], match.commonLetters);
            m_farbe = marking.farbe;
            m_caret = marking.caret;
            if (OnBeinahe)
                OnBeinahe(*this);
            Redraw();
            SetCaretEnabled(true);
            return;
        }
    }

    if (m_attempts >= kMaxAttempts) {
        Finish();
        if (OnReturn)
            OnReturn(*this);
        if (OnFalsch)
            OnFalsch(*this);
        return;
    }
    m_text.clear();
    m_farbe.clear();
    m_caret = 1;
    Redraw();
    SetCaretEnabled(true);
    if (OnReturn)
        OnReturn(*this);
}

} // namespace qor
