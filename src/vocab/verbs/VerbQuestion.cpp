#include "vocab/verbs/VerbQuestion.h"

#include "platform/Cp1252.h"
#include "vocab/verbs/VerbTable.h"

namespace qor {

namespace {

// Links that raise a command start with the section sign.
constexpr std::string_view kCommandSign = "§"_cp;

bool HasNoPronoun(int tense) {
    return tense == kTenseImperative || tense == kTenseParticiples;
}

// "je" is elided before these; "h" is left out on purpose ("je hais").
bool ElidesJe(std::string_view form) {
    static constexpr std::string_view kElidingStarts = "aeéêiou"_cp;
    return !form.empty() && kElidingStarts.find(form.front()) != std::string_view::npos;
}

} // namespace

std::string QuestionText(const TVerb& verb, int tense, int person) {
    std::string text;
    if (tense == kTenseParticiples) {
        text = person == 0 ? "Participe présent"_cp : "Participe passé"_cp;
    } else {
        text = std::to_string(person % 3 + 1) + ". Person " + (person < 3 ? "Singular " : "Plural ");
        text += TenseName(tense);
    }
    return text + "<br>von<br>" + verb.infinitive;
}

std::string TypedPronoun(int tense, int person, std::string_view form) {
    if (HasNoPronoun(tense))
        return {};
    if (person == 0 && ElidesJe(form))
        return "j'";
    return std::string(PersonPronoun(person)) + " ";
}

TypedAnswer TypedAnswerTexts(int tense, int person, std::string_view form, const RandomDraw& draw) {
    const std::string pronoun = TypedPronoun(tense, person, form);
    std::string first(form);
    std::string second;
    const std::size_t slash = form.find('/');
    if (slash != std::string_view::npos) {
        first = std::string(form.substr(0, slash));
        second = std::string(form.substr(slash + 1));
        // "a/b c" stands for "a c" and "b c": the shared tail belongs to both spellings.
        const std::size_t blank = second.find(' ');
        if (blank != std::string::npos)
            first += second.substr(blank);
    }
    TypedAnswer answer;
    answer.solutions = pronoun + first + "; " + first;
    if (!second.empty())
        answer.solutions += "; " + second + "; " + pronoun + second;
    answer.hint = HintMask(first, draw);
    return answer;
}

std::string ChoiceLink(std::string_view form, Choice choice) {
    const std::string target = std::string(kCommandSign) +
                               (choice == Choice::Right ? "[verb+]" : "verb[" + std::string(form) + "]-");
    return "<a href=\"" + target + "\" flash=flashcol>" + std::string(form) + "</a>";
}

std::string SolutionLines(const TVerb& verb, int tense, int askedPerson, Judgement judgement) {
    std::string lines;
    for (int person = 0; person < kPersonCount; ++person) {
        if (person > 0)
            lines += "<br>";
        if (person != askedPerson)
            lines += "<font size=4 color=#0>";
        else if (judgement == Judgement::Right)
            lines += "<font size=4 color=#009900>";
        else
            lines += "<font size=4 color=#993300>";
        const std::string& form = verb.Form(tense, person).text;
        lines += TypedPronoun(tense, person, form);
        lines += form;
    }
    return lines;
}

std::string ContinueLink(SeriesState state) {
    if (state == SeriesState::Ended)
        return std::string("Noch eine Runde???"
                           "<br><a href=\"") +
               std::string(kCommandSign) +
               "verbweiter\" flash=flashcol>Klar</a> &nbsp; <a href=\"verben.htx\" flash=flashcol>Lieber "
               "nicht</a>";
    return "<a href=\"" + std::string(kCommandSign) + "verbweiter\" flash=flashcol return>Weiter</a>";
}

} // namespace qor
