#pragma once
// Every settings value is written on its own: a failed ini write never keeps the registry values
// from being written, and the other way round.
//
// When a store cannot be written — typically qor.ini in a read-only program folder — the program
// keeps running. The learner is warned once per store and session ("Die Einstellungen konnten
// nicht gespeichert werden: " + where), and the values stay in memory for the rest of the session:
// the settings themselves live in Settings(), the ini values that did not reach the file are kept
// here (ReadIniValue sees them first), and the next write to the same file that succeeds carries
// them along. The registry store keeps a value it could not write in memory by itself.

#include "platform/IniFile.h"
#include "platform/RegistryStore.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>

namespace qor {

class SettingsWriter {
public:
    bool WriteIniText(IniFile& ini, std::string_view section, std::string_view key, std::string_view value);
    bool WriteIniInteger(IniFile& ini, std::string_view section, std::string_view key, std::int32_t value);
    bool WriteRegistryText(RegistryStore& store, std::string_view key, std::string_view name,
                           std::string_view value);
    bool WriteRegistryInteger(RegistryStore& store, std::string_view key, std::string_view name,
                              std::int32_t value);

    // The value as this session knows it: one that could not be written wins over the file.
    std::optional<std::string> ReadIniValue(const IniFile& ini, std::string_view section,
                                            std::string_view key) const;
    // Whether an ini value of this session is still waiting to be written.
    bool HasUnsavedIniValues() const { return !m_unsavedIni.empty(); }

    void Reset();

private:
    using IniSlot = std::tuple<std::string, std::string, std::string>; // path, section, key (lower case)
    static IniSlot SlotOf(const IniFile& ini, std::string_view section, std::string_view key);
    void RetryUnsaved(IniFile& ini);
    void ReportOnce(const std::string& store, std::string_view where);

    struct UnsavedValue {
        std::string section; // as first written
        std::string key;
        std::string value;
    };
    std::map<IniSlot, UnsavedValue> m_unsavedIni;
    std::set<std::string> m_reported;
};

SettingsWriter& SettingsWrites();

} // namespace qor
