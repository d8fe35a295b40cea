#pragma once
// The import assistant's choices: the lists it offers, the texts it remembers under
// `Software\qor\Import`, and how a typed separator becomes the one the import splits at.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

class RegistryStore;
class TBibliothek;
class FileChooser;

inline constexpr std::string_view kImportKey = "Software\\qor\\Import";
inline constexpr std::string_view kImportSeparatorValue = "Trennzeichen";
inline constexpr std::string_view kImportLayoutValue = "Struktur";
inline constexpr std::string_view kImportFolderValue = "Verzeichnis";
inline constexpr std::string_view kImportFileFilter = "Text-Dateien|*.txt";

// The separator list's items; each names its character in square brackets.
std::array<std::string, 6> ImportSeparatorItems();
// The column layouts the assistant offers (the library import's column names).
std::array<std::string, 7> ImportLayoutItems();

// The texts as typed (or chosen) in the assistant, and the folder of the last imported file.
struct ImportSettings {
    std::string separator;
    std::string layout;
    std::string folder;
    bool operator==(const ImportSettings&) const = default;
};

// Missing values take the assistant's first items and no folder.
ImportSettings ReadImportSettings(const RegistryStore& registry);
void WriteImportSettings(RegistryStore& registry, const ImportSettings& settings);

// "Semikolon [;]" → ";", "[TAB]" → a tab: a text with "[" somewhere and "]" last is reduced to what
// stands between its first "[" and the "]"; then "TAB" means the tab character.
std::string ImportSeparator(std::string_view typed);

// The open dialog starts in the last import folder when it still exists, else in the vocabulary folder.
std::string ImportStartFolder(std::string_view lastFolder, std::string_view vocabularyFolder);

// After the assistant's OK: asks for the text file, imports it into the library and remembers
// the texts and the file's folder. False when the learner cancelled the file choice; the import's
// own errors are reported by the library.
bool ImportChosenFile(const ImportSettings& typed, std::string_view vocabularyFolder, FileChooser& chooser,
                      RegistryStore& registry, TBibliothek& library);

} // namespace qor
