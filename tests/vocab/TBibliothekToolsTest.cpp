#include "VocabTestSupport.h"
#include "platform/Collation.h"
#include "platform/Random.h"
#include "platform/TempFolder.h"
#include "users/TXUserBase.h"
#include "users/UserFile.h"

#include <algorithm>
#include <cmath>

namespace qor::test {
namespace {

using ToolsTest = LibraryTest;

TEST_F(ToolsTest, SortOrdersByHeadwordClassAndMeaningIgnoringCaseAndAccents) {
    Fill(m_library, {Voc("pomme", "Apfel"), Voc("Arbre", "Baum"), Voc(std::string("été"_cp), "Sommer"),
                     Voc("eau", "Wasser"), Voc("fin", "Ende"), Voc("avoir", "haben", "", 1),
                     Voc("avoir", "Besitz"), Voc("zoo", "Zoo")});
    m_library.Sort();
    EXPECT_EQ(Headwords(m_library), (std::vector<std::string>{"Arbre", "avoir", "avoir", "eau",
                                                              std::string("été"_cp), "fin", "pomme", "zoo"}));
    EXPECT_EQ(m_library.Wortart(1), 0); // "avoir0Besitz" before "avoir1haben"
    EXPECT_TRUE(m_library.Changed());
    EXPECT_TRUE(m_library.IsBlank(8));
}

TEST_F(ToolsTest, SortOfARangeLeavesTheRestAlone) {
    Fill(m_library, {Voc("d", "x"), Voc("c", "x"), Voc("b", "x"), Voc("a", "x")});
    m_library.Sort(1, 2);
    EXPECT_EQ(Headwords(m_library), (std::vector<std::string>{"d", "b", "c", "a"}));
}

TEST_F(ToolsTest, SortGivesTheSameOrderAsAStableReferenceForDistinctKeys) {
    std::vector<TVokabel> entries;
    SeedRandom(5);
    for (int i = 0; i < 200; ++i)
        entries.push_back(Voc("w" + std::to_string(RandomBelow(100000)) + "_" + std::to_string(i), "x"));
    Fill(m_library, entries);
    m_library.Sort();
    std::vector<std::string> expected = Headwords(m_library);
    std::vector<std::string> sorted = expected;
    std::sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
        return CompareCollated(a + "0x", b + "0x") < 0;
    });
    EXPECT_EQ(expected, sorted);
}

TEST_F(ToolsTest, ShuffleKeepsTheEntriesAndNeedsFour) {
    Fill(m_library, {Voc("a", "x"), Voc("b", "x"), Voc("c", "x")});
    m_library.Shuffle();
    EXPECT_EQ(Headwords(m_library), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_FALSE(m_library.Changed());

    std::vector<TVokabel> entries;
    for (char c = 'a'; c <= 'l'; ++c)
        entries.push_back(Voc(std::string(1, c), "x"));
    Fill(m_library, entries);
    SeedRandom(3);
    m_library.Shuffle();
    std::vector<std::string> words = Headwords(m_library);
    EXPECT_TRUE(m_library.Changed());
    EXPECT_TRUE(m_library.IsBlank(12));
    std::vector<std::string> sorted = words;
    std::sort(sorted.begin(), sorted.end());
    std::vector<std::string> original;
    for (const TVokabel& entry : entries)
        original.push_back(entry.Vokabel);
    EXPECT_EQ(sorted, original);
    EXPECT_NE(words, sorted);
}

TEST_F(ToolsTest, RemoveDuplicatesOnlyFindsNeighbours) {
    Fill(m_library, {Voc("chat", "Katze; Kater"), Voc("chat", "kater", "katze"), Voc("chat", "Katze", "", 1),
                     Voc("chien", "Hund"), Voc("chat", "Katze; Kater"), Voc("chien", "Hund"),
                     Voc("chien", "Hund"), Voc("Chien", "Hund"), Voc("chien", "Hund; Köter")});
    int calls = 0;
    EXPECT_EQ(m_library.RemoveDuplicates(Report::Show, [&calls] { ++calls; }), 2);
    EXPECT_EQ(Headwords(m_library),
              (std::vector<std::string>{"chat", "chat", "chien", "chat", "chien", "Chien", "chien"}));
    EXPECT_EQ(m_library.Wortart(1), 1);
    EXPECT_TRUE(m_library.Changed());
    EXPECT_GT(calls, 0);
    EXPECT_TRUE(m_messages.Texts().empty());
    EXPECT_EQ(m_library.Count(CountMode::Full), 8);
}

TEST_F(ToolsTest, RemoveDuplicatesNeedsEntries) {
    EXPECT_EQ(m_library.RemoveDuplicates(Report::Show), 0);
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::string>{"Nicht genug Vokabeln!"}));
    EXPECT_EQ(m_library.RemoveDuplicates(Report::Silent), 0);
    EXPECT_EQ(m_messages.Texts().size(), 1u);
}

TEST_F(ToolsTest, AddReversedCopies) {
    TVokabel source = Voc("chat", "Katze", "Kater", 0, false);
    source.Kontext0 = "Le (*)";
    source.KtxDazu0 = true;
    source.Schwierigkeit = 3;
    Fill(m_library, {source, Voc("schnell", "vite", "", 2, true)});
    int calls = 0;
    m_library.AddReversedCopies([&calls] { ++calls; });
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(Headwords(m_library), (std::vector<std::string>{"chat", "schnell", "Katze", "vite"}));
    TVokabel expected = Voc("Katze", "chat", "", 0, true);
    expected.Schwierigkeit = 3;
    EXPECT_EQ(m_library.Entry(2), expected);
    EXPECT_EQ(m_library.Entry(3), Voc("vite", "schnell", "", 2, false));
    EXPECT_EQ(m_library.Count(CountMode::Full), 5);
    EXPECT_TRUE(m_library.Changed());
}

TEST_F(ToolsTest, SearchNextWalksFieldsAndEntriesAndWraps) {
    TVokabel third = Voc("loup", "Wolf");
    third.Kontext1 = "le LOUP hurle";
    Fill(m_library, {Voc("chat", "Katze", "Kater"), Voc("chien", "Hund", "Wachhund"), third});
    VocSearch search;
    search.text = "hund";
    struct Hit {
        int entry, field, position;
    };
    const std::vector<Hit> hits = {{1, 1, 1}, {1, 2, 5}, {1, 1, 1}};
    for (const Hit& hit : hits) {
        m_library.SearchNext(search);
        ASSERT_TRUE(search.found);
        EXPECT_EQ(search.entry, hit.entry);
        EXPECT_EQ(search.field, hit.field);
        EXPECT_EQ(search.position, hit.position);
    }
    search.caseSensitive = true;
    m_library.SearchNext(search);
    ASSERT_TRUE(search.found);
    EXPECT_EQ(search.field, 2); // "Hund" no longer matches, "Wachhund" does

    VocSearch loup{"LOUP", false, -1, 0, 1, true};
    m_library.SearchNext(loup);
    ASSERT_TRUE(loup.found);
    EXPECT_EQ(loup.entry, 2);
    EXPECT_EQ(loup.field, 4);
    EXPECT_EQ(loup.position, 4);

    VocSearch none{"zebra", false, 7, 0, 1, false};
    m_library.SearchNext(none);
    EXPECT_FALSE(none.found);
}

TEST(LibraryDisplayName, ShortensLongNames) {
    const std::string name34 = "C:\\Vokabeln (F)\\Lektion\\abc123.asc";
    ASSERT_EQ(name34.size(), 34u);
    const std::string name35 = "C:\\Vokabeln (F)\\Lektion\\abc1234.asc";
    ASSERT_EQ(name35.size(), 35u);
    struct Case {
        std::string file;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {"", "Unbenannt"},
        {"a.asc", "a.asc"},
        {name34, name34},
        {name35, "C:\\Vokabeln (F)\\ ... \\abc1234.asc"},
        {"/home/anna/Vokabeln (F)/Lektion/abc123.asc", "/home/anna/Vokab ... /abc123.asc"},
        {"eine-sehr-lange-bibliothek-ohne-ordner.asc", "eine-sehr-lange- ... ek-ohne-ordner.asc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(LibraryDisplayName(c.file), c.shown);
    }
}

TEST_F(ToolsTest, DisplayNameFollowsTheLoadedFile) {
    const std::string longFolder = "ordner-mit-einem-langen-namen";
    m_temp.MakeFile(longFolder + "/kurz.asc", "");
    const std::string longFile = m_folder + longFolder + "/kurz.asc";
    ASSERT_TRUE(m_library.Load(longFile, LoadMode::Replace));
    EXPECT_EQ(m_library.DisplayName(), longFile.substr(0, 16) + " ... /kurz.asc");
    m_library.Clear(BlankLine::Keep);
    EXPECT_EQ(m_library.DisplayName(), "Unbenannt");
}

TEST_F(ToolsTest, RecentFilesNewestFirstAtMostFour) {
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(m_library.RecentFile(i), "");
    for (std::string name : {"a.asc", "b.asc", "c.asc", "A.ASC", "d.asc", "e.asc"})
        m_library.RememberRecentFile(name);
    EXPECT_EQ(m_library.RecentFile(0), "e.asc");
    EXPECT_EQ(m_library.RecentFile(1), "d.asc");
    EXPECT_EQ(m_library.RecentFile(2), "A.ASC");
    EXPECT_EQ(m_library.RecentFile(3), "c.asc");
    EXPECT_EQ(m_library.RecentFile(4), "");
    EXPECT_EQ(m_library.RecentFile(-1), "");

    const std::string file = MakeFile("jetzt.asc", "");
    m_library.RememberRecentFile("*"); // no file loaded yet: nothing
    EXPECT_EQ(m_library.RecentFile(0), "e.asc");
    ASSERT_TRUE(m_library.Load(file, LoadMode::Replace));
    m_library.RememberRecentFile("*");
    EXPECT_EQ(m_library.RecentFile(0), file);
    EXPECT_EQ(m_library.RecentFile(3), "A.ASC");
}

class ScoresTest : public LibraryTest {
protected:
    class NoDialogs : public UserDialogs {
    public:
        std::optional<UserCredentials> ShowTXPasswort(const PasswordRequest&) override {
            return std::nullopt;
        }
        std::optional<PasswordChange> ShowTXChangePW(const std::string&, const std::string&) override {
            return std::nullopt;
        }
        std::optional<UserCredentials> ShowTXLogInWizard() override { return std::nullopt; }
    };
    TempFolder m_users;
    NoDialogs m_dialogs;
    TXUserBase m_base{ProgramPath(m_users.Path()) + "/", m_dialogs};
};

TEST_F(ScoresTest, NobodyLoggedInGivesNoScoresAndAverageZero) {
    m_library.SetUserBase(&m_base);
    const std::string file = MakeFile("a.asc", FormatAsc({Voc("chat", "Katze")}));
    ASSERT_TRUE(m_library.Load(file, LoadMode::Replace));
    EXPECT_EQ(m_library.Score(0), 0);
    EXPECT_EQ(m_library.AverageScore(), 0);
}

TEST_F(ScoresTest, ScoresComeFromTheLoggedInLearner) {
    m_base.LogIn("Anna", "");
    ASSERT_TRUE(m_base.IsLoggedIn());
    for (int i = 0; i < 3; ++i)
        m_base.RecordResult("chat", VocDirection::Fremd, 'e', 1, 0);
    m_base.RecordResult("vite", VocDirection::Deutsch, 'e', 1, 2);
    const int chatScore = m_base.VocScore("chat", VocDirection::Fremd, 0).score;
    const int viteScore = m_base.VocScore("vite", VocDirection::Deutsch, 2).score;
    ASSERT_NE(chatScore, 0);

    m_library.SetUserBase(&m_base);
    const std::string file =
        MakeFile("a.asc", FormatAsc({Voc("chat", "Katze"), Voc("vite", "schnell", "", 2, true),
                                     Voc("chat", "Katze", "", 1), Voc("vite", "schnell", "", 2)}));
    ASSERT_TRUE(m_library.Load(file, LoadMode::Replace));
    EXPECT_EQ(m_library.Score(0), chatScore);
    EXPECT_EQ(m_library.Score(1), viteScore);
    EXPECT_EQ(m_library.Score(2), 0); // another word class
    EXPECT_EQ(m_library.Score(3), 0); // the other direction
    EXPECT_EQ(m_library.AverageScore(), static_cast<int>(std::nearbyint((chatScore + viteScore) / 4.0)));
}

} // namespace
} // namespace qor::test
