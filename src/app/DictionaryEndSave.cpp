#include "app/DictionaryEndSave.h"

#include "app/SettingsKeys.h"
#include "app/SettingsWrites.h"
#include "dictionary/TXDatabase.h"

namespace qor {

void SaveDictionaryAtEnd(TXDatabase& dictionary, WriteProtection protection, DictionaryDialogs& dialogs,
                         RegistryStore& registry) {
    dictionary.SaveChanged(protection, dialogs);
    SettingsWriter& writer = SettingsWrites();
    const struct {
        DictionaryDirection direction;
        const char* value;
    } halves[] = {{DictionaryDirection::FrenchGerman, "Datenbank1"},
                  {DictionaryDirection::GermanFrench, "Datenbank2"}};
    for (const auto& half : halves) {
        const std::string& saved = dictionary.SavedPath(half.direction);
        if (!saved.empty())
            writer.WriteRegistryText(registry, kFoldersKey, half.value, saved);
    }
}

std::optional<std::string> FileChooserDictionaryDialogs::AskSavePath(std::string_view,
                                                                     std::string_view proposedName,
                                                                     std::string_view filter) {
    FileChoiceRequest request;
    request.proposedName = std::string(proposedName);
    request.filter = std::string(filter);
    return m_save.ChooseFile(request);
}

std::optional<std::string> FileChooserDictionaryDialogs::AskOpenPath(std::string_view proposedName) {
    FileChoiceRequest request;
    request.proposedName = std::string(proposedName);
    return m_open.ChooseFile(request);
}

} // namespace qor
