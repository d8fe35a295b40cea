#include "DictionaryTestSupport.h"
#include "platform/Collation.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"

#include <gtest/gtest.h>
#include <set>

namespace qor::test {
namespace {

class DictionaryEntriesTest : public ::testing::Test {
protected:
    void Fill(const std::vector<Row>& rows) { FillHalf(m_database, DictionaryDirection::FrenchGerman, rows); }
    MessageCapture m_messages;
    TXDatabase m_database;
};

TEST_F(DictionaryEntriesTest, AddEntryTrimsAndChecksTheWordClassWithoutNotifying) {
    ChangeCounter changes(m_database);
    m_database.AddEntry(" \tmaison\r\n", "7", "  Haus ");
    m_database.AddEntry("aller", "2", "gehen");
    EXPECT_EQ(m_database.Vokabel(0), "maison");
    EXPECT_EQ(m_database.Bedeutung(0), "Haus");
    EXPECT_EQ(m_database.Wortart(0), 1);
    EXPECT_EQ(m_database.Wortart(1), 2);
    EXPECT_TRUE(m_database.Modified(DictionaryDirection::FrenchGerman));
    EXPECT_FALSE(m_database.Modified(DictionaryDirection::GermanFrench));
    EXPECT_EQ(changes.count, 0);
}

TEST_F(DictionaryEntriesTest, GettersAcceptCurrentNeighboursAndOutOfRange) {
    Fill({{"a", 2, "A"}, {"b", 3, "B"}, {"c", 4, "C"}});
    m_database.Next();
    struct Case {
        int index;
        std::string word;
        std::string meaning;
        int wortart;
    };
    const std::vector<Case> cases = {
        {0, "a", "A", 2},
        {TXDatabase::kCurrent, "b", "B", 3},
        {TXDatabase::kBeforeCurrent, "a", "", 1}, // only the headword getter knows the neighbours
        {TXDatabase::kAfterCurrent, "c", "", 1},
        {3, "", "", 1},
        {100, "", "", 1},
        {-4, "", "", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(m_database.Vokabel(c.index), c.word);
        EXPECT_EQ(m_database.Bedeutung(c.index), c.meaning);
        EXPECT_EQ(m_database.Wortart(c.index), c.wortart);
    }
    m_database.First();
    EXPECT_EQ(m_database.Vokabel(TXDatabase::kBeforeCurrent), "");
    m_database.Last();
    EXPECT_EQ(m_database.Vokabel(TXDatabase::kAfterCurrent), "");
}

TEST_F(DictionaryEntriesTest, SettersStoreUntrimmedAndIgnoreOutOfRange) {
    Fill({{"a", 1, "A"}});
    m_database.Load(ProgramPathOf(std::filesystem::path("/nonexistent/qor/x.qor"))); // clears the flag
    m_messages.Clear();
    ChangeCounter changes(m_database);
    m_database.SetVokabel(1, "x");
    m_database.SetBedeutung(5, "x");
    m_database.SetWortart(-2, 3);
    EXPECT_EQ(changes.count, 0);
    EXPECT_FALSE(m_database.Modified(DictionaryDirection::FrenchGerman));

    m_database.SetVokabel(TXDatabase::kCurrent, " b ");
    m_database.SetBedeutung(0, " B ");
    m_database.SetWortart(0, 5);
    EXPECT_EQ(m_database.Vokabel(0), " b ");
    EXPECT_EQ(m_database.Bedeutung(0), " B ");
    EXPECT_EQ(m_database.Wortart(0), 5);
    EXPECT_EQ(changes.count, 3);
    EXPECT_TRUE(m_database.Modified(DictionaryDirection::FrenchGerman));
    m_database.SetWortart(0, 9);
    EXPECT_EQ(m_database.Wortart(0), 1);
}

TEST_F(DictionaryEntriesTest, InsertAndDeleteMoveTheCurrentIndex) {
    Fill({{"a", 1, "A"}, {"b", 1, "B"}});
    ChangeCounter changes(m_database);
    m_database.Last();
    m_database.InsertEntry();
    EXPECT_EQ(Words(m_database), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(m_database.CurrentIndex(), 1);
    EXPECT_EQ(m_database.Wortart(), 1);

    m_database.Last();
    m_database.DeleteCurrent(); // the last one: the index follows
    EXPECT_EQ(Words(m_database), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(m_database.CurrentIndex(), 1);
    m_database.First();
    m_database.DeleteCurrent();
    EXPECT_EQ(Words(m_database), std::vector<std::string>{""});
    EXPECT_EQ(m_database.CurrentIndex(), 0);
    m_database.DeleteCurrent();
    EXPECT_EQ(m_database.Count(), 0);
    EXPECT_EQ(m_database.CurrentIndex(), 0);
    int before = changes.count;
    m_database.DeleteCurrent(); // nothing left, still a change
    EXPECT_EQ(changes.count, before + 1);

    m_database.InsertEntry(); // into an empty half
    EXPECT_EQ(m_database.Count(), 1);
    Fill({{"x", 1, "X"}});
    m_database.DeleteAll();
    EXPECT_EQ(m_database.Count(), 0);
    EXPECT_EQ(m_database.CurrentIndex(), 0);
}

TEST_F(DictionaryEntriesTest, CurrentCompleteNeedsHeadwordAndMeaning) {
    struct Case {
        std::vector<Row> rows;
        bool complete;
    };
    const std::vector<Case> cases = {
        {{{"a", 1, "A"}}, true},
        {{{"", 1, "A"}}, false},
        {{{"a", 1, ""}}, false},
        {{}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows.size());
        TXDatabase database;
        FillHalf(database, DictionaryDirection::FrenchGerman, c.rows);
        m_messages.Clear();
        EXPECT_EQ(database.CurrentComplete(), c.complete);
        EXPECT_EQ(m_messages.Texts(),
                  c.complete
                      ? std::vector<std::string>{}
                      : std::vector<std::string>{CpText("Der aktuelle Eintrag ist nicht vollständig!"_cp)});
    }
}

TEST_F(DictionaryEntriesTest, NavigationStaysInsideTheHalf) {
    Fill({{"a", 1, "A"}, {"b", 1, "B"}, {"c", 1, "C"}});
    ChangeCounter changes(m_database);
    m_database.Previous();
    EXPECT_EQ(changes.count, 0);
    m_database.Next();
    m_database.Next();
    EXPECT_EQ(m_database.CurrentIndex(), 2);
    EXPECT_EQ(changes.count, 2);
    m_database.Next();
    EXPECT_EQ(changes.count, 2);
    m_database.First();
    EXPECT_EQ(m_database.CurrentIndex(), 0);
    m_database.Last();
    EXPECT_EQ(m_database.CurrentIndex(), 2);
    EXPECT_EQ(changes.count, 4);

    TXDatabase empty;
    empty.Last();
    EXPECT_EQ(empty.CurrentIndex(), 0);
}

TEST_F(DictionaryEntriesTest, DirectionsKeepTheirOwnCurrentEntries) {
    FillHalf(m_database, DictionaryDirection::GermanFrench, {{"Haus", 1, "maison"}, {"gehen", 2, "aller"}});
    m_database.Last();
    Fill({{"maison", 1, "Haus"}});
    ChangeCounter changes(m_database);
    m_database.SetDirection(DictionaryDirection::FrenchGerman); // already current
    EXPECT_EQ(changes.count, 0);
    EXPECT_EQ(m_database.DirectionName(), "Französisch-Deutsch"_cp);
    EXPECT_EQ(m_database.ShortDirectionName(), "Französisch-D"_cp);
    m_database.SetDirection(DictionaryDirection::GermanFrench);
    EXPECT_EQ(changes.count, 1);
    EXPECT_TRUE(m_database.IsGermanFrench());
    EXPECT_EQ(m_database.Vokabel(), "gehen");
    EXPECT_EQ(m_database.DirectionName(), "Deutsch-Französisch"_cp);
    EXPECT_EQ(m_database.ShortDirectionName(), "Deutsch-F");
}

TEST_F(DictionaryEntriesTest, LocateFindsTheFirstHeadwordNotBelowTheText) {
    Fill({{"aller", 2, "gehen"},
          {"beau", 3, "sch\xF6n"},
          {"maison", 1, "Haus"},
          {"maison", 3, "hausgemacht"},
          {"Maison", 1, "Firma"},
          {"porte", 1, "T\xFCr"},
          {"rouge", 3, "rot"},
          {"table", 1, "Tisch"},
          {"venir", 2, "kommen"},
          {"voir", 2, "sehen"},
          {"zut", 4, "Mist"},
          {"zut", 6, "verflixt"}});
    struct Case {
        std::string text;
        int wortart;
        int index;
    };
    const std::vector<Case> cases = {
        {"a", -1, 0},      {"MAISON", -1, 2}, // ignoring case: the first of the three
        {"maison", 3, 3},                     // written exactly so, with the class
        {"maison", 2, 2},                     // no such class: the first written so
        {"MAISON", 3, 2},                     // none written so: the first of the three
        {"Maison", 1, 4},                     // the one written so, beside the others
        {"Maison", -1, 4}, {"mais", -1, 2},   {"p", -1, 5}, {"zzz", -1, 11}, // nothing above: the last entry
        {"zut", 6, 11}, // the class is found on the last entry too
        {"zut", 4, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " " + std::to_string(c.wortart));
        EXPECT_EQ(m_database.FindIndex(c.text, c.wortart), c.index);
        m_database.Locate(c.text, c.wortart);
        EXPECT_EQ(m_database.CurrentIndex(), c.index);
        ASSERT_GT(m_database.ResultCount(), m_database.ResultPosition());
        EXPECT_EQ(m_database.Result(m_database.ResultPosition()).Vokabel, m_database.Vokabel());
    }
    EXPECT_EQ(m_database.FindIndex(""), -1);
}

TEST_F(DictionaryEntriesTest, LocateFindsAccentedHeadwordsBesideTheirLetters) {
    Fill({{"est", 1, "Osten"},
          {"\xE9t\xE9", 1, "Sommer"},
          {"\xE9tude", 1, "Studie"},
          {"\x9Cuf", 1, "Ei"},
          {"Stra\xDF"
           "e",
           1, "rue"},
          {"Zug", 1, "train"},
          {"z\xFCgig", 3, "rapide"}});
    const std::vector<std::pair<std::string, int>> cases = {
        {"\xE9t\xE9", 1},
        {"ete", 1},
        {"\xC9T\xC9", 1},
        {"\xE9tude", 2},
        {"oeuf", 3},
        {"\x9Cuf", 3},
        {"Strasse", 4},
        {"stra\xDF"
         "e",
         4},
        {"Stra\xDF"
         "e",
         4},
        {"zug", 5},
        {"z\xFCgig", 6},
        {"zz", 6},
    };
    for (const auto& [text, index] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(m_database.FindIndex(text), index);
    }
}

// The look-up walks from the front; where the half is sorted a binary search must stop at the
// same entry, and where it is not (or no longer is) the walk must still be taken.
TEST_F(DictionaryEntriesTest, FindIndexStopsWhereTheWalkFromTheFrontStops) {
    const std::vector<std::string> words = {"b", "a", "c", "c", "b", "\xE9t\xE9", "E", "e", "z", "a"};
    std::vector<Row> rows;
    for (std::size_t i = 0; i < words.size(); ++i)
        rows.push_back({words[i], static_cast<int>(i % 3) + 1, "x"});
    Fill(rows);
    auto walk = [this](const std::string& text, int wortart) {
        auto compare = [&text](const std::string& word) {
            return CompareCollated(word, text, CaseLevel::Ignored);
        };
        int index = 0;
        while (index < m_database.Count() - 1 && compare(m_database.Vokabel(index)) < 0)
            ++index;
        int exact = -1;
        for (int i = index; i < m_database.Count() && compare(m_database.Vokabel(i)) == 0; ++i) {
            if (m_database.Vokabel(i) == text && (wortart < 0 || m_database.Wortart(i) == wortart))
                return i;
            if (m_database.Vokabel(i) == text && exact < 0)
                exact = i;
        }
        return exact >= 0 ? exact : index;
    };
    const std::vector<std::string> texts = {"a", "b",   "bb",        "c", "d",  "e",
                                            "E", "ete", "\xE9t\xE9", "z", "zz", "0"};
    auto compareAll = [&](const char* state) {
        for (const std::string& text : texts)
            for (int wortart : {-1, 1, 2, 3}) {
                SCOPED_TRACE(std::string(state) + " '" + text + "' " + std::to_string(wortart));
                EXPECT_EQ(m_database.FindIndex(text, wortart), walk(text, wortart));
            }
    };
    compareAll("unsorted");
    EXPECT_EQ(m_database.FindIndex("b"), 0); // the first entry is not below "b": a binary search says 2
    m_database.Sort();
    compareAll("sorted");
    m_database.SetVokabel(3, "zzz");
    compareAll("changed");
    m_database.Sort();
    m_database.Last();
    m_database.InsertEntry();
    compareAll("inserted");
    m_database.Sort();
    m_database.AddEntry("a", "1", "y");
    compareAll("appended");
}

TEST_F(DictionaryEntriesTest, LocateShowsNineRowsAroundTheEntry) {
    std::vector<Row> rows;
    for (char c = 'a'; c <= 'l'; ++c)
        rows.push_back({std::string(1, c), 1, "x"});
    Fill(rows); // 12 entries
    struct Case {
        std::string text;
        std::string firstRow;
        int position;
    };
    const std::vector<Case> cases = {
        {"a", "a", 0}, {"b", "a", 1}, {"e", "d", 1},
        {"d", "c", 1}, {"j", "d", 6}, // the window ends at the last entry
        {"l", "d", 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        m_database.Locate(c.text);
        ASSERT_EQ(m_database.ResultCount(), 9);
        EXPECT_EQ(m_database.Result(0).Vokabel, c.firstRow);
        EXPECT_EQ(m_database.ResultPosition(), c.position);
    }

    TXDatabase few;
    FillHalf(few, DictionaryDirection::FrenchGerman, {{"a", 1, "x"}, {"b", 1, "y"}, {"c", 1, "z"}});
    few.Locate("c");
    EXPECT_EQ(few.ResultCount(), 3);
    EXPECT_EQ(few.ResultPosition(), 2);
}

TEST_F(DictionaryEntriesTest, LocateWithEmptyTextOrHalf) {
    Fill({{"a", 1, "x"}, {"b", 1, "y"}, {"c", 1, "z"}});
    m_database.Locate("b");
    ChangeCounter changes(m_database);
    m_database.Locate("");
    EXPECT_EQ(m_database.CurrentIndex(), 0);
    EXPECT_EQ(m_database.ResultCount(), 3); // left as it was
    EXPECT_EQ(changes.count, 1);

    m_database.SetDirection(DictionaryDirection::GermanFrench);
    changes.count = 0;
    m_database.Locate("b");
    EXPECT_EQ(m_database.ResultCount(), 0);
    EXPECT_EQ(changes.count, 0);
    EXPECT_EQ(m_database.FindIndex("b"), -1);
}

TEST_F(DictionaryEntriesTest, GotoEntryPrefersTheSameMeaning) {
    Fill({{"a", 1, "x"}, {"b", 1, "y"}, {"b", 1, "z"}, {"c", 1, "z"}});
    ChangeCounter changes(m_database);
    struct Case {
        std::string word;
        std::string meaning;
        int index;
        int notifications;
    };
    const std::vector<Case> cases = {
        {"b", "z", 2, 1}, {"b", "z", 2, 0}, // already there
        {"b", "q", 1, 1}, {"c", "y", 3, 1}, {"d", "y", 3, 0},
        {"", "x", 3, 0},  {"B", "y", 3, 0}, // exact headwords only
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word + "/" + c.meaning);
        changes.count = 0;
        m_database.GotoEntry(c.word, c.meaning);
        EXPECT_EQ(m_database.CurrentIndex(), c.index);
        EXPECT_EQ(changes.count, c.notifications);
    }
}

TEST_F(DictionaryEntriesTest, RandomEntryCanLeaveOutIdioms) {
    SeedRandom(7);
    Fill({{"i1", 5, "x"}, {"w", 2, "y"}, {"i2", 6, "z"}});
    std::set<int> anyClass;
    for (int i = 0; i < 200; ++i) {
        m_database.RandomEntry(WordClassChoice::NoIdioms);
        EXPECT_EQ(m_database.CurrentIndex(), 1);
        m_database.RandomEntry(WordClassChoice::Any);
        anyClass.insert(m_database.CurrentIndex());
    }
    EXPECT_EQ(anyClass, (std::set<int>{0, 1, 2}));

    TXDatabase idioms;
    FillHalf(idioms, DictionaryDirection::FrenchGerman, {{"i1", 5, "x"}, {"i2", 6, "y"}});
    idioms.Next();
    ChangeCounter changes(idioms);
    idioms.RandomEntry(WordClassChoice::NoIdioms); // nothing to offer: returns at once
    EXPECT_EQ(idioms.CurrentIndex(), 1);
    EXPECT_EQ(changes.count, 0);
}

} // namespace
} // namespace qor::test
