#include "app/RecentFilesStore.h"

#include "app/SettingsKeys.h"
#include "app/SettingsWrites.h"

#include <string>

namespace qor {

void ReadRecentFiles(const RegistryStore& registry, TLastFiles& files) {
    for (int index = TLastFiles::kCount - 1; index >= 0; --index)
        files.Add(registry.ReadText(kRecentFilesKey, std::to_string(index), ""));
}

void WriteRecentFiles(RegistryStore& registry, const TLastFiles& files) {
    for (int index = 0; index < TLastFiles::kCount; ++index)
        SettingsWrites().WriteRegistryText(registry, kRecentFilesKey, std::to_string(index),
                                           files.Item(index));
}

} // namespace qor
