#include "DictionaryTestSupport.h"
#include "platform/Cp1252.h"
#include "vocab/FakeTrainingPage.h"

#include <gtest/gtest.h>
#include <map>

namespace qor::test {
namespace {

const std::string kTwoFound = CpText("2 Einträge gefunden."_cp);
const std::string kParagraph = CpText("§"_cp);

std::vector<std::string> ResultWords(const TXDatabase& database) {
    std::vector<std::string> words;
    for (int i = 0; i < database.ResultCount(); ++i)
        words.push_back(database.Result(i).Vokabel);
    return words;
}

class DictionarySearchTest : public ::testing::Test {
protected:
    DictionarySearchTest() {
        FillHalf(m_database, DictionaryDirection::GermanFrench,
                 {{"Haus", 1, "maison"}, {"Tisch", 1, "(la) table"}, {"Platz", 1, "place"}});
        FillHalf(m_database, DictionaryDirection::FrenchGerman,
                 {{"maison", 1, "Haus"},
                  {"(la) table", 1, "Tisch"},
                  {"place", 1, "Platz"},
                  {"Maison", 1, "Firma"}});
    }
    MessageCapture m_messages;
    TXDatabase m_database;
};

TEST_F(DictionarySearchTest, BothHalvesScanHeadwordAndMeaningFrenchGermanFirst) {
    struct Case {
        std::string text;
        WholeWords wholeWords;
        std::vector<std::string> found;
    };
    const std::vector<Case> cases = {
        {"maison", WholeWords::No, {"maison", "Haus"}},
        {"Maison", WholeWords::No, {"Maison"}},
        {"la", WholeWords::No, {"(la) table", "place", "Tisch", "Platz"}},
        {"la", WholeWords::Yes, {"(la) table", "Tisch"}},
        {"", WholeWords::No, {}},
        {"Firma", WholeWords::Yes, {"Maison"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        m_database.Search(c.text, c.wholeWords, TermLanguage::French, SearchScope::BothHalves);
        EXPECT_EQ(ResultWords(m_database), c.found);
    }
}

TEST_F(DictionarySearchTest, OneHalfScansTheSideInTheTermsLanguage) {
    struct Case {
        DictionaryDirection direction;
        TermLanguage term;
        std::string text;
        std::vector<std::string> found;
    };
    const std::vector<Case> cases = {
        {DictionaryDirection::FrenchGerman,
         TermLanguage::French,
         "a",
         {"maison", "(la) table", "place", "Maison"}},
        {DictionaryDirection::FrenchGerman, TermLanguage::German, "a", {"maison", "place", "Maison"}},
        {DictionaryDirection::FrenchGerman, TermLanguage::German, "Haus", {"maison"}},
        {DictionaryDirection::FrenchGerman, TermLanguage::French, "Haus", {}},
        {DictionaryDirection::GermanFrench, TermLanguage::German, "Haus", {"Haus"}},
        {DictionaryDirection::GermanFrench, TermLanguage::French, "maison", {"Haus"}},
        {DictionaryDirection::GermanFrench, TermLanguage::German, "maison", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        m_database.SetDirection(c.direction);
        m_database.Search(c.text, WholeWords::No, c.term, SearchScope::CurrentHalf);
        EXPECT_EQ(ResultWords(m_database), c.found);
    }
}

TEST_F(DictionarySearchTest, PageSearchReportsTheCountAndShowsTheFirstPage) {
    std::map<std::string, std::string> recordings = {{"maison", "/w/maison.wav"}, {"Haus", "/w/haus.wav"}};
    m_database.SetRecordingLookup([&recordings](std::string_view text) {
        auto found = recordings.find(std::string(text));
        return found == recordings.end() ? std::string() : found->second;
    });
    FakeTrainingPage page;
    std::string searched;
    MacroReader readMacro = [&searched](std::string_view name) {
        return name == "Suchen" ? searched : std::string("?");
    };
    struct Case {
        std::string text;
        bool wholeWords;
        std::string count;
        std::string lines;
    };
    const std::vector<Case> cases = {
        {"Firma", false, "1 Eintrag gefunden.", "<+vok>Maison <x4><+bed>Firma<br>"},
        {"", false, "Kein Eintrag gefunden!", ""},
        {"MAISON", false, "Kein Eintrag gefunden!", ""},
        {"la", true, kTwoFound, "<+vok>(la) table <x4><+bed>Tisch<br><+vok>Tisch <x4><+bed>(la) table<br>"},
        {"maison", false, kTwoFound,
         "<+vok><a href=\"/w/maison.wav\" >maison</a> <x4><+bed><a href=\"/w/haus.wav\" >Haus</a><br>"
         "<+vok><a href=\"/w/haus.wav\" >Haus</a> <x4><+bed><a href=\"/w/maison.wav\" >maison</a><br>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        searched = c.text;
        page.SetCondition("ganze", c.wholeWords);
        page.SetCondition("ergebnis", false);
        m_database.PageSearch(page, readMacro);
        EXPECT_TRUE(page.TestCondition("ergebnis"));
        EXPECT_EQ(page.Macro("ergebnis"), c.count);
        EXPECT_EQ(page.Macro("sr"), c.lines);
        EXPECT_TRUE(page.HasMacro("srnav"));
        EXPECT_EQ(page.Macro("srnav"), "");
        EXPECT_EQ(page.Page(), "wörterbuch.htx"_cp);
    }
}

TEST_F(DictionarySearchTest, CommentsStandBeforeTheirMeaningOnResultPages) {
    TXDatabase database;
    FillHalf(database, DictionaryDirection::FrenchGerman, {{"bouffer", 2, "essen [ugs.]; fressen"}});
    FakeTrainingPage page;
    database.PageSearch(page, [](std::string_view) { return std::string("bouffer"); });
    EXPECT_EQ(page.Macro("sr"), "<+vok>bouffer <x4><+bed> [ugs.] essen; fressen<br>");
}

// A dictionary of `count` entries that all match "mot".
TXDatabase& Numbered(TXDatabase& database, int count) {
    std::vector<Row> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({"mot" + std::to_string(i), 1, "Wort"});
    FillHalf(database, DictionaryDirection::FrenchGerman, rows);
    return database;
}

TEST(DictionaryResultPages, NavigationAppearsFromThirteenResults) {
    struct Case {
        int entries;
        int page;
        int lines;
        std::string navigation;
    };
    const std::string link2 = "<a href=\"" + kParagraph + "sr2\" >2</a>";
    const std::string link1 = "<a href=\"" + kParagraph + "sr1\" >1</a>";
    const std::vector<Case> cases = {
        {12, 0, 12, ""},
        {13, 0, 12, "[1] " + link2},
        {13, 1, 1, link1 + " [2]"},
        {24, 1, 12, link1 + " [2]"},
        {25, 2, 1, link1 + " " + link2 + " [3]"},
        {13, 5, 0, link1 + " " + link2},
        {13, -1, 0, link1 + " " + link2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.entries) + " entries, page " + std::to_string(c.page));
        TXDatabase database;
        Numbered(database, c.entries)
            .Search("mot", WholeWords::No, TermLanguage::French, SearchScope::BothHalves);
        std::string lines = database.ResultPageLines(c.page);
        int count = 0;
        for (std::size_t at = lines.find("<br>"); at != std::string::npos; at = lines.find("<br>", at + 1))
            ++count;
        EXPECT_EQ(count, c.lines);
        EXPECT_EQ(database.ResultPageNavigation(c.page), c.navigation);
    }
}

TEST(DictionaryResultPages, SecondPageStartsWithTheThirteenthResult) {
    TXDatabase database;
    Numbered(database, 14).Search("mot", WholeWords::No, TermLanguage::French, SearchScope::BothHalves);
    EXPECT_EQ(database.ResultPageLines(1), "<+vok>mot12 <x4><+bed>Wort<br><+vok>mot13 <x4><+bed>Wort<br>");
}

TEST(DictionaryResultPages, PageSearchStopsAt228Results) {
    MessageCapture messages;
    TXDatabase database;
    Numbered(database, 200);
    FillHalf(database, DictionaryDirection::GermanFrench, {});
    for (int i = 0; i < 40; ++i)
        database.AddEntry("Wort" + std::to_string(i), "1", "mot");
    FakeTrainingPage page;
    database.PageSearch(page, [](std::string_view) { return std::string("mot"); });
    EXPECT_EQ(database.ResultCount(), 228);
    EXPECT_EQ(page.Macro("ergebnis"), "228 Eintr\xE4ge gefunden.");
    EXPECT_EQ(database.Result(227).Vokabel, "Wort27");
    std::string navigation = page.Macro("srnav");
    EXPECT_TRUE(navigation.starts_with("[1] "));
    EXPECT_TRUE(navigation.ends_with(">19</a>"));
    EXPECT_EQ(navigation.find(">20</a>"), std::string::npos);

    database.ShowResultPage(18);
    EXPECT_EQ(page.Pages().size(), 2u);
    EXPECT_TRUE(page.Macro("srnav").ends_with(" [19]"));
    EXPECT_TRUE(page.Macro("sr").starts_with("<+vok>Wort16 "));

    // One half alone has no limit.
    database.Search("mot", WholeWords::No, TermLanguage::German, SearchScope::CurrentHalf);
    EXPECT_EQ(database.ResultCount(), 0);
    database.Search("mot", WholeWords::No, TermLanguage::French, SearchScope::CurrentHalf);
    EXPECT_EQ(database.ResultCount(), 40);
    database.SetDirection(DictionaryDirection::FrenchGerman);
    database.Search("mot", WholeWords::No, TermLanguage::French, SearchScope::CurrentHalf);
    EXPECT_EQ(database.ResultCount(), 200);
}

TEST(DictionaryResultPages, OnlyTheRememberedPageIsGivenResultPages) {
    TXDatabase database;
    Numbered(database, 13);
    database.ShowResultPage(0); // no page search yet: nowhere to show it
    FakeTrainingPage page;
    FakeTrainingPage other;
    database.PageSearch(page, [](std::string_view) { return std::string("mot"); });
    database.ForgetPage(other);
    database.ShowResultPage(1);
    EXPECT_EQ(page.Pages().size(), 2u);
    EXPECT_TRUE(page.Macro("sr").starts_with("<+vok>mot12 "));
    database.ForgetPage(page);
    database.ShowResultPage(0);
    EXPECT_EQ(page.Pages().size(), 2u);
    EXPECT_TRUE(other.Pages().empty());
}

TEST(DictionaryResultPages, DeletedEntriesLeaveTheResultList) {
    MessageCapture messages;
    TXDatabase database;
    Numbered(database, 4).Search("mot", WholeWords::No, TermLanguage::French, SearchScope::BothHalves);
    database.Next();
    database.DeleteCurrent();
    EXPECT_EQ(ResultWords(database), (std::vector<std::string>{"mot0", "mot2", "mot3"}));
    database.SetVokabel(0, "neu");
    EXPECT_EQ(database.Result(0).Vokabel, "neu"); // the list refers to the entries themselves
    database.SetDirection(DictionaryDirection::GermanFrench);
    database.DeleteAll();
    EXPECT_EQ(database.ResultCount(), 3);
    database.SetDirection(DictionaryDirection::FrenchGerman);
    database.DeleteAll();
    EXPECT_EQ(database.ResultCount(), 0);
}

} // namespace
} // namespace qor::test
