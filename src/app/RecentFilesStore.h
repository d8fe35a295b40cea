#pragma once
// The recent library files in the registry: key "...\Dateien", values "0" (newest) to "3".

#include "platform/RegistryStore.h"
#include "vocab/TLastFiles.h"

namespace qor {

// Adds the values "3", "2", "1", "0" in this order, so entry "0" ends up first.
void ReadRecentFiles(const RegistryStore& registry, TLastFiles& files);
// Writes entries 0 to 3 to the values "0" to "3".
void WriteRecentFiles(RegistryStore& registry, const TLastFiles& files);

} // namespace qor
