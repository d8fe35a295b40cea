#include "users/UserScores.h"

#include <gtest/gtest.h>
#include <string>

namespace qor {
namespace {

// One score character per answer: change + 65.
std::string Answers(std::initializer_list<int> changes) {
    std::string scores;
    for (int change : changes)
        scores += ScoreChar(change);
    return scores;
}

TEST(UserScores, HistoryScoreSumsAndClamps) {
    struct Case {
        const char* name;
        std::string scores;
        int expected;
    };
    const Case cases[] = {
        {"no answers", "", 0},
        {"one neutral answer", "A", 0},
        {"M is +12, 5 is -12", "M5", 0},
        {"typed right twice", Answers({25, 25}), 50},
        {"mixed", Answers({25, -15, 12}), 22},
        {"five typed right clamp at 100", Answers({25, 25, 25, 25, 25}), 100},
        {"five heavy penalties clamp at -100", Answers({-30, -30, -30, -30, -30}), -100},
        {"five Las Vegas right", Answers({8, 8, 8, 8, 8}), 40},
        {"a byte above 127 counts as unsigned (+190, clamped)", "\xFF", 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HistoryScore(c.scores), c.expected);
    }
}

TEST(UserScores, ModeWeightByMode) {
    struct Case {
        std::string modes;
        int expected;
    };
    const Case cases[] = {
        {"", 100}, {"eeeee", 100}, {"vvvvv", 40}, {"mmmmm", 60}, {"e", 20},
        {"m", 12}, {"v", 8},       {"x", 10},     {"emvx", 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.modes);
        EXPECT_EQ(ModeWeight(c.modes), c.expected);
    }
}

TEST(UserScores, RelativeScoreComparesWithTheModesMaximum) {
    struct Case {
        const char* name;
        std::string scores;
        std::string modes;
        int expected;
    };
    const Case cases[] = {
        {"five Las Vegas right are perfect", Answers({8, 8, 8, 8, 8}), "vvvvv", 100},
        {"one Las Vegas right", Answers({8}), "v", 100},
        {"one multiple choice wrong", Answers({-12}), "m", -100},
        {"typed right and wrong", Answers({25, -15}), "ee", 25},
        {"rounds to nearest: 100/12 = 8.33", Answers({1}), "m", 8},
        {"rounds half away from zero: 25*100/40", Answers({25}), "vvvvv", 63},
        {"negative half away from zero", Answers({-25}), "vvvvv", -63},
        {"empty modes weigh 100", Answers({30}), "", 30},
        {"clamped above", Answers({25, 25}), "v", 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RelativeScore(c.scores, c.modes), c.expected);
    }
}

TEST(UserScores, HistogramBinsCoverTheRange) {
    struct Case {
        int score;
        int bin;
    };
    // bin = (score * 21 + 2100) div 201
    const Case cases[] = {{-100, 0}, {-91, 0}, {-90, 1}, {-1, 10}, {0, 10},   {5, 10},  {6, 11},
                          {-10, 9},  {10, 11}, {50, 15}, {99, 20}, {100, 20}, {-50, 5}, {-200, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.score);
        EXPECT_EQ(HistogramBin(c.score), c.bin);
    }
}

TEST(UserScores, ScoreCharStaysAboveTheBlank) {
    EXPECT_EQ(ScoreChar(0), 'A');
    EXPECT_EQ(ScoreChar(12), 'M');
    EXPECT_EQ(ScoreChar(-12), '5');
    EXPECT_EQ(ScoreChar(25), 'Z');
    // A long run of wrong typed answers gives -15 less a growing penalty.
    EXPECT_EQ(ScoreChar(-32), '!');
    EXPECT_EQ(ScoreChar(-33), '!');
    EXPECT_EQ(ScoreChar(-65), '!');
    EXPECT_EQ(ScoreChar(-500), '!');
    EXPECT_EQ(HistoryScore(std::string(5, ScoreChar(-500))), -100);
    EXPECT_EQ(static_cast<unsigned char>(ScoreChar(500)), 255);
}

TEST(UserScores, RoundedQuotient) {
    struct Case {
        std::int64_t numerator;
        std::int64_t denominator;
        std::int64_t expected;
    };
    const Case cases[] = {{7, 2, 4},   {-7, 2, -4}, {5, 3, 2}, {4, 3, 1},
                          {-4, 3, -1}, {7, -2, -4}, {0, 5, 0}, {1, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.numerator) + "/" + std::to_string(c.denominator));
        EXPECT_EQ(RoundedQuotient(c.numerator, c.denominator), c.expected);
    }
}

} // namespace
} // namespace qor
