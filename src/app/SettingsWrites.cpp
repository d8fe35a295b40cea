#include "app/SettingsWrites.h"

#include "platform/AppMessage.h"
#include "platform/Cp1252.h"

#include <sstream>

namespace qor {

SettingsWriter& SettingsWrites() {
    static SettingsWriter writer;
    return writer;
}

SettingsWriter::IniSlot SettingsWriter::SlotOf(const IniFile& ini, std::string_view section,
                                               std::string_view key) {
    return {ini.Path(), LowerCp1252(section), LowerCp1252(key)};
}

bool SettingsWriter::WriteIniText(IniFile& ini, std::string_view section, std::string_view key,
                                  std::string_view value) {
    IniSlot slot = SlotOf(ini, section, key);
    if (!ini.WriteString(section, key, value)) {
        m_unsavedIni[slot] = UnsavedValue{std::string(section), std::string(key), std::string(value)};
        ReportOnce("ini:" + ini.Path(), Cp1252FromUtf8(ini.Path()));
        return false;
    }
    m_unsavedIni.erase(slot);
    RetryUnsaved(ini);
    return true;
}

bool SettingsWriter::WriteIniInteger(IniFile& ini, std::string_view section, std::string_view key,
                                     std::int32_t value) {
    return WriteIniText(ini, section, key, std::to_string(value));
}

void SettingsWriter::RetryUnsaved(IniFile& ini) {
    for (auto it = m_unsavedIni.begin(); it != m_unsavedIni.end();) {
        const auto& [path, section, key] = it->first;
        if (path == ini.Path() && ini.WriteString(it->second.section, it->second.key, it->second.value))
            it = m_unsavedIni.erase(it);
        else
            ++it;
    }
}

bool SettingsWriter::WriteRegistryText(RegistryStore& store, std::string_view key, std::string_view name,
                                       std::string_view value) {
    if (store.WriteText(key, name, value))
        return true;
    std::ostringstream id;
    id << "registry:" << static_cast<const void*>(&store);
    ReportOnce(id.str(), key);
    return false;
}

bool SettingsWriter::WriteRegistryInteger(RegistryStore& store, std::string_view key, std::string_view name,
                                          std::int32_t value) {
    if (store.WriteInteger(key, name, value))
        return true;
    std::ostringstream id;
    id << "registry:" << static_cast<const void*>(&store);
    ReportOnce(id.str(), key);
    return false;
}

std::optional<std::string> SettingsWriter::ReadIniValue(const IniFile& ini, std::string_view section,
                                                        std::string_view key) const {
    auto unsaved = m_unsavedIni.find(SlotOf(ini, section, key));
    if (unsaved != m_unsavedIni.end())
        return unsaved->second.value;
    return ini.Read(section, key);
}

void SettingsWriter::ReportOnce(const std::string& store, std::string_view where) {
    if (!m_reported.insert(store).second)
        return;
    std::string text = "Die Einstellungen konnten nicht gespeichert werden: ";
    text += where;
    text += '\r';
    text += "Sie gelten nur bis zum Ende dieser Sitzung.";
    ShowAppMessage(text, kMbIconExclamation);
}

void SettingsWriter::Reset() {
    m_unsavedIni.clear();
    m_reported.clear();
}

} // namespace qor
