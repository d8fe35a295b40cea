// The gap edit: typing, keys, mouse, caret and context menu, then the answer checking as the learner
// meets it (right, almost right, wrong, the five attempts) and the drawing.
//
// Sections: Defaults and layout · Typing · Keys · Mouse, focus and caret · Context menu ·
// Answer checking · Drawing

#include "ControlsTestSupport.h"
#include "page/controls/tXColorEdit.h"
#include "platform/Cp1252.h"

#include <string>
#include <vector>

namespace qor {
namespace {

class ColorEdit : public ControlTest {
protected:
    void Type(std::string_view text) {
        for (char c : text) {
            char typed = c;
            m_edit.KeyPress(typed);
        }
    }
    void Press(int key, ShiftState shift = kShiftNone) {
        KeyEvent event{key, shift};
        m_edit.KeyDown(event);
    }
    // Records the events in the order they come.
    void Listen() {
        m_edit.OnReturn = [this](tXColorEdit&) { m_events.push_back("return"); };
        m_edit.OnRichtig = [this](tXColorEdit&) { m_events.push_back("richtig"); };
        m_edit.OnFalsch = [this](tXColorEdit&) { m_events.push_back("falsch"); };
        m_edit.OnBeinahe = [this](tXColorEdit&) { m_events.push_back("beinahe"); };
    }
    void Answer(std::string_view text) {
        m_edit.SetText(text);
        m_edit.SetCaretIndex(static_cast<int>(text.size()) + 1);
        Press(VirtualKey::Return);
    }

    tXColorEdit m_edit{m_host};
    std::vector<std::string> m_events;
};

// [SECTION] Defaults and layout

TEST_F(ColorEdit, DefaultsAndCharacterPositions) {
    EXPECT_EQ(m_edit.Width(), 121);
    EXPECT_EQ(m_edit.Height(), 21);
    EXPECT_TRUE(m_edit.Border());
    EXPECT_FALSE(m_edit.ReadOnly());
    EXPECT_EQ(m_edit.Color(), kTestWhite);
    EXPECT_TRUE(m_edit.Focusable());
    EXPECT_EQ(m_edit.AttemptCount(), 0);

    m_edit.SetText("abc");
    // Text height 16 in a field 21 high: top (21 - 16) / 2 = 2.
    EXPECT_EQ(m_edit.TextHeight(), 16);
    EXPECT_EQ(m_edit.TextTop(), 2);
    // 4, then 8 per character; the end and the end plus a blank.
    EXPECT_EQ(m_edit.CharacterX(), (std::vector<int>{4, 12, 20, 28, 36}));
    m_edit.SetZeichenabstand(2);
    EXPECT_EQ(m_edit.CharacterX(), (std::vector<int>{4, 14, 24, 34, 42}));
}

// [SECTION] Typing

TEST_F(ColorEdit, TypingInsertsAtTheCaretWithABlackFlag) {
    Type("mson");
    m_edit.SetCaretIndex(2);
    Type("ai");
    EXPECT_EQ(m_edit.Text(), "maison");
    EXPECT_EQ(m_edit.Farbe(), "000000");
    EXPECT_EQ(m_edit.CaretIndex(), 4);
}

TEST_F(ColorEdit, ControlCharactersAreNotTyped) {
    for (char c : {'\t', '\r', '\x01', '\x1f', '\x7f', '\0'}) {
        SCOPED_TRACE(static_cast<int>(c));
        char typed = c;
        m_edit.KeyPress(typed);
        EXPECT_EQ(m_edit.Text(), "");
    }
    Type("\xE9"); // é is a character like any other
    EXPECT_EQ(m_edit.Text(), "\xE9");
}

TEST_F(ColorEdit, TypingIntoTheHelpMaskReplacesThePlaceholder) {
    struct Case {
        const char* name;
        std::string start;
        int caret;
        std::string typed;
        std::string text;
        int caretAfter;
    };
    const std::vector<Case> cases = {
        {"c__t at the first gap", "c__t", 2, "ha", "chat", 4},
        {"dots count as gaps", "a..b", 2, "xy", "axyb", 4},
        {"at a letter it inserts", "c__t", 1, "x", "xc__t", 2},
        {"at the end it inserts", "c__t", 5, "s", "c__ts", 6},
        {"after the mask is full it inserts", "c_t", 2, "ha", "chat", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_edit.SetText(c.start);
        m_edit.SetFarbe("");
        m_edit.SetCaretIndex(c.caret);
        Type(c.typed);
        EXPECT_EQ(m_edit.Text(), c.text);
        EXPECT_EQ(m_edit.CaretIndex(), c.caretAfter);
    }
}

TEST_F(ColorEdit, ReplacingAPlaceholderAddsNoFlag) {
    m_edit.SetText("c__t");
    m_edit.SetFarbe("0");
    m_edit.SetCaretIndex(2);
    Type("h");
    EXPECT_EQ(m_edit.Farbe(), "0");
}

TEST_F(ColorEdit, RefusesTextThatWouldNotFit) {
    // Accepted while (length + 1 blank) × 8 < 121 - 4 = 117: up to 13 characters.
    Type("abcdefghijklm");
    ASSERT_EQ(m_edit.Text(), "abcdefghijklm");
    ASSERT_EQ(m_edit.CaretIndex(), 14);
    Type("n");
    EXPECT_EQ(m_edit.Text(), "abcdefghijklm");
    EXPECT_EQ(m_edit.Farbe(), std::string(13, '0'));
    EXPECT_EQ(m_edit.CaretIndex(), 14);
    // Filling a placeholder does not widen the text, so it is taken even when the field is full.
    m_edit.SetText("abcdefghijkl_");
    m_edit.SetCaretIndex(13);
    Type("m");
    EXPECT_EQ(m_edit.Text(), "abcdefghijklm");
    // A wider field takes more.
    m_edit.SetBounds(0, 0, 200, 21);
    m_edit.SetCaretIndex(14);
    Type("n");
    EXPECT_EQ(m_edit.Text(), "abcdefghijklmn");
}

TEST_F(ColorEdit, ReadOnlyTakesNoInput) {
    m_edit.SetText("abc");
    m_edit.SetLsg({"xyz"});
    m_edit.SetReadOnly(true);
    Type("d");
    Press(VirtualKey::Back);
    Press(VirtualKey::Home);
    Press(VirtualKey::Return);
    EXPECT_EQ(m_edit.Text(), "abc");
    EXPECT_EQ(m_edit.AttemptCount(), 0);
    m_host.SetFocus(m_edit);
    EXPECT_FALSE(m_edit.CaretEnabled());
}

// [SECTION] Keys

TEST_F(ColorEdit, EditingAndCaretKeys) {
    struct Case {
        const char* name;
        std::string text;
        int caret;
        int key;
        std::string textAfter;
        int caretAfter;
    };
    const std::vector<Case> cases = {
        {"backspace deletes before the caret", "abc", 3, VirtualKey::Back, "ac", 2},
        {"backspace at the start does nothing", "abc", 1, VirtualKey::Back, "abc", 1},
        {"backspace at the end", "abc", 4, VirtualKey::Back, "ab", 3},
        {"delete removes at the caret", "abc", 2, VirtualKey::Delete, "ac", 2},
        {"delete at the end does nothing", "abc", 4, VirtualKey::Delete, "abc", 4},
        {"home", "abc", 3, VirtualKey::Home, "abc", 1},
        {"end", "abc", 1, VirtualKey::End, "abc", 4},
        {"left", "abc", 3, VirtualKey::Left, "abc", 2},
        {"left stops at 1", "abc", 1, VirtualKey::Left, "abc", 1},
        {"up is left", "abc", 2, VirtualKey::Up, "abc", 1},
        {"right", "abc", 1, VirtualKey::Right, "abc", 2},
        {"right stops at the end", "abc", 4, VirtualKey::Right, "abc", 4},
        {"down is right", "abc", 3, VirtualKey::Down, "abc", 4},
        {"tab does nothing here", "abc", 2, VirtualKey::Tab, "abc", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_edit.SetText(c.text);
        m_edit.SetFarbe("012");
        m_edit.SetCaretIndex(c.caret);
        Press(c.key);
        EXPECT_EQ(m_edit.Text(), c.textAfter);
        EXPECT_EQ(m_edit.CaretIndex(), c.caretAfter);
    }
}

TEST_F(ColorEdit, DeletingTakesTheFlagAlong) {
    m_edit.SetText("abc");
    m_edit.SetFarbe("010");
    m_edit.SetCaretIndex(3);
    Press(VirtualKey::Back); // removes b and its red flag
    EXPECT_EQ(m_edit.Text(), "ac");
    EXPECT_EQ(m_edit.Farbe(), "00");
    m_edit.SetFarbe("01");
    Press(VirtualKey::Delete); // caret 2: removes c
    EXPECT_EQ(m_edit.Farbe(), "0");
}

TEST_F(ColorEdit, CtrlAloneSwallowsTheKey) {
    m_edit.SetText("abc");
    m_edit.SetCaretIndex(3);
    KeyEvent event{VirtualKey::Back, kCtrlKey};
    m_edit.KeyDown(event);
    EXPECT_EQ(event.key, 0);
    EXPECT_EQ(m_edit.Text(), "abc");
    // Ctrl with Shift is not "Ctrl alone".
    KeyEvent both{VirtualKey::Back, kCtrlKey | kShiftKey};
    m_edit.KeyDown(both);
    EXPECT_EQ(both.key, VirtualKey::Back);
    EXPECT_EQ(m_edit.Text(), "ac");
    // A held mouse button does not change that Ctrl is the only key.
    KeyEvent withButton{VirtualKey::Home, kCtrlKey | kLeftButtonHeld};
    m_edit.KeyDown(withButton);
    EXPECT_EQ(withButton.key, 0);
    EXPECT_EQ(m_edit.CaretIndex(), 2);
}

TEST_F(ColorEdit, OnKeyDownComesFirstAndCanSwallow) {
    m_edit.SetText("abc");
    m_edit.SetCaretIndex(4);
    m_edit.OnKeyDown = [](tXColorEdit& sender, KeyEvent& event) {
        if (event.key == VirtualKey::Back && sender.Text() == "abc")
            event.key = 0;
    };
    Press(VirtualKey::Back);
    EXPECT_EQ(m_edit.Text(), "abc");
    Press(VirtualKey::Home);
    EXPECT_EQ(m_edit.CaretIndex(), 1);
}

TEST_F(ColorEdit, F1CyclesTheAccentOfTheCharacterBeforeTheCaret) {
    Type("cafe");
    Press(VirtualKey::F1);
    EXPECT_EQ(m_edit.Text(), "caf\xE9"); // café
    EXPECT_EQ(m_edit.CaretIndex(), 5);
    const std::string seen[] = {"caf\xE8", "caf\xEA", "caf\xEB", "cafe"};
    for (const std::string& expected : seen) {
        Press(VirtualKey::F1);
        EXPECT_EQ(m_edit.Text(), expected);
    }
    // Nothing before the caret, or a character without accents.
    m_edit.SetCaretIndex(1);
    Press(VirtualKey::F1);
    EXPECT_EQ(m_edit.Text(), "cafe");
    m_edit.SetText("taxi");
    m_edit.SetCaretIndex(4);
    Press(VirtualKey::F1);
    EXPECT_EQ(m_edit.Text(), "taxi");
    m_edit.SetCaretIndex(5);
    Press(VirtualKey::F1);
    EXPECT_EQ(m_edit.Text(), "tax\xED");
}

TEST_F(ColorEdit, F2AndF12ShowTheHelp) {
    for (int key : {VirtualKey::F2, VirtualKey::F12}) {
        SCOPED_TRACE(key);
        m_edit.SetLsg({"chat"});
        m_edit.SetHilfe("*");
        EXPECT_EQ(m_edit.Hilfe(), "c__t");
        m_edit.SetText("xyz");
        m_edit.SetFarbe("111");
        Press(key);
        EXPECT_EQ(m_edit.Text(), "c__t");
        EXPECT_EQ(m_edit.Farbe(), "0");
        EXPECT_EQ(m_edit.CaretIndex(), 2);
        Type("ha");
        EXPECT_EQ(m_edit.Text(), "chat");
    }
    // A help without gaps puts the caret at the end; a "." counts as a gap.
    m_edit.SetHilfe("la maison");
    Press(VirtualKey::F2);
    EXPECT_EQ(m_edit.CaretIndex(), 10);
    m_edit.SetHilfe("a.c");
    Press(VirtualKey::F12);
    EXPECT_EQ(m_edit.CaretIndex(), 2);
    // "*" without solutions is an empty help.
    m_edit.SetLsg({});
    m_edit.SetHilfe("*");
    EXPECT_EQ(m_edit.Hilfe(), "");
}

// [SECTION] Mouse, focus and caret

TEST_F(ColorEdit, ClickPutsTheCaretBeforeTheFirstCharacterWhoseMiddleIsRight) {
    m_edit.SetText("abc"); // x 4, 12, 20, 28: middles 8, 16, 24
    struct Case {
        int x;
        int caret;
    };
    const std::vector<Case> cases = {{0, 1}, {7, 1}, {8, 2}, {15, 2}, {16, 3}, {23, 3}, {24, 4}, {100, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        m_edit.SetCaretIndex(2);
        m_edit.MouseDown({c.x, 10, MouseButton::Left, kShiftNone});
        EXPECT_EQ(m_edit.CaretIndex(), c.caret);
    }
    // Other buttons and read-only fields leave the caret alone.
    m_edit.SetCaretIndex(2);
    m_edit.MouseDown({0, 10, MouseButton::Right, kShiftNone});
    EXPECT_EQ(m_edit.CaretIndex(), 2);
    m_edit.SetReadOnly(true);
    m_edit.MouseDown({0, 10, MouseButton::Left, kShiftNone});
    EXPECT_EQ(m_edit.CaretIndex(), 2);
}

TEST_F(ColorEdit, ClickTakesTheFocusAndRaisesOnClickOnRelease) {
    int clicks = 0;
    int downs = 0;
    m_edit.OnClick = [&](tXColorEdit&) { ++clicks; };
    m_edit.OnMouseDown = [&](tXColorEdit&, const MouseEvent&) { ++downs; };
    m_edit.MouseDown({5, 5, MouseButton::Left, kShiftNone});
    EXPECT_EQ(m_host.FocusedControl(), &m_edit);
    EXPECT_TRUE(m_edit.CaretEnabled());
    m_edit.MouseUp({5, 5, MouseButton::Left, kShiftNone});
    m_edit.MouseUp({5, 5, MouseButton::Left, kShiftNone}); // no press before it
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ColorEdit, CaretBlinksEvery500MsWhileFocused) {
    int entered = 0, left = 0;
    m_edit.OnEnter = [&](tXColorEdit&) { ++entered; };
    m_edit.OnExit = [&](tXColorEdit&) { ++left; };
    EXPECT_FALSE(m_edit.CaretEnabled());
    m_host.SetFocus(m_edit);
    EXPECT_EQ(entered, 1);
    EXPECT_TRUE(m_edit.CaretEnabled());
    EXPECT_TRUE(m_edit.CaretVisible());
    EXPECT_EQ(m_host.ActiveTimers(), 1);
    // The caret line at x 4 from max(top, 1) = 2 down to top + height = 18 (not drawn): inverted
    // white is black.
    EXPECT_EQ(m_edit.Buffer().Pixel(4, 2), kTestBlack);
    EXPECT_EQ(m_edit.Buffer().Pixel(4, 17), kTestBlack);
    EXPECT_EQ(m_edit.Buffer().Pixel(4, 18), kTestWhite);
    EXPECT_EQ(m_edit.Buffer().Pixel(5, 10), kTestWhite);

    m_host.Advance(499);
    EXPECT_TRUE(m_edit.CaretVisible());
    m_host.Advance(1);
    EXPECT_FALSE(m_edit.CaretVisible());
    EXPECT_EQ(m_edit.Buffer().Pixel(4, 10), kTestWhite);
    m_host.Advance(500);
    EXPECT_TRUE(m_edit.CaretVisible());
    EXPECT_EQ(m_edit.Buffer().Pixel(4, 10), kTestBlack);

    // Another control takes the focus: the caret stops.
    tXColorEdit other(m_host);
    m_host.SetFocus(other);
    EXPECT_EQ(left, 1);
    EXPECT_FALSE(m_edit.CaretEnabled());
    EXPECT_FALSE(m_edit.CaretVisible());
    EXPECT_EQ(m_edit.Buffer().Pixel(4, 10), kTestWhite);
    EXPECT_TRUE(other.CaretEnabled());
    EXPECT_EQ(m_host.ActiveTimers(), 1);
}

TEST_F(ColorEdit, CaretLineFollowsTheCaretIndex) {
    m_edit.SetText("ab");
    m_host.SetFocus(m_edit);
    m_edit.SetCaretIndex(3); // x 20
    EXPECT_EQ(m_edit.Buffer().Pixel(20, 10), kTestBlack);
    EXPECT_EQ(m_edit.Buffer().Pixel(4, 1), kTestWhite);
    m_edit.SetCaretIndex(1);
    EXPECT_EQ(m_edit.Buffer().Pixel(20, 10), kTestWhite);
}

TEST_F(ColorEdit, SwitchingTheCaretRepairsAnIndexOutOfRange) {
    m_edit.SetText("abcdef");
    m_edit.SetCaretIndex(7);
    m_edit.SetText("ab"); // the caret index is now beyond length + 1
    m_host.SetFocus(m_edit);
    EXPECT_EQ(m_edit.CaretIndex(), 1);
}

TEST_F(ColorEdit, DestroyingTheEditStopsItsTimer) {
    {
        tXColorEdit temporary(m_host);
        m_host.SetFocus(temporary);
        EXPECT_EQ(m_host.ActiveTimers(), 1);
    }
    EXPECT_EQ(m_host.ActiveTimers(), 0);
    EXPECT_EQ(m_host.FocusedControl(), nullptr);
    m_host.Advance(2000);
}

// [SECTION] Context menu

TEST_F(ColorEdit, ContextMenuOffersTheSpecialCharacters) {
    m_edit.SetSpecialChars("\xE9;\x9C;\x8C;\xE7"); // é;œ;Œ;ç
    m_edit.SetText("sur");
    m_edit.SetCaretIndex(4);
    m_host.AnswerNextMenu(1);
    m_edit.ContextMenu(10, 12);
    ASSERT_EQ(m_host.MenusShown().size(), 1u);
    EXPECT_EQ(m_host.MenusShown()[0].items, (std::vector<std::string>{"\xE9", "oe", "OE", "\xE7"}));
    EXPECT_EQ(m_host.MenusShown()[0].x, 10);
    EXPECT_EQ(m_edit.Text(), "sur\x9C");
    EXPECT_EQ(m_host.FocusedControl(), &m_edit);

    m_host.AnswerNextMenu(2);
    m_edit.ContextMenu(0, 0);
    EXPECT_EQ(m_edit.Text(), "sur\x9C\x8C");
    m_host.AnswerNextMenu(0);
    m_edit.SetCaretIndex(1);
    m_edit.ContextMenu(0, 0);
    EXPECT_EQ(m_edit.Text(), "\xE9sur\x9C\x8C");

    // Closing the menu without a choice changes nothing.
    m_edit.ContextMenu(0, 0);
    EXPECT_EQ(m_edit.Text(), "\xE9sur\x9C\x8C");
    // A menu choice fills a placeholder like a typed character.
    m_edit.SetText("c_t");
    m_edit.SetCaretIndex(2);
    m_host.AnswerNextMenu(3);
    m_edit.ContextMenu(0, 0);
    EXPECT_EQ(m_edit.Text(), "c\xE7t");
}

TEST_F(ColorEdit, NoMenuWithoutSpecialCharacters) {
    m_edit.ContextMenu(0, 0);
    m_edit.SetSpecialChars("\xE9");
    m_edit.SetSpecialChars("");
    m_edit.ContextMenu(0, 0);
    EXPECT_TRUE(m_host.MenusShown().empty());
}

// [SECTION] Answer checking

TEST_F(ColorEdit, EitherSolutionIsAcceptedExactly) {
    for (const char* answer : {"la maison", "maison"}) {
        SCOPED_TRACE(answer);
        tXColorEdit edit(m_host);
        std::vector<std::string> events;
        edit.OnReturn = [&](tXColorEdit& sender) {
            events.push_back("return");
            EXPECT_FALSE(sender.Visible());
        };
        edit.OnRichtig = [&](tXColorEdit&) { events.push_back("richtig"); };
        edit.SetLsg({"la maison", "maison"});
        m_host.SetFocus(edit);
        edit.SetText(answer);
        KeyEvent enter{VirtualKey::Return, kShiftNone};
        edit.KeyDown(enter);
        EXPECT_EQ(events, (std::vector<std::string>{"return", "richtig"}));
        EXPECT_EQ(edit.AttemptCount(), 1);
        EXPECT_FALSE(edit.Visible());
        EXPECT_FALSE(edit.CaretEnabled());
    }
}

TEST_F(ColorEdit, CapitalLetterIsAlmostRight) {
    Listen();
    m_edit.SetLsg({"la maison", "maison"});
    m_host.SetFocus(m_edit);
    Answer("Maison");
    EXPECT_EQ(m_events, (std::vector<std::string>{"beinahe"}));
    EXPECT_EQ(m_edit.AttemptCount(), 1);
    EXPECT_TRUE(m_edit.Visible());
    EXPECT_EQ(m_edit.Text(), "Maison");
    EXPECT_EQ(m_edit.Farbe(), "100000"); // only the M is red
    EXPECT_EQ(m_edit.CaretIndex(), 1);
    EXPECT_TRUE(m_edit.CaretEnabled());

    // The learner fixes the capital and is right at the second attempt.
    Press(VirtualKey::Delete);
    Type("m");
    Press(VirtualKey::Return);
    EXPECT_EQ(m_events, (std::vector<std::string>{"beinahe", "return", "richtig"}));
    EXPECT_EQ(m_edit.AttemptCount(), 2);
}

TEST_F(ColorEdit, MissingAccentPutsTheCaretWhereF1FixesIt) {
    Listen();
    m_edit.SetLsg({"caf\xE9"});
    Answer("cafe");
    EXPECT_EQ(m_events, (std::vector<std::string>{"beinahe"}));
    EXPECT_EQ(m_edit.Farbe(), "0001");
    EXPECT_EQ(m_edit.CaretIndex(), 5);
    Press(VirtualKey::F1);
    Press(VirtualKey::Return);
    EXPECT_EQ(m_events, (std::vector<std::string>{"beinahe", "return", "richtig"}));
}

TEST_F(ColorEdit, FiveWrongAnswersEndTheGap) {
    Listen();
    m_edit.SetLsg({"maison"});
    for (int attempt = 1; attempt <= 4; ++attempt) {
        SCOPED_TRACE(attempt);
        Answer("xyz");
        EXPECT_EQ(m_edit.AttemptCount(), attempt);
        EXPECT_EQ(m_edit.Text(), ""); // cleared for the next try
        EXPECT_EQ(m_edit.CaretIndex(), 1);
        EXPECT_TRUE(m_edit.Visible());
        EXPECT_EQ(m_events.size(), static_cast<std::size_t>(attempt));
        EXPECT_EQ(m_events.back(), "return");
    }
    Answer("xyz");
    EXPECT_EQ(m_edit.AttemptCount(), 5);
    EXPECT_FALSE(m_edit.Visible());
    EXPECT_FALSE(m_edit.CaretEnabled());
    EXPECT_EQ(m_events,
              (std::vector<std::string>{"return", "return", "return", "return", "return", "falsch"}));
}

TEST_F(ColorEdit, AlmostRightCountsAsAnAttempt) {
    Listen();
    m_edit.SetLsg({"maison"});
    for (int attempt = 1; attempt <= 4; ++attempt)
        Answer("Maison");
    EXPECT_EQ(m_edit.AttemptCount(), 4);
    EXPECT_EQ(m_events, std::vector<std::string>(4, "beinahe"));
    // At the fifth attempt there is no almost-right any more: it is wrong and final.
    Answer("Maison");
    EXPECT_EQ(m_edit.AttemptCount(), 5);
    EXPECT_FALSE(m_edit.Visible());
    EXPECT_EQ(m_events.back(), "falsch");
    EXPECT_EQ(m_events[m_events.size() - 2], "return");
}

TEST_F(ColorEdit, EnterOnAnEmptyFieldEndsTheGapAsWrong) {
    Listen();
    m_edit.SetLsg({"maison"});
    Press(VirtualKey::Return);
    EXPECT_EQ(m_edit.AttemptCount(), 5);
    EXPECT_FALSE(m_edit.Visible());
    EXPECT_EQ(m_events, (std::vector<std::string>{"return", "falsch"}));
}

TEST_F(ColorEdit, WithoutSolutionsEveryAnswerIsWrong) {
    Listen();
    Answer("maison");
    EXPECT_EQ(m_events, (std::vector<std::string>{"return"}));
    EXPECT_EQ(m_edit.Text(), "");
}

TEST_F(ColorEdit, SettingTheSolutionsResetsTheAttemptCounter) {
    m_edit.SetLsg({"maison"});
    Answer("xyz");
    Answer("xyz");
    EXPECT_EQ(m_edit.AttemptCount(), 2);
    m_edit.SetLsg({"chat"});
    EXPECT_EQ(m_edit.AttemptCount(), 0);
}

TEST_F(ColorEdit, RightAnswerAfterWrongOnesReportsTheAttempt) {
    int attemptAtRichtig = 0;
    m_edit.OnRichtig = [&](tXColorEdit& sender) { attemptAtRichtig = sender.AttemptCount(); };
    m_edit.SetLsg({"chat"});
    Answer("xyz");
    Answer("abcdef");
    Answer("chat");
    EXPECT_EQ(attemptAtRichtig, 3);
}

// [SECTION] Drawing

TEST_F(ColorEdit, RedFlaggedCharactersAreDrawnRed) {
    m_edit.SetText("ab");
    m_edit.SetFarbe("01");
    // Each character is a block from x to x + 6, rows top 2 to the baseline 14 (exclusive).
    EXPECT_EQ(m_edit.Buffer().Pixel(6, 8), kTestBlack); // a
    EXPECT_EQ(m_edit.Buffer().Pixel(14, 8), kTestRed);  // b
    EXPECT_EQ(m_edit.Buffer().Pixel(14, 2), kTestRed);
    EXPECT_EQ(m_edit.Buffer().Pixel(14, 14), kTestWhite);
    // Any flag other than "0" is red; missing flags are black.
    m_edit.SetText("abc");
    m_edit.SetFarbe("x");
    EXPECT_EQ(m_edit.Buffer().Pixel(6, 8), kTestRed);
    EXPECT_EQ(m_edit.Buffer().Pixel(22, 8), kTestBlack);
}

TEST_F(ColorEdit, BorderAndBackground) {
    m_edit.SetColor(MakeColour(200, 220, 240));
    EXPECT_EQ(m_edit.Buffer().Pixel(0, 0), kTestBlack);
    EXPECT_EQ(m_edit.Buffer().Pixel(120, 20), kTestBlack);
    EXPECT_EQ(m_edit.Buffer().Pixel(60, 20), kTestBlack);
    EXPECT_EQ(m_edit.Buffer().Pixel(60, 18), MakeColour(200, 220, 240));
    m_edit.SetBorder(false);
    EXPECT_EQ(m_edit.Buffer().Pixel(0, 0), MakeColour(200, 220, 240));

    // Paint copies the buffer onto the parent at the edit's place; a hidden edit draws nothing.
    TXBitmap page(200, 100);
    TXCanvas canvas(page);
    m_edit.SetBounds(30, 40, 121, 21);
    m_edit.Paint(canvas);
    EXPECT_EQ(page.Pixel(30, 40), MakeColour(200, 220, 240));
    EXPECT_EQ(page.Pixel(29, 40), kTestBlack);
    page.Fill(0, ColourOrder::BlueHigh);
    m_edit.SetVisible(false);
    m_edit.Paint(canvas);
    EXPECT_EQ(page.Pixel(30, 40), kTestBlack);
}

TEST_F(ColorEdit, ChangesAskForARepaint) {
    m_host.ClearRepaints();
    m_edit.SetText("a");
    Type("b");
    Press(VirtualKey::Home);
    EXPECT_EQ(m_host.RepaintCount(m_edit), 3);
}

} // namespace
} // namespace qor
