#pragma once
// The recent library files of the vocabulary library: always exactly four entries, the newest first.

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace qor {

class TLastFiles {
public:
    static constexpr int kCount = 4;

    // `loadedFileName` gives the file name of the library now loaded; the name "*" stands for it.
    explicit TLastFiles(std::function<std::string()> loadedFileName = {});

    // Puts `name` in front; an equal entry is removed first and the oldest entry falls out.
    // An empty name (or "*" while no library file is loaded) is ignored.
    void Add(std::string_view name);
    // Entry 0 to 3; an index beyond the list gives an empty text.
    std::string Item(int index) const;

private:
    std::array<std::string, kCount> m_items;
    std::function<std::string()> m_loadedFileName;
};

} // namespace qor
