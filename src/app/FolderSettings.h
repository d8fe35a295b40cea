#pragma once
// Writes folder settings back to qor.ini and the registry, chosen by a bit mask.

#include "app/AppSettings.h"
#include "platform/RegistryStore.h"

namespace qor {

enum FolderSettingBits : int {
    kSaveVocabularyFolder = 0x01,   // registry "Vokabel-Dateien" (only when set)
    kSaveWaveFolder = 0x02,         // ini "Wave-Verzeichnis"
    kSaveOwnRecordings = 0x04,      // registry "Eigene Waves" (only when set)
    kSaveProgramPath = 0x08,        // registry "Programm" (only when the program folder is known)
    kSaveUserFolder = 0x20,         // ini "Benutzer-Verzeichnis"
    kSaveEditorScheme = 0x40,       // registry "Editor-Schema"
    kSaveBusinessRecordings = 0x80, // ini "Aufnahmen Wirtschaft"
    kSaveLawRecordings = 0x100,     // ini "Aufnahmen Recht"
};

// A folder below the program folder is written to qor.ini relative to it ("wave/"), so that a copied
// or installed program folder keeps it; any other folder stands as it is.
std::string IniFolderText(std::string_view folder, std::string_view programFolder);
// The folder that a qor.ini text names: a relative one lies in the program folder.
std::string FolderFromIniText(std::string_view text, std::string_view programFolder);

// Each value is written on its own (see SettingsWrites.h); failures are reported, not thrown.
void SaveFolderSettings(int mask, const AppSettings& settings, RegistryStore& registry);
// With Settings() and the process-wide local-machine registry.
void SaveFolderSettings(int mask);

} // namespace qor
