#pragma once
// The repairs of "Kontexte abgleichen" as rules on plain values: old libraries wrote plural
// endings as ", e", left gaps half-bracketed and spelled headwords differently from the dictionary.

#include <string>
#include <string_view>

namespace qor {

// Trimmed; a trailing ", e" becomes ", -e".
std::string RepairHeadwordEnding(std::string_view headword);

// A context without ")" gets its gap closed: "(a (b (c" style (starting with "(" and holding three)
// loses the first "(" and its second "(" turns into ")"; one holding two "(" has the second turned.
std::string RepairContext(std::string_view context);
// Empty, or exactly one "(" followed later by exactly one ")".
bool ContextPasses(std::string_view context);

// The headword takes the dictionary headword's first letter when they differ only in the case of
// that letter (the headword capitalised).
std::string AdoptDictionaryInitial(std::string_view headword, std::string_view dictionaryHeadword);

// The entry fields the alignment may change, and the dictionary entry it is aligned with.
struct AlignedEntry {
    std::string headword;
    std::string meaning; // Bedeutung0
    int wortart = 0;     // the library's numbering, 0..5
    bool operator==(const AlignedEntry&) const = default;
};
struct DictionaryEntryView {
    std::string headword;
    std::string meaning;
    int wortart = 1; // the dictionary's numbering, 1..6
    // The dictionary entries before and after it carry the same headword.
    bool neighbourHasSameHeadword = false;
};

// Takes the dictionary's headword with its gender mark, or its meaning for the same headword.
AlignedEntry AlignWithDictionary(const AlignedEntry& entry, const DictionaryEntryView& dictionary);
// Whether the run may go on to the next entry.
bool AlignedWithDictionary(const AlignedEntry& entry, const DictionaryEntryView& dictionary);

} // namespace qor
