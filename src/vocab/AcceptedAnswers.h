#pragma once
// What a learner may type for a stored meaning: "(l')arbre (m)" accepts "l'arbre" and "arbre",
// "se (re)lever" accepts "se lever" and "se relever", "Straße" also "Strasse". The query, the verb
// trainer and the language lab hand the list to the page's gap field.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// Appends the accepted answers of `meaning` (pieces separated by "; ") to `answers`, each with
// `prefix` in front; a text already in the list (case-sensitive) is not added twice.
void AddAcceptedAnswers(std::string_view meaning, std::string_view prefix, std::vector<std::string>& answers);
std::vector<std::string> AcceptedAnswers(std::string_view meaning, std::string_view prefix = {});

// The piece with a trailing gender mark turned into an article in front ("arbre (m)" → "(l')arbre").
std::string GenderMarkToArticle(std::string_view piece);

// The spelling variants of one piece without gender mark: the optional parts in round brackets
// left out or kept, a remark in square brackets dropped.
std::vector<std::string> ExpandOptionalParts(std::string_view piece);

// A draw in [0, bound); the program's random source unless a test gives its own.
using RandomDraw = std::function<int(int bound)>;

// The dotted hint for a right answer: "maison" → "m...?n" with some letters after the fourth shown.
std::string HintMask(std::string_view answer, const RandomDraw& draw = {});

} // namespace qor
