#pragma once
// How the library checks judge an entry against its dictionary entry.

#include <string>
#include <string_view>

namespace qor {

// What a check does with an entry.
enum class Comparison : int {
    Nothing = 0,          // no headword, or entry and dictionary agree
    NotInDictionary = 1,  // offer to add it to the dictionary
    TakeMeanings = 2,     // the entry's meaning is only "?": take the dictionary's
    WordClassDiffers = 3, // same headword and meanings, another word class
    MeaningsDiffer = 4,   // same headword and class, other meanings
};

// The word class number followed by the headword; empty for an empty headword, so an entry
// without headword is never judged.
std::string ComparisonKey(int wortart, std::string_view headword);
// Bedeutung0 + "; " + Bedeutung1, or just Bedeutung0 when there are no further meanings.
std::string EntryMeanings(std::string_view first, std::string_view further);

Comparison CompareWithDictionary(std::string_view entryKey, std::string_view entryMeanings,
                                 std::string_view dictionaryMeaning, std::string_view dictionaryKey);

} // namespace qor
