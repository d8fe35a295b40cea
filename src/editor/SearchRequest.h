#pragma once
// The search dialog "In Bibliothek suchen" between the editor and the library's search.

#include "vocab/TBibliothek.h"

#include <string>

namespace qor {

struct SearchRequest {
    std::string text;
    bool caseSensitive = false;
    bool operator==(const SearchRequest&) const = default;
};

// What the dialog opens with: the last search; the case option only counts with a last text.
SearchRequest SearchDialogPreset(const VocSearch& search);
// After the dialog's OK: the search takes text and option and starts again from the first entry.
void RestartSearch(VocSearch& search, const SearchRequest& request);

} // namespace qor
