#pragma once
// The file dialogs the dictionary opens while saving, exporting and importing. The front end shows
// the real ones; tests answer from a list. Nothing comes back for Cancel.

#include <optional>
#include <string>
#include <string_view>

namespace qor {

class DictionaryDialogs {
public:
    virtual ~DictionaryDialogs() = default;
    // A save-file dialog; `title` and `filter` ("QOR Wörterbücher (*.qor)|*.qor)") may be empty.
    virtual std::optional<std::string> AskSavePath(std::string_view title, std::string_view proposedName,
                                                   std::string_view filter) = 0;
    // An open-file dialog proposing `proposedName` ("*.txt").
    virtual std::optional<std::string> AskOpenPath(std::string_view proposedName) = 0;
};

} // namespace qor
