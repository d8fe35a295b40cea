#pragma once
// What the converter adds to FreeDict: the shipped vocabulary libraries and our own supplement.
// Both give pairs of a French and a German text with a word class; a pair's meaning comes first in
// the entries of both halves that the pair names.
//
// Supplement files (UTF-8, one item a line; "#" starts a comment line, blank lines are skipped;
// fields are separated by "|" and trimmed):
//   f | WORTART | französisches Stichwort | deutsche Bedeutung; weitere Bedeutung
//   d | WORTART | deutsches Stichwort | französische Bedeutung; weitere Bedeutung
//   vulg | WORT
// WORTART is the dictionary's word class 1..6 (Nomen, Verb, Adjektiv, Kleines Wort, Rw. mit Verb,
// Rw. ohne Verb). French nouns carry their gender mark ("eau (f)"), German nouns their article
// ("das Wasser"), as in the vocabulary libraries. "vulg" names a word that makes every meaning and
// headword holding it vulgar: "Arsch" the word alone, "Scheiß*" at the start of a word, "*ficken"
// at its end.

#include "freedict/UsageLabels.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qor::freedict {

struct VocabularyPair {
    std::string french;       // Windows-1252, as the library writes it: "eau (f)", "grand(e)"
    std::string german;       // "das Wasser"
    int wordClass = 1;        // 1..6
    bool germanFirst = false; // the German text is the entry's headword
};

struct Supplement {
    std::vector<VocabularyPair> pairs; // the libraries' first, in the order they were read
    VulgarWords vulgar;
};

// The pairs of one library's entries (Windows-1252 .asc text): one for each meaning of each entry.
void AddLibraryPairs(std::string_view ascText, std::vector<VocabularyPair>& pairs);

// One supplement file (Windows-1252). False with the line number and what is wrong.
bool ReadSupplementText(std::string_view text, Supplement& supplement, std::string& error);

// Every *.asc.txt below `folder`, in the order of their paths (UTF-8 sources).
bool ReadVocabularyFolder(const std::filesystem::path& folder, Supplement& supplement, std::string& error);
// Every *.txt of `folder`, in the order of their names.
bool ReadSupplementFolder(const std::filesystem::path& folder, Supplement& supplement, std::string& error);

} // namespace qor::freedict
