#pragma once
// A look-up table over the recording index's texts, so that finding a text stays quick with tens
// of thousands of entries: the first entry of a text (case ignored) and the first entry whose text
// starts with a given prefix (case kept), "first" always meaning the lowest position in the list.

#include "sound/WaveBaseFile.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qor {

class WaveBaseLookup {
public:
    // Valid for these entries until their texts or their order change.
    explicit WaveBaseLookup(const std::vector<WaveBaseEntry>& entries);

    // The position of the first entry whose text equals `text` without regard to case, or -1.
    int Equal(std::string_view text) const;
    // The position of the first entry whose text starts with `prefix` (case-sensitive), or -1.
    int FirstStartingWith(const std::vector<WaveBaseEntry>& entries, std::string_view prefix) const;

private:
    std::unordered_map<std::string, int> m_firstOfText; // keyed by the upper-case text
    std::vector<int> m_byText;                          // positions in byte order of their texts
};

} // namespace qor
