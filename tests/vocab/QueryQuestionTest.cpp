#include "QueryTestSupport.h"
#include "vocab/QueryDisplay.h"

namespace qor::test {
namespace {

class QueryQuestionTest : public QueryTest {
protected:
    void SetUp() override {
        QueryTest::SetUp();
        m_settings.Modus = kModusVorwaerts;
        m_recordings["chat"] = "XF:chat.wav";
    }
};

TEST_F(QueryQuestionTest, MultipleChoicePage) {
    Fill(m_library, {Entry("chat", "Katze"), Entry("chien", "Hund"), Entry("vache", "Kuh")});
    m_settings.MultipleChoiceEintippen = kAlwaysMultipleChoice;
    ASSERT_TRUE(m_library.StartQuery());
    EXPECT_EQ(m_page.Page(), "va_mch.htx");
    EXPECT_EQ(m_page.Macro("Aufgabe"), "<a href=\"XF:chat.wav\" >chat</a>");
    EXPECT_EQ(m_page.Macro("Wortart"), "Nomen");
    EXPECT_EQ(m_page.Macro(std::string("Zähler"_cp)), "1 / 3");
    EXPECT_EQ(m_page.Macro("Prozent"), "0%");
    std::vector<std::string> choices = Choices();
    std::sort(choices.begin(), choices.end());
    const std::string blank(std::string("<a href=\"§vokabel[]-\" ></a>"_cp));
    std::vector<std::string> expected = {std::string("<a href=\"§[vokabel+]\" >Katze</a>"_cp),
                                         std::string("<a href=\"§vokabel[Hund]-\" >Hund</a>"_cp),
                                         std::string("<a href=\"§vokabel[Kuh]-\" >Kuh</a>"_cp),
                                         blank,
                                         blank,
                                         blank};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(choices, expected);
}

TEST_F(QueryQuestionTest, TheRightChoiceMovesAroundThePage) {
    Fill(m_library, Nouns(8));
    m_settings.MultipleChoiceEintippen = kAlwaysMultipleChoice;
    std::set<int> positions;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        m_library.SetRandomSeeding([seed] { SeedRandom(seed); });
        ASSERT_TRUE(m_library.StartQuery());
        const std::vector<std::string> choices = Choices();
        const auto right = std::find(choices.begin(), choices.end(), ChoiceLink(CurrentTask().Frage, 0));
        ASSERT_NE(right, choices.end());
        positions.insert(static_cast<int>(right - choices.begin()));
    }
    EXPECT_GE(positions.size(), 3u);
}

TEST_F(QueryQuestionTest, TypedQuestionPage) {
    TVokabel entry = Voc("maison", "Haus",
                         "Heim; Stra\xDF"
                         "e",
                         0);
    entry.Kontext0 = "pas de trou";
    Fill(m_library, {entry});
    m_settings.MultipleChoiceEintippen = kNeverMultipleChoice;
    ASSERT_TRUE(m_library.StartQuery());
    EXPECT_EQ(m_page.Page(), "va_ein.htx");
    EXPECT_EQ(m_page.Macro("Aufgabe"), "maison");
    EXPECT_EQ(m_page.Macro("Wortart"), "Nomen");
    EXPECT_EQ(m_page.Macro("lsg"), "Haus; Heim; Stra\xDF"
                                   "e; Strasse");
    EXPECT_EQ(m_page.Macro("help"), "H..s");
    EXPECT_EQ(m_page.Macro(std::string("Zähler"_cp)), "1 / 1");
}

TEST_F(QueryQuestionTest, GapQuestionPage) {
    TVokabel entry = Voc("chat", "Katze");
    entry.Kontext0 = "Le [*] dort.";
    entry.KtxDazu0 = true;
    Fill(m_library, {entry});
    m_settings.MultipleChoiceEintippen = kNeverMultipleChoice;
    ASSERT_TRUE(m_library.StartQuery());
    EXPECT_EQ(m_page.Page(), "va_kontext.htx");
    EXPECT_EQ(m_page.Macro("Aufgabe"),
              "Le <a gap lsg=\"chat\" help=\"c..t\" tip=\"Katze\" reaction=\"vokabel\">chat</a> dort.");
    EXPECT_EQ(m_page.Macro("Wortart"), "Katze");

    // The answer page shows the sentence with the gap underlined.
    m_library.Answer("#1+");
    EXPECT_EQ(m_page.Macro("Kontext"), "Le <u>chat</u> dort.");
}

TEST_F(QueryQuestionTest, WhenAGapQuestionIsAsked) {
    struct Case {
        std::string name;
        std::string kontext0;
        std::string kontext1;
        bool kontextSetting;
        std::string page;
    };
    const std::vector<Case> cases = {
        {"gap in the first sentence", "Le (chat) dort.", "", true, "va_kontext.htx"},
        {"gap in the second sentence", "sans trou", "Un [chat] noir.", true, "va_kontext.htx"},
        {"contexts switched off", "Le (chat) dort.", "", false, "va_ein.htx"},
        {"only an unmatched bracket", "Le (chat dort.", "", true, "va_ein.htx"},
        {"closer before the opener", "Le chat) dort (bien.", "", true, "va_ein.htx"},
        {"no context at all", "", "", true, "va_ein.htx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TVokabel entry = Voc("chat", "Katze");
        entry.Kontext0 = c.kontext0;
        entry.Kontext1 = c.kontext1;
        Fill(m_library, {entry});
        m_settings.MultipleChoiceEintippen = kNeverMultipleChoice;
        m_settings.Kontext = c.kontextSetting;
        ASSERT_TRUE(m_library.StartQuery());
        EXPECT_EQ(m_page.Page(), c.page);
        if (c.page == "va_ein.htx") {
            EXPECT_EQ(m_page.Macro("Aufgabe"), "<a href=\"XF:chat.wav\" >chat</a>");
        }
    }
}

TEST_F(QueryQuestionTest, EitherGapSentenceMayBeChosen) {
    TVokabel entry = Voc("chat", "Katze");
    entry.Kontext0 = "Le (chat) dort.";
    entry.Kontext1 = "Un [chat] noir.";
    entry.KtxDazu1 = true;
    Fill(m_library, {entry});
    m_settings.MultipleChoiceEintippen = kNeverMultipleChoice;
    std::set<std::string> tips;
    for (std::uint32_t seed = 1; seed <= 16; ++seed) {
        m_library.SetRandomSeeding([seed] { SeedRandom(seed); });
        ASSERT_TRUE(m_library.StartQuery());
        tips.insert(m_page.Macro("Wortart"));
    }
    EXPECT_EQ(tips, (std::set<std::string>{"", "Katze"}));
}

TEST_F(QueryQuestionTest, ShareZeroNeverAsksMultipleChoice) {
    Fill(m_library, Nouns(40));
    m_settings.MultipleChoiceEintippen = 0;
    ASSERT_TRUE(m_library.StartQuery());
    for (int i = 0; i < 39; ++i) {
        m_library.Answer("#1+");
        m_library.ContinueAfterAnswer();
    }
    int multipleChoice = 0;
    for (const std::string& page : m_page.Pages())
        multipleChoice += page == "va_mch.htx" ? 1 : 0;
    EXPECT_EQ(multipleChoice, 0);
    EXPECT_EQ(std::count(m_page.Pages().begin(), m_page.Pages().end(), "va_ein.htx"), 40);
}

TEST_F(QueryQuestionTest, AHiddenPageOnlyProcessesMessages) {
    Fill(m_library, Nouns(3));
    m_page.SetVisible(false);
    ASSERT_TRUE(m_library.StartQuery());
    EXPECT_TRUE(m_page.Pages().empty());
    EXPECT_FALSE(m_page.HasMacro("Aufgabe"));
    EXPECT_EQ(m_page.PendingRuns(), 1);
}

TEST_F(QueryQuestionTest, AnswerPages) {
    struct Case {
        std::string code;
        std::string page;
        std::string falsch;
        int fehler;
        std::string prozent;
    };
    const std::string chienDisplay = "<+normal>chien <+kommentar> [Nomen]<p><+normal>Hund";
    const std::vector<Case> cases = {
        {"+", "va_richtig.htx", "", TVocAufgabe::kSolved, "100%"},
        {"#3+", "va_richtig.htx", "", TVocAufgabe::kSolved, "100%"},
        {"#0+", "va_richtig.htx", "", TVocAufgabe::kSolved, "100%"},
        {"-", "va_falsch1.htx", "", 1, "0%"},
        {"[hund]-", "va_falsch2.htx", chienDisplay, 1, "0%"},
        {"[HUND]-", "va_falsch2.htx", chienDisplay, 1, "0%"},
        {"[katz]-", "va_falsch2.htx", "", 1, "0%"},
        // A meaning with a comma reaches the query cut off at the comma.
        {"[hund", "va_falsch2.htx", "", 1, "0%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        Fill(m_library, {Entry("chat", "Katze"), Entry("chien", "Hund")});
        m_settings.MultipleChoiceEintippen = kAlwaysMultipleChoice;
        ASSERT_TRUE(m_library.StartQuery());
        // A display left from an earlier answer must not show again.
        m_page.SetMacro("Falsch", "stale");
        m_library.Answer(c.code);
        EXPECT_EQ(m_page.Page(), c.page);
        EXPECT_EQ(m_page.Macro("Falsch"), c.falsch);
        EXPECT_EQ(m_page.Macro("Richtig"),
                  "<+normal><a href=\"XF:chat.wav\" >chat </a> <+kommentar> [Nomen]<p><+normal>Katze");
        EXPECT_EQ(m_page.Macro("Kontext"), "");
        EXPECT_EQ(m_page.Macro(std::string("Zähler"_cp)), "1 / 2");
        EXPECT_EQ(m_page.Macro("Prozent"), c.prozent);
        EXPECT_EQ(CurrentTask().Fehler, c.fehler);
        EXPECT_EQ(m_library.QueryState().lastAnswer, c.code);
        EXPECT_EQ(m_library.QueryState().answersTotal, 1);
    }
}

} // namespace
} // namespace qor::test
