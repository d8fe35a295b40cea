#pragma once
// The process-wide settings found at start-up and read by every part of the program. Folders are
// program paths (Windows-1252, either separator) and end with a separator when they are set.

#include "app/SettingsKeys.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qor {

struct AppSettings {
    std::string programFile;              // full path of the running program file
    std::string programFolder;            // its folder
    std::string registeredProgramPath;    // registry "Programm"
    std::string pageRoot;                 // holds hqor\main.htx
    std::string waveFolder;               // holds QOR_F
    std::string ownRecordingsFolder;      // "XU:"
    std::string lawRecordingsFolder;      // "XR:"; "-" when configured but missing
    std::string businessRecordingsFolder; // "XW:"; "-" when configured but missing
    std::string userFolder;               // empty: the user database uses its local folder
    std::string vocabularyRoot;           // program folder + "Vokabeln (F)\"
    std::string vocabularyFolder;         // last used vocabulary folder
    std::string editorScheme = "default";
    std::string frenchGermanFile;   // "Datenbank1"
    std::string germanFrenchFile;   // "Datenbank2"
    std::string recordingIndexFile; // "Datenbank3"
    std::int32_t backdropColour = kDefaultBackdropColour;
    bool hintsOn = true;
    bool writeProtection = false;
    bool shortcutRequest = false;
    bool editorMode = false;
};

AppSettings& Settings();
// Back to the defaults, and forgets the settings that could not be written (tests).
void ResetSettings();

// Sets the program file and the program folder derived from it.
void SetProgramFile(AppSettings& settings, std::string_view programFile);

// qor.ini beside the program file; empty while the program folder is unknown.
std::string QorIniPath(const AppSettings& settings);

// A program started from a network path ("\\server\...") keeps no ini file.
bool IsNetworkPath(std::string_view programPath);

} // namespace qor
