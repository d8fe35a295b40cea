#include "vocab/styles/BingoRules.h"

#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "vocab/VocabTestSupport.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(BingoRules, EnergyStaysBetweenZeroAndHundred) {
    struct Case {
        int energy;
        int change;
        int expected;
    };
    const std::vector<Case> cases = {
        {100, 6, 100}, {97, 6, 100}, {50, 6, 56}, {10, -12, 0},
        {12, -12, 0},  {13, -12, 1}, {1, -1, 0},  {0, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.energy) + " + " + std::to_string(c.change));
        EXPECT_EQ(ChangedEnergy(c.energy, c.change), c.expected);
    }
}

TEST(BingoRules, EnergyBarGoesFromRedToGreen) {
    struct Case {
        int energy;
        int red;
        int green;
    };
    const std::vector<Case> cases = {{0, 255, 0},   {100, 0, 255}, {50, 127, 127},
                                     {25, 191, 63}, {-5, 255, 0},  {120, 0, 255}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.energy);
        const Colour colour = EnergyBarColour(c.energy);
        EXPECT_EQ(RedOf(colour), c.red);
        EXPECT_EQ(GreenOf(colour), c.green);
        EXPECT_EQ(BlueOf(colour), 0);
    }
}

TEST(BingoRules, PhrasesTable) {
    struct Case {
        int draw;
        std::string_view wrongTop, wrongBottom, rightTop, rightBottom;
    };
    const std::vector<Case> cases = {
        {0, "LEIDER", "FALSCH!", "SEHR", "GUT!"},
        {1, "WIE", "SCHADE!", "WEITER", "SO!"},
        {2, "WOHL", "KAUM!", "MEHR", "DAVON!"},
        {3, "DAS TUT", "WEH!!", "WIRKLICH", "BEEINDRUCKEND!"},
        {4, "VERSCHONE", "MICH!", "NICHT", "SCHLECHT!"},
        {5, "VOLL", "DANEBEN!", "SEHR", "SCHÖN!"_cp},
        {6, "BITTE", "NICHT!", "DAS WAR", "HERVORRAGEND!"},
        {7, "LEIDER", "FALSCH!", "SEHR", "GUT!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.draw);
        EXPECT_EQ(PhraseFor(Verdict::Wrong, c.draw).top, c.wrongTop);
        EXPECT_EQ(PhraseFor(Verdict::Wrong, c.draw).bottom, c.wrongBottom);
        EXPECT_EQ(PhraseFor(Verdict::Right, c.draw).top, c.rightTop);
        EXPECT_EQ(PhraseFor(Verdict::Right, c.draw).bottom, c.rightBottom);
    }
    EXPECT_EQ(PhraseFor(Verdict::Right, 5).bottom, "SCH\xD6N!");
}

TEST(BingoRules, AfterFourWrongPairsTheNextIsRight) {
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        SeedRandom(seed);
        int wrong = 4;
        EXPECT_TRUE(NextPairIsRight(wrong));
        EXPECT_EQ(wrong, 0);
    }
}

TEST(BingoRules, PairChoiceStatistics) {
    SeedRandom(4711);
    int wrongInARow = 0;
    int longestWrongRun = 0;
    int right = 0;
    std::array<int, 6> runLengths{};
    const int draws = 20000;
    for (int i = 0; i < draws; ++i) {
        if (NextPairIsRight(wrongInARow)) {
            ++right;
        } else {
            longestWrongRun = std::max(longestWrongRun, wrongInARow);
            ++runLengths[wrongInARow];
        }
    }
    EXPECT_EQ(longestWrongRun, 4);
    // Half the pairs are right by the first draw; the forced ones after runs of three or four add
    // some: about 53 %.
    EXPECT_GT(right, draws * 50 / 100);
    EXPECT_LT(right, draws * 57 / 100);
    // Each further wrong pair in a row is about half as likely; the fourth only half of that again.
    EXPECT_GT(runLengths[1], runLengths[2]);
    EXPECT_GT(runLengths[2], runLengths[3]);
    EXPECT_GT(runLengths[3], 2 * runLengths[4]);
    EXPECT_GT(runLengths[4], 0);
}

TEST(BingoRules, WrongChoiceAvoidsBlankChoices) {
    TVocAufgabe task;
    task.Frage = test::Voc("le chat", "die Katze");
    task.Wahl[0] = task.Frage;
    SeedRandom(3);
    EXPECT_EQ(WrongChoice(task), 0) << "no wrong answers at all: the pair stays right";
    task.Wahl[4] = test::Voc("le chien", "der Hund");
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(WrongChoice(task), 4);
}

TEST(BingoRules, BottomTextsAndRemarks) {
    struct Case {
        std::string bedeutung0;
        std::string bedeutung1;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"die Katze", "", {"die Katze"}},
        {"die Katze [Tier]", "", {"die Katze"}},
        {"[ugs.] die Mieze", "die Katze; das Kätzchen [klein]", {"die Mieze", "die Katze", "das Kätzchen"}},
        {"laufen", ";; rennen ;", {"laufen", "rennen"}},
        {"[nur Bemerkung]", "", {}},
        {"offen [ohne Ende", "", {"offen [ohne Ende"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bedeutung0 + " | " + c.bedeutung1);
        TVokabel entry;
        entry.Bedeutung0 = c.bedeutung0;
        entry.Bedeutung1 = c.bedeutung1;
        EXPECT_EQ(BottomTextCandidates(entry), c.expected);
    }
}

TEST(BingoRules, SwatchColours) {
    struct Case {
        std::string text;
        std::optional<Colour> expected;
    };
    const std::vector<Case> cases = {
        {"#FF0000", MakeColour(255, 0, 0)},
        {"#0055a4", MakeColour(0, 0x55, 0xA4)},
        {"#", MakeColour(0, 0, 0)},
        {"#FF", MakeColour(0, 0, 255)},
        {"#12zz", MakeColour(0, 0, 0x12)},
        {"rouge", std::nullopt},
        {"", std::nullopt},
        {" #FF0000", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SwatchColour(c.text), c.expected);
    }
}

TEST(BingoRules, TextShrinksUntilItLeavesTheMargins) {
    // The fixed-advance fonts give every character half the height in width.
    const FixedAdvanceFonts fonts;
    FontSpec font;
    font.name = "Verdana";
    struct Case {
        std::string text;
        int expected;
    };
    const std::vector<Case> cases = {
        {"kurz", 36},                // 4 × 18 = 72
        {std::string(42, 'x'), 36},  // 42 × 18 = 756: exactly 20 left on each side
        {std::string(43, 'x'), 34},  // 43 × 17 = 731
        {std::string(76, 'x'), 20},  // 76 × 10 = 760
        {std::string(77, 'x'), 18},  // 77 × 9 = 693
        {std::string(2000, 'x'), 2}, // never fits: stops at the smallest size
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.size());
        EXPECT_EQ(FittingSize(fonts, font, c.text, 36, 800, 20), c.expected);
    }
}

TEST(BingoRules, BlendAndDurations) {
    EXPECT_EQ(BlendColour(0xFFFFFF, 0x000000, 0), 0xFFFFFF);
    EXPECT_EQ(BlendColour(0xFFFFFF, 0x000000, 255), 0x000000);
    EXPECT_EQ(BlendColour(MakeColour(0, 0, 0), MakeColour(200, 100, 50), 51), MakeColour(40, 20, 10));
    EXPECT_EQ(ScaledDuration(1000, 100), 1000);
    EXPECT_EQ(ScaledDuration(1000, 200), 500);
    EXPECT_EQ(ScaledDuration(500, 20), 2500);
}

} // namespace
} // namespace qor
