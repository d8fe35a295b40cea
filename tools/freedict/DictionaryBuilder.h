#pragma once
// Collects the converted entries: one per headword and word class, its meanings in the order first
// met, each once; orders each entry's meanings, hands the entries out in dictionary order and lays
// them out as the dictionary file holds them. Texts are Windows-1252.

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qor::freedict {

struct DictionaryEntry {
    std::string headword;
    int wordClass = 1;
    std::string meaning; // the meanings joined with "; "

    bool operator==(const DictionaryEntry&) const = default;
};

// One meaning as it is collected: the text, the source's usage label in short German form
// ("vulg.", "ugs., fig.") or empty, and what decides its place in the entry.
struct Meaning {
    std::string text;
    std::string label;
    int vocabularyRank = kNoRank; // the shipped vocabulary's own meanings come first, by rank
    bool confirmed = false;       // the other half leads back from this meaning to the headword

    static constexpr int kNoRank = 1 << 30;
    // The meaning as the dictionary stores it: a label is a bracketed comment at its end, the form
    // the dictionary's meaning formatting sets in front of the meaning.
    std::string Stored() const { return label.empty() ? text : text + " [" + label + "]"; }
};

struct CollectedEntry {
    std::string headword;
    int wordClass = 1;
    std::vector<Meaning> meanings;
    char gender = 0; // German nouns: 'm', 'f', 'n'; 'x' where the sources disagree
};

enum class AddResult { NewEntry, Merged };

class DictionaryBuilder {
public:
    AddResult Add(std::string_view headword, int wordClass, const std::vector<std::string>& translations);
    AddResult Add(std::string_view headword, int wordClass, const std::vector<Meaning>& meanings);
    std::size_t Count() const { return m_entries.size(); }

    CollectedEntry* Find(std::string_view headword, int wordClass);
    // The entry of this headword and word class, made when there is none yet.
    CollectedEntry& Ensure(std::string_view headword, int wordClass, bool* created = nullptr);
    // Gives entries of one word class other headwords (old, new); where an entry of the new
    // headword exists, the meanings move over to it and the renamed entry goes.
    void Rename(const std::vector<std::pair<std::string, std::string>>& headwords, int wordClass);
    std::vector<CollectedEntry>& Entries() { return m_entries; }
    const std::vector<CollectedEntry>& Entries() const { return m_entries; }

    // Sorted by headword in the dictionary's own order (the one its look-up and its sort use), then
    // by word class, so that the look-up reaches every entry and sorting changes nothing. Each
    // entry's meanings in the order of OrderMeanings.
    std::vector<DictionaryEntry> SortedEntries() const;

private:
    void Reindex();

    std::vector<CollectedEntry> m_entries;
    std::map<std::pair<std::string, int>, std::size_t, std::less<>> m_positions;
};

// The vocabulary's meanings first (by rank), then the meanings without a usage label, among them
// the confirmed ones first; the source order otherwise. Of meanings equal but for a leading
// article or a gender mark ("Tag", "der Tag") only the first stays.
std::vector<Meaning> OrderMeanings(std::vector<Meaning> meanings);

// A meaning without its article or gender mark: "der Tag" → "Tag", "(l')eau (f)" → "eau",
// "grand(e)" stays. The key by which the two halves find each other's words.
std::string BareWord(std::string_view text);

// Orders headwords alphabetically as a reader expects and as the dictionary sorts: "été" between
// "est" and "étude", "Zug" before "zügig"; texts that differ only in accents or case are ordered by
// them.
bool HeadwordBefore(std::string_view a, std::string_view b);

// The uncompressed dictionary file: per entry the headword, the character "0" + word class and the
// meaning, each followed by a zero byte.
std::string DictionaryFileContent(const std::vector<DictionaryEntry>& entries);

} // namespace qor::freedict
