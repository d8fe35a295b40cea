// The attribute reader: its operations, values and both error modes.

#include "page/markup/AttributeReader.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(AttributeReader, ExpectAndOneOfIgnoreCaseAndWhitespace) {
    AttributeReader reader("  href=\"x\" Color=red");
    EXPECT_TRUE(reader.Expect("HREF"));
    EXPECT_TRUE(reader.Expect("="));
    EXPECT_FALSE(reader.Abandoned());

    AttributeReader list(" colors=1");
    list.SetMode(AttributeReader::Mode::Tolerant);
    EXPECT_EQ(list.OneOf({"SIZE", "COLOR", "COLORS"}), 2) << "words are prefixes, tried in list order";
    EXPECT_TRUE(list.Expect("S="));
    EXPECT_EQ(list.OneOf({"SIZE", "FACE"}), 0);
    EXPECT_EQ(list.ErrorText(), "Expected one of several tokens SIZE");
    EXPECT_TRUE(list.TestError());
    EXPECT_FALSE(list.TestError()) << "testing clears the flag";
}

TEST(AttributeReader, StrictErrorAbandonsTheRest) {
    AttributeReader reader("SIZE=3 COLOR=red");
    EXPECT_FALSE(reader.Expect("COLOR"));
    EXPECT_TRUE(reader.Abandoned());
    EXPECT_EQ(reader.ErrorText(), "Expected \"COLOR\"");
    EXPECT_FALSE(reader.Expect("SIZE")) << "nothing works after a strict error";
    EXPECT_EQ(reader.OneOf({"SIZE"}), 0);
    EXPECT_EQ(reader.Rest(), "");
}

TEST(AttributeReader, TolerantErrorOnlyRaisesTheFlag) {
    AttributeReader reader("SIZE=3");
    reader.SetMode(AttributeReader::Mode::Tolerant);
    EXPECT_FALSE(reader.Expect("COLOR"));
    EXPECT_FALSE(reader.Abandoned());
    EXPECT_TRUE(reader.TestError());
    EXPECT_TRUE(reader.Expect("SIZE"));
}

TEST(AttributeReader, FindTakesTheTokenUpToTheWord) {
    AttributeReader reader("abc flash=1");
    EXPECT_TRUE(reader.Find("FLASH"));
    EXPECT_EQ(reader.Token(), "abc ");
    EXPECT_TRUE(reader.Expect("="));

    AttributeReader lines("eins\r\nzwei drei");
    EXPECT_TRUE(lines.Find(" "));
    EXPECT_EQ(lines.Token(), "eins") << "a line end also ends a space-separated token";

    AttributeReader missing("abc");
    EXPECT_FALSE(missing.Find("x"));
    EXPECT_EQ(missing.ErrorText(), "Couldn't find \"x\"");
}

TEST(AttributeReader, RestAndEnd) {
    AttributeReader reader("IF   next step ");
    EXPECT_TRUE(reader.Expect("IF"));
    EXPECT_EQ(reader.Rest(), "next step ");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_TRUE(reader.ExpectEnd());

    AttributeReader more("a b");
    EXPECT_TRUE(more.Expect("a"));
    EXPECT_FALSE(more.ExpectEnd());
    EXPECT_EQ(more.ErrorText(), "Expected <end-of-expression>");
}

struct ValueCase {
    const char* text;
    std::optional<std::string> plain;
};

TEST(AttributeReader, PlainValues) {
    const std::vector<ValueCase> cases = {
        {"=abc def", "abc"}, {"=\"abc\" def", "abc"}, {"= abc", ""},
        {"=\"a", "a"},       {"=a\"", "a"},           {"=\"\"\"", "\""},
        {"=rest", "rest"},   {"abc", std::nullopt},   {"", std::nullopt},
    };
    for (const ValueCase& valueCase : cases) {
        SCOPED_TRACE(valueCase.text);
        AttributeReader reader(valueCase.text);
        EXPECT_EQ(reader.PlainValue(), valueCase.plain);
        EXPECT_EQ(reader.CurrentMode(), AttributeReader::Mode::Strict) << "the mode is restored";
        EXPECT_FALSE(reader.Abandoned()) << "values are read tolerantly";
    }
}

TEST(AttributeReader, QuotedValues) {
    const std::vector<ValueCase> cases = {
        {"=\"zwei Worte\" x", "zwei Worte"}, {" = \"a\"", "a"},       {"=\"\"", ""}, {"=abc", std::nullopt},
        {"=\"offen", std::nullopt},          {"\"a\"", std::nullopt},
    };
    for (const ValueCase& valueCase : cases) {
        SCOPED_TRACE(valueCase.text);
        AttributeReader reader(valueCase.text);
        EXPECT_EQ(reader.QuotedValue(), valueCase.plain);
    }
    AttributeReader flexible("=\"a b\" =c d");
    EXPECT_EQ(flexible.FlexibleValue(), "a b");
    EXPECT_EQ(flexible.FlexibleValue(), "c");
}

TEST(AttributeReader, IntegerValues) {
    struct IntegerCase {
        const char* text;
        std::optional<int> value;
    };
    const std::vector<IntegerCase> cases = {
        {"=42", 42},   {"=900", 720}, {"=-5", 0},          {"=abc", 3},          {"=", 3},
        {"=\"7\"", 7}, {"=12abc", 3}, {"=99999999999", 3}, {"42", std::nullopt},
    };
    for (const IntegerCase& integerCase : cases) {
        SCOPED_TRACE(integerCase.text);
        AttributeReader reader(integerCase.text);
        EXPECT_EQ(reader.IntegerValue(0, 720, 3), integerCase.value);
    }
}

TEST(ParseInteger, WholeNumbersOnly) {
    EXPECT_EQ(ParseInteger("0"), 0);
    EXPECT_EQ(ParseInteger("+12"), 12);
    EXPECT_EQ(ParseInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("2147483648"), std::nullopt);
    EXPECT_EQ(ParseInteger("-"), std::nullopt);
    EXPECT_EQ(ParseInteger(" 1"), std::nullopt);
    EXPECT_EQ(ParseInteger(""), std::nullopt);
}

} // namespace
} // namespace qor
