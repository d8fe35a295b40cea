#include "page/controls/AnswerCheck.h"

#include "platform/Cp1252.h"
#include "platform/Random.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qor {
namespace {

TEST(GreedyMatch, FindsCharactersInOrderWithinFourOfTheLastFind) {
    struct Case {
        const char* name;
        std::string a;
        std::string b;
        std::string expected;
    };
    const std::vector<Case> cases = {
        // Starts p = 1..3 (length 6 / 2): from p = 1 a, b (2nd from q), c (2nd from q) -> "abc";
        // from p = 2 only "bc". The longer result wins.
        {"skips single characters", "abcdef", "axbxcx", "abc"},
        // 'a' is the fourth character from q = 1: still found.
        {"fourth character is in reach", "az", "bbbaz", "az"},
        // 'a' is the seventh character: out of reach from every start, nothing matches.
        {"fifth character is out of reach", "az", "bbbbbbaz", ""},
        // length(b) div 2 = 0 start positions: empty even though 'a' is in b.
        {"no start position for a one-letter b", "abc", "a", ""},
        {"empty a", "", "abcd", ""},
        {"empty b", "abcd", "", ""},
        // From p = 1 the 'x' is not found and q stays, then b, c, d are: "bcd".
        {"a letter that is not found costs nothing", "xbcd", "abcd", "bcd"},
        {"identical texts", "maison", "maison", "maison"},
        {"case matters", "MAISON", "maison", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GreedyMatch(c.a, c.b), c.expected);
    }
}

TEST(GreedyMatch, StopsWhenTheSearchPositionPassesTheEndOfB) {
    // After "abc" the position in b is past its end: the trailing 'c' of a is not looked for.
    EXPECT_EQ(GreedyMatch("abcc", "abc"), "abc");
    // With one character of b left, the walk goes on and finds it.
    EXPECT_EQ(GreedyMatch("abd", "abcd"), "abd");
}

TEST(CommonLetters, PrefixMiddleAndSuffix) {
    struct Case {
        const char* name;
        std::string text;
        std::string solution;
        std::string expected;
    };
    const std::vector<Case> cases = {
        // Prefix: 'M' differs from 'm' at once (k = 1, empty). Suffix: the last letters are skipped,
        // then o/o, s/s, i/i, a/a are equal and M/m is not: m = 4 pairs, suffix "aison" (m + 1
        // letters). Middle: G("M", "m") has no start position. Common letters "aison".
        {"capital letter", "Maison", "maison", "aison"},
        // Prefix stops at 'M' against 'l'; suffix compares o, s, i, a and stops at M/m: "aison".
        // Middle G("M", "la m") finds no 'M' (case matters).
        {"capital letter against the article form", "Maison", "la maison", "aison"},
        // The prefix stops before the solution's last two letters: "mais"; the rest "on"/"on"
        // gives the suffix "on".
        {"identical", "maison", "maison", "maison"},
        // Prefix "ma" (s differs from i); rest "son"/"ison": o/o and s/s equal, then the text
        // runs out: m = 2, suffix "son". Nothing is left of the text for a middle.
        {"missing letter", "mason", "maison", "mason"},
        // Prefix "bonj"; rest "uor"/"our": o/u differ, no suffix. Middle: G("uor", "our") = "ur"
        // (u, then o is not after it, r is); the other three candidates ("or", "or", "ur") are not
        // longer. "bonj" + "ur".
        {"swapped letters", "bonjuor", "bonjour", "bonjur"},
        // Prefix capped at "ch" (length 4 - 2); "ien"/"at" share nothing.
        {"different word", "chien", "chat", "ch"},
        // Prefix "ca"; rest "fe"/"fé": f/f equal, so the suffix is "fé" taken from the solution,
        // its last letter without comparison.
        {"missing accent at the end", "cafe", "caf\xE9", "caf\xE9"},
        // Prefix "la mais" (stopped by the cap and by n/o); rest "n"/"on": no suffix (the text has
        // no second-to-last letter); middle G("n", "on") finds the n: "la mais" + "n".
        {"missing letter in the middle", "la maisn", "la maison", "la maisn"},
        // Prefix rule only for solutions of two or more letters.
        {"one-letter solution", "a", "a", ""},
        {"empty text", "", "maison", ""},
        {"empty solution", "maison", "", ""},
        // The prefix may take no letter of a two-letter solution; suffix: the last letters are
        // skipped, 'm' against 'm' is equal: m = 1, suffix "me".
        {"two letters", "me", "me", "me"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CommonLetters(c.text, c.solution), c.expected);
    }
}

TEST(CommonLetters, LeavesItsArgumentsAlone) {
    const std::string text = "bonjuor";
    const std::string solution = "bonjour";
    CommonLetters(text, solution);
    EXPECT_EQ(text, "bonjuor");
    EXPECT_EQ(solution, "bonjour");
}

TEST(QualifiesAsAlmostRight, LengthWindowAndShareOfCommonLetters) {
    struct Case {
        int lt, ls, lc;
        bool qualifies;
    };
    const std::vector<Case> cases = {
        {6, 6, 5, true},                       // Maison / maison
        {6, 9, 5, true},                       // Maison / la maison
        {5, 9, 5, false},                      // ls - 4 < lt fails at the lower edge
        {6, 10, 6, false},                     // 6 is not above 10 - 4
        {7, 10, 7, true},   {14, 9, 14, true}, // lt < ls + 6: 14 < 15
        {15, 9, 15, false},                    // 15 is not below 15
        {8, 8, 5, false},                      // 2 * 8 = 16 < 3 * 5 + 1 = 16 fails
        {9, 8, 6, true},                       // 18 < 19
        {10, 8, 6, false},                     // 20 < 19 fails
        {0, 2, 0, true},                       // an empty text against a short solution: -2 < 0 < 8 and 0 < 1
        {1, 1, 0, false},                      // 2 < 1 fails
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lt << "/" << c.ls << "/" << c.lc);
        EXPECT_EQ(QualifiesAsAlmostRight(c.lt, c.ls, c.lc), c.qualifies);
    }
}

TEST(FindAlmostRight, PicksTheQualifyingSolutionWithMostCommonLetters) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> solutions;
        int expected;
        std::string common;
    };
    const std::vector<Case> cases = {
        // Both give "aison": the first in list order wins the tie.
        {"tie goes to the first", "Maison", {"la maison", "maison"}, 0, "aison"},
        {"tie, other order", "Maison", {"maison", "la maison"}, 0, "aison"},
        // With "maison" the common letters are "maisn" (5), but 2 * 8 < 3 * 5 + 1 fails; with
        // "la maison" they are all 8 letters.
        {"most common letters", "la maisn", {"maison", "la maison"}, 1, "la maisn"},
        {"nothing close", "chien", {"chat", "maison"}, -1, ""},
        {"no solutions", "maison", {}, -1, ""},
        // Far too long for the solution even though every letter is in it.
        {"too long", "maisonmaison", {"maison"}, -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AlmostRightMatch match = FindAlmostRight(c.text, c.solutions);
        EXPECT_EQ(match.solution, c.expected);
        EXPECT_EQ(match.Found(), c.expected >= 0);
        EXPECT_EQ(match.Found() ? match.commonLetters : std::string(), c.common);
    }
}

TEST(MarkAlmostRight, BlackForCommonLettersAndCaretAtTheFirstDifference) {
    struct Case {
        const char* name;
        std::string text;
        std::string solution;
        std::string farbe;
        int caret;
    };
    const std::vector<Case> cases = {
        // M is not a common letter; the rest is. The first difference is at 1; M and l share no
        // accent group, so the caret stays there.
        {"capital letter", "Maison", "la maison", "100000", 1},
        // Common "bonjur": the 'o' at position 6 is the wrong one; first difference at 5 (u/o,
        // different groups).
        {"swapped letters", "bonjuor", "bonjour", "0000010", 5},
        // e and é share a group: the caret goes after the e so that F1 can fix it. The é of the
        // common letters is not in the text, so the e stays red.
        {"accent only", "cafe", "caf\xE9", "0001", 5},
        // A letter too many at the end: the texts agree up to the end of the solution.
        {"extra letter at the end", "maisons", "maison", "0000001", 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string common = CommonLetters(c.text, c.solution);
        AlmostRightMarking marking = MarkAlmostRight(c.text, c.solution, common);
        EXPECT_EQ(marking.farbe, c.farbe);
        EXPECT_EQ(marking.caret, c.caret);
    }
}

TEST(MarkAlmostRight, CommonLettersAreFoundInOrderFromTheLastFind) {
    // "aa": the first 'a' flags position 2, the second 'a' must be found after it (position 4).
    EXPECT_EQ(MarkAlmostRight("xaxa", "yyyy", "aa").farbe, "1010");
    // A letter that is not found flags nothing and does not move the search on.
    EXPECT_EQ(MarkAlmostRight("abc", "xyz", "azc").farbe, "010");
    EXPECT_EQ(MarkAlmostRight("abc", "xyz", "azc").farbe.size(), 3u);
    EXPECT_EQ(MarkAlmostRight("", "xyz", "a").farbe, "");
}

TEST(HelpMask, ShortSolutionsAndFixedPositions) {
    struct Case {
        std::string solution;
        std::string mask;
    };
    // No letter from position 5 on is hidden in these, so no random number is drawn.
    const std::vector<Case> cases = {
        {"", ""},           {"a", "_"},     {"ab", "__"}, {"abc", "a__"},   {"chat", "c__t"},
        {"l'eau", "l'__u"}, {"a b", "a _"}, {"?!", "__"}, {"a-b.", "a-_."}, {"la,?", "l_,?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.solution);
        SeedRandom(1);
        EXPECT_EQ(HelpMask(c.solution), c.mask);
        // Nothing was drawn: the generator is where the seed put it.
        const int next = RandomBelow(1000);
        SeedRandom(1);
        EXPECT_EQ(next, RandomBelow(1000));
    }
}

// The letters from position 5 on stay visible exactly when their draw RandomBelow(5) is 3.
std::vector<bool> KeptDraws(std::uint32_t seed, int count) {
    SeedRandom(seed);
    std::vector<bool> kept;
    for (int i = 0; i < count; ++i)
        kept.push_back(RandomBelow(5) == 3);
    return kept;
}

TEST(HelpMask, FromTheFifthLetterOneInFiveStaysVisible) {
    const std::string solution = "la maison"; // positions 5-8 (a, i, s, o) draw; n is the last
    bool sawKept = false;
    bool sawHidden = false;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        const std::vector<bool> kept = KeptDraws(seed, 4);
        std::string expected = "l_ _";
        for (int i = 0; i < 4; ++i) {
            expected += kept[static_cast<std::size_t>(i)] ? solution[static_cast<std::size_t>(4 + i)] : '_';
            (kept[static_cast<std::size_t>(i)] ? sawKept : sawHidden) = true;
        }
        expected += 'n';
        SeedRandom(seed);
        EXPECT_EQ(HelpMask(solution), expected);
    }
    EXPECT_TRUE(sawKept);
    EXPECT_TRUE(sawHidden);
}

TEST(HelpMask, PunctuationFromTheFifthLetterOnDrawsNothing) {
    // Positions 6, 7 and 8 draw; the "." at 5 and the last letter do not: after the mask the
    // generator has made exactly three draws.
    const std::string solution = "abcd.efgh";
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        SCOPED_TRACE(seed);
        const std::vector<bool> kept = KeptDraws(seed, 3);
        SeedRandom(seed);
        for (int i = 0; i < 3; ++i)
            RandomBelow(5);
        const int fourthDraw = RandomBelow(1000);
        std::string expected = "a___.";
        for (int i = 0; i < 3; ++i)
            expected += kept[static_cast<std::size_t>(i)] ? solution[static_cast<std::size_t>(5 + i)] : '_';
        expected += 'h';
        SeedRandom(seed);
        EXPECT_EQ(HelpMask(solution), expected);
        EXPECT_EQ(RandomBelow(1000), fourthDraw);
    }
}

} // namespace
} // namespace qor
