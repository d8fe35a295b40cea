#include "QueryTestSupport.h"

namespace qor::test {
namespace {

using QueryStartTest = QueryTest;

TEST_F(QueryStartTest, WhichEntriesAreAsked) {
    struct Case {
        std::string name;
        TVokabel entry;
        int richtung;
        bool redewendungen;
        bool eligible;
    };
    const std::vector<Case> cases = {
        {"French noun, both directions", Entry("chat", "Katze"), kBeideRichtungen, false, true},
        {"blank meaning", Entry("chat", ""), kBeideRichtungen, true, false},
        {"small word without idioms", Entry("et", "und", kKleinesWort), kBeideRichtungen, false, true},
        {"idiom with verb, idioms off", Entry("avoir faim", "Hunger haben", kRwMitVerb), kBeideRichtungen,
         false, false},
        {"idiom without verb, idioms on", Entry("bon courage", "viel Mut", kRwOhneVerb), kBeideRichtungen,
         true, true},
        {"French entry, German to French only", Entry("chat", "Katze"), kDeutschFranzoesisch, true, false},
        {"German entry, German to French only", Entry("Katze", "chat", 0, true), kDeutschFranzoesisch, true,
         true},
        {"German entry, French to German only", Entry("Katze", "chat", 0, true), kFranzoesischDeutsch, true,
         false},
        {"French entry, French to German only", Entry("chat", "Katze"), kFranzoesischDeutsch, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fill(m_library, {c.entry});
        m_settings.Richtung = c.richtung;
        m_settings.Redewendungen = c.redewendungen;
        EXPECT_EQ(m_library.IsEligible(0), c.eligible);
        EXPECT_EQ(m_library.CountEligible(), c.eligible ? 1 : 0);
    }
}

TEST_F(QueryStartTest, OnlyAllowedDifficultiesAreAsked) {
    std::vector<TVokabel> entries;
    for (int difficulty = 0; difficulty <= 4; ++difficulty)
        entries.push_back(Entry("mot" + std::to_string(difficulty), "Wort", 0, false, difficulty));
    Fill(m_library, entries);
    const std::vector<std::vector<bool>> expected = {
        {true, true, true, false, false},
        {false, true, true, true, false},
        {false, false, false, true, true},
        {true, true, true, true, true},
    };
    for (int preset = 0; preset < 4; ++preset) {
        SCOPED_TRACE(preset);
        m_library.SetDirection(preset);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(m_library.IsEligible(i), expected[preset][i]) << i;
    }
}

TEST_F(QueryStartTest, AFreshSettingsObjectAllowsNothing) {
    Fill(m_library, Nouns(3));
    m_settings = TVocEinstellungen{};
    EXPECT_EQ(m_library.CountEligible(), 0);
}

TEST_F(QueryStartTest, RangeLimitsTheCount) {
    Fill(m_library, Nouns(10));
    struct Case {
        int von;
        int bis;
        int count;
    };
    const std::vector<Case> cases = {
        {0, -1, 10}, {-1, -1, 10}, {2, 4, 3}, {9, 9, 1}, {5, 4, 0}, {0, 10, 0}, {-3, 4, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.von) + ".." + std::to_string(c.bis));
        m_settings.Von = c.von;
        m_settings.Bis = c.bis;
        EXPECT_EQ(m_library.CountEligible(), c.count);
    }
}

TEST_F(QueryStartTest, LoadingAFileSetsTheRangeEnd) {
    TempFolder temp;
    const std::string file = ProgramPath(temp.Path()) + "/a.asc";
    temp.MakeFile("a.asc", FormatAsc(Nouns(7)));
    m_settings.Bis = 2;
    ASSERT_TRUE(m_library.Load(file, LoadMode::Replace));
    EXPECT_EQ(m_settings.Bis, 6);
    m_library.SetLastIndex(3);
    EXPECT_EQ(m_settings.Bis, 3);
}

TEST_F(QueryStartTest, StartChecksSayWhatIsMissing) {
    struct Case {
        std::string name;
        int entries;
        int modus;
        int proRunde;
        std::string message;
        int proRundeAfter;
    };
    const std::vector<Case> cases = {
        {"empty library", 0, kModusKreuzUndQuer, 12,
         "Noch keine Bibliothek geladen! Was soll ich abfragen???"
         "!",
         12},
        {"four entries, twelve per round", 4, kModusKreuzUndQuer, 12,
         "Nicht genug Vokabeln pro Runde vorhanden!!!", 12},
        {"five entries, twelve per round", 5, kModusKreuzUndQuer, 12,
         "Nicht genug Vokabeln pro Runde vorhanden!!!", 12},
        {"six entries shrink the round", 6, kModusKreuzUndQuer, 12, "", 6},
        {"eight entries shrink the round", 8, kModusKreuzUndQuer, 12, "", 8},
        {"no round size means ten", 10, kModusKreuzUndQuer, 0, "", 10},
        {"no round size, four entries", 4, kModusKreuzUndQuer, 0,
         "Nicht genug Vokabeln pro Runde vorhanden!!!", 10},
        {"forward mode needs no round", 4, kModusVorwaerts, 12, "", 12},
        {"backward mode needs no round", 2, kModusRueckwaerts, 0, "", 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VocMessages messages;
        Fill(m_library, Nouns(c.entries));
        m_settings.Modus = c.modus;
        m_settings.ProRunde = c.proRunde;
        const int opened = m_optionsOpened;
        const bool started = m_library.StartQuery();
        EXPECT_EQ(started, c.message.empty());
        EXPECT_EQ(m_optionsOpened, opened + (started ? 0 : 1));
        EXPECT_EQ(m_settings.ProRunde, c.proRundeAfter);
        if (c.message.empty()) {
            EXPECT_TRUE(messages.Texts().empty());
        } else {
            ASSERT_EQ(messages.Texts(), std::vector<std::string>{c.message});
            EXPECT_EQ(messages.All()[0].flags, kMbIconExclamation);
        }
    }
}

TEST_F(QueryStartTest, NoEligibleEntrySaysNoneIsActive) {
    Fill(m_library, {Entry("chat", "Katze", 0, false, 4)});
    m_library.SetDirection(0);
    EXPECT_FALSE(m_library.StartQuery());
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{"Keine Vokabel(n) aktiv!!!"});
    EXPECT_EQ(m_optionsOpened, 1);
    EXPECT_TRUE(m_page.Pages().empty());
}

TEST_F(QueryStartTest, RandomRoundsDrawDifferentEntries) {
    std::vector<TVokabel> entries = Nouns(12);
    // Twins of the same word and class, and a meaning inside another one.
    entries.push_back(Entry("mot0", "noch ein Wort"));
    entries.push_back(Entry("mot1", "Wort1"));
    entries.push_back(Entry("terme", "WORT11"));
    Fill(m_library, entries);
    for (std::uint32_t seed : {1u, 2u, 3u, 4u, 5u}) {
        SCOPED_TRACE(seed);
        m_library.SetRandomSeeding([seed] { SeedRandom(seed); });
        ASSERT_TRUE(m_library.StartQuery());
        const VocQueryState& query = m_library.QueryState();
        EXPECT_EQ(query.questionCount, 12);
        std::set<std::string> words;
        for (int slot = 0; slot < 12; ++slot) {
            const TVocAufgabe& task = query.tasks[slot];
            EXPECT_EQ(task.Fehler, 0);
            EXPECT_EQ(task.Wahl[0], task.Frage);
            words.insert(task.Frage.Vokabel + "|" + task.Frage.Bedeutung0);
        }
        EXPECT_EQ(words.size(), 12u);
        EXPECT_TRUE(query.tasks[12].IsBlank());
        EXPECT_GE(query.current, 0);
        EXPECT_LT(query.current, 12);
    }
}

TEST_F(QueryStartTest, TooFewDistinctEntriesStillFillTheRound) {
    // Six entries with one meaning: after enough draws repeats are taken.
    std::vector<TVokabel> entries;
    for (int i = 0; i < 6; ++i)
        entries.push_back(Entry("chat", "Katze"));
    Fill(m_library, entries);
    m_settings.ProRunde = 6;
    ASSERT_TRUE(m_library.StartQuery());
    for (int slot = 0; slot < 6; ++slot)
        EXPECT_EQ(m_library.QueryState().tasks[slot].Frage.Vokabel, "chat");
}

TEST_F(QueryStartTest, WrongAnswersComeFromTheLibraryThenTheBuiltInList) {
    Fill(m_library, {Entry("chat", "Katze"), Entry("chien", "Hund"), Entry("aller", "gehen", kVerb),
                     Entry("Katze", "chat", 0, true), Entry("chat", "Kater"), Entry("Katze", "Mieze"),
                     Entry("vache", "Kuh")});
    SetBuiltIn({Entry("souris", "Maus"), Entry("vache", "Rind"), Entry("oiseau", "Vogel"),
                Entry("cheval", "Pferd"), Entry("manger", "essen", kVerb), Entry("porc", "Schwein"),
                Entry("lapin", "Hase")});
    m_settings.Modus = kModusVorwaerts;
    ASSERT_TRUE(m_library.StartQuery());
    const TVocAufgabe& task = m_library.QueryState().tasks[0];
    ASSERT_EQ(task.Frage.Vokabel, "chat");
    // From the library only "chien" and "vache" fit: the verb, the German entry, the second "chat"
    // and "Katze" (whose word is the question's meaning) do not.
    std::vector<std::string> fromLibrary = {task.Wahl[1].Vokabel, task.Wahl[2].Vokabel};
    std::sort(fromLibrary.begin(), fromLibrary.end());
    EXPECT_EQ(fromLibrary, (std::vector<std::string>{"chien", "vache"}));
    std::set<std::string> all;
    for (int k = 1; k < 6; ++k) {
        EXPECT_FALSE(task.Wahl[k].IsBlank()) << k;
        EXPECT_EQ(task.Wahl[k].Wortart, 0);
        all.insert(task.Wahl[k].Vokabel);
    }
    EXPECT_EQ(all.size(), 5u);
    EXPECT_EQ(all.count("manger"), 0u);
}

TEST_F(QueryStartTest, ChoicesStayBlankWhenNothingFits) {
    Fill(m_library, {Entry("chat", "Katze"), Entry("aller", "gehen", kVerb)});
    m_settings.Modus = kModusVorwaerts;
    ASSERT_TRUE(m_library.StartQuery());
    const TVocAufgabe& task = m_library.QueryState().tasks[0];
    for (int k = 1; k < 6; ++k)
        EXPECT_TRUE(task.Wahl[k].IsBlank()) << k;
}

TEST_F(QueryStartTest, ForwardAndBackwardStartAtTheirEndOfTheRange) {
    Fill(m_library, Nouns(12));
    m_settings.Von = 2;
    m_settings.Bis = 9;
    struct Case {
        int modus;
        std::string first;
        std::string second;
    };
    for (const Case& c :
         std::vector<Case>{{kModusVorwaerts, "mot2", "mot3"}, {kModusRueckwaerts, "mot9", "mot8"}}) {
        SCOPED_TRACE(c.first);
        m_settings.Modus = c.modus;
        ASSERT_TRUE(m_library.StartQuery());
        const VocQueryState& query = m_library.QueryState();
        EXPECT_EQ(query.current, 0);
        EXPECT_EQ(query.questionCount, 8);
        EXPECT_EQ(query.tasks[0].Frage.Vokabel, c.first);
        EXPECT_EQ(query.tasks[1].Frage.Vokabel, c.second);
        int queued = 0;
        while (!query.tasks[queued + 1].IsBlank())
            ++queued;
        EXPECT_GE(queued, 4);
        EXPECT_LE(queued, 7);
    }
}

TEST_F(QueryStartTest, AreaStartAppliesThePresetAndTakesTheWholeLibrary) {
    std::vector<TVokabel> entries = Nouns(14);
    entries[13].Schwierigkeit = 4;
    Fill(m_library, entries);
    m_settings = TVocEinstellungen{};
    m_settings.Bis = 3;
    ASSERT_TRUE(m_library.StartArea(0));
    EXPECT_EQ(m_settings.Bis, 13);
    EXPECT_EQ(m_settings.ProRunde, 12);
    EXPECT_EQ(m_library.QueryState().questionCount, 12);
    EXPECT_EQ(m_library.CountEligible(), 13);
    EXPECT_FALSE(m_page.Page().empty());
}

} // namespace
} // namespace qor::test
