#pragma once
// The built-in vocabulary list (data block 3): the reservoir of wrong answers for multiple-choice
// questions. Same ten-line layout as a library file, read as it stands.

#include "vocab/TVokabel.h"

#include <functional>
#include <string>
#include <vector>

namespace qor {

class TRes {
public:
    static constexpr int kMaxEntries = 600;

    // Reads block 3 of the program.
    void Load();
    // Reads from any line source; `atEnd` tells when the data is used up.
    void Load(const std::function<bool()>& atEnd, const std::function<std::string()>& readLine);

    int Count() const { return static_cast<int>(m_entries.size()); }
    const std::vector<TVokabel>& Entries() const { return m_entries; }

private:
    std::vector<TVokabel> m_entries;
};

} // namespace qor
