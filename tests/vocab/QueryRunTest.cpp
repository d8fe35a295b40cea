#include "QueryTestSupport.h"

namespace qor::test {
namespace {

using QueryRunTest = QueryTest;

TEST_F(QueryRunTest, ForwardModeBringsAWrongAnswerBackAfterTheQueue) {
    Fill(m_library, Nouns(12));
    m_settings.Modus = kModusVorwaerts;
    ASSERT_TRUE(m_library.StartQuery());
    int queued = 0;
    while (!m_library.QueryState().tasks[queued + 1].IsBlank())
        ++queued;

    std::vector<std::string> asked = {AnswerAndGoOn("-")};
    while (m_page.Page() != "v_auswertung.htx") {
        asked.push_back(AnswerAndGoOn("+"));
        ASSERT_LT(asked.size(), 30u);
    }
    // mot0 comes back right after the questions that were queued behind it.
    ASSERT_GT(asked.size(), static_cast<std::size_t>(queued + 1));
    EXPECT_EQ(asked[queued + 1], "mot0");
    EXPECT_EQ(std::count(asked.begin(), asked.end(), "mot0"), 2);
    EXPECT_EQ(asked.size(), 13u);
    for (int i = 1; i < 12; ++i)
        EXPECT_EQ(std::count(asked.begin(), asked.end(), "mot" + std::to_string(i)), 1) << i;

    EXPECT_EQ(m_page.Macro("text1"), "Congratulations!");
    EXPECT_EQ(m_page.Macro("text2"),
              std::string("Der Abschnitt enthielt 12 Vokabeln. Dafür wurden 13 Versuche benötigt."_cp));
    EXPECT_EQ(m_page.Macro("text3"), std::string("<a href=\"vokabeln.htx\" >Zurück</a>"_cp));
    // 12 of 13 answers right.
    EXPECT_EQ(m_page.Macro("runde"), "92");
    EXPECT_EQ(m_page.Macro("insgesamt"), "92");
    EXPECT_EQ(m_page.Macro("balken-runde"), "<box coords=50,170,276,20 color=balken>");
    EXPECT_EQ(m_page.Macro("balken-insgesamt"), "<box coords=418,170,276,20 color=balken>");
    EXPECT_TRUE(m_page.TestCondition("insgesamt"));
}

TEST_F(QueryRunTest, TheSectionEndsOnlyWhenEveryEntryWasAnsweredRight) {
    Fill(m_library, Nouns(2));
    m_settings.Modus = kModusRueckwaerts;
    ASSERT_TRUE(m_library.StartQuery());
    EXPECT_EQ(CurrentWord(), "mot1");
    std::vector<std::string> asked;
    for (const char* code : {"-", "-", "+", "-", "+"})
        asked.push_back(AnswerAndGoOn(code));
    EXPECT_EQ(asked, (std::vector<std::string>{"mot1", "mot0", "mot1", "mot0", "mot0"}));
    EXPECT_EQ(m_page.Page(), "v_auswertung.htx");
    EXPECT_EQ(m_page.Macro("text2"),
              std::string("Der Abschnitt enthielt 2 Vokabeln. Dafür wurden 5 Versuche benötigt."_cp));
}

TEST_F(QueryRunTest, ARandomQueryRunsRoundsUntilAllAreSolved) {
    Fill(m_library, Nouns(6));
    m_settings.ProRunde = 6;
    ASSERT_TRUE(m_library.StartQuery());
    EXPECT_EQ(m_page.Macro(std::string("Zähler"_cp)), "1 / 6");

    // Round 1: the first question goes wrong, the other five right, each asked once.
    std::vector<std::string> asked = {AnswerAndGoOn("-")};
    for (int i = 0; i < 5; ++i)
        asked.push_back(AnswerAndGoOn("#1+"));
    std::set<std::string> distinct(asked.begin(), asked.end());
    EXPECT_EQ(distinct.size(), 6u);
    EXPECT_EQ(m_page.Page(), "v_auswertung.htx");
    EXPECT_EQ(m_page.Macro("text1"), "Runde 1 beendet<br>Sie enthielt 6 Vokabeln.");
    EXPECT_EQ(m_page.Macro("text2"), std::string("Davon wurden 5 gelöst!"_cp));
    EXPECT_EQ(m_page.Macro("text3"), std::string("<a href=\"§vcontinue\" >Weiter</a>"_cp));
    EXPECT_EQ(m_page.Macro("runde"), "83");
    EXPECT_EQ(m_page.Macro("insgesamt"), "83");
    EXPECT_EQ(m_page.Macro("balken-runde"), "<box coords=50,170,249,20 color=balken>");

    const VocQueryState& query = m_library.QueryState();
    EXPECT_EQ(query.round, 1);
    EXPECT_EQ(query.roundQuestions[0], 6);
    EXPECT_EQ(query.roundQuestions[1], 1);
    EXPECT_EQ(query.answersRound, 0);
    EXPECT_EQ(query.rightRound, 0);

    // Round 2 asks only the one that went wrong.
    m_library.ContinueAfterEvaluation();
    EXPECT_EQ(CurrentWord(), asked[0]);
    EXPECT_EQ(m_page.Macro(std::string("Zähler"_cp)), "7 / 6");
    EXPECT_EQ(m_page.Macro("Prozent"), "83%");
    AnswerAndGoOn("+");
    EXPECT_EQ(m_page.Page(), "v_auswertung.htx");
    EXPECT_EQ(m_page.Macro("text1"), "Runde 2 beendet<br>Sie enthielt 1 Vokabeln.");
    EXPECT_EQ(m_page.Macro("text2"), std::string("Davon wurden alle Vokabeln gelöst!"_cp));
    EXPECT_EQ(m_page.Macro("text3"), std::string("Noch 'ne Runde?<br><a href=\"§vabfrage\" >Klar</a> | "
                                                 "<a href=\"vokabeln.htx\" >Lieber nicht</a>"_cp));
    EXPECT_EQ(m_page.Macro("runde"), "100");
    EXPECT_EQ(m_page.Macro("insgesamt"), "85"); // 6 of 7
    EXPECT_EQ(m_page.Macro("balken-runde"), "<box coords=50,170,300,20 color=balken>");
}

TEST_F(QueryRunTest, StoppingShowsTheRoundSoFar) {
    Fill(m_library, Nouns(8));
    m_settings.ProRunde = 8;
    ASSERT_TRUE(m_library.StartQuery());
    AnswerAndGoOn("+");
    AnswerAndGoOn("-");
    m_library.Answer("+");
    m_library.StopWithEvaluation();
    EXPECT_EQ(m_page.Page(), "v_auswertung.htx");
    EXPECT_EQ(m_page.Macro("runde"), "66");
    EXPECT_EQ(m_page.Macro("insgesamt"), "66");
    EXPECT_EQ(m_page.Macro("text1"), "");
    EXPECT_EQ(m_page.Macro("text2"), "");
    EXPECT_EQ(m_page.Macro("text3"), std::string("<a href=\"-\" >Zurück</a>"_cp));
    EXPECT_TRUE(m_page.TestCondition("insgesamt"));
}

TEST_F(QueryRunTest, StoppingBeforeAnyAnswerShowsNoBars) {
    Fill(m_library, Nouns(8));
    m_settings.ProRunde = 8;
    ASSERT_TRUE(m_library.StartQuery());
    m_library.StopWithEvaluation();
    EXPECT_EQ(m_page.Macro("runde"), "0");
    EXPECT_EQ(m_page.Macro("insgesamt"), "0");
    EXPECT_EQ(m_page.Macro("balken-runde"), "");
    EXPECT_EQ(m_page.Macro("balken-insgesamt"), "");
}

TEST_F(QueryRunTest, ANewStartForgetsTheOldQuery) {
    Fill(m_library, Nouns(8));
    m_settings.ProRunde = 8;
    ASSERT_TRUE(m_library.StartQuery());
    AnswerAndGoOn("-");
    AnswerAndGoOn("+");
    ASSERT_TRUE(m_library.StartQuery());
    const VocQueryState& query = m_library.QueryState();
    EXPECT_EQ(query.tries, 0);
    EXPECT_EQ(query.answersTotal, 0);
    EXPECT_EQ(query.round, 0);
    EXPECT_EQ(m_page.Macro("Prozent"), "0%");
    for (int slot = 0; slot < 8; ++slot)
        EXPECT_EQ(query.tasks[slot].Fehler, 0);
}

TEST_F(QueryRunTest, CommandsWithoutARunningQueryChangeNothing) {
    Fill(m_library, Nouns(8));
    m_library.Answer("+");
    m_library.ContinueAfterAnswer();
    m_library.ContinueAfterEvaluation();
    EXPECT_TRUE(m_page.Pages().empty());
    EXPECT_EQ(m_library.QueryState().answersTotal, 0);
    EXPECT_EQ(m_library.QueryState().tries, 0);
    // "vocaus" shows the evaluation from anywhere.
    m_library.StopWithEvaluation();
    EXPECT_EQ(m_page.Page(), "v_auswertung.htx");
}

using LearnerRunTest = LearnerQueryTest;

TEST_F(LearnerRunTest, EachAnswerIsRecordedForTheLearner) {
    Fill(m_library,
         {Entry("chat", "Katze", 0), Entry("Hund", "chien", 0, true), Entry("aller", "gehen", kVerb)});
    m_settings.Modus = kModusVorwaerts;
    ASSERT_TRUE(m_library.StartQuery());
    m_library.Answer("-");   // typed wrong: -15
    m_library.Answer("#2+"); // typed right after one wrong answer: 25 - 1
    m_library.ContinueAfterAnswer();
    ASSERT_EQ(CurrentWord(), "Hund");
    m_library.Answer("[katze]-"); // multiple choice wrong: -12
    m_library.ContinueAfterAnswer();
    ASSERT_EQ(CurrentWord(), "aller");
    m_library.Answer("#0+"); // multiple choice right: +12
    EXPECT_EQ(m_users.Records(),
              (std::vector<TXUserVoc>{{">1aller", "M", "m"}, {">0chat", "Y2", "ee"}, {"<0Hund", "5", "m"}}));
    EXPECT_EQ(m_users.TypingCount(), 2);
    EXPECT_EQ(m_users.MultipleChoiceCount(), 2);
}

TEST_F(LearnerRunTest, WithoutALearnerNothingIsRecorded) {
    ASSERT_TRUE(m_users.SaveUser());
    ASSERT_FALSE(m_users.IsLoggedIn());
    Fill(m_library, Nouns(3));
    m_settings.Modus = kModusVorwaerts;
    ASSERT_TRUE(m_library.StartQuery());
    m_library.Answer("-");
    EXPECT_TRUE(m_users.Records().empty());
    EXPECT_EQ(m_page.Page(), "va_falsch1.htx");
}

TEST_F(LearnerRunTest, WellKnownEntriesAreNotAsked) {
    Fill(m_library, Nouns(3));
    m_users.RecordResult("mot1", VocDirection::Fremd, 'e', 25, 0);
    m_users.RecordResult("mot1", VocDirection::Fremd, 'e', 25, 0);
    m_settings.MaxScore = 49;
    m_library.LoadUserScores();
    EXPECT_TRUE(m_library.IsEligible(0));
    EXPECT_FALSE(m_library.IsEligible(1));
    m_settings.MaxScore = 50;
    EXPECT_TRUE(m_library.IsEligible(1));
}

TEST_F(LearnerRunTest, ARoundEndsWithNothingLeftWhenTheLearnerKnowsItAll) {
    Fill(m_library, Nouns(6));
    m_settings.ProRunde = 6;
    m_settings.MaxScore = 20;
    ASSERT_TRUE(m_library.StartQuery());
    // The log-in may have said something; only what follows counts.
    const std::size_t before = m_messages.All().size();
    AnswerAndGoOn("-");
    for (int i = 0; i < 5; ++i)
        AnswerAndGoOn("#1+");
    EXPECT_EQ(m_page.Page(), "v_auswertung.htx");
    EXPECT_EQ(m_page.Macro("text3"), std::string("Keine Vokabeln mehr übrig!"_cp));
    ASSERT_EQ(m_messages.All().size(), before + 1);
    EXPECT_EQ(m_messages.All().back().text, "Nicht genug Vokabeln pro Runde vorhanden!!!");
    EXPECT_EQ(m_optionsOpened, 0);
}

} // namespace
} // namespace qor::test
