#include "VocabTestSupport.h"

namespace qor::test {
namespace {

class EntriesTest : public ::testing::Test {
protected:
    VocMessages m_messages;
    TBibliothek m_library;
    void SetUp() override {
        Fill(m_library, {Voc("chat", "Katze", "Kater", 0), Voc("vite", "schnell", "", 2, true),
                         Voc("aller", "gehen", "", 1)});
    }
};

TEST(Library, StartsWithOneBlankEntryAndUnchanged) {
    TBibliothek library;
    EXPECT_EQ(library.Count(), 0);
    EXPECT_EQ(library.Count(CountMode::Full), 1);
    EXPECT_TRUE(library.IsBlank(0));
    EXPECT_FALSE(library.Changed());
    EXPECT_EQ(library.Current(), 0);
}

TEST_F(EntriesTest, ClearKeepsOrDropsTheBlankLineAndForgetsTheChange) {
    m_library.SetVokabel(0, "chien");
    ASSERT_TRUE(m_library.Changed());
    m_library.Clear(BlankLine::Keep);
    EXPECT_EQ(m_library.Count(CountMode::Full), 1);
    EXPECT_FALSE(m_library.Changed());
    m_library.Clear(BlankLine::Drop);
    EXPECT_EQ(m_library.Count(CountMode::Full), 0);
    EXPECT_EQ(m_library.Count(), 0);
}

TEST_F(EntriesTest, ReadsFollowTheIndexRules) {
    m_library.SetCurrent(1);
    struct Case {
        int index;
        std::string vokabel;
        std::string bedeutung0;
        int wortart;
        bool deutsch;
    };
    const std::vector<Case> cases = {
        {0, "chat", "Katze", 0, false},  {-1, "vite", "schnell", 2, true},
        {2, "aller", "gehen", 1, false}, {3, "", "", 0, false},
        {4, "", "", 0, false},           {100, "", "", 0, false},
        {-4, "", "", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(m_library.Vokabel(c.index), c.vokabel);
        EXPECT_EQ(m_library.Bedeutung(c.index, 0), c.bedeutung0);
        EXPECT_EQ(m_library.Wortart(c.index), c.wortart);
        EXPECT_EQ(m_library.Deutsch(c.index), c.deutsch);
    }
    EXPECT_EQ(m_library.Bedeutung(0, 1), "Kater");
    EXPECT_EQ(m_library.Bedeutung(0, 2), "");
    EXPECT_EQ(m_library.Kontext(0, -1), "");
}

TEST_F(EntriesTest, PreviousAndNextHeadwordStopAtTheEnds) {
    struct Case {
        int current;
        std::string previous;
        std::string next;
    };
    const std::vector<Case> cases = {
        {0, "chat", "vite"},
        {1, "chat", "aller"},
        {2, "vite", ""},
        {3, "aller", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.current);
        m_library.SetCurrent(c.current);
        EXPECT_EQ(m_library.Vokabel(-2), c.previous);
        EXPECT_EQ(m_library.Vokabel(-3), c.next);
    }
}

TEST_F(EntriesTest, EveryWriterSetsTheFlagOnlyWhenSomethingChanges) {
    using Write = std::function<void(TBibliothek&)>;
    struct Case {
        std::string name;
        Write write;
        bool changes;
    };
    const std::vector<Case> cases = {
        {"same Vokabel", [](TBibliothek& l) { l.SetVokabel(0, "chat"); }, false},
        {"new Vokabel", [](TBibliothek& l) { l.SetVokabel(0, "chien"); }, true},
        {"Vokabel beyond the list", [](TBibliothek& l) { l.SetVokabel(9, "chien"); }, false},
        {"Vokabel at -2", [](TBibliothek& l) { l.SetVokabel(-2, "chien"); }, false},
        {"same meaning", [](TBibliothek& l) { l.SetBedeutung(0, 1, "Kater"); }, false},
        {"new meaning 1", [](TBibliothek& l) { l.SetBedeutung(0, 1, "Mieze"); }, true},
        {"meaning 2 does not exist", [](TBibliothek& l) { l.SetBedeutung(0, 2, "x"); }, false},
        {"context", [](TBibliothek& l) { l.SetKontext(-1, 0, "Le (*)"); }, true},
        {"empty context again", [](TBibliothek& l) { l.SetKontext(0, 1, ""); }, false},
        {"KtxDazu", [](TBibliothek& l) { l.SetKtxDazu(0, 1, true); }, true},
        {"KtxDazu unchanged", [](TBibliothek& l) { l.SetKtxDazu(0, 0, false); }, false},
        {"Wortart", [](TBibliothek& l) { l.SetWortart(0, 3); }, true},
        {"Wortart unchanged", [](TBibliothek& l) { l.SetWortart(1, 2); }, false},
        {"Deutsch", [](TBibliothek& l) { l.SetDeutsch(0, true); }, true},
        {"Deutsch unchanged", [](TBibliothek& l) { l.SetDeutsch(1, true); }, false},
        {"Schwierigkeit", [](TBibliothek& l) { l.SetSchwierigkeit(0, 1); }, true},
        {"Schwierigkeit unchanged", [](TBibliothek& l) { l.SetSchwierigkeit(0, 0); }, false},
        {"exchange", [](TBibliothek& l) { l.Exchange(0, 2); }, true},
        {"exchange with itself", [](TBibliothek& l) { l.Exchange(1, 1); }, false},
        {"exchange beyond the list", [](TBibliothek& l) { l.Exchange(0, 7); }, false},
        {"delete beyond the list", [](TBibliothek& l) { l.Delete(7); }, false},
        {"delete", [](TBibliothek& l) { l.Delete(1); }, true},
        {"add", [](TBibliothek& l) { l.Add(Voc("a", "b")); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.write(m_library);
        EXPECT_EQ(m_library.Changed(), c.changes);
    }
}

TEST_F(EntriesTest, DifficultyAboveFourStoresFour) {
    m_library.SetSchwierigkeit(0, 9);
    EXPECT_EQ(m_library.Schwierigkeit(0), 4);
    m_library.SetSchwierigkeit(0, 3);
    EXPECT_EQ(m_library.Schwierigkeit(0), 3);
}

TEST_F(EntriesTest, DeleteRemovesTheEntryAndKeepsTheBlankLine) {
    m_library.SetCurrent(2);
    m_library.DeleteCurrent();
    EXPECT_EQ(Headwords(m_library), (std::vector<std::string>{"chat", "vite"}));
    m_library.Delete(2); // the blank line itself
    EXPECT_EQ(m_library.Count(CountMode::Full), 3);
    EXPECT_TRUE(m_library.IsBlank(2));
}

TEST_F(EntriesTest, BlankEntries) {
    m_library.SetBedeutung(1, 0, "");
    EXPECT_TRUE(m_library.IsBlank(1));
    EXPECT_FALSE(m_library.IsBlank(0));
    EXPECT_TRUE(m_library.IsBlank(-7));
    EXPECT_TRUE(m_library.IsBlank(55));
    EXPECT_EQ(m_library.FirstInnerBlank(), 1);
    EXPECT_EQ(m_library.Count(), 3); // only the trailing blank is left out
    m_library.SetVokabel(2, "");
    EXPECT_EQ(m_library.FirstInnerBlank(), -1); // the blank after it is blank as well
    m_library.SetVokabel(1, "vite");
    m_library.SetBedeutung(1, 0, "schnell");
    EXPECT_EQ(m_library.FirstInnerBlank(), -1); // entry 2 is blank and so is the line after it
}

TEST_F(EntriesTest, InsertBlankAtCurrent) {
    m_library.SetCurrent(1);
    EXPECT_TRUE(m_library.InsertBlankAtCurrent());
    EXPECT_TRUE(m_library.IsBlank(1));
    EXPECT_EQ(m_library.Vokabel(2), "vite");
    EXPECT_TRUE(m_library.Changed());
    EXPECT_FALSE(m_library.InsertBlankAtCurrent()); // the current entry is blank now
    m_library.SetCurrent(2);
    EXPECT_FALSE(m_library.InsertBlankAtCurrent()); // the one before it is blank
    m_library.SetCurrent(0);
    EXPECT_TRUE(m_library.InsertBlankAtCurrent());
    EXPECT_EQ(m_library.Count(CountMode::Full), 6);
}

TEST_F(EntriesTest, CountWithDirection) {
    struct Case {
        bool deutsch;
        int from;
        int to;
        int expected;
    };
    const std::vector<Case> cases = {
        {false, 0, -1, 2}, {true, 0, -1, 1}, {false, 1, 2, 1},
        {true, 2, -1, 0},  {false, 0, 0, 1}, {false, 0, 50, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + ".." + std::to_string(c.to));
        EXPECT_EQ(m_library.CountWithDirection(c.deutsch, c.from, c.to), c.expected);
    }
}

} // namespace
} // namespace qor::test
