#include "platform/Accents.h"

#include "platform/Cp1252.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace qor {
namespace {

TEST(AccentGroupOf, NumbersTheFifteenGroupsInOrder) {
    struct Case {
        std::string_view character;
        int group;
    };
    const Case cases[] = {
        {"a", 0},    {"æ"_cp, 0}, {"Á"_cp, 1},  {"e", 2},    {"Ë"_cp, 3},  {"ï"_cp, 4}, {"I", 5},
        {"œ"_cp, 6}, {"Œ"_cp, 7}, {"ú"_cp, 8},  {"Ü"_cp, 9}, {"ñ"_cp, 10}, {"N", 11},   {"ç"_cp, 12},
        {"C", 13},   {"?", 14},   {"¡"_cp, 14}, {"x", -1},   {"ß"_cp, -1}, {" ", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8FromCp1252(c.character));
        EXPECT_EQ(AccentGroupOf(c.character.at(0)), c.group);
    }
}

TEST(AccentGroupOf, AccentedFormsShareTheGroupOfTheirBaseLetter) {
    // The gap edit relies on this to put the caret after a letter whose accent alone is wrong.
    for (std::string_view base : {"a", "E", "o", "c", "?"}) {
        SCOPED_TRACE(base);
        char c = base.at(0);
        const int group = AccentGroupOf(c);
        for (int step = 0; step < 8; ++step) {
            c = *NextAccentVariant(c);
            EXPECT_EQ(AccentGroupOf(c), group);
        }
    }
    EXPECT_NE(AccentGroupOf('e'), AccentGroupOf('E'));
}

TEST(NextAccentVariant, CafeTurnsThroughTheEGroup) {
    char c = 'e';
    std::string seen;
    for (int press = 0; press < 5; ++press) {
        c = *NextAccentVariant(c);
        seen += c;
    }
    EXPECT_EQ(seen, std::string("éèêëe"_cp));
    EXPECT_FALSE(NextAccentVariant('x').has_value());
}

} // namespace
} // namespace qor
