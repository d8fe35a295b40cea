#include "app/DriveSearch.h"

#include "app/FolderSettings.h"
#include "platform/Shell.h"
#include "platform/WinPath.h"

namespace qor {

namespace {

std::string WaveFolderOf(const std::string& root) {
    return WithTrailingSeparator(root) + "wave" + kPathSeparator;
}

} // namespace

bool HoldsWaveMarker(const std::string& folder) {
    return !folder.empty() && FileExists(WithTrailingSeparator(folder) + std::string(kWaveMarkerFile));
}

bool IsDataDriveRoot(const std::string& root) {
    std::string base = WithTrailingSeparator(root);
    return HoldsWaveMarker(WaveFolderOf(root)) &&
           DirectoryExists(base + "Vokabeln (F)" + kPathSeparator + "Grundwortschatz" + kPathSeparator);
}

bool SearchDataDrive(AppSettings& settings, RegistryStore& registry, const std::vector<std::string>& roots) {
    if (HoldsWaveMarker(settings.waveFolder))
        return true;
    std::size_t tried = 0;
    for (const std::string& root : roots) {
        if (tried++ == kDriveSearchLimit)
            break;
        if (IsDataDriveRoot(root)) {
            settings.waveFolder = WaveFolderOf(root);
            SaveFolderSettings(kSaveWaveFolder, settings, registry);
            return true;
        }
    }
    return false;
}

bool SearchDataDrive() {
    return SearchDataDrive(Settings(), Registry(RegistryHive::LocalMachine), DriveRoots());
}

} // namespace qor
