#include "platform/Cp1252.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

std::string Bytes(std::initializer_list<unsigned char> bytes) {
    std::string out;
    for (unsigned char b : bytes)
        out += static_cast<char>(b);
    return out;
}

TEST(Cp1252, HighBlockMapsToItsUnicodeCharacters) {
    struct Case {
        unsigned char byte;
        char32_t codePoint;
        const char* utf8;
    };
    const std::vector<Case> cases = {
        {0x80, 0x20AC, "€"}, {0x8A, 0x0160, "Š"}, {0x8C, 0x0152, "Œ"},      {0x8E, 0x017D, "Ž"},
        {0x9A, 0x0161, "š"}, {0x9C, 0x0153, "œ"}, {0x9E, 0x017E, "ž"},      {0x9F, 0x0178, "Ÿ"},
        {0x84, 0x201E, "„"}, {0x93, 0x201C, "“"}, {0x96, 0x2013, "–"},      {0x99, 0x2122, "™"},
        {0xE4, 0x00E4, "ä"}, {0xDF, 0x00DF, "ß"}, {0xA0, 0x00A0, "\u00A0"}, {0x41, 0x41, "A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.byte));
        EXPECT_EQ(CodePointFromCp1252(c.byte), c.codePoint);
        EXPECT_EQ(Cp1252FromCodePoint(c.codePoint), c.byte);
        EXPECT_EQ(Utf8FromCp1252(std::string(1, static_cast<char>(c.byte))), c.utf8);
        EXPECT_EQ(Cp1252FromUtf8(c.utf8), std::string(1, static_cast<char>(c.byte)));
    }
}

TEST(Cp1252, UndefinedBytesBecomeTheirC1Controls) {
    for (unsigned char byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        SCOPED_TRACE(static_cast<int>(byte));
        EXPECT_EQ(CodePointFromCp1252(byte), static_cast<char32_t>(byte));
        EXPECT_EQ(Cp1252FromCodePoint(byte), byte);
    }
    // The other C1 controls have no byte: their positions hold typographic characters.
    EXPECT_EQ(Cp1252FromCodePoint(0x80), -1);
    EXPECT_EQ(Cp1252FromCodePoint(0x9F), -1);
    EXPECT_EQ(Cp1252FromCodePoint(0x0100), -1);
    EXPECT_EQ(Cp1252FromCodePoint(0x1F600), -1);
}

TEST(Cp1252, AllBytesSurviveARoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    std::string utf8 = Utf8FromCp1252(all);
    bool lossless = false;
    EXPECT_EQ(Cp1252FromUtf8(utf8, &lossless), all);
    EXPECT_TRUE(lossless);
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        EXPECT_EQ(Cp1252FromCodePoint(CodePointFromCp1252(static_cast<unsigned char>(b))), b);
    }
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    bool lossless = true;
    EXPECT_EQ(Cp1252FromUtf8("a\u0100b😀c", &lossless), "a?b?c");
    EXPECT_FALSE(lossless);
    EXPECT_EQ(Cp1252FromUtf8("plain", &lossless), "plain");
    EXPECT_TRUE(lossless);
}

TEST(Cp1252, MalformedUtf8IsTakenByteForByte) {
    struct Case {
        std::string input;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {Bytes({'W', 0xF6, 'r', 't'}), Bytes({'W', 0xF6, 'r', 't'})},       // already Windows-1252
        {Bytes({0xC3}), Bytes({0xC3})},                                     // truncated at the end
        {Bytes({0xC3, 'a'}), Bytes({0xC3, 'a'})},                           // continuation missing
        {Bytes({0xC0, 0xAF}), Bytes({0xC0, 0xAF})},                         // overlong '/'
        {Bytes({0xED, 0xA0, 0x80}), Bytes({0xED, 0xA0, 0x80})},             // surrogate
        {Bytes({0xF4, 0x90, 0x80, 0x80}), Bytes({0xF4, 0x90, 0x80, 0x80})}, // beyond U+10FFFF
        {Bytes({0x80, 0xC3, 0xA4}), Bytes({0x80, 0xE4})},                   // stray continuation, then ä
        {Bytes({0xFF, 0xFE}), Bytes({0xFF, 0xFE})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(Cp1252FromUtf8(c.input), c.expected);
    }
}

TEST(Cp1252, CasingFollowsTheCodePage) {
    struct Case {
        const char* lower;
        const char* upper;
    };
    const std::vector<Case> pairs = {{"a", "A"}, {"z", "Z"}, {"ä", "Ä"}, {"ö", "Ö"}, {"ü", "Ü"},
                                     {"é", "É"}, {"ç", "Ç"}, {"œ", "Œ"}, {"š", "Š"}, {"ž", "Ž"},
                                     {"ÿ", "Ÿ"}, {"à", "À"}, {"þ", "Þ"}, {"ø", "Ø"}};
    for (const Case& c : pairs) {
        SCOPED_TRACE(c.lower);
        std::string lower = Cp1252FromUtf8(c.lower);
        std::string upper = Cp1252FromUtf8(c.upper);
        EXPECT_EQ(UpperCp1252(lower), upper);
        EXPECT_EQ(LowerCp1252(upper), lower);
        EXPECT_EQ(UpperCp1252(upper), upper);
        EXPECT_EQ(LowerCp1252(lower), lower);
    }
    // Characters without a partner in the code page stay as they are in both directions.
    for (const char* unchanged : {"ß", "µ", "÷", "×", "€", "1", "-", "ª", "º"}) {
        SCOPED_TRACE(unchanged);
        std::string text = Cp1252FromUtf8(unchanged);
        EXPECT_EQ(UpperCp1252(text), text);
        EXPECT_EQ(LowerCp1252(text), text);
    }
}

TEST(Cp1252, InsensitiveComparisons) {
    EXPECT_TRUE(SameTextInsensitive(Cp1252FromUtf8("zähler"), Cp1252FromUtf8("ZÄHLER")));
    EXPECT_TRUE(SameTextInsensitive("qor französisch"_cp, "QOR FRANZÖSISCH"_cp));
    EXPECT_FALSE(SameTextInsensitive("zahler", Cp1252FromUtf8("ZÄHLER")));
    EXPECT_FALSE(SameTextInsensitive("abc", "abcd"));
    EXPECT_FALSE(SameTextInsensitive("strasse", "straße"_cp));

    EXPECT_EQ(CompareTextInsensitive("abc", "ABC"), 0);
    EXPECT_LT(CompareTextInsensitive("abc", "ABD"), 0);
    EXPECT_GT(CompareTextInsensitive("b", "A"), 0);
    EXPECT_LT(CompareTextInsensitive("ab", "ABC"), 0);
    // Capitals are compared as bytes: 'Ä' (0xC4) sorts after 'Z'.
    EXPECT_GT(CompareTextInsensitive("ä"_cp, "z"), 0);

    EXPECT_TRUE(StartsWithInsensitive("XF:\\LA\\1", "xf:"));
    EXPECT_FALSE(StartsWithInsensitive("XF", "xf:"));
    EXPECT_TRUE(StartsWithInsensitive("anything", ""));

    EXPECT_EQ(FindInsensitive("Der Zähler zählt"_cp, "ZÄHL"_cp), 4u);
    EXPECT_EQ(FindInsensitive("Der Zähler zählt"_cp, "ZÄHL"_cp, 5), 11u);
    EXPECT_EQ(FindInsensitive("Der Zähler zählt"_cp, "zahl"), std::string_view::npos);
    EXPECT_EQ(FindInsensitive("abc", "", 2), 2u);
    EXPECT_EQ(FindInsensitive("abc", "", 4), std::string_view::npos);
    EXPECT_EQ(FindInsensitive("ab", "abc"), std::string_view::npos);
}

TEST(Cp1252, LiteralIsConvertedAtCompileTime) {
    constexpr std::string_view word = "Wörterbuch"_cp;
    static_assert(word.size() == 10);
    EXPECT_EQ(word, Bytes({'W', 0xF6, 'r', 't', 'e', 'r', 'b', 'u', 'c', 'h'}));
    EXPECT_EQ("€Œœ"_cp, Bytes({0x80, 0x8C, 0x9C}));
    EXPECT_EQ("*qor französisch"_cp, Cp1252FromUtf8("*qor französisch"));
    EXPECT_EQ(""_cp, "");
    EXPECT_EQ("a\0b"_cp.size(), 3u);
}

} // namespace
} // namespace qor
