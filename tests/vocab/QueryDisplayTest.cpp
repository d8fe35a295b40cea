#include "vocab/QueryDisplay.h"

#include "VocabTestSupport.h"

#include <map>

namespace qor::test {
namespace {

// Recordings of a few words, as the recording index would know them.
RecordingLookup Recordings(std::map<std::string, std::string> paths) {
    return [paths = std::move(paths)](std::string_view text) {
        auto found = paths.find(std::string(text));
        return found == paths.end() ? std::string() : found->second;
    };
}

TEST(QueryDisplay, WordClassNamesAndTags) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Nomen", "[Nomen]"},
        {"Verb", "[Verb]"},
        {"Adjektiv", "[Adj./Adv.]"},
        {"Kleines Wort", "[kl. Wort]"},
        {"Rw. mit Verb", "[Redewendung]"},
        {"Rw. ohne Verb", "[Redewendung]"},
    };
    for (int wortart = 0; wortart < 6; ++wortart) {
        SCOPED_TRACE(wortart);
        EXPECT_EQ(WortartName(wortart), expected[wortart].first);
        EXPECT_EQ(ClassTag(wortart), expected[wortart].second);
    }
    EXPECT_EQ(WortartName(6), "");
    EXPECT_EQ(ClassTag(-1), "");
}

TEST(QueryDisplay, RecordingLinksOnlyWhenARecordingExists) {
    const RecordingLookup lookup = Recordings({{"chat", "XF:c\\chat.wav"}});
    EXPECT_EQ(RecordingLink("chat", lookup, LinkEnd::Tight), "<a href=\"XF:c\\chat.wav\" >chat</a>");
    EXPECT_EQ(RecordingLink("chat", lookup, LinkEnd::Blank), "<a href=\"XF:c\\chat.wav\" >chat </a>");
    EXPECT_EQ(RecordingLink("chien", lookup, LinkEnd::Tight), "chien");
    EXPECT_EQ(RecordingLink("chat", {}, LinkEnd::Tight), "chat");
}

TEST(QueryDisplay, EntryDisplays) {
    const RecordingLookup lookup =
        Recordings({{"chat", "XF:chat.wav"}, {"bouffer", "XF:bouffer.wav"}, {"manger", "XF:manger.wav"}});
    struct Case {
        std::string name;
        TVokabel entry;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"French word, German meanings shown as they are", Voc("chat", "Katze", "Kater [m]", 0),
         "<+normal><a href=\"XF:chat.wav\" >chat </a> <+kommentar> [Nomen]<p><+normal>Katze; Kater [m]"},
        {"no further meaning", Voc("vite", "schnell", "", 2),
         "<+normal>vite <+kommentar> [Adj./Adv.]<p><+normal>schnell"},
        {"French meanings one by one with remark and recording",
         Voc("essen", "[ugs.] bouffer", "manger; se nourrir [geh.]", 1, true),
         "<+normal>essen <+kommentar> [Verb]<p><+normal><+kommentar>[ugs.]<+normal> <a "
         "href=\"XF:bouffer.wav\" >bouffer </a>; "
         "<a href=\"XF:manger.wav\" >manger </a>; <+kommentar>[geh.]<+normal> se nourrir"},
        {"idiom", Voc("avoir l'air", "aussehen", "", 5),
         "<+normal>avoir l'air <+kommentar> [Redewendung]<p><+normal>aussehen"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EntryDisplay(c.entry, lookup), c.expected);
    }
}

TEST(QueryDisplay, ChoiceLinksCarryTheRightOrTheWrongAnswer) {
    EXPECT_EQ(ChoiceLink(Voc("chat", "Katze"), 0), std::string("<a href=\"§[vokabel+]\" >Katze</a>"_cp));
    EXPECT_EQ(ChoiceLink(Voc("chien", "Hund"), 3), std::string("<a href=\"§vokabel[Hund]-\" >Hund</a>"_cp));
    EXPECT_EQ(ChoiceLink(TVokabel{}, 5), std::string("<a href=\"§vokabel[]-\" ></a>"_cp));
}

TEST(QueryDisplay, GapsOfContextSentences) {
    struct Case {
        std::string context;
        bool found;
        std::string before;
        std::string gap;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"Le (chat) dort.", true, "Le ", "chat", " dort."},
        {"Il [*] vite.", true, "Il ", "*", " vite."},
        {"A (b) c (d) e", true, "A ", "b) c (d", " e"},
        {"Il a (perdu sa cl\xE9.", false, "", "", ""},
        {"Il a perdu) sa (cl\xE9.", false, "", "", ""},
        {"pas de trou", false, "", "", ""},
        {"", false, "", "", ""},
        {"x [y) z]", true, "x ", "y) z", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.context);
        const GapSentence gap = FindGap(c.context);
        EXPECT_EQ(gap.found, c.found);
        EXPECT_EQ(gap.before, c.before);
        EXPECT_EQ(gap.gap, c.gap);
        EXPECT_EQ(gap.after, c.after);
    }
}

TEST(QueryDisplay, GapQuestionMarkup) {
    TVokabel entry = Voc("chat", "Katze");
    const GapSentence gap = FindGap("Le [*] dort.");
    const GapQuestion withMeaning = MakeGapQuestion(gap, entry, true);
    EXPECT_EQ(withMeaning.aufgabe,
              "Le <a gap lsg=\"chat\" help=\"c..t\" tip=\"Katze\" reaction=\"vokabel\">chat</a> dort.");
    EXPECT_EQ(withMeaning.tip, "Katze");
    EXPECT_EQ(withMeaning.context, "Le <u>chat</u> dort.");

    const GapQuestion plain = MakeGapQuestion(FindGap("Il (s'en) va."), entry, false);
    EXPECT_EQ(plain.aufgabe,
              "Il <a gap lsg=\"s'en\" help=\"s'.n\" tip=\"\" reaction=\"vokabel\">s'en</a> va.");
    EXPECT_EQ(plain.tip, "");

    const GapQuestion variants =
        MakeGapQuestion(FindGap("C'est [(le) pain (m)]."), Voc("pain", "Brot"), false);
    EXPECT_EQ(variants.aufgabe.substr(0, 37), "C'est <a gap lsg=\"pain; le pain\" help");
    EXPECT_EQ(variants.context, "C'est <u>(le) pain (m)</u>.");
}

TEST(QueryDisplay, AnswerCodes) {
    struct Case {
        std::string code;
        bool typed;
        bool right;
        std::string wrongText;
        int changeFresh; // wrong counter 0
        int changeTwice; // wrong counter 2
    };
    const std::vector<Case> cases = {
        {"+", false, true, "", 12, 12},
        {"[hund]-", false, false, "hund", -12, -12},
        {"#1+", true, true, "", 25, 23},
        {"#5+", true, true, "", 25, 23},
        {"-", true, false, "", -15, -17},
        // Attempt digit 0 is not a typed answer.
        {"#0+", false, true, "", 12, 12},
        // Cut at a comma by the dispatcher: still wrong, no text to look up.
        {"[haus", false, false, "", -12, -12},
        {"[]-", false, false, "", -12, -12},
        {"", false, false, "", -12, -12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const AnswerCode answer = ParseAnswerCode(c.code);
        EXPECT_EQ(answer.typed, c.typed);
        EXPECT_EQ(answer.right, c.right);
        EXPECT_EQ(answer.wrongText, c.wrongText);
        EXPECT_EQ(ScoreChange(answer, 0), c.changeFresh);
        EXPECT_EQ(ScoreChange(answer, 2), c.changeTwice);
    }
}

TEST(QueryDisplay, MultipleChoiceShare) {
    struct Case {
        int draw;
        int percent;
        bool multipleChoice;
    };
    const std::vector<Case> cases = {
        {0, 0, false},     {100, 0, false}, {0, 100, true},  {99, 100, true},
        {100, 100, false}, {59, 60, true},  {60, 60, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.draw) + " / " + std::to_string(c.percent));
        EXPECT_EQ(AskMultipleChoice(c.draw, c.percent), c.multipleChoice);
    }
}

TEST(QueryDisplay, PercentagesAndBars) {
    EXPECT_EQ(PercentOf(2, 3), 66);
    EXPECT_EQ(PercentOf(5, 0), 0);
    EXPECT_EQ(PercentOf(3, 3), 100);
    struct Case {
        int percent;
        std::string round;
        std::string overall;
    };
    const std::vector<Case> cases = {
        {0, "", ""},
        {-5, "", ""},
        {1, "<box coords=50,170,3,20 color=balken>", "<box coords=418,170,3,20 color=balken>"},
        {83, "<box coords=50,170,249,20 color=balken>", "<box coords=418,170,249,20 color=balken>"},
        {100, "<box coords=50,170,300,20 color=balken>", "<box coords=418,170,300,20 color=balken>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.percent);
        EXPECT_EQ(RoundBar(c.percent), c.round);
        EXPECT_EQ(OverallBar(c.percent), c.overall);
    }
}

} // namespace
} // namespace qor::test
