#include "vocab/lab/LabSettings.h"

#include "platform/Cp1252.h"
#include "platform/RegistryStore.h"

namespace qor {

std::string_view LabSettingsKey() {
    return "SOFTWARE\\QOR\\qor französisch\\Sprachlabor"_cp;
}

LabSettings ReadLabSettings(const RegistryStore& registry) {
    const std::string_view key = LabSettingsKey();
    auto thema = registry.ReadInteger(key, "Thema");
    auto diktat = registry.ReadInteger(key, "Diktat");
    auto deutsch = registry.ReadInteger(key, "Deutsch");
    auto automatik = registry.ReadInteger(key, "Automatik");
    if (!thema || !diktat || !deutsch || !automatik)
        return LabSettings{};
    return LabSettings{*thema, *diktat != 0, *deutsch != 0, *automatik != 0};
}

void WriteLabSettings(RegistryStore& registry, const LabSettings& settings) {
    const std::string_view key = LabSettingsKey();
    registry.WriteInteger(key, "Thema", settings.thema);
    registry.WriteInteger(key, "Diktat", settings.diktat ? 1 : 0);
    registry.WriteInteger(key, "Deutsch", settings.deutsch ? 1 : 0);
    registry.WriteInteger(key, "Automatik", settings.automatik ? 1 : 0);
}

} // namespace qor
