#include "vocab/verbs/VerbQuestion.h"

#include "platform/Cp1252.h"
#include "vocab/verbs/VerbTable.h"
#include "vocab/verbs/VerbTestSupport.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::ErVerb;
using test::kAuxiliaries;
using test::Table;

// Every hint letter after the fourth stays hidden with this source.
const RandomDraw kNoExtraLetters = [](int) { return 4; };

TEST(QuestionText, NamesPersonTenseAndVerb) {
    TVerb venir;
    venir.infinitive = "venir";
    struct Case {
        int tense;
        int person;
        std::string_view text;
    };
    const std::vector<Case> cases = {
        {0, 0, "1. Person Singular IND Présent<br>von<br>venir"_cp},
        {2, 4, "2. Person Plural Passé simple<br>von<br>venir"_cp},
        {3, 2, "3. Person Singular Futur<br>von<br>venir"},
        {6, 1, "2. Person Singular Impératif<br>von<br>venir"_cp},
        {6, 3, "1. Person Plural Impératif<br>von<br>venir"_cp},
        {15, 5, "3. Person Plural Cond. passé<br>von<br>venir"_cp},
        {14, 0, "Participe présent<br>von<br>venir"_cp},
        {14, 1, "Participe passé<br>von<br>venir"_cp},
    };
    for (const Case& example : cases) {
        SCOPED_TRACE(std::to_string(example.tense) + "/" + std::to_string(example.person));
        EXPECT_EQ(QuestionText(venir, example.tense, example.person), example.text);
    }
}

TEST(TypedPronoun, ElidesJeBeforeAVowelOnly) {
    struct Case {
        int tense;
        int person;
        std::string_view form;
        std::string_view pronoun;
    };
    const std::vector<Case> cases = {
        {0, 0, "aime", "j'"},
        {0, 0, "hais", "je "},
        {0, 0, "donne", "je "},
        {1, 0, "étais"_cp, "j'"},
        {0, 0, "êtes"_cp, "j'"},
        {3, 0, "irai", "j'"},
        {0, 0, "ouvre", "j'"},
        {8, 0, "ai donné"_cp, "j'"},
        {8, 0, "suis allé"_cp, "je "},
        {0, 0, "", "je "},
        // Only "je" is elided.
        {0, 2, "aime", "il "},
        {0, 3, "aimons", "nous "},
        {0, 5, "aiment", "ils "},
        // The imperative and the participles have none.
        {6, 1, "aime", ""},
        {14, 0, "aimant", ""},
        {14, 1, "aimé"_cp, ""},
    };
    for (const Case& example : cases) {
        SCOPED_TRACE(std::string(example.form) + " " + std::to_string(example.tense));
        EXPECT_EQ(TypedPronoun(example.tense, example.person, example.form), example.pronoun);
    }
}

TEST(TypedAnswerTexts, OffersTheFormWithAndWithoutPronounAndBothSpellings) {
    struct Case {
        int tense;
        int person;
        std::string_view form;
        std::string_view solutions;
        std::string_view hinted; // the spelling the hint is made from
    };
    const std::vector<Case> cases = {
        {0, 1, "donnes", "tu donnes; donnes", "donnes"},
        {0, 0, "aime", "j'aime; aime", "aime"},
        {6, 4, "donnez", "donnez; donnez", "donnez"},
        {14, 1, "donné"_cp, "donné; donné"_cp, "donné"_cp},
        {0, 0, "paie/paye", "je paie; paie; paye; je paye", "paie"},
        {0, 0, "assieds/assois", "j'assieds; assieds; assois; j'assois", "assieds"},
        // "a/b c": the tail after the blank in b belongs to a as well.
        {8, 3, "avons pu/su faire", "nous avons pu faire; avons pu faire; su faire; nous su faire",
         "avons pu faire"},
    };
    for (const Case& example : cases) {
        SCOPED_TRACE(std::string(example.form));
        const TypedAnswer answer =
            TypedAnswerTexts(example.tense, example.person, example.form, kNoExtraLetters);
        EXPECT_EQ(answer.solutions, example.solutions);
        EXPECT_EQ(answer.hint, HintMask(example.hinted, kNoExtraLetters));
        EXPECT_FALSE(answer.hint.empty());
    }
}

TEST(TypedAnswerTexts, HintIsTheMaskOfTheFirstSpelling) {
    const TypedAnswer answer = TypedAnswerTexts(0, 0, "assieds/assois", kNoExtraLetters);
    EXPECT_EQ(answer.hint, HintMask("assieds", kNoExtraLetters));
    EXPECT_NE(answer.hint, HintMask("assois", kNoExtraLetters));
}

TEST(ChoiceLink, RightAndWrongChoicesSendTheirCodes) {
    EXPECT_EQ(ChoiceLink("donnes", Choice::Right), "<a href=\"§[verb+]\" flash=flashcol>donnes</a>"_cp);
    EXPECT_EQ(ChoiceLink("donnez", Choice::Wrong), "<a href=\"§verb[donnez]-\" flash=flashcol>donnez</a>"_cp);
}

TEST(SolutionLines, ColoursTheAskedPersonByTheJudgement) {
    const std::vector<TVerb> verbs = Table(kAuxiliaries + ErVerb("aimer", "lieben", "avoir"));
    const TVerb& aimer = verbs[2];
    EXPECT_EQ(SolutionLines(aimer, 0, 1, Judgement::Right), "<font size=4 color=#0>j'aime<br>"
                                                            "<font size=4 color=#009900>tu aimes<br>"
                                                            "<font size=4 color=#0>il aime<br>"
                                                            "<font size=4 color=#0>nous aimons<br>"
                                                            "<font size=4 color=#0>vous aimez<br>"
                                                            "<font size=4 color=#0>ils aiment");
    EXPECT_EQ(SolutionLines(aimer, 8, 0, Judgement::Wrong), "<font size=4 color=#993300>j'ai aimé<br>"
                                                            "<font size=4 color=#0>tu as aimé<br>"
                                                            "<font size=4 color=#0>il a aimé<br>"
                                                            "<font size=4 color=#0>nous avons aimé<br>"
                                                            "<font size=4 color=#0>vous avez aimé<br>"
                                                            "<font size=4 color=#0>ils ont aimé"_cp);
    // No pronouns for the imperative; its missing persons stay empty lines.
    EXPECT_EQ(SolutionLines(aimer, 6, 3, Judgement::Right), "<font size=4 color=#0><br>"
                                                            "<font size=4 color=#0>aime<br>"
                                                            "<font size=4 color=#0><br>"
                                                            "<font size=4 color=#009900>aimons<br>"
                                                            "<font size=4 color=#0>aimez<br>"
                                                            "<font size=4 color=#0>");
    EXPECT_EQ(SolutionLines(aimer, 14, 1, Judgement::Wrong), "<font size=4 color=#0>aimant<br>"
                                                             "<font size=4 color=#993300>aimé<br>"
                                                             "<font size=4 color=#0><br>"
                                                             "<font size=4 color=#0><br>"
                                                             "<font size=4 color=#0><br>"
                                                             "<font size=4 color=#0>"_cp);
}

TEST(ContinueLink, AsksForAnotherSeriesAtTheEnd) {
    EXPECT_EQ(ContinueLink(SeriesState::Running),
              "<a href=\"§verbweiter\" flash=flashcol return>Weiter</a>"_cp);
    EXPECT_EQ(ContinueLink(SeriesState::Ended), "Noch eine Runde???"
                                                "<br><a href=\"§verbweiter\" flash=flashcol>Klar</a> &nbsp; "
                                                "<a href=\"verben.htx\" flash=flashcol>Lieber nicht</a>"_cp);
}

} // namespace
} // namespace qor
