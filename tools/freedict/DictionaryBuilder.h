#pragma once
// Collects the converted entries: one per headword and word class, its translations in the order
// first met, each once; hands them out in dictionary order and lays them out as the dictionary
// file holds them. Texts are Windows-1252.

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qor::freedict {

struct DictionaryEntry {
    std::string headword;
    int wordClass = 1;
    std::string meaning; // the translations joined with "; "

    bool operator==(const DictionaryEntry&) const = default;
};

enum class AddResult { NewEntry, Merged };

class DictionaryBuilder {
public:
    AddResult Add(std::string_view headword, int wordClass, const std::vector<std::string>& translations);
    std::size_t Count() const { return m_entries.size(); }
    // Sorted by headword in the dictionary's own order (the one its look-up and its sort use), then
    // by word class, so that the look-up reaches every entry and sorting changes nothing.
    std::vector<DictionaryEntry> SortedEntries() const;

private:
    struct Collected {
        std::string headword;
        int wordClass = 1;
        std::vector<std::string> translations;
    };
    std::vector<Collected> m_entries;
    std::map<std::pair<std::string, int>, std::size_t, std::less<>> m_positions;
};

// Orders headwords alphabetically as a reader expects and as the dictionary sorts: "été" between
// "est" and "étude", "Zug" before "zügig"; texts that differ only in accents or case are ordered by
// them.
bool HeadwordBefore(std::string_view a, std::string_view b);

// The uncompressed dictionary file: per entry the headword, the character "0" + word class and the
// meaning, each followed by a zero byte.
std::string DictionaryFileContent(const std::vector<DictionaryEntry>& entries);

} // namespace qor::freedict
