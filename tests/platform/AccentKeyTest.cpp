#include "platform/AccentKey.h"

#include "platform/Cp1252.h"
#include "platform/FileNames.h"

#include <gtest/gtest.h>
#include <string>

namespace qor {
namespace {

char Cp(std::string_view oneCharacter) {
    return oneCharacter.at(0);
}

TEST(NextAccentVariant, StepsThroughItsGroupAndWrapsAround) {
    struct Case {
        std::string_view from;
        std::string_view to;
    };
    const Case cases[] = {
        {"a", "á"_cp},    {"æ"_cp, "a"}, {"ä"_cp, "æ"_cp}, {"A", "Á"_cp}, {"Æ"_cp, "A"}, {"e", "é"_cp},
        {"ë"_cp, "e"},    {"Ë"_cp, "E"}, {"i", "í"_cp},    {"ï"_cp, "i"}, {"Ï"_cp, "I"}, {"o", "ó"_cp},
        {"ö"_cp, "œ"_cp}, {"œ"_cp, "o"}, {"Ö"_cp, "Œ"_cp}, {"Œ"_cp, "O"}, {"u", "ú"_cp}, {"ü"_cp, "u"},
        {"Ü"_cp, "U"},    {"n", "ñ"_cp}, {"ñ"_cp, "n"},    {"N", "Ñ"_cp}, {"c", "ç"_cp}, {"ç"_cp, "c"},
        {"Ç"_cp, "C"},    {"?", "¿"_cp}, {"¿"_cp, "!"},    {"!", "¡"_cp}, {"¡"_cp, "?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8FromCp1252(c.from));
        auto next = NextAccentVariant(Cp(c.from));
        ASSERT_TRUE(next.has_value());
        EXPECT_EQ(*next, Cp(c.to));
    }
}

TEST(NextAccentVariant, SixStepsFromABringBackA) {
    char c = 'a';
    std::string seen;
    for (int step = 0; step < 6; ++step) {
        auto next = NextAccentVariant(c);
        ASSERT_TRUE(next.has_value());
        c = *next;
        seen += c;
    }
    EXPECT_EQ(seen, std::string("áàâäæa"_cp));
}

TEST(NextAccentVariant, CharactersOutsideTheGroupsHaveNone) {
    for (char c : std::string_view("xXzZ1 ;.'")) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(c)));
        EXPECT_FALSE(NextAccentVariant(c).has_value());
    }
    EXPECT_FALSE(NextAccentVariant('\0').has_value());
    EXPECT_FALSE(NextAccentVariant(Cp("ß"_cp)).has_value());
    EXPECT_FALSE(NextAccentVariant(Cp("ý"_cp)).has_value());
}

TEST(ApplyAccentKey, ReplacesTheCharacterBeforeTheCaretOnly) {
    struct Case {
        const char* name;
        std::string text;
        int caret;
        bool changed;
        std::string expected;
    };
    const Case cases[] = {
        {"after e", "Cafe", 4, true, std::string("Café"_cp)},
        {"in the middle", "ete", 1, true, std::string("éte"_cp)},
        {"caret at start", "abc", 0, false, "abc"},
        {"caret beyond text", "abc", 4, false, "abc"},
        {"negative caret", "abc", -1, false, "abc"},
        {"no accented form", "xyz", 2, false, "xyz"},
        {"empty text", "", 0, false, ""},
        {"question mark", "Quoi?", 5, true, std::string("Quoi¿"_cp)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = c.text;
        int caret = c.caret;
        EXPECT_EQ(ApplyAccentKey(text, caret), c.changed);
        EXPECT_EQ(text, c.expected);
        EXPECT_EQ(caret, c.caret);
    }
}

TEST(ApplyAccentKey, RepeatedPressesCycleThroughTheGroup) {
    std::string text = "ca";
    int caret = 2;
    for (int press = 0; press < 5; ++press)
        ASSERT_TRUE(ApplyAccentKey(text, caret));
    EXPECT_EQ(text, std::string("cæ"_cp));
    ASSERT_TRUE(ApplyAccentKey(text, caret));
    EXPECT_EQ(text, "ca");
}

TEST(HasInvalidFileNameChar, FindsEachOfTheNineCharacters) {
    for (char c : std::string_view("/\\*:<>|?\"")) {
        SCOPED_TRACE(c);
        EXPECT_TRUE(HasInvalidFileNameChar(std::string("Ma") + c + "rie"));
    }
    const char* allowed[] = {"", "Marie", "Jean-Luc", "Anne Sophie", "a.b_c", "(1)"};
    for (const char* name : allowed) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(HasInvalidFileNameChar(name));
    }
    EXPECT_FALSE(HasInvalidFileNameChar("Müller"_cp));
}

} // namespace
} // namespace qor
