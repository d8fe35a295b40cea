#pragma once
// How "Vokabel aus Wörterbuch übernehmen" spreads a dictionary meaning list over the entry's two
// meaning fields. Pressing it again on the same fields moves the second meaning between the first
// field and the further meanings, so the learner can choose either layout.

#include <string>
#include <string_view>

namespace qor {

struct MeaningFields {
    std::string first;   // Bedeutung0
    std::string further; // Bedeutung1
    bool operator==(const MeaningFields&) const = default;
};

// `source` is the dictionary's meaning list ("a; b; c"); `fields` what the entry holds now.
MeaningFields TakeOverMeanings(const MeaningFields& fields, std::string_view source);

// A multi-line meaning field after pasting: a "; " at the very start and one at the very end go,
// so that a copied piece of a meaning list does not leave an empty meaning behind.
std::string WithoutOuterSeparators(std::string_view text);

} // namespace qor
