#include "vocab/TLastFiles.h"

#include <algorithm>
#include <vector>

namespace qor {

TLastFiles::TLastFiles(std::function<std::string()> loadedFileName)
    : m_loadedFileName(std::move(loadedFileName)) {}

void TLastFiles::Add(std::string_view name) {
    if (name.empty())
        return;
    std::string entry(name);
    if (entry == "*") {
        entry = m_loadedFileName ? m_loadedFileName() : std::string();
        if (entry.empty())
            return;
    }
    std::vector<std::string> items(m_items.begin(), m_items.end());
    auto equal = std::find(items.begin(), items.end(), entry);
    if (equal != items.end())
        items.erase(equal);
    items.insert(items.begin(), entry);
    items.resize(kCount);
    std::copy(items.begin(), items.end(), m_items.begin());
}

std::string TLastFiles::Item(int index) const {
    if (index < 0 || index >= kCount)
        return {};
    return m_items[static_cast<std::size_t>(index)];
}

} // namespace qor
