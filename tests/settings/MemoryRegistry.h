#pragma once
// A registry in memory for the options' tests; it can be told to refuse writing.

#include "platform/Cp1252.h"
#include "platform/RegistryStore.h"

#include <map>
#include <variant>

namespace qor::test {

class MemoryRegistry : public RegistryStore {
public:
    using Value = std::variant<std::string, std::int32_t>;
    bool refuseWrites = false;
    int writes = 0;

    std::optional<std::string> ReadText(std::string_view key, std::string_view name) const override {
        auto it = m_values.find(Id(key, name));
        if (it == m_values.end() || !std::holds_alternative<std::string>(it->second))
            return std::nullopt;
        return std::get<std::string>(it->second);
    }
    std::optional<std::int32_t> ReadInteger(std::string_view key, std::string_view name) const override {
        auto it = m_values.find(Id(key, name));
        if (it == m_values.end() || !std::holds_alternative<std::int32_t>(it->second))
            return std::nullopt;
        return std::get<std::int32_t>(it->second);
    }
    bool KeyExists(std::string_view key) const override {
        std::string prefix = UpperCp1252(key) + "|";
        for (const auto& [id, value] : m_values)
            if (id.starts_with(prefix))
                return true;
        return false;
    }
    std::vector<std::string> ValueNames(std::string_view) const override { return {}; }
    bool WriteText(std::string_view key, std::string_view name, std::string_view value) override {
        ++writes;
        if (refuseWrites)
            return false;
        m_values[Id(key, name)] = std::string(value);
        return true;
    }
    bool WriteInteger(std::string_view key, std::string_view name, std::int32_t value) override {
        ++writes;
        if (refuseWrites)
            return false;
        m_values[Id(key, name)] = value;
        return true;
    }
    bool DeleteValue(std::string_view key, std::string_view name) override {
        return m_values.erase(Id(key, name)) > 0;
    }

private:
    static std::string Id(std::string_view key, std::string_view name) {
        return UpperCp1252(key) + "|" + UpperCp1252(name);
    }
    std::map<std::string, Value> m_values;
};

} // namespace qor::test
