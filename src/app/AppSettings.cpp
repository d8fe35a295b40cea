#include "app/AppSettings.h"

#include "app/SettingsWrites.h"
#include "platform/WinPath.h"

namespace qor {

AppSettings& Settings() {
    static AppSettings settings;
    return settings;
}

void ResetSettings() {
    Settings() = AppSettings{};
    SettingsWrites().Reset();
}

void SetProgramFile(AppSettings& settings, std::string_view programFile) {
    settings.programFile = std::string(programFile);
    settings.programFolder = FolderPart(programFile);
}

std::string QorIniPath(const AppSettings& settings) {
    if (settings.programFolder.empty())
        return {};
    return WithTrailingSeparator(settings.programFolder) + std::string(kIniFileName);
}

bool IsNetworkPath(std::string_view programPath) {
    return programPath.starts_with("\\\\");
}

} // namespace qor
