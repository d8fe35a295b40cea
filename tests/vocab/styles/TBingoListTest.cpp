#include "vocab/styles/TBingoList.h"

#include "platform/TempFolder.h"
#include "platform/WinPath.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(TBingoList, ParsesLinesAndSkipsBadOnes) {
    struct Case {
        std::string name;
        std::string contents;
        TBingoList expected;
    };
    const std::vector<Case> cases = {
        {"two texts", "le chat\tdie Katze\n", {{"le chat", "die Katze", ""}}},
        {"three texts, CR LF", "lundi\tMontag\tDienstag\r\n", {{"lundi", "Montag", "Dienstag"}}},
        {"no final line end", "six\t6", {{"six", "6", ""}}},
        {"a fourth text is ignored", "a\tb\tc\td\n", {{"a", "b", "c"}}},
        {"no tab", "nur ein Wort\n", {}},
        {"empty left", "\tdie Katze\n", {}},
        {"empty right", "le chat\t\tder Hund\n", {}},
        {"empty lines", "\n\r\n\nx\ty\n\n", {{"x", "y", ""}}},
        {"old Mac line ends", "a\tb\rc\td\r", {{"a", "b", ""}, {"c", "d", ""}}},
        {"nothing", "", {}},
        {"blanks kept", " a \t b \n", {{" a ", " b ", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseBingoList(c.contents), c.expected);
    }
}

TEST(TBingoList, ReadsTheFileAndIgnoresReadErrors) {
    test::TempFolder folder;
    folder.MakeFile("vegas_F.txt", "rouge\t#D7263D\t#0055A4\r\nle chat\tdie Katze\t.le chien\r\n");
    const TBingoList list = ReadBingoList(ProgramPath(folder / "vegas_F.txt"));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].right, "#D7263D");
    EXPECT_EQ(list[1].alternative, ".le chien");
    EXPECT_TRUE(ReadBingoList(ProgramPath(folder / "fehlt.txt")).empty());
    EXPECT_TRUE(ReadBingoList(ProgramPath(folder.Path())).empty());
}

} // namespace
} // namespace qor
