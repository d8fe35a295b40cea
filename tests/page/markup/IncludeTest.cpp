// INCLUDE: files parsed into the same page, with their failure messages.

#include "MarkupTestSupport.h"
#include "platform/WinPath.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace qor::test {
namespace {

// A page whose folder is a fresh temporary folder on disk.
class IncludeTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = std::filesystem::temp_directory_path() /
                   ("qor_include_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        m_document.pageFolder = WithTrailingSeparator(ProgramPath(m_folder));
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    void Write(const std::string& name, const std::string& text) {
        std::ofstream(m_folder / name, std::ios::binary) << text;
    }
    std::vector<std::string> Parse(std::string_view markup) {
        m_document.Reset();
        PageParser parser(m_document, m_host);
        parser.Parse(markup, ParseMode::Fresh);
        std::vector<std::string> lines;
        for (const tFormatted_text& element : m_document.elements) {
            lines.push_back(DescribeElement(element));
        }
        return lines;
    }

    std::filesystem::path m_folder;
    PageDocument m_document;
    DiskPageHost m_host;
    MessageCapture m_messages;
};

TEST_F(IncludeTest, IncludedTextJoinsThePage) {
    Write("teil.html", "<B>b</B>");
    EXPECT_EQ(Parse("a <INCLUDE HREF=\"teil.html\"> c"),
              (std::vector<std::string>{"word \"a\"", "space \" \"", "word \"b\" bits=b", "space \" \"",
                                        "word \"c\""}));
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(IncludeTest, StyleCarriesOverBothWays) {
    // Text before the first tag of the included file looks like the including page; the included
    // file's own tags start from the initial style; its last style continues afterwards. The line
    // end that every loaded file ends with is whitespace like any other.
    Write("teil.html", "c<B>d");
    EXPECT_EQ(Parse("<I>a<INCLUDE HREF=\"teil.html\">b"),
              (std::vector<std::string>{"word \"a\" bits=i", "word \"c\" bits=i", "word \"d\" bits=b",
                                        "space \" \" bits=b", "word \"b\" bits=b"}));
}

TEST_F(IncludeTest, RegistersAreShared) {
    Write("defs.html", "<DEFINE $gruss=\"Salut\"><ALIAS #w=\"w.htx\"><TITLE>Aus der Datei</TITLE>");
    EXPECT_EQ(Parse("<INCLUDE HREF=\"defs.html\">$[gruss]"), std::vector<std::string>{"word \"Salut\""});
    EXPECT_EQ(m_document.linkAliases.Get("#w", "?"), "w.htx");
    EXPECT_EQ(m_document.title, "Aus der Datei");
}

TEST_F(IncludeTest, FailuresAreReportedAndParsingContinues) {
    const std::string missing = m_document.pageFolder + "fehlt.html";
    EXPECT_EQ(Parse("a<INCLUDE HREF=\"fehlt.html\">b<INCLUDE>c<INCLUDE SRC=\"x\">d"),
              (std::vector<std::string>{"word \"a\"", "word \"b\"", "word \"c\"", "word \"d\""}));
    EXPECT_EQ(m_messages.Texts(),
              (std::vector<std::string>{"INCLUDE-Datei wurde nicht gefunden " + missing + "!!!",
                                        "Fehler bei INCLUDE <2>!!!", "Fehler bei INCLUDE <2>!!!"}));
    ASSERT_EQ(m_messages.Messages().size(), 3u);
    EXPECT_EQ(m_messages.Messages()[0].flags & 0xF0, kMbIconError);
    EXPECT_EQ(m_messages.Messages()[1].flags & 0xF0, kMbIconInformation);
}

TEST_F(IncludeTest, SelfIncludeStopsAtTheDepthLimit) {
    Write("selbst.html", "x<INCLUDE HREF=\"selbst.html\">");
    const std::vector<std::string> elements = Parse("<INCLUDE HREF=\"selbst.html\">");
    EXPECT_EQ(elements.size(), static_cast<std::size_t>(PageParser::kMaxIncludeDepth));
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{"Fehler bei INCLUDE!!!"});
}

TEST_F(IncludeTest, ReadsFilesWithTheLoaderGuarantee) {
    Write("ohne.html", "abc");
    std::string text;
    ASSERT_TRUE(m_host.LoadPageText(m_document.pageFolder + "ohne.html", text));
    EXPECT_EQ(text, "abc\r");
    Write("mit.html", "abc\r");
    ASSERT_TRUE(m_host.LoadPageText(m_document.pageFolder + "mit.html", text));
    EXPECT_EQ(text, "abc\r");
    EXPECT_FALSE(m_host.LoadPageText(m_document.pageFolder + "nichts.html", text));
}

} // namespace
} // namespace qor::test
