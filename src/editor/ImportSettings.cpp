#include "editor/ImportSettings.h"

#include "platform/Cp1252.h"
#include "platform/RegistryStore.h"
#include "platform/WinPath.h"
#include "settings/FileChooser.h"
#include "vocab/TBibliothek.h"

namespace qor {

std::array<std::string, 6> ImportSeparatorItems() {
    return {"Tabulator [TAB]", "Doppelpunkt [:]", "Bindestrich [-]",
            "Semikolon [;]",   "Komma [,]",       std::string("Schrägstrich [/]"_cp)};
}

std::array<std::string, 7> ImportLayoutItems() {
    return {"Vokabel, Bedeutung",
            "Vokabel, Bedeutung, Bedeutung",
            "Vokabel, Bedeutung, Bedeutung, Bedeutung",
            "Vokabel, Bedeutung, Wortart",
            "Vokabel, Bedeutung, Bedeutung, Kontext, Kontext",
            "Vokabel, Bedeutung, Schwierigkeit",
            "Vokabel, Bedeutung, Sonstwas, Kontext"};
}

ImportSettings ReadImportSettings(const RegistryStore& registry) {
    ImportSettings settings;
    settings.separator = registry.ReadText(kImportKey, kImportSeparatorValue, ImportSeparatorItems()[0]);
    settings.layout = registry.ReadText(kImportKey, kImportLayoutValue, ImportLayoutItems()[0]);
    settings.folder = registry.ReadText(kImportKey, kImportFolderValue, "");
    return settings;
}

void WriteImportSettings(RegistryStore& registry, const ImportSettings& settings) {
    registry.WriteText(kImportKey, kImportSeparatorValue, settings.separator);
    registry.WriteText(kImportKey, kImportLayoutValue, settings.layout);
    registry.WriteText(kImportKey, kImportFolderValue, settings.folder);
}

std::string ImportSeparator(std::string_view typed) {
    std::string separator(typed);
    const std::size_t open = typed.find('[');
    if (open != std::string_view::npos && typed.size() >= 2 && typed.back() == ']' && open < typed.size() - 1)
        separator = std::string(typed.substr(open + 1, typed.size() - 1 - (open + 1)));
    if (separator == "TAB")
        return "\t";
    return separator;
}

std::string ImportStartFolder(std::string_view lastFolder, std::string_view vocabularyFolder) {
    if (!lastFolder.empty() && DirectoryExists(lastFolder))
        return std::string(lastFolder);
    return std::string(vocabularyFolder);
}

bool ImportChosenFile(const ImportSettings& typed, std::string_view vocabularyFolder, FileChooser& chooser,
                      RegistryStore& registry, TBibliothek& library) {
    const ImportSettings remembered = ReadImportSettings(registry);
    FileChoiceRequest request;
    request.startFolder = ImportStartFolder(remembered.folder, vocabularyFolder);
    request.filter = std::string(kImportFileFilter);
    const std::optional<std::string> file = chooser.ChooseFile(request);
    if (!file || file->empty())
        return false;
    library.Import(*file, typed.layout, ImportSeparator(typed.separator));
    WriteImportSettings(registry, {typed.separator, typed.layout, FolderPart(*file)});
    return true;
}

} // namespace qor
