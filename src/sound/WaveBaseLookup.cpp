#include "sound/WaveBaseLookup.h"

#include "platform/Cp1252.h"

#include <algorithm>

namespace qor {

namespace {

std::string UpperKey(std::string_view text) {
    std::string key(text);
    for (char& c : key)
        c = UpperCp1252(c);
    return key;
}

} // namespace

WaveBaseLookup::WaveBaseLookup(const std::vector<WaveBaseEntry>& entries) {
    m_firstOfText.reserve(entries.size());
    m_byText.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        m_firstOfText.emplace(UpperKey(entries[i].first), static_cast<int>(i));
        m_byText.push_back(static_cast<int>(i));
    }
    // Equal texts keep their list order, so the first of a run is the lowest position.
    std::stable_sort(m_byText.begin(), m_byText.end(),
                     [&](int a, int b) { return entries[static_cast<std::size_t>(a)].first <
                                                entries[static_cast<std::size_t>(b)].first; });
}

int WaveBaseLookup::Equal(std::string_view text) const {
    const auto found = m_firstOfText.find(UpperKey(text));
    return found == m_firstOfText.end() ? -1 : found->second;
}

int WaveBaseLookup::FirstStartingWith(const std::vector<WaveBaseEntry>& entries, std::string_view prefix) const {
    auto text = [&](int position) -> std::string_view { return entries[static_cast<std::size_t>(position)].first; };
    auto it = std::lower_bound(m_byText.begin(), m_byText.end(), prefix,
                               [&](int position, std::string_view wanted) { return text(position) < wanted; });
    int first = -1;
    for (; it != m_byText.end() && text(*it).starts_with(prefix); ++it)
        if (first < 0 || *it < first)
            first = *it;
    return first;
}

} // namespace qor
