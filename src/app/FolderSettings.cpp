#include "app/FolderSettings.h"

#include "app/SettingsWrites.h"
#include "platform/Cp1252.h"
#include "platform/IniFile.h"
#include "platform/WinPath.h"

namespace qor {

namespace {

bool IsAbsoluteFolder(std::string_view text) {
    return (!text.empty() && IsPathSeparator(text[0])) || (text.size() >= 2 && text[1] == ':');
}

bool IniIsWritten(int mask, const AppSettings& settings) {
    return ((mask & kSaveUserFolder) && !settings.userFolder.empty()) ||
           ((mask & kSaveWaveFolder) && !settings.waveFolder.empty()) ||
           ((mask & kSaveBusinessRecordings) && !settings.businessRecordingsFolder.empty()) ||
           ((mask & kSaveLawRecordings) && !settings.lawRecordingsFolder.empty() &&
            !IsNetworkPath(settings.programFile));
}

// A recordings folder marked "-" (configured but missing) is cleared in the ini; otherwise it is
// written only when its bit asks for it.
void WriteRecordingsFolder(SettingsWriter& writer, IniFile& ini, std::string_view key,
                           const std::string& folder, bool requested, const AppSettings& settings) {
    if (folder == "-")
        writer.WriteIniText(ini, kIniProductSection, key, "");
    else if (requested)
        writer.WriteIniText(ini, kIniProductSection, key, IniFolderText(folder, settings.programFolder));
}

void WriteIni(int mask, const AppSettings& settings) {
    std::string iniPath = QorIniPath(settings);
    if (iniPath.empty())
        return;
    IniFile ini(NativePath(iniPath).string());
    SettingsWriter& writer = SettingsWrites();
    writer.WriteIniText(ini, kIniCommonSection, "Benutzer-Verzeichnis",
                        IniFolderText(settings.userFolder, settings.programFolder));
    writer.WriteIniText(ini, kIniProductSection, "Wave-Verzeichnis",
                        IniFolderText(settings.waveFolder, settings.programFolder));
    WriteRecordingsFolder(writer, ini, "Aufnahmen Recht", settings.lawRecordingsFolder,
                          (mask & kSaveLawRecordings) != 0, settings);
    WriteRecordingsFolder(writer, ini, "Aufnahmen Wirtschaft", settings.businessRecordingsFolder,
                          (mask & kSaveBusinessRecordings) != 0, settings);
}

void WriteRegistry(int mask, const AppSettings& settings, RegistryStore& registry) {
    SettingsWriter& writer = SettingsWrites();
    if (mask & kSaveEditorScheme)
        writer.WriteRegistryText(registry, kFoldersKey, "Editor-Schema", settings.editorScheme);
    if ((mask & kSaveVocabularyFolder) && !settings.vocabularyFolder.empty())
        writer.WriteRegistryText(registry, kFoldersKey, "Vokabel-Dateien", settings.vocabularyFolder);
    if ((mask & kSaveOwnRecordings) && !settings.ownRecordingsFolder.empty())
        writer.WriteRegistryText(registry, kFoldersKey, "Eigene Waves", settings.ownRecordingsFolder);
    if ((mask & kSaveProgramPath) && !settings.programFolder.empty())
        writer.WriteRegistryText(registry, kFoldersKey, "Programm", settings.programFile);
}

} // namespace

std::string IniFolderText(std::string_view folder, std::string_view programFolder) {
    const std::string base = WithTrailingSeparator(programFolder);
    if (programFolder.empty() || folder.size() <= base.size() || !folder.starts_with(base))
        return std::string(folder);
    return std::string(folder.substr(base.size()));
}

std::string FolderFromIniText(std::string_view text, std::string_view programFolder) {
    if (text.empty() || programFolder.empty() || IsAbsoluteFolder(text))
        return std::string(text);
    return WithTrailingSeparator(programFolder) + std::string(text);
}

void SaveFolderSettings(int mask, const AppSettings& settings, RegistryStore& registry) {
    if (IniIsWritten(mask, settings))
        WriteIni(mask, settings);
    mask &= ~(kSaveWaveFolder | kSaveUserFolder);
    if (mask != 0)
        WriteRegistry(mask, settings, registry);
}

void SaveFolderSettings(int mask) {
    SaveFolderSettings(mask, Settings(), Registry(RegistryHive::LocalMachine));
}

} // namespace qor
