#include "freedict/DictdIndex.h"

#include "FreedictFixture.h"
#include "platform/Zlib.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

using freedict::DecodeDictdNumber;
using freedict::DictdIndexEntry;
using freedict::ParseDictdIndex;

TEST(DictdIndexTest, NumbersAreBase64MostSignificantFirst) {
    struct Case {
        const char* digits;
        std::optional<std::uint64_t> value;
    };
    const Case cases[] = {
        {"A", 0},
        {"B", 1},
        {"a", 26},
        {"0", 52},
        {"+", 62},
        {"/", 63},
        {"BA", 64},
        {"LSh+", ((11 * 64 + 18) * 64 + 33) * 64 + 62}, // the real fra-deu index's first offset
        {"////////", (std::uint64_t{1} << 48) - 1},
        {"", std::nullopt},
        {"A=", std::nullopt},
        {"-1", std::nullopt},
        {"A B", std::nullopt},
        {"AAAAAAAAA", std::nullopt}, // more than 48 bits' worth of digits
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.digits);
        EXPECT_EQ(DecodeDictdNumber(c.digits), c.value);
    }
}

TEST(DictdIndexTest, ReadsLinesAndSkipsTheDatabaseEntries) {
    const std::string text = "00databaseinfo\tA\tB\n"
                             "00-database-url\tB\tC\r\n"
                             "chat\tBA\tk\r\n"
                             "\n"
                             "pomme de terre\tLSh+\tB5\tPomme de terre\n"
                             "tête\tA\tZ";
    std::vector<DictdIndexEntry> entries;
    std::string error;
    ASSERT_TRUE(ParseDictdIndex(text, entries, error)) << error;
    ASSERT_EQ(entries.size(), 3U);
    EXPECT_EQ(entries[0].headword, "chat");
    EXPECT_EQ(entries[0].offset, 64U);
    EXPECT_EQ(entries[0].length, 36U);
    EXPECT_EQ(entries[0].line, 3U);
    EXPECT_EQ(entries[1].headword, "pomme de terre");
    EXPECT_EQ(entries[1].length, 121U);
    EXPECT_EQ(entries[2].headword, "tête");
    EXPECT_EQ(entries[2].line, 6U);
}

TEST(DictdIndexTest, BadLinesAreReportedWithTheirNumber) {
    struct Case {
        const char* name;
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"no tab", "chat\tA\tB\nchien\n", "index line 2: expected headword, offset and length"},
        {"one tab (cut short)", "chat\tA\tB\nchien\tBA",
         "index line 2: expected headword, offset and length"},
        {"bad offset", "chat\tA*\tB\n", "index line 1: offset or length is not"},
        {"bad length", "chat\tA\tB=\n", "index line 1: offset or length is not"},
        {"empty offset", "chat\t\tB\n", "index line 1: offset or length is not"},
        {"empty length", "\n\nchat\tA\t\n", "index line 3: offset or length is not"},
        {"number too large", "chat\tAAAAAAAAAB\tB\n", "index line 1: offset or length is not"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<DictdIndexEntry> entries;
        std::string error;
        EXPECT_FALSE(ParseDictdIndex(c.text, entries, error));
        EXPECT_TRUE(error.starts_with(c.message)) << error;
    }
}

TEST(DictdIndexTest, LinesBeforeABadOneAreKept) {
    std::vector<DictdIndexEntry> entries;
    std::string error;
    EXPECT_FALSE(ParseDictdIndex("chat\tA\tB\nchien\tB\tC\nloup\n", entries, error));
    ASSERT_EQ(entries.size(), 2U);
    EXPECT_EQ(entries[1].headword, "chien");
}

TEST(GzipTextTest, InflatesOneOrSeveralMembers) {
    std::string text;
    EXPECT_EQ(InflateGzip(Gzip("chat\nKatze\n"), text, 1000), InflateStatus::Ok);
    EXPECT_EQ(text, "chat\nKatze\n");
    EXPECT_EQ(InflateGzip(Gzip("chat ") + Gzip("") + Gzip("noir"), text, 1000), InflateStatus::Ok);
    EXPECT_EQ(text, "chat noir");
}

TEST(GzipTextTest, BadDataGivesAStatusAndNoText) {
    const std::string packed = Gzip(std::string(5000, 'x') + "chat");
    struct Case {
        const char* name;
        std::string data;
        std::size_t limit;
        InflateStatus status;
    };
    const Case cases[] = {
        {"empty", "", 100000, InflateStatus::Truncated},
        {"cut in the middle", packed.substr(0, packed.size() / 2), 100000, InflateStatus::Truncated},
        {"checksum missing", packed.substr(0, packed.size() - 4), 100000, InflateStatus::Truncated},
        {"zlib, not gzip", DeflateZlib("chat"), 100000, InflateStatus::Corrupt},
        {"plain text", "chat /ʃa/ <n, masc>\nKatze\n", 100000, InflateStatus::Corrupt},
        {"rubbish after the member", packed + "rubbish", 100000, InflateStatus::Corrupt},
        {"more than the limit", packed, 5003, InflateStatus::TooLarge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = "old";
        EXPECT_EQ(InflateGzip(c.data, text, c.limit), c.status);
        EXPECT_TRUE(text.empty());
    }
    std::string text;
    EXPECT_EQ(InflateGzip(packed, text, 5004), InflateStatus::Ok);
}

} // namespace
} // namespace qor::test
