#include "app/DictionaryEndSave.h"

#include "app/RecoveryCopies.h"
#include "app/SettingsKeys.h"
#include "app/SettingsWrites.h"
#include "dictionary/TXDatabase.h"
#include "platform/Cp1252.h"
#include "platform/WinPath.h"

namespace qor {

namespace {

const struct {
    DictionaryDirection direction;
    const char* value;
    std::string_view name;
} kHalves[] = {{DictionaryDirection::FrenchGerman, "Datenbank1", "Das Wörterbuch Französisch-Deutsch"_cp},
               {DictionaryDirection::GermanFrench, "Datenbank2", "Das Wörterbuch Deutsch-Französisch"_cp}};

void SaveWithoutQuestions(TXDatabase& dictionary) {
    for (const auto& half : kHalves) {
        if (!dictionary.Modified(half.direction) || dictionary.SaveHalfQuietly(half.direction))
            continue;
        std::string fileName = FileNamePart(dictionary.FilePath(half.direction));
        if (fileName.empty())
            fileName = half.direction == DictionaryDirection::FrenchGerman ? "f_d.qor" : "d_f.qor";
        if (auto copy = WriteRecoveryCopy(fileName, dictionary.HalfFileContent(half.direction)))
            NoteRecoveryForNextStart(half.name, *copy);
    }
}

} // namespace

void SaveDictionaryAtEnd(TXDatabase& dictionary, WriteProtection protection, DictionaryDialogs& dialogs,
                         RegistryStore& registry, EndQuestions questions) {
    if (questions == EndQuestions::Ask)
        dictionary.SaveChanged(protection, dialogs);
    else if (protection == WriteProtection::Off)
        SaveWithoutQuestions(dictionary);
    SettingsWriter& writer = SettingsWrites();
    for (const auto& half : kHalves) {
        const std::string& saved = dictionary.SavedPath(half.direction);
        if (!saved.empty())
            writer.WriteRegistryText(registry, kFoldersKey, half.value, saved);
    }
}

} // namespace qor
