// Colours, coordinates and lists.

#include "page/markup/ValueSyntax.h"

#include "page/markup/TextStyle.h"
#include "platform/Random.h"

#include <gtest/gtest.h>
#include <set>

namespace qor {
namespace {

struct ColourCase {
    const char* value;
    std::int32_t colour;
};

TEST(ColourValues, FixedForms) {
    TXAliasList names;
    names.Set("rot", "#FF0000");
    names.Set("warm", "rot");
    names.Set("RANDOM", "#00FF00");
    names.Set("a", "b");
    names.Set("b", "a");
    names.Set("selbst", "selbst");
    names.Set("palette", "i3");
    const std::vector<ColourCase> cases = {
        {"#FF0000", 0x0000FF}, {"#0000ff", 0xFF0000},   {"#123456", 0x563412},  {"\"#00FF00\"", 0x00FF00},
        {"#XYZ", 0xFF0000},    {"#12345", 0x452301},    {"#1234567", 0xFF0000},
        {"#0", 0x000000},      {"#ff", 0xFF0000},       {"#", 0xFF0000},        {"#8000", 0x008000}, {"i5", 0x01000005},
        {"ix", 0x01000080},    {"i", 0x01000080},       {"rot", 0x0000FF},      {"ROT", 0x0000FF},
        {"warm", 0x0000FF},    {"palette", 0x01000003}, {"RANDOM", 0x00FF00},   {"unbekannt", 0xFFFFFF},
        {"a", 0xFFFFFF},       {"selbst", 0xFFFFFF},    {"", 0xFFFFFF},         {"?", 0xFF0000},
    };
    for (const ColourCase& colourCase : cases) {
        SCOPED_TRACE(colourCase.value);
        EXPECT_EQ(ParseColour(colourCase.value, names), colourCase.colour);
    }
}

TEST(ColourValues, RandomIsWebSafe) {
    TXAliasList names;
    SeedRandom(11);
    std::set<std::int32_t> seen;
    for (int i = 0; i < 200; ++i) {
        const std::int32_t colour = ParseColour("random", names);
        for (const int channel : {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF}) {
            EXPECT_EQ(channel % 51, 0) << std::hex << colour;
        }
        EXPECT_EQ(colour & 0xFF000000, 0);
        seen.insert(colour);
    }
    EXPECT_GT(seen.size(), 50u);
    EXPECT_EQ(ParseColour("RANDOM", names), 0xFFFFFF) << "only the lower-case word is random";
}

TEST(ColourValues, QuestionMarkListPicksOneEntry) {
    TXAliasList names;
    SeedRandom(3);
    std::set<std::int32_t> seen;
    for (int i = 0; i < 100; ++i) {
        seen.insert(ParseColour("?FF0000,00FF00,0000FF,", names));
        seen.insert(ParseColour("?FF0000;00FF00", names));
    }
    EXPECT_EQ(seen, (std::set<std::int32_t>{0x0000FF, 0x00FF00, 0xFF0000}));
}

TEST(Coordinates, RightAndBottomRelativeValues) {
    struct CoordinateCase {
        const char* value;
        Coordinates expected;
    };
    const int u = kUndefinedCoordinate;
    const std::vector<CoordinateCase> cases = {
        {"-10020,10,0,0", {780, 10, 20, 562}},
        {"\"-10020,10,0,0\"", {780, 10, 20, 562}},
        {" 1 , 2 ,3 , 4 ", {1, 2, 3, 4}},
        {"10,-10100,-5,-2", {10, 472, 785, 98}},
        {"1,2", {1, 2, u, u}},
        {"a,2,b,4", {u, 2, u, 4}},
        {"", {u, u, u, u}},
        {"5,6,-1,0", {5, 6, 794, 566}},
        {"-20000,5", {800, 5, u, u}},
        {"1,2,3,4,5", {1, 2, 3, 4}},
    };
    for (const CoordinateCase& coordinateCase : cases) {
        SCOPED_TRACE(coordinateCase.value);
        const Coordinates c = ParseCoordinates(coordinateCase.value, 800, 572);
        EXPECT_EQ(c.x, coordinateCase.expected.x);
        EXPECT_EQ(c.y, coordinateCase.expected.y);
        EXPECT_EQ(c.width, coordinateCase.expected.width);
        EXPECT_EQ(c.height, coordinateCase.expected.height);
    }
}

TEST(Lists, SplitAndTrim) {
    EXPECT_EQ(SplitList("a; b ;c", ";", true), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitList("a; b;c", "; ", false), (std::vector<std::string>{"a", "b;c"}));
    EXPECT_EQ(SplitList("x|", "|", false), (std::vector<std::string>{"x", ""}));
    EXPECT_EQ(SplitList("", ",", true), (std::vector<std::string>{""}));
    EXPECT_EQ(TrimWhitespace("\r\n a b \t"), "a b");
}

} // namespace
} // namespace qor
