#pragma once
// Choosing a library file, as the editor and the settings window do: "Öffnen..." and
// "Hinzufügen..." start in the vocabulary folder, and a library from another folder makes that
// folder the vocabulary folder.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

class FileChooser;

inline constexpr std::string_view kLibraryOpenFilter = "QLV Bibliotheken (*.asc)|*.asc";
inline constexpr std::string_view kLibrarySaveFilter = "Vokabel-Bibliotheken (*.asc)|*.asc";

// The chosen file, or nothing when the learner cancelled. `vocabularyFolder` follows the choice;
// `changeFolder` (may be empty) stores a new one.
std::optional<std::string> ChooseLibraryFile(FileChooser& chooser, std::string& vocabularyFolder,
                                             const std::function<void(const std::string&)>& changeFolder);

} // namespace qor
