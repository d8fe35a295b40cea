#include "VocabTestSupport.h"

namespace qor::test {
namespace {

std::string Lines(const std::vector<std::string>& lines, std::string_view end = "\r\n") {
    std::string text;
    for (const std::string& line : lines)
        text += line + std::string(end);
    return text;
}

const std::vector<std::string> kArbre = {
    "  (l')arbre (m) ", " der Baum ", "die Achse", "Un grand (*).", "-1", "", "0", "0", "0", "2"};

TEST(AscFile, ReadsTheTenLinesOfAnEntry) {
    AscContent content = ParseAsc(Lines(kArbre));
    ASSERT_FALSE(content.damaged);
    ASSERT_EQ(content.entries.size(), 1u);
    const TVokabel& entry = content.entries[0];
    EXPECT_EQ(entry.Vokabel, "(l')arbre (m)");
    EXPECT_EQ(entry.Bedeutung0, "der Baum");
    EXPECT_EQ(entry.Bedeutung1, "die Achse");
    EXPECT_EQ(entry.Kontext0, "Un grand (*).");
    EXPECT_TRUE(entry.KtxDazu0);
    EXPECT_FALSE(entry.KtxDazu1);
    EXPECT_EQ(entry.Wortart, 0);
    EXPECT_FALSE(entry.Deutsch);
    EXPECT_EQ(entry.Schwierigkeit, 2);
}

TEST(AscFile, LineEndsOfEveryKindAndAMissingLastEnd) {
    for (std::string_view end : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(end)));
        std::string text = Lines(kArbre, end);
        text.resize(text.size() - end.size());
        AscContent content = ParseAsc(text);
        EXPECT_FALSE(content.damaged);
        ASSERT_EQ(content.entries.size(), 1u);
        EXPECT_EQ(content.entries[0].Schwierigkeit, 2);
        EXPECT_EQ(content.entries[0].Bedeutung1, "die Achse");
    }
}

TEST(AscFile, AWavLineBeforeTheMeaningIsSkipped) {
    AscContent content =
        ParseAsc(Lines({"chat", ".wav\\LA\\chat.wav", "die Katze", "", "", "0", "", "0", "0", "0", "1"}));
    ASSERT_FALSE(content.damaged);
    ASSERT_EQ(content.entries.size(), 1u);
    EXPECT_EQ(content.entries[0].Bedeutung0, "die Katze");
    EXPECT_EQ(content.entries[0].Bedeutung1, "");
    EXPECT_EQ(content.entries[0].Schwierigkeit, 1);
}

TEST(AscFile, AContextOneLineTooLowIsTakenAsTheFirstContext) {
    AscContent content =
        ParseAsc(Lines({"chat", "die Katze", "", "", "Le (*) dort.", "-1", "Un chat", "0", "0", "-1", "3"}));
    ASSERT_FALSE(content.damaged);
    ASSERT_EQ(content.entries.size(), 1u);
    const TVokabel& entry = content.entries[0];
    EXPECT_EQ(entry.Kontext0, "Le (*) dort.");
    EXPECT_TRUE(entry.KtxDazu0);
    EXPECT_EQ(entry.Kontext1, "Un chat");
    EXPECT_FALSE(entry.KtxDazu1);
    EXPECT_TRUE(entry.Deutsch);
    EXPECT_EQ(entry.Schwierigkeit, 3);
}

TEST(AscFile, AShortFifthLineIsAFlagEvenWhenTheContextIsEmpty) {
    AscContent content = ParseAsc(Lines({"chat", "die Katze", "", "", "12345", "", "0", "1", "0", "0"}));
    ASSERT_EQ(content.entries.size(), 1u);
    EXPECT_EQ(content.entries[0].Kontext0, "");
    EXPECT_TRUE(content.entries[0].KtxDazu0); // anything but "0" is true
    EXPECT_EQ(content.entries[0].Wortart, 1);
}

TEST(AscFile, FlagsAndNumbers) {
    struct Case {
        std::string ktxDazu1, wortart, deutsch, schwierigkeit;
        bool expectKtx, expectDeutsch;
        int expectWortart, expectSchwierigkeit;
    };
    const std::vector<Case> cases = {
        {"0", "5", "-1", "4", false, true, 5, 4},
        {"-1", "3", "0", "0", true, false, 3, 0},
        {"1", " 2", "1", "2x", true, false, 2, 2}, // Deutsch only for exactly "-1"
        {"", "9", "-1 ", "7", true, false, 9, 7},  // values are taken as they are
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wortart + "/" + c.schwierigkeit);
        AscContent content =
            ParseAsc(Lines({"a", "b", "", "", "0", "", c.ktxDazu1, c.wortart, c.deutsch, c.schwierigkeit}));
        ASSERT_FALSE(content.damaged);
        ASSERT_EQ(content.entries.size(), 1u);
        EXPECT_EQ(content.entries[0].KtxDazu1, c.expectKtx);
        EXPECT_EQ(content.entries[0].Deutsch, c.expectDeutsch);
        EXPECT_EQ(content.entries[0].Wortart, c.expectWortart);
        EXPECT_EQ(content.entries[0].Schwierigkeit, c.expectSchwierigkeit);
    }
}

TEST(AscFile, BadInputKeepsTheEntriesBeforeIt) {
    const std::string good = Lines(kArbre);
    struct Case {
        std::string name;
        std::string text;
        std::size_t entries;
        bool damaged;
    };
    const std::vector<Case> cases = {
        {"empty file", "", 0, false},
        {"word class not a number", good + Lines({"a", "b", "", "", "0", "", "0", "Nomen", "0", "1"}), 1,
         true},
        {"word class empty", good + Lines({"a", "b", "", "", "0", "", "0", "", "0", "1"}), 1, true},
        {"difficulty line empty", good + Lines({"a", "b", "", "", "0", "", "0", "1", "0", ""}), 1, true},
        {"truncated after three lines", good + Lines({"a", "b", "c"}), 1, true},
        {"one line only", "chat", 0, true},
        {"word class too large for a number",
         Lines({"a", "b", "", "", "0", "", "0", "99999999999", "0", "1"}), 0, true},
        {"two good entries", good + good, 2, false},
        {"one empty line at the end", good + "\r\n", 1, false},
        {"one empty LF line at the end", good + good + "\n", 2, false},
        {"only one empty line", "\r\n", 0, false},
        {"two empty lines at the end", good + "\r\n\r\n", 1, true},
        {"an empty line and a blank", good + "\r\n ", 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AscContent content = ParseAsc(c.text);
        EXPECT_EQ(content.entries.size(), c.entries);
        EXPECT_EQ(content.damaged, c.damaged);
    }
}

TEST(AscFile, AHugeLineIsKeptWhole) {
    std::vector<std::string> lines = kArbre;
    lines[3] = std::string(1 << 20, 'x');
    AscContent content = ParseAsc(Lines(lines));
    ASSERT_EQ(content.entries.size(), 1u);
    EXPECT_EQ(content.entries[0].Kontext0.size(), std::size_t{1} << 20);
}

TEST(AscFile, WritingAndReadingGivesTheSameEntries) {
    TVokabel full = Voc("(la) hauteur (f)", "", "", 0, false);
    full.Bedeutung0 = std::string("die Höhe"_cp);
    full.Bedeutung1 = std::string("die Anhöhe"_cp);
    full.Kontext0 = "  Quelle (*) !";
    full.Kontext1 = "[*] de la tour";
    full.KtxDazu0 = true;
    full.KtxDazu1 = true;
    full.Schwierigkeit = 4;
    TVokabel german = Voc("schnell", "vite", "rapide", 2, true);
    const std::vector<TVokabel> entries = {full, german, Voc("ok", "d'accord", "", 5)};

    const std::string text = FormatAsc(entries);
    EXPECT_EQ(text.substr(0, 18), "(la) hauteur (f)\r\n");
    AscContent content = ParseAsc(text);
    EXPECT_FALSE(content.damaged);
    EXPECT_EQ(content.entries, entries);
}

TEST(AscFile, TheLayoutOfOneEntry) {
    TVokabel entry = Voc("chat", "Katze", "", 0, true);
    entry.KtxDazu1 = true;
    entry.Schwierigkeit = 3;
    EXPECT_EQ(FormatAscEntry(entry), "chat\r\nKatze\r\n\r\n\r\n0\r\n\r\n-1\r\n0\r\n-1\r\n3\r\n");
}

} // namespace
} // namespace qor::test
