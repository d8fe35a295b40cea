#include "platform/RegistryStore.h"

#include "platform/Cp1252.h"
#include "platform/WinPath.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace qor {

namespace {

// [SECTION] Key paths

// "\SOFTWARE\\QOR\" and "SOFTWARE\QOR" are the same key.
std::string NormalizedKeyPath(std::string_view path) {
    std::string out;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos)
            end = path.size();
        if (end > start) {
            if (!out.empty())
                out += '\\';
            out.append(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return out;
}

bool HasControlCharacter(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return true;
    return false;
}

template <class Keys> auto FindKey(Keys& keys, std::string_view normalizedPath) -> decltype(&keys.front()) {
    for (auto& key : keys)
        if (SameTextInsensitive(key.path, normalizedPath))
            return &key;
    return nullptr;
}

// The key of `normalizedPath`, created with its missing parents (parents come first in the list).
RegistryKeyData& EnsureKey(std::vector<RegistryKeyData>& keys, const std::string& normalizedPath) {
    std::size_t next = 0;
    while (true) {
        std::size_t end = normalizedPath.find('\\', next);
        std::string prefix = normalizedPath.substr(0, end);
        if (!FindKey(keys, prefix))
            keys.push_back(RegistryKeyData{prefix, {}});
        if (end == std::string::npos)
            return *FindKey(keys, normalizedPath);
        next = end + 1;
    }
}

RegistryValue& EnsureValue(RegistryKeyData& key, std::string_view name) {
    for (RegistryValue& value : key.values)
        if (SameTextInsensitive(value.name, name))
            return value;
    key.values.push_back(RegistryValue{std::string(name), true, {}, 0});
    return key.values.back();
}

// [SECTION] Text format

void AppendQuoted(std::string& out, std::string_view cp1252Text) {
    static constexpr char hex[] = "0123456789ABCDEF";
    out += '"';
    for (char c : Utf8FromCp1252(cp1252Text)) {
        auto b = static_cast<unsigned char>(c);
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (b < 0x20 || b == 0x7F) {
                out += "\\x";
                out += hex[b >> 4];
                out += hex[b & 0x0F];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

// Reads a quoted text at `pos` (which must hold the opening quote) and moves past its closing
// quote; the result is Windows-1252. False when the text is not well formed.
bool ReadQuoted(std::string_view line, std::size_t& pos, std::string& result) {
    if (pos >= line.size() || line[pos] != '"')
        return false;
    std::string utf8;
    for (++pos; pos < line.size(); ++pos) {
        char c = line[pos];
        if (c == '"') {
            ++pos;
            result = Cp1252FromUtf8(utf8);
            return true;
        }
        if (c != '\\') {
            utf8 += c;
            continue;
        }
        if (++pos >= line.size())
            return false;
        switch (line[pos]) {
        case '\\':
            utf8 += '\\';
            break;
        case '"':
            utf8 += '"';
            break;
        case 'n':
            utf8 += '\n';
            break;
        case 'r':
            utf8 += '\r';
            break;
        case 't':
            utf8 += '\t';
            break;
        case 'x': {
            if (pos + 2 >= line.size())
                return false;
            int high = HexDigit(line[pos + 1]);
            int low = HexDigit(line[pos + 2]);
            if (high < 0 || low < 0)
                return false;
            utf8 += static_cast<char>(high * 16 + low);
            pos += 2;
            break;
        }
        default:
            return false;
        }
    }
    return false;
}

std::string_view TrimmedLineSpace(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// Accepts -2147483648 to 4294967295 (an unsigned DWORD wraps to its signed value).
bool ParseInteger(std::string_view text, std::int32_t& result) {
    bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (text.empty() || text.size() > 10)
        return false;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    if (negative ? value > 2147483648LL : value > 4294967295LL)
        return false;
    if (negative)
        value = -value;
    result = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return true;
}

bool ParseValueLine(std::string_view line, RegistryValue& value) {
    std::size_t pos = 0;
    if (!ReadQuoted(line, pos, value.name))
        return false;
    std::string_view rest = line.substr(pos);
    if (rest.empty() || rest.front() != '=')
        return false;
    rest.remove_prefix(1);
    if (rest.starts_with("dword:")) {
        value.isText = false;
        value.text.clear();
        return ParseInteger(TrimmedLineSpace(rest.substr(6)), value.integer);
    }
    if (!rest.starts_with("text:"))
        return false;
    value.isText = true;
    value.integer = 0;
    std::size_t textPos = 0;
    rest.remove_prefix(5);
    return ReadQuoted(rest, textPos, value.text) && TrimmedLineSpace(rest.substr(textPos)).empty();
}

// [SECTION] The file-backed store

class FileRegistry : public RegistryStore {
public:
    explicit FileRegistry(std::string nativePath) : m_path(std::move(nativePath)) {
        std::string text;
        if (ReadWholeNativeFile(m_path, text, kMaximumFileSize))
            m_keys = ParseRegistryText(text);
    }

    std::optional<std::string> ReadText(std::string_view key, std::string_view name) const override {
        const RegistryValue* value = Find(key, name);
        if (!value || !value->isText)
            return std::nullopt;
        return value->text;
    }

    std::optional<std::int32_t> ReadInteger(std::string_view key, std::string_view name) const override {
        const RegistryValue* value = Find(key, name);
        if (!value || value->isText)
            return std::nullopt;
        return value->integer;
    }

    bool KeyExists(std::string_view key) const override {
        std::string path = NormalizedKeyPath(key);
        return !path.empty() && FindKey(m_keys, path);
    }

    std::vector<std::string> ValueNames(std::string_view key) const override {
        std::vector<std::string> names;
        if (const RegistryKeyData* data = FindKey(m_keys, NormalizedKeyPath(key)))
            for (const RegistryValue& value : data->values)
                names.push_back(value.name);
        return names;
    }

    bool WriteText(std::string_view key, std::string_view name, std::string_view text) override {
        RegistryValue* value = Prepare(key, name);
        if (!value)
            return false;
        value->isText = true;
        value->text = text;
        value->integer = 0;
        return Save();
    }

    bool WriteInteger(std::string_view key, std::string_view name, std::int32_t integer) override {
        RegistryValue* value = Prepare(key, name);
        if (!value)
            return false;
        value->isText = false;
        value->text.clear();
        value->integer = integer;
        return Save();
    }

    bool DeleteValue(std::string_view key, std::string_view name) override {
        RegistryKeyData* data = FindKey(m_keys, NormalizedKeyPath(key));
        if (!data)
            return false;
        auto& values = data->values;
        for (auto it = values.begin(); it != values.end(); ++it) {
            if (SameTextInsensitive(it->name, name)) {
                values.erase(it);
                return Save();
            }
        }
        return false;
    }

private:
    static constexpr std::uintmax_t kMaximumFileSize = 16u << 20;

    const RegistryValue* Find(std::string_view key, std::string_view name) const {
        const RegistryKeyData* data = FindKey(m_keys, NormalizedKeyPath(key));
        if (!data)
            return nullptr;
        for (const RegistryValue& value : data->values)
            if (SameTextInsensitive(value.name, name))
                return &value;
        return nullptr;
    }

    // The value to overwrite, created with its key; nullptr for a key path the file cannot hold.
    RegistryValue* Prepare(std::string_view key, std::string_view name) {
        std::string path = NormalizedKeyPath(key);
        if (path.empty() || HasControlCharacter(path))
            return nullptr;
        return &EnsureValue(EnsureKey(m_keys, path), name);
    }

    bool Save() {
        std::filesystem::path path(m_path);
        std::error_code error;
        if (path.has_parent_path())
            std::filesystem::create_directories(path.parent_path(), error);
        return WriteFileAtomically(path, FormatRegistryText(m_keys));
    }

    std::string m_path;
    std::vector<RegistryKeyData> m_keys;
};

std::array<std::unique_ptr<RegistryStore>, 2>& Hives() {
    static std::array<std::unique_ptr<RegistryStore>, 2> hives;
    return hives;
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return ".";
}

} // namespace

std::vector<RegistryKeyData> ParseRegistryText(std::string_view text) {
    std::vector<RegistryKeyData> keys;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    RegistryKeyData* current = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = TrimmedLineSpace(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            current = nullptr;
            if (line.size() < 2 || line.back() != ']')
                continue;
            std::string path = NormalizedKeyPath(Cp1252FromUtf8(line.substr(1, line.size() - 2)));
            // Values below a key line that cannot be used are skipped with it, not filed elsewhere.
            if (path.empty() || HasControlCharacter(path))
                continue;
            current = &EnsureKey(keys, path);
            continue;
        }
        RegistryValue value;
        if (!current || !ParseValueLine(line, value))
            continue;
        // A repeated value keeps its first spelling and takes the later contents.
        RegistryValue& target = EnsureValue(*current, value.name);
        target.isText = value.isText;
        target.text = std::move(value.text);
        target.integer = value.integer;
    }
    return keys;
}

std::string FormatRegistryText(const std::vector<RegistryKeyData>& keys) {
    std::string out = "; qor settings (UTF-8)\n";
    for (const RegistryKeyData& key : keys) {
        out += "\n[" + Utf8FromCp1252(key.path) + "]\n";
        for (const RegistryValue& value : key.values) {
            AppendQuoted(out, value.name);
            if (value.isText) {
                out += "=text:";
                AppendQuoted(out, value.text);
            } else {
                out += "=dword:" + std::to_string(value.integer);
            }
            out += '\n';
        }
    }
    return out;
}

std::unique_ptr<RegistryStore> OpenFileRegistry(std::string nativePath) {
    return std::make_unique<FileRegistry>(std::move(nativePath));
}

std::string ConfigFolder() {
    if (const char* folder = std::getenv("QOR_CONFIG_DIR"); folder && *folder)
        return folder;
    // The XDG rules ignore a relative XDG_CONFIG_HOME.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        return std::string(config) + "/qor";
    return HomeFolder() + "/.config/qor";
}

RegistryStore& Registry(RegistryHive hive) {
    auto& store = Hives()[static_cast<std::size_t>(hive)];
    if (!store) {
        const char* file = hive == RegistryHive::LocalMachine ? "local-machine.reg" : "current-user.reg";
        store = OpenFileRegistry((std::filesystem::path(ConfigFolder()) / file).string());
    }
    return *store;
}

void SetRegistry(RegistryHive hive, std::unique_ptr<RegistryStore> store) {
    Hives()[static_cast<std::size_t>(hive)] = std::move(store);
}

} // namespace qor
