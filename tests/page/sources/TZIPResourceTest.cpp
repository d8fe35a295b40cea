// The built-in text blocks: embedding, lookup and reading line by line.

#include "page/sources/TZIPResource.h"

#include "page/sources/EmbeddedData.h"
#include "platform/Cp1252.h"
#include "platform/Zlib.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

std::vector<std::string> ReadAll(TZIPResource& block) {
    std::vector<std::string> lines;
    while (!block.AtEnd() && lines.size() < 1000)
        lines.push_back(block.ReadLine());
    return lines;
}

TEST(TZIPResource, ReadsLinesAsTheBlocksAreWritten) {
    struct LineCase {
        const char* name;
        std::string text;
        std::vector<std::string> lines;
    };
    const std::vector<LineCase> cases = {
        {"CR LF", "eins\r\nzwei\r\n", {"eins", "zwei"}},
        {"LF", "eins\nzwei\n", {"eins", "zwei"}},
        {"CR", "eins\rzwei\r", {"eins", "zwei"}},
        {"zero bytes", std::string("eins\0zwei\0", 10), {"eins", "zwei"}},
        {"no final line end", "eins\r\nzwei", {"eins", "zwei"}},
        {"empty lines", "eins\r\n\r\n\nzwei\r\n", {"eins", "", "", "zwei"}},
        {"LF CR is two line ends", "eins\n\rzwei", {"eins", "", "zwei"}},
        {"any control character ends a line",
         "a\tb\x01"
         "c",
         {"a", "b", "c"}},
        {"bytes above 127 belong to the line", "\xE9t\xE9\r\n\x80", {"\xE9t\xE9", "\x80"}},
        {"a lone line end", "\r\n", {""}},
        {"empty block", "", {}},
    };
    for (const LineCase& lineCase : cases) {
        SCOPED_TRACE(lineCase.name);
        TZIPResource block;
        ASSERT_TRUE(block.Open(DeflateZlib(lineCase.text)));
        EXPECT_EQ(ReadAll(block), lineCase.lines);
        EXPECT_TRUE(block.AtEnd());
        EXPECT_EQ(block.ReadLine(), "");
    }
}

TEST(TZIPResource, DamagedOrMissingBlocksAreEmpty) {
    const std::string packed = DeflateZlib("eins\r\nzwei\r\ndrei\r\n");
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"truncated", packed.substr(0, packed.size() - 3)},
        {"not zlib", "eins\r\nzwei\r\n"},
        {"empty", ""},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        TZIPResource block;
        EXPECT_FALSE(block.Open(bytes));
        EXPECT_TRUE(block.AtEnd());
        EXPECT_EQ(block.ReadLine(), "");
        EXPECT_EQ(block.Size(), 0u);
    }
    RegisterEmbeddedData("9901", "kaputt");
    TZIPResource broken(9901);
    EXPECT_TRUE(broken.AtEnd());
    TZIPResource missing;
    EXPECT_FALSE(missing.Create(9902));
    EXPECT_TRUE(missing.AtEnd());
}

TEST(TZIPResource, BlocksRegisteredAtRunTimeAreFound) {
    RegisterEmbeddedData("9903", DeflateZlib("hier\r\n"));
    TZIPResource block(9903);
    EXPECT_EQ(ReadAll(block), (std::vector<std::string>{"hier"}));
    // Creating again starts from the beginning.
    ASSERT_TRUE(block.Create(9903));
    EXPECT_EQ(block.ReadLine(), "hier");
}

TEST(TZIPResource, TheBuiltInBlocksAreWindows1252Text) {
    struct BlockCase {
        TextBlock block;
        std::string firstLine;
        std::string someLine; // converted from the UTF-8 source
    };
    const std::vector<BlockCase> cases = {
        {TextBlock::Sentences, "****Wetter und Zeit", std::string("Heute ist schönes Wetter."_cp)},
        {TextBlock::Verbs, "avoir,haben,avoir", std::string("être,sein,avoir"_cp)},
        {TextBlock::Vocabulary, "die Arbeit", "travail (m)"},
    };
    for (const BlockCase& blockCase : cases) {
        SCOPED_TRACE(static_cast<int>(blockCase.block));
        TZIPResource block(blockCase.block);
        ASSERT_FALSE(block.AtEnd());
        const std::vector<std::string> lines = ReadAll(block);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), blockCase.firstLine);
        EXPECT_NE(std::find(lines.begin(), lines.end(), blockCase.someLine), lines.end());
    }
}

TEST(TZIPResource, BuiltInBlocksKeepTheirRecordLayout) {
    // Sentence records are five lines; empty hints must survive the embedding.
    TZIPResource sentences(TextBlock::Sentences);
    std::vector<std::string> lines = ReadAll(sentences);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[5], "XF:\\LA\\1\\Lab__1a.ogg");
    // Vocabulary entries are ten lines each.
    TZIPResource vocabulary(TextBlock::Vocabulary);
    lines = ReadAll(vocabulary);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.size() % 10, 0u);
}

TEST(EmbeddedData, NamesIgnoreCase) {
    RegisterEmbeddedData("Logo_Bmp", "BM");
    ASSERT_TRUE(FindEmbeddedData("LOGO_BMP").has_value());
    EXPECT_EQ(*FindEmbeddedData("logo_bmp"), "BM");
    EXPECT_FALSE(FindEmbeddedData("logo_jpeg").has_value());
}

} // namespace
} // namespace qor
