#pragma once
// Where the program keeps its settings: registry keys (local-machine hive), the sections of
// qor.ini and the program's titles. All texts are Windows-1252.

#include "platform/Cp1252.h"

#include <string_view>

namespace qor {

inline constexpr std::string_view kProductKey = "SOFTWARE\\QOR\\qor französisch"_cp;
inline constexpr std::string_view kFoldersKey = "SOFTWARE\\QOR\\qor französisch\\Verzeichnisse"_cp;
inline constexpr std::string_view kRecentFilesKey = "SOFTWARE\\QOR\\qor französisch\\Dateien"_cp;

inline constexpr std::string_view kIniFileName = "qor.ini";
inline constexpr std::string_view kIniCommonSection = "*qor";
inline constexpr std::string_view kIniProductSection = "qor französisch"_cp;

// The title of the application (start-up) and the caption of the editor and of every message.
inline constexpr std::string_view kApplicationTitle = "qor französisch"_cp;
inline constexpr std::string_view kProgramCaption = "*qor französisch"_cp;

// The file in the wave folder that marks it as ours.
inline constexpr std::string_view kWaveMarkerFile = "QOR_F";

inline constexpr int kDefaultBackdropColour = 8421504; // grey: red, green and blue 128

} // namespace qor
