#pragma once
// The texts of one verb question and its answer page: what is asked, what the gap field accepts,
// the multiple-choice links and the solution column.

#include "vocab/AcceptedAnswers.h"

#include <string>
#include <string_view>

namespace qor {

struct TVerb;

// "2. Person Plural Futur" or "Participe passé", then "<br>von<br>" and the infinitive.
std::string QuestionText(const TVerb& verb, int tense, int person);

// What stands before a typed form: "j'" for "je" before a vowel ("j'aime", but "je hais"), else
// the pronoun and a blank; nothing for the imperative and the participles.
std::string TypedPronoun(int tense, int person, std::string_view form);

// The gap field's solutions ("lsg") and hint ("help") for a form; "a/b" offers both spellings.
struct TypedAnswer {
    std::string solutions;
    std::string hint;
};
TypedAnswer TypedAnswerTexts(int tense, int person, std::string_view form, const RandomDraw& draw = {});

// The link of a multiple-choice answer; the right one sends "verb+", a wrong one "verb[form]-".
enum class Choice { Right, Wrong };
std::string ChoiceLink(std::string_view form, Choice choice);

// The six persons of the asked tense, the asked one coloured by how it was answered ("Lösung").
enum class Judgement { Right, Wrong };
std::string SolutionLines(const TVerb& verb, int tense, int askedPerson, Judgement judgement);

// The way on from the answer page ("weiter"); at the end of a series it asks for another one.
enum class SeriesState { Running, Ended };
std::string ContinueLink(SeriesState state);

} // namespace qor
