#pragma once
// The markup of the conjugation table page ("verbtafel.htx") and the verb list ("verbliste.htx").

#include <string>
#include <vector>

namespace qor {

struct TVerb;

// One column of the table: the tense name, then per person its form in the style "reg" or "irr"
// ("!" after imperative forms), a blank line for a form the verb does not have.
std::string TenseColumn(const TVerb& verb, int tense);

// The pronoun column; the first line reads "je", "j'" or "je/j'" after the verb's first-person
// forms of the simple indicative tenses.
std::string PronounColumn(const TVerb& verb);

// The verbs that have an infinitive as links "§showverb NN", fifteen to a group, in six groups
// ("VerbListe1" … "VerbListe6"); groups without verbs are empty.
inline constexpr int kVerbListGroups = 6;
inline constexpr int kVerbsPerGroup = 15;
std::vector<std::string> VerbListGroups(const std::vector<TVerb>& table);

} // namespace qor
