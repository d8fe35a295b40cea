#include "app/IniSettings.h"

#include "app/FolderSettings.h"
#include "app/SettingsWrites.h"
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/IniFile.h"
#include "platform/WinPath.h"

#include <cctype>

namespace qor {

namespace {

// GetPrivateProfileInt: the leading decimal number of the value, 0 when it has none.
std::int32_t LeadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    std::int64_t value = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && value < (1LL << 32))
        value = value * 10 + (text[i++] - '0');
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::string ReadFolder(const IniFile& ini, std::string_view section, std::string_view key,
                       const AppSettings& settings) {
    return FolderFromIniText(SettingsWrites().ReadIniValue(ini, section, key).value_or(std::string()),
                             settings.programFolder);
}

void Warn(std::string text) {
    ShowAppMessage(text, 0);
}

void ReadUserFolder(const IniFile& ini, AppSettings& settings) {
    settings.userFolder = ReadFolder(ini, kIniCommonSection, "Benutzer-Verzeichnis", settings);
    if (settings.userFolder.empty() || DirectoryExists(settings.userFolder))
        return;
    Warn("Das Benutzer-Verzeichnis " + settings.userFolder + " wurde nicht gefunden!\r" +
         std::string("Für die Benutzerverwaltung wird auf das lokale Verzeichnis zurückgegriffen."_cp));
    settings.userFolder.clear();
}

void ReadWaveFolder(const IniFile& ini, AppSettings& settings) {
    std::string folder = ReadFolder(ini, kIniProductSection, "Wave-Verzeichnis", settings);
    if (folder.empty())
        return;
    if (!DirectoryExists(folder)) {
        Warn("Das Wave-Verzeichnis " + folder + " wurde nicht gefunden!");
        return;
    }
    settings.waveFolder = WithTrailingSeparator(folder);
}

// A recordings folder that is configured but missing becomes "-", so that its prefix resolves to
// nothing instead of asking for a folder.
void ReadRecordingsFolder(const IniFile& ini, std::string_view key, std::string_view area,
                          const AppSettings& settings, std::string& folder) {
    folder = ReadFolder(ini, kIniProductSection, key, settings);
    if (folder.empty() || DirectoryExists(folder))
        return;
    Warn(std::string("Das Verzeichnis für die "_cp) + std::string(area) + "-Sprachaufnahmen " + folder +
         " wurde nicht gefunden!");
    folder = "-";
}

void ReadWriteProtection(IniFile& ini, AppSettings& settings) {
    auto value = SettingsWrites().ReadIniValue(ini, kIniCommonSection, "Schreibschutz");
    if (value) {
        settings.writeProtection = LeadingInteger(*value) == 1;
        return;
    }
    settings.writeProtection = false;
    SettingsWrites().WriteIniInteger(ini, kIniCommonSection, "Schreibschutz", 0);
}

void ReadRegisterRequest(IniFile& ini, AppSettings& settings) {
    if (settings.shortcutRequest)
        return;
    auto value = SettingsWrites().ReadIniValue(ini, kIniProductSection, "Register");
    if (!value || LeadingInteger(*value) != 1)
        return;
    SettingsWrites().WriteIniInteger(ini, kIniProductSection, "Register", 0);
    settings.shortcutRequest = true;
}

} // namespace

void ReadQorIni(AppSettings& settings) {
    std::string iniPath = QorIniPath(settings);
    if (iniPath.empty() || !FileExists(iniPath))
        return;
    IniFile ini(NativePath(iniPath).string());
    ReadUserFolder(ini, settings);
    ReadWaveFolder(ini, settings);
    ReadRecordingsFolder(ini, "Aufnahmen Recht", "RECHT", settings, settings.lawRecordingsFolder);
    ReadRecordingsFolder(ini, "Aufnahmen Wirtschaft", "WIRTSCHAFT", settings, settings.businessRecordingsFolder);
    ReadWriteProtection(ini, settings);
    ReadRegisterRequest(ini, settings);
}

} // namespace qor
