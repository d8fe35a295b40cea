#include "vocab/verbs/TVerben.h"

#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "vocab/verbs/VerbPages.h"
#include "vocab/verbs/VerbQuestion.h"
#include "vocab/verbs/VerbTestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace qor {
namespace {

using test::ErVerb;
using test::kAuxiliaries;
using test::Table;

// avoir, être, aimer (with avoir), arriver (with être), then a verb that has only one form.
std::vector<TVerb> SmallTable() {
    return Table(kAuxiliaries + ErVerb("aimer", "lieben", "avoir") + ErVerb("arriver", "ankommen", "être") +
                 "mono,eins,avoir\na,a,a,a,a,a\na,a,a,a,a,a\na,a,a,a,a,a\na,a,a,a,a,a\n");
}

constexpr int kAimer = 2;
constexpr int kArriver = 3;
constexpr int kMono = 4;

class TVerbenTest : public ::testing::Test {
protected:
    test::MemoryRegistry m_registry;
    test::CapturedMessages m_messages;
    test::SnapshotPage m_page;
    test::ScriptedDraw m_draw;
    std::unique_ptr<TVerben> m_verben;

    TVerben& Make(std::vector<TVerb> table = SmallTable()) {
        m_verben = std::make_unique<TVerben>(std::move(table), &m_page, m_registry, std::ref(m_draw));
        return *m_verben;
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const LoggedMessage& message : m_messages.All())
            texts.push_back(message.text);
        return texts;
    }
};

// [Checks]

TEST_F(TVerbenTest, ChecksNameWhatIsMissing) {
    struct Case {
        std::string_view verbs;
        std::string_view tenses;
        std::string message; // empty: the checks pass
    };
    const std::string noVerbs = "Keine Verben aktiviert! Was soll ich abfragen???"
                                "!";
    const std::string noTenses = "Keine Zeiten aktiviert! Was soll ich abfragen???"
                                 "!";
    const std::vector<Case> cases = {
        {"-----", "+", noVerbs},
        {"-----", "----------------", noVerbs},
        {"-----++++", "+", noVerbs}, // positions beyond the table hold no verbs
        {"+", "----------------", noTenses},
        {"--+", "---------------+", ""},
    };
    TVerben& verben = Make();
    for (const Case& example : cases) {
        SCOPED_TRACE(std::string(example.verbs) + " " + std::string(example.tenses));
        m_messages.Clear();
        verben.SetSelection(example.verbs, example.tenses);
        EXPECT_EQ(verben.HasVerbsAndTensesSelected(), example.message.empty());
        if (example.message.empty()) {
            EXPECT_TRUE(m_messages.All().empty());
            continue;
        }
        ASSERT_EQ(m_messages.All().size(), 1u);
        EXPECT_EQ(m_messages.All()[0].text, example.message);
        EXPECT_EQ(m_messages.All()[0].flags, kMbIconExclamation);
    }
}

TEST_F(TVerbenTest, StartOpensTheSelectionWindowWhenTheChecksFail) {
    TVerben& verben = Make();
    int opened = 0;
    verben.SetSelectionWindowOpener([&] { ++opened; });
    verben.SetSelection("-", "+");
    verben.Start();
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(m_page.Pages().empty());

    verben.SetSelection("--+", "+");
    verben.Start();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(m_page.Page(), "verb_ein.htx");

    verben.OpenSelectionWindow();
    EXPECT_EQ(opened, 2);
}

// [Questions]

TEST_F(TVerbenTest, TypedQuestionSetsTaskSolutionsAndCounters) {
    TVerben& verben = Make();
    verben.SetSelection("--+", "+");
    m_draw.Push({0, 1}); // typed, person 1
    verben.StartSeries();
    EXPECT_EQ(m_page.Page(), "verb_ein.htx");
    EXPECT_EQ(verben.AskedVerb(), kAimer);
    EXPECT_EQ(verben.AskedTense(), 0);
    EXPECT_EQ(verben.AskedPerson(), 1);
    EXPECT_EQ(m_page.Macro("Aufgabe"), "2. Person Singular IND Présent<br>von<br>aimer"_cp);
    EXPECT_EQ(m_page.Macro("lsg"), "tu aimes; aimes");
    EXPECT_FALSE(m_page.Macro("help").empty());
    EXPECT_EQ(m_page.Macro("nr"), "1");
    EXPECT_EQ(m_page.Macro("last"), "10");
    EXPECT_TRUE(m_page.HasMacro("Prozent"));
    EXPECT_EQ(m_page.Macro("Prozent"), "");
}

TEST_F(TVerbenTest, TypedQuestionElidesJe) {
    TVerben& verben = Make();
    verben.SetSelection("--+", "+");
    m_draw.Push({0, 0});
    verben.StartSeries();
    EXPECT_EQ(m_page.Macro("lsg"), "j'aime; aime");
}

TEST_F(TVerbenTest, MultipleChoiceOffersSixDifferentFormsOfTheVerb) {
    TVerben& verben = Make();
    verben.SetSelection("--+", "+--+----+-------"); // tenses 0, 3, 8
    m_draw.Push({50, 0, 0});                        // choices; IND Présent, je: "aime"
    m_draw.Push({0, 0, 0, 1});                      // "aime" again is refused, then "aimes"
    m_draw.Push({1, 0});                            // Futur: "aimerai"
    m_draw.Push({2, 0});                            // Passé composé: "ai aimé"
    m_draw.Push({0, 2, 0, 3});                      // "aime" refused, then "aimons"
    m_draw.Push({0, 4});                            // "aimez"
    m_draw.Push({0, 1});                            // the first exchange swaps 0 and 1; the rest are no-ops
    verben.StartSeries();
    EXPECT_EQ(m_page.Page(), "verb_mch.htx");
    const std::array<std::string, 6> expected = {"aime",   "aimes", "aimerai", std::string("ai aimé"_cp),
                                                 "aimons", "aimez"};
    EXPECT_EQ(verben.Choices(), expected);
    EXPECT_EQ(m_page.Macro("MCH0"), ChoiceLink("aimes", Choice::Wrong));
    EXPECT_EQ(m_page.Macro("MCH1"), ChoiceLink("aime", Choice::Right));
    EXPECT_EQ(m_page.Macro("MCH1"), "<a href=\"§[verb+]\" flash=flashcol>aime</a>"_cp);
    EXPECT_EQ(m_page.Macro("MCH3"), "<a href=\"§verb[ai aimé]-\" flash=flashcol>ai aimé</a>"_cp);
    EXPECT_EQ(m_page.Macro("Aufgabe"), "1. Person Singular IND Présent<br>von<br>aimer"_cp);
}

TEST_F(TVerbenTest, MultipleChoiceLinksHoldEveryChoiceOnceAfterShuffling) {
    SeedRandom(11);
    m_verben = std::make_unique<TVerben>(LoadBuiltInVerbTable(), &m_page, m_registry,
                                         [](int bound) { return RandomBelow(bound); });
    m_verben->SelectAll();
    int asked = 0;
    for (int question = 0; question < 60; ++question) {
        m_verben->NextQuestion();
        if (m_page.Page() != "verb_mch.htx")
            continue;
        ++asked;
        std::multiset<std::string> links;
        for (int k = 0; k < 6; ++k)
            links.insert(m_page.Macro("MCH" + std::to_string(k)));
        std::multiset<std::string> expected;
        const auto& choices = m_verben->Choices();
        for (std::size_t k = 0; k < choices.size(); ++k)
            expected.insert(ChoiceLink(choices[k], k == 0 ? Choice::Right : Choice::Wrong));
        EXPECT_EQ(links, expected);
        EXPECT_EQ(std::set<std::string>(choices.begin(), choices.end()).size(), 6u);
        EXPECT_EQ(choices[0], m_verben->Table()[static_cast<std::size_t>(m_verben->AskedVerb())]
                                  .Form(m_verben->AskedTense(), m_verben->AskedPerson())
                                  .text);
        m_verben->JudgeAnswer("+");
    }
    EXPECT_GT(asked, 10);
}

TEST_F(TVerbenTest, SomeSelectionsAreAlwaysAskedTyped) {
    struct Case {
        std::string_view tenses;
        bool choicesPossible;
    };
    const std::vector<Case> cases = {
        {"------+---------", false}, // only the imperative
        {"--------------+-", false}, // only the participles
        {"------+-------+-", false}, // the two of them
        {"+-----+---------", false}, // two, one of them the imperative
        {"+-------------+-", false}, // two, one of them the participles
        {"+--+------------", true},  // two ordinary tenses
        {"+-----+-------+-", true},  // three, whatever they are
    };
    // Every draw says "multiple choice" where it may; the forms are drawn at random.
    const RandomDraw draw = [](int bound) { return bound == 101 ? 99 : RandomBelow(bound); };
    SeedRandom(5);
    for (const Case& example : cases) {
        SCOPED_TRACE(std::string(example.tenses));
        m_verben = std::make_unique<TVerben>(SmallTable(), &m_page, m_registry, draw);
        m_verben->SetSelection("--+", example.tenses);
        m_verben->StartSeries();
        EXPECT_EQ(m_page.Page(), example.choicesPossible ? "verb_mch.htx" : "verb_ein.htx");
    }
}

TEST_F(TVerbenTest, AVerbWithTooFewFormsForSixChoicesIsAskedTyped) {
    m_draw = test::ScriptedDraw({}, 99);
    TVerben& verben = Make();
    verben.SetSelection("----+", "++++------------");
    verben.StartSeries();
    EXPECT_EQ(verben.AskedVerb(), kMono);
    EXPECT_EQ(m_page.Page(), "verb_ein.htx");
    EXPECT_EQ(m_page.Macro("lsg"), "nous a; a");
    // It is seen before any choice is drawn, not after many tries.
    EXPECT_LT(m_draw.Calls(), 20);
}

TEST_F(TVerbenTest, ImperativeAsksOnlyTuNousAndVous) {
    SeedRandom(3);
    m_verben = std::make_unique<TVerben>(LoadBuiltInVerbTable(), &m_page, m_registry,
                                         [](int bound) { return RandomBelow(bound); });
    m_verben->SetSelection(std::string(71, '+'), "------+---------");
    std::set<int> persons;
    for (int question = 0; question < 200; ++question) {
        m_verben->NextQuestion();
        EXPECT_EQ(m_page.Page(), "verb_ein.htx");
        persons.insert(m_verben->AskedPerson());
        EXPECT_EQ(m_page.Macro("lsg").find("tu "), std::string::npos);
    }
    EXPECT_EQ(persons, (std::set<int>{1, 3, 4}));
}

TEST_F(TVerbenTest, TheSamePersonIsDrawnAgainTwiceAtMost) {
    TVerben& verben = Make();
    verben.SetSelection("--+", "+");
    m_draw.Push({0, 1});
    verben.StartSeries();
    ASSERT_EQ(verben.AskedPerson(), 1);
    m_draw.Push({0, 1, 1, 2}); // twice the previous person, then another
    verben.NextQuestion();
    EXPECT_EQ(verben.AskedPerson(), 2);
    m_draw.Push({0, 2, 2, 2}); // three times: the third draw stands
    const int before = m_draw.Calls();
    verben.NextQuestion();
    EXPECT_EQ(verben.AskedPerson(), 2);
    EXPECT_GE(m_draw.Calls() - before, 4);
    m_draw = test::ScriptedDraw({0, 5});
    verben.NextQuestion();
    EXPECT_EQ(verben.AskedPerson(), 5);
}

TEST_F(TVerbenTest, AVerbWithoutFormsInTheChosenTensesIsReported) {
    TVerben& verben = Make(Table(kAuxiliaries + "vide,leer,avoir\n"));
    verben.SetSelection("--+", "+");
    verben.StartSeries();
    EXPECT_TRUE(m_page.Pages().empty());
    ASSERT_EQ(m_messages.All().size(), 1u);
    EXPECT_EQ(m_messages.All()[0].text, " LEERES VERB AUSGESUCHT! 2");
}

// [Answers]

TEST_F(TVerbenTest, RightAnswerShowsTheSolutionInGreen) {
    TVerben& verben = Make();
    verben.SetSelection("---+", "--------+");
    m_draw.Push({0, 3});
    verben.StartSeries();
    EXPECT_EQ(m_page.Macro("lsg"), "nous sommes arrivés; sommes arrivés"_cp);
    verben.JudgeAnswer("#1+");
    EXPECT_EQ(m_page.Page(), "verb_richtig.htx");
    EXPECT_EQ(m_page.Macro("Kommentar"), "Absolut richtig!");
    EXPECT_EQ(m_page.Macro("Aufgabe"), "1. Person Plural IND Passé comp.<br>von<br>arriver"_cp);
    EXPECT_EQ(m_page.Macro("nr"), "1");
    EXPECT_EQ(m_page.Macro("last"), "10");
    EXPECT_EQ(m_page.Macro("Prozent"), "100%");
    EXPECT_EQ(m_page.Macro(std::string("Lösung"_cp)),
              SolutionLines(verben.Table()[kArriver], 8, 3, Judgement::Right));
    EXPECT_NE(
        m_page.Macro(std::string("Lösung"_cp)).find("<font size=4 color=#009900>nous sommes arrivés"_cp),
        std::string::npos);
    EXPECT_EQ(m_page.Macro("weiter"), ContinueLink(SeriesState::Running));
    EXPECT_EQ(verben.QuestionNumber(), 1);
    EXPECT_EQ(verben.RightAnswers(), 1);
}

TEST_F(TVerbenTest, AnswerCodesEndingInMinusAreWrong) {
    struct Case {
        std::string_view code;
        bool right;
    };
    const std::vector<Case> cases = {
        {"+", true}, {"#1+", true}, {"#5+", true}, {"-", false}, {"[aimes]-", false}, {"[a-b]+", true},
    };
    for (const Case& example : cases) {
        SCOPED_TRACE(std::string(example.code));
        TVerben& verben = Make();
        verben.SetSelection("--+", "+");
        m_draw.Push({0, 0});
        verben.StartSeries();
        verben.JudgeAnswer(example.code);
        EXPECT_EQ(m_page.Macro("Kommentar"), example.right ? "Absolut richtig!" : "Leider daneben!");
        EXPECT_EQ(verben.RightAnswers(), example.right ? 1 : 0);
        EXPECT_EQ(m_page.Macro("Prozent"), example.right ? "100%" : "0%");
        const std::string colour = example.right ? "#009900" : "#993300";
        EXPECT_TRUE(m_page.Macro(std::string("Lösung"_cp))
                        .starts_with("<font size=4 color=" + colour + ">j'aime<br>"));
    }
}

TEST_F(TVerbenTest, PercentCountsRightAnswersOfTheSeries) {
    TVerben& verben = Make();
    verben.SetSelection("--+", "+");
    verben.StartSeries();
    verben.JudgeAnswer("#1+");
    verben.NextQuestion();
    EXPECT_EQ(m_page.Macro("nr"), "2");
    EXPECT_EQ(m_page.Macro("Prozent"), "100%");
    verben.JudgeAnswer("-");
    EXPECT_EQ(m_page.Macro("Prozent"), "50%");
    verben.NextQuestion();
    EXPECT_EQ(m_page.Macro("nr"), "3");
    verben.JudgeAnswer("+");
    EXPECT_EQ(m_page.Macro("nr"), "3");
    EXPECT_EQ(m_page.Macro("Prozent"), "66%");
}

TEST_F(TVerbenTest, TheTenthAnswerEndsTheSeriesAndOffersAnother) {
    TVerben& verben = Make();
    verben.SetSelection("--+", "+");
    verben.StartSeries();
    for (int answer = 1; answer <= 9; ++answer) {
        verben.JudgeAnswer(answer % 2 ? "+" : "-");
        EXPECT_EQ(m_page.Macro("weiter"), "<a href=\"§verbweiter\" flash=flashcol return>Weiter</a>"_cp);
        verben.NextQuestion();
    }
    EXPECT_EQ(m_page.Macro("nr"), "10");
    verben.JudgeAnswer("+");
    EXPECT_EQ(m_page.Macro("nr"), "10");
    EXPECT_EQ(m_page.Macro("Prozent"), "60%");
    EXPECT_EQ(m_page.Macro("weiter"), "Noch eine Runde???"
                                      "<br><a href=\"§verbweiter\" flash=flashcol>Klar</a> &nbsp; "
                                      "<a href=\"verben.htx\" flash=flashcol>Lieber nicht</a>"_cp);
    EXPECT_EQ(verben.QuestionNumber(), 0);
    EXPECT_EQ(verben.RightAnswers(), 0);
    // "verbweiter" goes on with a fresh series.
    verben.NextQuestion();
    EXPECT_EQ(m_page.Macro("nr"), "1");
    EXPECT_EQ(m_page.Macro("Prozent"), "");
}

TEST_F(TVerbenTest, AnAnswerBeforeAnyQuestionIsIgnored) {
    TVerben& verben = Make();
    verben.JudgeAnswer("+");
    EXPECT_TRUE(m_page.Pages().empty());
    EXPECT_EQ(verben.QuestionNumber(), 0);
}

TEST_F(TVerbenTest, WithoutAPageNothingIsAsked) {
    TVerben& verben = Make();
    verben.SetPage(nullptr);
    verben.SetSelection("--+", "+");
    verben.StartSeries();
    verben.ShowVerbList();
    verben.ShowConjugationTable(2);
    EXPECT_EQ(verben.AskedVerb(), -1);
    EXPECT_TRUE(m_page.Pages().empty());
    verben.SetPage(&m_page);
    verben.NextQuestion();
    EXPECT_EQ(m_page.Page(), "verb_ein.htx");
}

// [Pages]

TEST_F(TVerbenTest, ConjugationTableShowsEveryTenseAndIsRemembered) {
    TVerben& verben = Make();
    verben.ShowConjugationTable(kArriver);
    EXPECT_EQ(m_page.Page(), "verbtafel.htx");
    EXPECT_EQ(m_page.Macro("Infinitiv"), "arriver");
    EXPECT_EQ(m_page.Macro("Bedeutung"), "ankommen");
    const TVerb& arriver = verben.Table()[kArriver];
    for (int tense = 0; tense < kTenseCount; ++tense)
        EXPECT_EQ(m_page.Macro("zeit" + std::to_string(tense)), TenseColumn(arriver, tense)) << tense;
    EXPECT_EQ(m_page.Macro("pron"), PronounColumn(arriver));
    EXPECT_EQ(verben.ShownVerb(), kArriver);

    for (int outside : {-1, 5, 89, 1000}) {
        verben.ShowConjugationTable(outside);
        EXPECT_EQ(m_page.Pages().size(), 1u) << outside;
    }
    EXPECT_EQ(verben.ShownVerb(), kArriver);
    m_page.SetMacro("Infinitiv", "");
    verben.ShowLastConjugationTable();
    EXPECT_EQ(m_page.Pages().size(), 2u);
    EXPECT_EQ(m_page.Macro("Infinitiv"), "arriver");
}

TEST_F(TVerbenTest, VerbListIsSetForThePageAndClearedAfterwards) {
    TVerben& verben = Make(LoadBuiltInVerbTable());
    verben.ShowVerbList();
    EXPECT_EQ(m_page.Page(), "verbliste.htx");
    const std::vector<std::string> groups = VerbListGroups(verben.Table());
    for (int group = 1; group <= 6; ++group)
        EXPECT_EQ(m_page.AtLastLoad("VerbListe" + std::to_string(group)),
                  groups[static_cast<std::size_t>(group - 1)]);
    EXPECT_NE(m_page.AtLastLoad("VerbListe1").find("<a href=\"§showverb 0\" flash=flashcol>avoir</a><br>"_cp),
              std::string::npos);
    EXPECT_NE(m_page.AtLastLoad("VerbListe5").find(">donner</a><br>"), std::string::npos);
    for (int group = 1; group <= 5; ++group)
        EXPECT_EQ(m_page.Macro("VerbListe" + std::to_string(group)), "") << group;
}

// [Selection]

TEST_F(TVerbenTest, StoredSelectionIsReadAtStartAndByVt0) {
    m_registry.WriteText(kVerbTrainerKey, "Verben", "--+");
    m_registry.WriteText(kVerbTrainerKey, "Zeiten", "-+");
    TVerben& verben = Make();
    EXPECT_EQ(verben.Selection().VerbText(), "--+--");
    EXPECT_EQ(verben.Selection().TenseText(), "-+--------------");

    verben.SelectPreset(4);
    EXPECT_EQ(verben.Selection().VerbText(), "+++++");
    EXPECT_EQ(verben.Selection().TenseText(), std::string(16, '+'));
    verben.SelectPreset(0);
    EXPECT_EQ(verben.Selection().VerbText(), "--+--");

    verben.StoreSelection("-+", "+");
    EXPECT_EQ(m_registry.ReadText(kVerbTrainerKey, "Verben", "?"), "-+---");
    EXPECT_EQ(m_registry.ReadText(kVerbTrainerKey, "Zeiten", "?"), "+---------------");
    verben.SelectAll();
    verben.LoadStoredSelection();
    EXPECT_EQ(verben.Selection().VerbText(), "-+---");
}

TEST_F(TVerbenTest, PresetsAreNotStored) {
    TVerben& verben = Make(LoadBuiltInVerbTable());
    for (int preset = 1; preset <= 3; ++preset) {
        SCOPED_TRACE(preset);
        verben.SelectPreset(preset);
        EXPECT_EQ(verben.Selection().VerbText(), kVerbPresets[preset - 1].verbs);
        EXPECT_EQ(verben.Selection().TenseText(), kVerbPresets[preset - 1].tenses);
    }
    EXPECT_FALSE(m_registry.ReadText(kVerbTrainerKey, "Verben").has_value());
    verben.SelectPreset(7);
    EXPECT_EQ(verben.Selection().VerbText(), kVerbPresets[2].verbs);
}

} // namespace
} // namespace qor
