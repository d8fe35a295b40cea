#pragma once
// The start-up sequence: display checks, qor.ini and the registry, folders and data files, the
// long-lived objects, the log-in and the shortcuts asked for. It runs once before any window exists;
// when it fails the program ends without creating one.

#include "app/LongLivedObjects.h"
#include "app/RegistrySettings.h"
#include "platform/RegistryStore.h"
#include "platform/Screen.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

using ShellLinkCreator = std::function<bool(std::string_view programPath, std::string_view title, int place)>;

// Shell link places of the start-up.
inline constexpr int kDesktopPlace = 0;
inline constexpr int kProgramsMenuPlace = 4;

struct StartupEnvironment {
    std::string programFile; // program path of the running program; its folder is the program folder
    std::vector<std::string> arguments; // the command-line arguments after the program name
    const ScreenService* screen = nullptr;
    LongLivedObjects* objects = nullptr;
    RegistryStore* registry = nullptr; // nullptr: the process-wide local-machine store
    DriveRootsProvider driveRoots;     // empty: DriveRoots()
    ShellLinkCreator createShellLink;  // empty: CreateShellLink()
};

enum class StartupResult {
    Started,
    TooFewColours,          // refused with a message
    ScreenTooSmall,         // refused with a message
    IncompleteInstallation, // refused with a message
    DataFileMissing,        // ends silently
};

// Fills Settings() (starting from the defaults) and creates the long-lived objects.
StartupResult RunStartupSequence(const StartupEnvironment& environment);

// The refusal messages, lines separated by "\r" (first two) or "\n" (the last).
std::string TooFewColoursMessage();
std::string ScreenTooSmallMessage();
std::string IncompleteInstallationMessage();
std::string ShortcutQuestion();

} // namespace qor
