#include "vocab/lab/TThemenListe.h"

#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "platform/RegistryStore.h"
#include "platform/TempFolder.h"
#include "vocab/FakeTrainingPage.h"
#include "vocab/lab/SentenceCollection.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace qor {
namespace {

using test::TempFolder;

TSatz Satz(std::string french, std::string alternative, std::string hint, std::string german,
           std::string path) {
    return TSatz{std::move(french), std::move(alternative), std::move(hint), std::move(german),
                 std::move(path)};
}

// A theme of `count` sentences "s0", "s1", ... with recordings "XF:\LA\<n>a.wav".
TThema NumberedTheme(std::string name, int count) {
    TThema thema{std::move(name), {}};
    for (int i = 0; i < count; ++i)
        thema.Saetze.Add(Satz("s" + std::to_string(i), "", "h", "d" + std::to_string(i),
                              "XF:\\LA\\" + std::to_string(i) + "a.wav"));
    return thema;
}

class LabTest : public ::testing::Test {
protected:
    void SetUp() override { SeedRandom(1234); }

    std::unique_ptr<TThemenListe> MakeLab(std::vector<TThema> themes) {
        return std::make_unique<TThemenListe>(std::move(themes), &m_page, *m_registry,
                                              [this](std::string_view path) { return Resolve(path); });
    }
    // Only the recordings listed in m_existing resolve, into the wave folder "/wave/".
    std::string Resolve(std::string_view path) const {
        if (!m_existing.count(std::string(path)) || !path.starts_with("XF:\\"))
            return {};
        return "/wave/" + std::string(path.substr(4));
    }
    std::string Macro(const std::string& name) const { return m_page.Macro(name); }

    TempFolder m_temp;
    std::unique_ptr<RegistryStore> m_registry = OpenFileRegistry((m_temp / "machine.reg").string());
    FakeTrainingPage m_page;
    std::set<std::string> m_existing;
};

// [Drawing]

TEST_F(LabTest, FiveSentencesAllAppearBeforeOneRepeatsThenTheOrderRepeats) {
    for (std::uint32_t seed : {1u, 2u, 3u, 77u, 4096u}) {
        SCOPED_TRACE(seed);
        SeedRandom(seed);
        auto lab = MakeLab({NumberedTheme("Fünf", 5)});
        std::vector<int> drawn{lab->CurrentSentence()};
        for (int i = 0; i < 14; ++i) {
            lab->DrawNextSentence();
            drawn.push_back(lab->CurrentSentence());
        }
        EXPECT_EQ(std::set<int>(drawn.begin(), drawn.begin() + 5).size(), 5u);
        for (std::size_t i = 5; i < drawn.size(); ++i)
            EXPECT_EQ(drawn[i], drawn[i - 5]) << "draw " << i;
        EXPECT_EQ(lab->RecentSentences().size(), 4u);
    }
}

TEST_F(LabTest, RecentListHoldsOneLessThanMinOfTwentyAndTheCount) {
    struct Case {
        int sentences;
        std::size_t recentAfterManyDraws;
    };
    const std::vector<Case> cases = {{1, 0}, {2, 1}, {5, 4}, {20, 19}, {21, 19}, {40, 19}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sentences);
        auto lab = MakeLab({NumberedTheme("T", c.sentences)});
        std::vector<int> drawn{lab->CurrentSentence()};
        for (int i = 0; i < 60; ++i) {
            lab->DrawNextSentence();
            drawn.push_back(lab->CurrentSentence());
        }
        EXPECT_EQ(lab->RecentSentences().size(), c.recentAfterManyDraws);
        // No sentence comes back while it is among the recent ones.
        const std::size_t window = c.recentAfterManyDraws;
        for (std::size_t i = 1; i < drawn.size(); ++i)
            for (std::size_t back = 1; back <= window && back <= i; ++back)
                EXPECT_NE(drawn[i], drawn[i - back]) << "draw " << i;
        for (int index : drawn) {
            EXPECT_GE(index, 0);
            EXPECT_LT(index, c.sentences);
        }
    }
}

TEST_F(LabTest, ScriptedDrawsSkipRecentSentences) {
    std::vector<int> script = {0, 0, 0, 1, 1, 0, 2};
    std::size_t next = 0;
    std::vector<TThema> themes{NumberedTheme("T", 3)};
    TThemenListe lab(std::move(themes), &m_page, *m_registry, {}, [&](int bound) {
        EXPECT_EQ(bound, 3);
        return script[next++ % script.size()];
    });
    EXPECT_EQ(lab.CurrentSentence(), 0); // the first draw, at the start
    lab.DrawNextSentence();              // 0 is recent: 0 and 0 refused, then 1
    EXPECT_EQ(lab.CurrentSentence(), 1);
    EXPECT_EQ(lab.RecentSentences(), (std::vector<int>{0, 1}));
    lab.DrawNextSentence(); // 1 and 0 refused, then 2; three recent ones are one too many
    EXPECT_EQ(lab.CurrentSentence(), 2);
    EXPECT_EQ(lab.RecentSentences(), (std::vector<int>{1, 2}));
    lab.DrawNextSentence(); // the script starts over: 0 is free again
    EXPECT_EQ(lab.CurrentSentence(), 0);
    EXPECT_EQ(lab.RecentSentences(), (std::vector<int>{2, 0}));
}

TEST_F(LabTest, DrawThatAlwaysGivesTheSameIndexStillMovesOn) {
    TThemenListe lab({NumberedTheme("T", 4)}, &m_page, *m_registry, {}, [](int) { return 2; });
    std::vector<int> drawn{lab.CurrentSentence()};
    for (int i = 0; i < 4; ++i) {
        lab.DrawNextSentence();
        drawn.push_back(lab.CurrentSentence());
    }
    EXPECT_EQ(drawn, (std::vector<int>{2, 3, 0, 1, 2}));
}

TEST_F(LabTest, ThemeWithoutSentencesOrNoThemesShowsEmptyTexts) {
    {
        auto lab = MakeLab({TThema{"Leer", {}}});
        lab->DrawNextSentence();
        EXPECT_EQ(lab->CurrentSentence(), -1);
        EXPECT_EQ(Macro("Thema"), "Leer");
        EXPECT_EQ(Macro("LabSatz"), "");
        EXPECT_FALSE(m_page.TestCondition("normal"));
    }
    {
        auto lab = MakeLab({});
        lab->DrawNextSentence();
        lab->SelectTheme(3);
        EXPECT_EQ(lab->CurrentTheme(), 0);
        EXPECT_EQ(Macro("Thema"), "");
        EXPECT_EQ(Macro("LabDeutsch"), "");
    }
}

// [Themes]

TEST_F(LabTest, SelectingAnotherThemeClearsTheRecentListAndDraws) {
    auto lab = MakeLab({NumberedTheme("Eins", 10), NumberedTheme("Zwei", 10)});
    for (int i = 0; i < 4; ++i)
        lab->DrawNextSentence();
    EXPECT_EQ(lab->RecentSentences().size(), 5u);
    lab->SelectTheme(1);
    EXPECT_EQ(lab->CurrentTheme(), 1);
    EXPECT_EQ(lab->RecentSentences(), (std::vector<int>{lab->CurrentSentence()}));
    EXPECT_EQ(Macro("Thema"), "Zwei");
    EXPECT_EQ(Macro("LabSatz"), "s" + std::to_string(lab->CurrentSentence()));
}

TEST_F(LabTest, SelectingTheCurrentThemeChangesNothing) {
    auto lab = MakeLab({NumberedTheme("Eins", 10), NumberedTheme("Zwei", 10)});
    lab->DrawNextSentence();
    const int sentence = lab->CurrentSentence();
    const std::vector<int> recent = lab->RecentSentences();
    lab->SelectTheme(0);
    EXPECT_EQ(lab->CurrentSentence(), sentence);
    EXPECT_EQ(lab->RecentSentences(), recent);
    EXPECT_EQ(Macro("LabSatz"), "s" + std::to_string(sentence));
}

TEST_F(LabTest, ThemeNumbersOutsideTheCollectionMeanThemeZero) {
    struct Case {
        int requested;
        int expected;
    };
    const std::vector<Case> cases = {{0, 0},  {2, 2},         {3, 0},        {-1, 0},
                                     {99, 0}, {INT32_MIN, 0}, {INT32_MAX, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.requested);
        auto lab = MakeLab({NumberedTheme("A", 3), NumberedTheme("B", 3), NumberedTheme("C", 3)});
        lab->SelectTheme(1);
        lab->SelectTheme(c.requested);
        EXPECT_EQ(lab->CurrentTheme(), c.expected);
        EXPECT_EQ(Macro("Thema"), std::string(1, static_cast<char>('A' + c.expected)));
    }
}

// [Sentence variables]

TEST_F(LabTest, VariablesWithDictationOnAndOff) {
    struct Case {
        const char* name;
        bool diktat;
        TSatz satz;
        std::string lsg;
        std::string help;
    };
    const std::vector<Case> cases = {
        {"dictation with alternative", true,
         Satz(std::string("Je suis arrivé."_cp), std::string("Je suis arrivée."_cp), "J. .... ......",
              "Ich bin da.", "XF:\\LA\\1\\Lab__1a.wav"),
         std::string("Je suis arrivé.; Je suis arrivée."_cp), "J. .... ......"},
        {"dictation without alternative", true, Satz("Oui.", "", "O...", "Ja.", "XF:\\LA\\1\\Lab__2a.wav"),
         "Oui.", "O..."},
        {"no dictation", false, Satz("Oui.", "Si.", "O...", "Ja.", "XF:\\LA\\1\\Lab__2a.wav"), "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_page.SetMacro("lsg", "alt");
        m_page.SetMacro("help", "alt");
        TThema thema{"Thema eins", {}};
        thema.Saetze.Add(c.satz);
        auto lab = MakeLab({thema});
        lab->SetDiktat(c.diktat);
        lab->SetSentenceMacros();
        EXPECT_EQ(m_page.TestCondition("diktat"), c.diktat);
        EXPECT_EQ(Macro("lsg"), c.lsg);
        EXPECT_EQ(Macro("help"), c.help);
        EXPECT_EQ(Macro("LabSatz"), c.satz.Franzoesisch);
        EXPECT_EQ(Macro("LabDeutsch"), c.satz.Deutsch);
        EXPECT_EQ(Macro("Thema"), "Thema eins");
        EXPECT_TRUE(m_page.Pages().empty()) << "\"lab\" keeps the page";
    }
}

TEST_F(LabTest, ConditionsFollowTheSwitches) {
    auto lab = MakeLab({NumberedTheme("T", 3)});
    struct Case {
        bool diktat, deutsch, automatik;
    };
    for (const Case c : {Case{true, true, true}, Case{false, false, false}, Case{false, true, false},
                         Case{true, false, true}}) {
        lab->SetDiktat(c.diktat);
        lab->SetDeutsch(c.deutsch);
        lab->SetAutomatik(c.automatik);
        lab->SetSentenceMacros();
        EXPECT_EQ(m_page.TestCondition("diktat"), c.diktat);
        EXPECT_EQ(m_page.TestCondition("deutsch"), c.deutsch);
        EXPECT_EQ(m_page.TestCondition("autoread"), c.automatik);
    }
}

TEST_F(LabTest, RecordingsResolveOrSwitchTheirConditionsOff) {
    struct Case {
        const char* name;
        std::set<std::string> existing;
        std::string normal;
        std::string slow;
    };
    const std::vector<Case> cases = {
        {"both",
         {"XF:\\LA\\1\\Lab__1a.wav", "XF:\\LA\\1\\Lab__1b.wav"},
         "/wave/LA\\1\\Lab__1b.wav",
         "/wave/LA\\1\\Lab__1a.wav"},
        {"only the slow one", {"XF:\\LA\\1\\Lab__1a.wav"}, "", "/wave/LA\\1\\Lab__1a.wav"},
        {"only the normal one", {"XF:\\LA\\1\\Lab__1b.wav"}, "/wave/LA\\1\\Lab__1b.wav", ""},
        {"none", {}, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_existing = c.existing;
        TThema thema{"T", {}};
        thema.Saetze.Add(Satz("Oui.", "", " ", "Ja.", "XF:\\LA\\1\\Lab__1a.wav"));
        auto lab = MakeLab({thema});
        lab->SetSentenceMacros();
        EXPECT_EQ(Macro("Normal"), c.normal);
        EXPECT_EQ(Macro("Langsam"), c.slow);
        EXPECT_EQ(m_page.TestCondition("normal"), !c.normal.empty());
        EXPECT_EQ(m_page.TestCondition("langsam"), !c.slow.empty());
    }
}

TEST_F(LabTest, WithoutAResolverNoRecordingIsOffered) {
    TThemenListe lab({NumberedTheme("T", 2)}, &m_page, *m_registry, {});
    lab.SetSentenceMacros();
    EXPECT_FALSE(m_page.TestCondition("normal"));
    EXPECT_FALSE(m_page.TestCondition("langsam"));
}

TEST_F(LabTest, WithoutAPageNothingIsShown) {
    TThemenListe lab({NumberedTheme("T", 2)}, nullptr, *m_registry, {});
    lab.DrawNextSentence();
    lab.ShowThemeList();
    lab.SetPage(&m_page);
    lab.SetSentenceMacros();
    EXPECT_TRUE(m_page.Pages().empty());
    EXPECT_EQ(Macro("Thema"), "T");
}

// [Pages]

TEST_F(LabTest, ThemeListMarkupLinksEveryTheme) {
    std::vector<TThema> themes;
    for (int i = 0; i < 12; ++i)
        themes.push_back(TThema{"Thema " + std::to_string(i), {}});
    themes[10].Name = "Feste und Feiertage";
    const std::string markup = ThemeListMarkup(themes);
    const std::string section("§"_cp);
    EXPECT_TRUE(markup.starts_with("<a href=\"" + section + "thema 0;lab\" >Thema 0</a><br>"));
    EXPECT_NE(markup.find("<a href=\"" + section + "thema 9;lab\" >Thema 9</a><br><a href=\"" + section +
                          "thema10;lab\" >Feste und Feiertage</a><br>"),
              std::string::npos);
    EXPECT_TRUE(markup.ends_with("thema11;lab\" >Thema 11</a><br>"));
    EXPECT_EQ(ThemeListMarkup({}), "");
}

TEST_F(LabTest, ThemeListPageGetsTheListWhileItLoadsOnly) {
    struct RecordingPage : FakeTrainingPage {
        void LoadPage(std::string_view file) override {
            listWhileLoading = Macro("LabListe");
            FakeTrainingPage::LoadPage(file);
        }
        std::string listWhileLoading;
    } page;
    TThemenListe lab({NumberedTheme("Hotel", 2)}, &page, *m_registry, {});
    lab.ShowThemeList();
    EXPECT_EQ(page.Pages(), (std::vector<std::string>{"laborliste.htx"}));
    EXPECT_EQ(page.listWhileLoading, "<a href=\"" + std::string("§"_cp) + "thema 0;lab\" >Hotel</a><br>");
    EXPECT_EQ(page.Macro("LabListe"), "");
}

// [Registry]

TEST_F(LabTest, RegistryDefaultsWhenAnyValueIsMissing) {
    const std::string_view key = LabSettingsKey();
    EXPECT_EQ(key, "SOFTWARE\\QOR\\qor französisch\\Sprachlabor"_cp);
    const LabSettings defaults{0, true, true, false};
    EXPECT_EQ(ReadLabSettings(*m_registry), defaults);

    m_registry->WriteInteger(key, "Thema", 2);
    m_registry->WriteInteger(key, "Diktat", 0);
    m_registry->WriteInteger(key, "Deutsch", 0);
    EXPECT_EQ(ReadLabSettings(*m_registry), defaults) << "Automatik missing";

    m_registry->WriteText(key, "Automatik", "1");
    EXPECT_EQ(ReadLabSettings(*m_registry), defaults) << "Automatik of the wrong type";

    m_registry->WriteInteger(key, "Automatik", 7);
    EXPECT_EQ(ReadLabSettings(*m_registry), (LabSettings{2, false, false, true}));
}

TEST_F(LabTest, SettingsAreReadAtStartAndStoredAtTheEnd) {
    {
        auto lab = MakeLab({NumberedTheme("A", 3), NumberedTheme("B", 3)});
        EXPECT_EQ(lab->Settings(), (LabSettings{0, true, true, false}));
        lab->SelectTheme(1);
        lab->SetDiktat(false);
        lab->SetAutomatik(true);
    }
    // Through the file, as the next program start sees it.
    auto reopened = OpenFileRegistry((m_temp / "machine.reg").string());
    EXPECT_EQ(ReadLabSettings(*reopened), (LabSettings{1, false, true, true}));
    m_registry = std::move(reopened);
    auto lab = MakeLab({NumberedTheme("A", 3), NumberedTheme("B", 3)});
    EXPECT_EQ(lab->CurrentTheme(), 1);
    EXPECT_FALSE(lab->Diktat());
    EXPECT_TRUE(lab->Deutsch());
    EXPECT_TRUE(lab->Automatik());
}

TEST_F(LabTest, StoredThemeOutsideTheCollectionStartsAtThemeZero) {
    WriteLabSettings(*m_registry, LabSettings{5, true, true, false});
    auto lab = MakeLab({NumberedTheme("A", 3), NumberedTheme("B", 3)});
    EXPECT_EQ(lab->CurrentTheme(), 0);
    EXPECT_GE(lab->CurrentSentence(), 0);
}

TEST_F(LabTest, UnwritableRegistryIsIgnoredAtTheEnd) {
    // A file stands where the registry's folder would have to be.
    m_temp.MakeFile("blocked");
    m_registry = OpenFileRegistry((m_temp / "blocked" / "machine.reg").string());
    auto lab = MakeLab({NumberedTheme("A", 3)});
    lab->SetDeutsch(false);
    EXPECT_NO_THROW(lab.reset());
    EXPECT_EQ(ReadLabSettings(*m_registry), (LabSettings{0, true, false, false})) << "kept in memory";
}

// [The shipped collection]

TEST_F(LabTest, ShippedCollectionWithTheProgramsRegistry) {
    SetRegistry(RegistryHive::LocalMachine, OpenFileRegistry((m_temp / "program.reg").string()));
    {
        auto lab = CreateThemenListe(&m_page, [](std::string_view path) { return std::string(path); });
        ASSERT_EQ(lab->ThemeCount(), 20);
        lab->SelectTheme(19);
        lab->DrawNextSentence();
        EXPECT_TRUE(Macro("Langsam").starts_with("XF:\\LA\\20\\Lab__"));
        EXPECT_TRUE(Macro("Langsam").ends_with("a.ogg"));
        EXPECT_EQ(Macro("Normal"), NormalSpeedPath(Macro("Langsam")));
    }
    EXPECT_EQ(ReadLabSettings(Registry(RegistryHive::LocalMachine)).thema, 19);
    SetRegistry(RegistryHive::LocalMachine, nullptr);
}

} // namespace
} // namespace qor
