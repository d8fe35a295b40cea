#pragma once
// The shell services the program asks for: launcher links and opening web addresses.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The folders a launcher can be placed in, by the program's place numbers: 0 desktop,
// 1 quick-launch bar, 2 "send to", 3 start menu, 4 programs menu. An empty text when the place
// does not exist on this system. On Linux: the XDG desktop folder for 0, the applications menu
// folder ($XDG_DATA_HOME/applications) for 3 and 4, nothing for 1 and 2. `home` overrides $HOME.
// The desktop is $XDG_DESKTOP_DIR, else the XDG_DESKTOP_DIR line of user-dirs.dirs (a German
// desktop is "Schreibtisch"), else ~/Desktop, and only when it exists; the applications folder is
// created when missing. The result is a native path (UTF-8).
std::string ShellFolder(int place, const std::string& home = {});

// Creates a launcher for `programPath` titled `title` at `place` (see ShellFolder): on Linux a
// desktop entry "<title>.desktop", replacing one of that name, that runs the program with no
// terminal. Returns whether one was written.
bool CreateShellLink(std::string_view programPath, std::string_view title, int place,
                     const std::string& home = {});

// The mounted media that stand in for the drive letters D: to Y: in the search for the data
// medium, in a stable order, each ending in a separator: the folders under /media/<user>,
// /run/media/<user>, /media and /mnt. QOR_DRIVE_ROOTS (a ':'-separated list) replaces them.
std::vector<std::string> DriveRoots();

// Opens a web address in the learner's browser. The front end says how (the desktop's browser); a
// scripted run only notes the addresses, so that no browser opens in a test.
using WebAddressOpener = std::function<bool(std::string_view url)>;
void SetWebAddressOpener(WebAddressOpener opener);
// False when it could not be opened, or before the front end set an opener.
bool OpenWebAddress(std::string_view url);

} // namespace qor
