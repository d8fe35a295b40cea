#include "page/sources/PageHistory.h"

namespace qor {

void PageHistory::Add(std::string_view path, HistoryRule rule) {
    if (path.empty())
        return;
    if (rule == HistoryRule::UnlessSameAsLast && !m_entries.empty() && m_entries.back() == path)
        return;
    m_entries.emplace_back(path);
}

std::optional<std::string> PageHistory::Pop() {
    if (m_entries.empty())
        return std::nullopt;
    std::string last = std::move(m_entries.back());
    m_entries.pop_back();
    return last;
}

} // namespace qor
