#pragma once
// The dialogs the editor opens, as the core sees them: a scripted set in tests, the Qt ones on screen.

#include "editor/ImportSettings.h"
#include "editor/SearchRequest.h"
#include "settings/FileChooser.h"

#include <optional>

namespace qor {

// "Zufällig erzeugen": how large the random library gets and what it draws.
struct RandomLibraryRequest {
    int size = 40;         // 40..800
    int fremdShare = 50;   // percent of entries drawn from the French-German half
    bool idioms = true;    // "Redewendungen"
    bool sortAfter = true; // "Alphabetisch sortieren"
    bool operator==(const RandomLibraryRequest&) const = default;
};

class EditorDialogs {
public:
    virtual ~EditorDialogs() = default;
    virtual FileChooser& OpenFileChooser() = 0;
    // A save dialog (asks before overwriting).
    virtual FileChooser& SaveFileChooser() = 0;
    // "Import-Assistent" with its two texts preset; nothing when cancelled.
    virtual std::optional<ImportSettings> ImportAssistant(const ImportSettings& preset) = 0;
    // "In Bibliothek suchen"; nothing when cancelled.
    virtual std::optional<SearchRequest> SearchDialog(const SearchRequest& preset) = 0;
    // "Zufällig erzeugen"; nothing when cancelled.
    virtual std::optional<RandomLibraryRequest> RandomLibraryDialog() = 0;
};

} // namespace qor
