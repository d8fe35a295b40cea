#include "editor/SearchRequest.h"

namespace qor {

SearchRequest SearchDialogPreset(const VocSearch& search) {
    return {search.text, !search.text.empty() && search.caseSensitive};
}

void RestartSearch(VocSearch& search, const SearchRequest& request) {
    search = VocSearch{};
    search.text = request.text;
    search.caseSensitive = request.caseSensitive;
}

} // namespace qor
