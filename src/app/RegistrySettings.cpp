#include "app/RegistrySettings.h"

#include "app/DriveSearch.h"
#include "app/FolderSettings.h"
#include "app/RecentFilesStore.h"
#include "platform/WinPath.h"

namespace qor {

namespace {

std::string Sub(std::string_view name) {
    return std::string(name) + kPathSeparator;
}

bool HoldsMainPage(const std::string& root) {
    return !root.empty() && FileExists(root + Sub("hqor") + "main.htx");
}

void ReadProductValues(AppSettings& settings, const RegistryStore& registry) {
    settings.backdropColour = registry.ReadInteger(kProductKey, "Hintergrund", kDefaultBackdropColour);
    settings.hintsOn = registry.ReadText(kProductKey, "Online-Hilfe", "AN") != "AUS";
}

void ReadEditorScheme(AppSettings& settings, const RegistryStore& registry) {
    settings.editorScheme = registry.ReadText(kFoldersKey, "Editor-Schema", "default");
    if (!FileExists(settings.programFolder + Sub("editor") + settings.editorScheme + ".ed"))
        settings.editorScheme = "default";
}

void ReadPageRoot(AppSettings& settings, const RegistryStore& registry) {
    settings.pageRoot = WithTrailingSeparator(registry.ReadText(kFoldersKey, "HQOR", ""));
    if (!HoldsMainPage(settings.pageRoot))
        settings.pageRoot.clear();
    if (settings.pageRoot.empty()) {
        settings.pageRoot = settings.programFolder;
        if (!HoldsMainPage(settings.pageRoot))
            settings.pageRoot.clear();
    }
}

void FindWaveFolder(AppSettings& settings, RegistryStore& registry, const DriveRootsProvider& driveRoots) {
    if (!settings.waveFolder.empty())
        return;
    std::string registered = WithTrailingSeparator(registry.ReadText(kFoldersKey, "Wave-Dateien", ""));
    if (HoldsWaveMarker(registered)) {
        settings.waveFolder = registered;
        SaveFolderSettings(kSaveWaveFolder, settings, registry);
        return;
    }
    std::string drive = registry.ReadText(kFoldersKey, "CD-Laufwerk", "");
    if (!drive.empty()) {
        std::string onDrive = drive + Sub("wave");
        if (HoldsWaveMarker(onDrive)) {
            settings.waveFolder = onDrive;
            return;
        }
    }
    SearchDataDrive(settings, registry, driveRoots ? driveRoots() : std::vector<std::string>{});
}

std::string DataFile(const AppSettings& settings, const RegistryStore& registry, std::string_view name,
                     std::string_view defaultFile) {
    std::string file = registry.ReadText(kFoldersKey, name, "");
    if (file.empty() || !FileExists(file))
        file = settings.programFolder + std::string(defaultFile);
    return file;
}

void ReadVocabularyAndDataFiles(AppSettings& settings, const RegistryStore& registry) {
    settings.vocabularyFolder = FolderPart(registry.ReadText(kFoldersKey, "Vokabel-Dateien", ""));
    if (settings.vocabularyFolder.empty() || !DirectoryExists(settings.vocabularyFolder))
        settings.vocabularyFolder = settings.vocabularyRoot;
    settings.vocabularyFolder = WithTrailingSeparator(settings.vocabularyFolder);

    settings.ownRecordingsFolder = FolderPart(registry.ReadText(kFoldersKey, "Eigene Waves", ""));
    if (!settings.ownRecordingsFolder.empty() && !DirectoryExists(settings.ownRecordingsFolder))
        settings.ownRecordingsFolder.clear();

    settings.frenchGermanFile = DataFile(settings, registry, "Datenbank1", "f_d.qor");
    settings.germanFrenchFile = DataFile(settings, registry, "Datenbank2", "d_f.qor");
    settings.recordingIndexFile = DataFile(settings, registry, "Datenbank3", "f_w.qor");
}

} // namespace

void ReadRegistrySettings(AppSettings& settings, RegistryStore& registry,
                          const DriveRootsProvider& driveRoots, TLastFiles* recentFiles) {
    ReadProductValues(settings, registry);
    settings.registeredProgramPath = registry.ReadText(kFoldersKey, "Programm", "");
    ReadEditorScheme(settings, registry);
    ReadPageRoot(settings, registry);
    FindWaveFolder(settings, registry, driveRoots);

    std::string vocabularyRoot = settings.programFolder + Sub("Vokabeln (F)");
    settings.vocabularyRoot.clear();
    if (!settings.programFolder.empty() && DirectoryExists(vocabularyRoot + Sub("Grundwortschatz")))
        settings.vocabularyRoot = vocabularyRoot;
    if (settings.vocabularyRoot.empty())
        return;

    ReadVocabularyAndDataFiles(settings, registry);
    if (recentFiles)
        ReadRecentFiles(registry, *recentFiles);
    if (settings.registeredProgramPath != settings.programFile)
        SaveFolderSettings(kSaveProgramPath, settings, registry);
}

} // namespace qor
