#pragma once
// The game's extra word pairs, read from "vegas_F.txt" in the page folder: one pair a line, left
// and right text and an optional third (a wrong bottom text, or with a leading "." a wrong top
// text), separated by tabs. The parser lives in this header so the fuzz target needs no library.

#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct TBingoPair {
    std::string left;
    std::string right;
    std::string alternative;

    bool operator==(const TBingoPair&) const = default;
};

using TBingoList = std::vector<TBingoPair>;

// Lines end with LF, CR LF or CR. A line without a tab, or with an empty left or right text, is
// skipped; texts beyond the third are ignored.
inline TBingoList ParseBingoList(std::string_view contents) {
    TBingoList list;
    std::size_t start = 0;
    while (start < contents.size()) {
        std::size_t end = contents.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = contents.size();
        const std::string_view line = contents.substr(start, end - start);
        start = end + 1;
        const std::size_t firstTab = line.find('\t');
        if (firstTab == std::string_view::npos)
            continue;
        TBingoPair pair;
        pair.left = std::string(line.substr(0, firstTab));
        std::string_view rest = line.substr(firstTab + 1);
        const std::size_t secondTab = rest.find('\t');
        pair.right = std::string(rest.substr(0, secondTab));
        if (secondTab != std::string_view::npos) {
            rest = rest.substr(secondTab + 1);
            pair.alternative = std::string(rest.substr(0, rest.find('\t')));
        }
        if (pair.left.empty() || pair.right.empty())
            continue;
        list.push_back(std::move(pair));
    }
    return list;
}

// The pairs of a file; a file that cannot be read gives none.
TBingoList ReadBingoList(std::string_view programPath);

} // namespace qor
