// How the page reads link names and targets, the exercise command, and the anchor label's layout.

#include "page/controls/PageAnchorLabel.h"
#include "page/controls/PageLinkNames.h"
#include "platform/Cp1252.h"
#include "platform/Fonts.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(PageLinkNames, SplitsNamesAtTheFirstAt) {
    struct Case {
        std::string name, target, hint;
    };
    const std::vector<Case> cases = {
        {"seite.htx@Weiter zur Seite 2", "seite.htx", "Weiter zur Seite 2"},
        {"seite.htx", "seite.htx", ""},
        {"%@Nur ein Hinweis", "%", "Nur ein Hinweis"},
        {"@merke", "", "merke"},
        {"a@b@c", "a", "b@c"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LinkName link = SplitLinkName(c.name);
        EXPECT_EQ(link.target, c.target);
        EXPECT_EQ(link.hint, c.hint);
    }
}

TEST(PageLinkNames, LeftAndRightTargets) {
    struct Case {
        std::string target, left, right;
        bool hasRight;
    };
    const std::vector<Case> cases = {
        {std::string("a.htx°b.htx"_cp), "a.htx", "b.htx", true},
        {"a.htx", "a.htx", "", false},
        {std::string("°b.htx"_cp), "", "b.htx", true},
        {std::string("a.htx°"_cp), "a.htx", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        EXPECT_EQ(ButtonTarget(c.target, MouseButton::Left), c.left);
        EXPECT_EQ(ButtonTarget(c.target, MouseButton::Right), c.right);
        EXPECT_EQ(HasRightTarget(c.target), c.hasRight);
    }
}

TEST(PageLinkNames, HintsWithSounds) {
    const HintParts withSound = SplitHint("Hund°hund.wav"_cp);
    EXPECT_EQ(withSound.text, "Hund");
    EXPECT_EQ(withSound.sound, "hund.wav");
    EXPECT_TRUE(IsWaveSound(withSound.sound));
    const HintParts plain = SplitHint("Nur Text");
    EXPECT_EQ(plain.text, "Nur Text");
    EXPECT_TRUE(plain.sound.empty());
    EXPECT_TRUE(IsWaveSound("HUND.WAV"));
    EXPECT_FALSE(IsWaveSound("hund.mp3"));
    EXPECT_FALSE(IsWaveSound(""));
}

TEST(PageLinkNames, WhichTargetsTheHostHearsOf) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"", true},
        {"seite.htx", true},
        {std::string("§stats"_cp), true},
        {"http://x.de", true},
        {"@merke", false},
        {"%", false},
        {"+agb", false},
        {"+", false},
        {"-", false},
        {"ex pick=2", false},
        {"EX", false},
        {"Extra.htx", false},
        {"?maison", true},
    };
    for (const auto& [target, reported] : cases) {
        SCOPED_TRACE(target);
        EXPECT_EQ(ReportedAsAnchor(target), reported);
    }
}

TEST(PageLinkNames, FileKindsByExtension) {
    const std::vector<std::pair<std::string, LinkFileKind>> cases = {
        {"a.htx", LinkFileKind::Page},  {"a.hqor", LinkFileKind::Page},
        {"a.html", LinkFileKind::Page}, {"a.qor", LinkFileKind::Page},
        {"A.HTX", LinkFileKind::Page},  {"a.htx@Hinweis", LinkFileKind::Page},
        {"a.htm", LinkFileKind::None},  {"a.xtml", LinkFileKind::None},
        {"a.xtm", LinkFileKind::None},  {"a.wav", LinkFileKind::Sound},
        {"a.mp3", LinkFileKind::Sound}, {"bild.jpg", LinkFileKind::None},
        {"ohne", LinkFileKind::None},   {"ordner.x/datei", LinkFileKind::None},
        {"a.OGG", LinkFileKind::Sound}, {"sprich:le chat.htx", LinkFileKind::Speech},
        {"Sprich:oui", LinkFileKind::Speech}, {"sprich:", LinkFileKind::None},
    };
    for (const auto& [target, kind] : cases) {
        SCOPED_TRACE(target);
        EXPECT_EQ(LinkFileKindOf(target), kind);
    }
}

TEST(PageLinkNames, BracketCommands) {
    struct Case {
        std::string text;
        bool split;
        std::string command, rest;
    };
    const std::vector<Case> cases = {
        {std::string("§[stats]page2.htx"_cp), true, "stats", "page2.htx"},
        {std::string("§[stats]"_cp), true, "stats", ""},
        {std::string("§[]x.htx"_cp), true, "", "x.htx"},
        {std::string("§stats"_cp), false, "", ""},
        {std::string("§[offen"_cp), false, "", ""},
        {"[stats]x", false, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string command, rest;
        EXPECT_EQ(SplitBracketCommand(c.text, command, rest), c.split);
        EXPECT_EQ(command, c.command);
        EXPECT_EQ(rest, c.rest);
    }
}

TEST(PageLinkNames, ExerciseCommands) {
    struct Case {
        std::string text;
        int count;
        std::string file, continuation;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases = {
        {"EX PICK=3 FILE=test.qor WEITER=ende.htx", 3, "test.qor", "ende.htx", {}},
        {"ex pick=2 file=a.qor", 2, "a.qor", "#weiter", {}},
        {"EX PICK=viele FILE=a.qor", -1, "a.qor", "#weiter", {}},
        {"EX FILE=a.qor WEITER=#aus", -1, "a.qor", "#aus", {}},
        {"extra.htx", -1, "extra.htx", "#weiter", {"EX nicht gefunden"}},
        {"EX PICK=2", 2, "", "#weiter", {"FILE= nicht gefunden"}},
        {"EXTRA", -1, "EXTRA", "#weiter", {"EX nicht gefunden"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ExerciseCommand command = ReadExerciseCommand(c.text);
        EXPECT_EQ(command.count, c.count);
        EXPECT_EQ(command.file, c.file);
        EXPECT_EQ(command.continuation, c.continuation);
        EXPECT_EQ(command.messages, c.messages);
    }
}

class AnchorLabelTest : public ::testing::Test {
protected:
    void SetUp() override { SetFontService(nullptr); }
};

TEST_F(AnchorLabelTest, WrapsAtTwoHundredPixelsAndPadsTheText) {
    // The fixed-advance font gives every character of the 13-pixel face 6 pixels: 33 fit a line.
    const AnchorLabel short_ = LayoutAnchorLabel("Merke dir das");
    EXPECT_EQ(short_.lines, (std::vector<std::string>{"Merke dir das"}));
    const int textWidth = CurrentFontService().Measure(AnchorLabelFont(), "Merke dir das").width;
    EXPECT_EQ(short_.rect.right - short_.rect.left, textWidth + 18);
    EXPECT_EQ(short_.rect.bottom - short_.rect.top, short_.lineHeight + 18);

    const AnchorLabel wrapped = LayoutAnchorLabel("eins1 zwei2 drei3 vier4 fuen5 sech6 sieb7 acht8");
    EXPECT_EQ(wrapped.lines,
              (std::vector<std::string>{"eins1 zwei2 drei3 vier4 fuen5", "sech6 sieb7 acht8"}));
    for (const std::string& line : wrapped.lines) {
        EXPECT_LE(CurrentFontService().Measure(AnchorLabelFont(), line).width, AnchorLabel::kWrapWidth);
    }
    EXPECT_EQ(wrapped.rect.bottom - wrapped.rect.top, 2 * wrapped.lineHeight + 18);

    const AnchorLabel longWord = LayoutAnchorLabel(std::string(40, 'x') + " y");
    EXPECT_EQ(longWord.lines, (std::vector<std::string>{std::string(40, 'x'), "y"}));
    const AnchorLabel breaks = LayoutAnchorLabel("oben\r\nunten");
    EXPECT_EQ(breaks.lines, (std::vector<std::string>{"oben", "unten"}));
}

TEST_F(AnchorLabelTest, PlacementBesideTheRectangle) {
    struct Case {
        const char* what;
        PageRect reference;
        PageRect expected;
    };
    // A note of 100 × 40 on a client area of 800 × 572 whose buffer is 784 wide.
    const std::vector<Case> cases = {
        {"below and right", {100, 50, 180, 66}, {108, 74, 208, 114}},
        {"past the right edge", {700, 50, 760, 66}, {660, 74, 760, 114}},
        {"just fits on the right", {684, 50, 700, 66}, {692, 74, 792, 114}},
        {"past the bottom", {100, 500, 180, 516}, {100 + 8, 452, 208, 492}},
        {"just fits at the bottom", {100, 492, 180, 500}, {108, 508, 208, 548}},
        {"both", {750, 520, 790, 536}, {660, 472, 760, 512}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AnchorLabel label;
        label.rect = PageRect{0, 0, 100, 40};
        PlaceAnchorLabel(label, c.reference, 800, 572, 784);
        EXPECT_EQ(label.rect, c.expected);
    }
}

} // namespace
} // namespace qor
