#include "editor/DictionaryComparison.h"

#include "vocab/VocText.h"

namespace qor {

std::string ComparisonKey(int wortart, std::string_view headword) {
    if (headword.empty())
        return {};
    return std::to_string(wortart) + std::string(headword);
}

std::string EntryMeanings(std::string_view first, std::string_view further) {
    std::string meanings(first);
    if (!further.empty())
        meanings += "; " + std::string(further);
    return meanings;
}

Comparison CompareWithDictionary(std::string_view entryKey, std::string_view entryMeanings,
                                 std::string_view dictionaryMeaning, std::string_view dictionaryKey) {
    if (entryKey.empty())
        return Comparison::Nothing;
    if (entryKey != dictionaryKey) {
        if (entryMeanings == dictionaryMeaning && !dictionaryKey.empty() &&
            entryKey.substr(1) == dictionaryKey.substr(1))
            return Comparison::WordClassDiffers;
        return entryMeanings == "?" ? Comparison::TakeMeanings : Comparison::NotInDictionary;
    }
    return vocab::SameMeaningSets(entryMeanings, dictionaryMeaning) ? Comparison::Nothing
                                                                    : Comparison::MeaningsDiffer;
}

} // namespace qor
