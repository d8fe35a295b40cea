#pragma once
// The pages left behind, for the "-" link. Paths are full paths of the pages (folder + file).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

enum class HistoryRule {
    UnlessSameAsLast, // leaving through a "§" command or an exercise command
    Always,           // leaving through a page link
};

class PageHistory {
public:
    // Remembers the page being left; a page without a path (an empty page, a text shown as a page)
    // is not remembered.
    void Add(std::string_view path, HistoryRule rule);
    // Removes and returns the last entry; nothing when the history is empty.
    std::optional<std::string> Pop();

    bool Empty() const { return m_entries.empty(); }
    const std::vector<std::string>& Entries() const { return m_entries; }
    void Clear() { m_entries.clear(); }

private:
    std::vector<std::string> m_entries;
};

} // namespace qor
