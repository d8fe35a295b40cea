#pragma once
// The language lab's settings in the registry: the theme last used and the three switches.

#include <string_view>

namespace qor {

class RegistryStore;

struct LabSettings {
    int thema = 0;
    bool diktat = true;
    bool deutsch = true;
    bool automatik = false;
    bool operator==(const LabSettings&) const = default;
};

// "SOFTWARE\QOR\qor französisch\Sprachlabor" (Windows-1252), local-machine hive.
std::string_view LabSettingsKey();

// All four values, or the defaults as a whole when any of them is missing or not an integer: a
// half-written key is not trusted. The theme is taken as stored; the lab checks its range.
LabSettings ReadLabSettings(const RegistryStore& registry);
// Booleans are written as 0 and 1. Failures are ignored: the settings are not worth a message.
void WriteLabSettings(RegistryStore& registry, const LabSettings& settings);

} // namespace qor
