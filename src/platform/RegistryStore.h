#pragma once
// A typed key store in place of the Windows registry. Keys are backslash paths compared without
// regard to case ("SOFTWARE\QOR\qor französisch\Verzeichnisse"); values are text or 32-bit integers.
// A missing value, or one of the other type, reads as absent, so callers fall back to their default.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class RegistryStore {
public:
    virtual ~RegistryStore() = default;

    virtual std::optional<std::string> ReadText(std::string_view key, std::string_view name) const = 0;
    virtual std::optional<std::int32_t> ReadInteger(std::string_view key, std::string_view name) const = 0;
    virtual bool KeyExists(std::string_view key) const = 0;
    virtual std::vector<std::string> ValueNames(std::string_view key) const = 0;

    // Writing creates the key (and its parents) when missing. False when the store could not be
    // written; the value is then still held in memory.
    virtual bool WriteText(std::string_view key, std::string_view name, std::string_view value) = 0;
    virtual bool WriteInteger(std::string_view key, std::string_view name, std::int32_t value) = 0;
    virtual bool DeleteValue(std::string_view key, std::string_view name) = 0;

    std::string ReadText(std::string_view key, std::string_view name, std::string_view fallback) const {
        auto value = ReadText(key, name);
        return value ? *value : std::string(fallback);
    }
    std::int32_t ReadInteger(std::string_view key, std::string_view name, std::int32_t fallback) const {
        return ReadInteger(key, name).value_or(fallback);
    }
};

// A registry hive kept in one text file (UTF-8, written through a temporary file and a rename).
// An unreadable or damaged file reads as empty as far as it is damaged; it is never overwritten
// until a value is written. The file looks like this:
//
//     ; comment lines start with ';' or '#'
//     [SOFTWARE\QOR\qor französisch]
//     "Hintergrund"=dword:8421504
//     "Online-Hilfe"=text:"AN"
//
// A key line holds the key path between brackets as written. Value names and texts stand in
// double quotes with the escapes \\ \" \n \r \t and \xHH (any other byte below 0x20 and 0x7F);
// integers are signed decimal. A line that does not fit is skipped when reading and dropped at
// the next write; a value written twice counts with its last line.
std::unique_ptr<RegistryStore> OpenFileRegistry(std::string nativePath);

// The parsed form of a registry file, shared by the store and the fuzz target. Texts are
// Windows-1252; key paths have no empty components; every key's parents are listed before it.
struct RegistryValue {
    std::string name;
    bool isText = true;
    std::string text;
    std::int32_t integer = 0;
    bool operator==(const RegistryValue&) const = default;
};
struct RegistryKeyData {
    std::string path;
    std::vector<RegistryValue> values;
    bool operator==(const RegistryKeyData&) const = default;
};
std::vector<RegistryKeyData> ParseRegistryText(std::string_view text);
std::string FormatRegistryText(const std::vector<RegistryKeyData>& keys);

enum class RegistryHive { LocalMachine, CurrentUser };

// The folder that holds the program's settings: $QOR_CONFIG_DIR, else $XDG_CONFIG_HOME/qor,
// else ~/.config/qor (native path, UTF-8).
std::string ConfigFolder();
// The process-wide store of a hive, opened on first use from ConfigFolder().
RegistryStore& Registry(RegistryHive hive);
// Replaces the process-wide store of a hive (tests); nullptr reopens from the config folder on next use.
void SetRegistry(RegistryHive hive, std::unique_ptr<RegistryStore> store);

} // namespace qor
