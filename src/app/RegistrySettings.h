#pragma once
// Reading the registry at start-up: backdrop colour, hints, folders, data files, recent files.

#include "app/AppSettings.h"
#include "platform/RegistryStore.h"
#include "vocab/TLastFiles.h"

#include <functional>
#include <string>
#include <vector>

namespace qor {

using DriveRootsProvider = std::function<std::vector<std::string>()>;

// Fills `settings` from `registry`; the program file must already be set. The drive roots are asked
// for only when no wave folder is found otherwise. `recentFiles` (when given) receives the recent
// library files. Missing values take their defaults silently; saves mask 2 when the registered wave
// folder is taken and mask 8 when the registered program path is not the running one.
void ReadRegistrySettings(AppSettings& settings, RegistryStore& registry,
                          const DriveRootsProvider& driveRoots, TLastFiles* recentFiles);

} // namespace qor
