#pragma once
// Both halves of the dictionary made together, since each half helps the other: a French noun's
// gender mark comes from the French half into the German-French meanings, a German noun's article
// from the German half into the French-German meanings, and a meaning whose own entry in the other
// half leads back to the headword is the likelier sense. On top of FreeDict come the shipped
// vocabulary and our supplement (see Supplement.h): their words are added where FreeDict lacks them
// and their meanings come first.

#include "freedict/DictionaryBuilder.h"
#include "freedict/FreedictConverter.h"
#include "freedict/Supplement.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor::freedict {

struct PairReport {
    ConversionReport frenchGerman;
    ConversionReport germanFrench;
    std::size_t pairs = 0;       // from the vocabulary and the supplement
    std::size_t frenchAdded = 0; // entries that FreeDict lacks, made for them
    std::size_t germanAdded = 0;
    std::size_t gendersFound = 0;       // French nouns without a gender in FreeDict that got one
    std::size_t nounsWithoutGender = 0; // French nouns still without one
    std::size_t marksAdded = 0;         // French nouns in German-French meanings marked
    std::size_t articlesAdded = 0;      // German nouns in French-German meanings given their article
    std::size_t labelled = 0;           // meanings with a usage label, both halves
};

// Everything after reading FreeDict, on the two collected halves; the entries then only need
// sorting (DictionaryBuilder::SortedEntries).
void CompleteHalves(DictionaryBuilder& frenchGerman, DictionaryBuilder& germanFrench,
                    const Supplement& supplement, PairReport& report);

// The gender mark (" (m)", " (f)", " (mf)") of a French noun that FreeDict gives none, found from
// its own words: the head noun of an expression, German translations for both sexes, a numeral,
// an ending that decides; empty when nothing decides. `nounMark` gives the mark of a known noun.
std::string GuessFrenchGender(std::string_view headword, const std::vector<Meaning>& meanings,
                              const std::function<std::string(std::string_view)>& nounMark);

struct FreedictSource {
    std::string_view indexText;
    std::string_view articleData; // unpacked
};

bool ConvertFreedictPair(const FreedictSource& frenchGerman, const FreedictSource& germanFrench,
                         const Supplement& supplement, std::vector<DictionaryEntry>& frenchGermanEntries,
                         std::vector<DictionaryEntry>& germanFrenchEntries, PairReport& report,
                         std::string& error);

} // namespace qor::freedict
