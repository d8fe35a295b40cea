#include "platform/IniFile.h"

#include "platform/Cp1252.h"
#include "platform/WinPath.h"

#include <filesystem>

namespace qor {

namespace {

constexpr std::uintmax_t kMaximumIniSize = 16u << 20;

// The blanks the private-profile functions trim; Ctrl-Z is among them as an old end-of-file mark.
bool IsProfileSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsProfileSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsProfileSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

IniLine ClassifyLine(std::string_view raw) {
    IniLine line;
    line.raw = raw;
    std::string_view text = Trimmed(raw);
    if (text.empty() || text.front() == ';')
        return line;
    if (text.front() == '[') {
        // The name runs to the last ']'; a header without one is read as an ordinary line.
        std::size_t close = text.rfind(']');
        if (close != std::string_view::npos && close > 0) {
            line.kind = IniLine::Kind::Section;
            line.name = text.substr(1, close - 1);
            return line;
        }
    }
    std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return line;
    std::string_view name = Trimmed(text.substr(0, equals));
    if (name.empty())
        return line;
    line.kind = IniLine::Kind::Entry;
    line.name = name;
    line.value = Trimmed(text.substr(equals + 1));
    return line;
}

struct EntryPosition {
    std::size_t section = std::string::npos; // index of the section line
    std::size_t entry = std::string::npos;   // index of the key line
    std::size_t end = 0;                     // first line after the section
};

// Only the first section of a name is searched, as Windows does with duplicated sections.
EntryPosition Locate(const std::vector<IniLine>& lines, std::string_view section, std::string_view key) {
    EntryPosition position;
    section = Trimmed(section);
    key = Trimmed(key);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == IniLine::Kind::Section && SameTextInsensitive(lines[i].name, section)) {
            position.section = i;
            break;
        }
    }
    if (position.section == std::string::npos)
        return position;
    std::size_t i = position.section + 1;
    for (; i < lines.size() && lines[i].kind != IniLine::Kind::Section; ++i)
        if (position.entry == std::string::npos && lines[i].kind == IniLine::Kind::Entry &&
            SameTextInsensitive(lines[i].name, key))
            position.entry = i;
    position.end = i;
    return position;
}

// Windows drops one pair of matching quotes around a value.
std::string WithoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return std::string(value.substr(1, value.size() - 2));
    return std::string(value);
}

// A line added by a write; it is only ever turned back into text.
IniLine OtherLine(std::string raw) {
    IniLine line;
    line.raw = std::move(raw);
    return line;
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

std::vector<IniLine> ParseIniText(std::string_view text) {
    // A file saved by an editor as UTF-8 announces itself with a byte order mark; its text is
    // taken into the program's own encoding (and written back that way).
    std::string converted;
    if (text.starts_with("\xEF\xBB\xBF")) {
        converted = Cp1252FromUtf8(text.substr(3));
        text = converted;
    }
    std::vector<IniLine> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view raw = text.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        lines.push_back(ClassifyLine(raw));
        start = end + 1;
    }
    return lines;
}

IniFile::IniFile(std::string nativePath) : m_path(std::move(nativePath)) {}

bool IniFile::Exists() const {
    std::error_code error;
    return std::filesystem::is_regular_file(m_path, error);
}

std::optional<std::string> IniFile::Read(std::string_view section, std::string_view key) const {
    std::string text;
    if (Trimmed(key).empty() || !ReadWholeNativeFile(m_path, text, kMaximumIniSize))
        return std::nullopt;
    std::vector<IniLine> lines = ParseIniText(text);
    EntryPosition position = Locate(lines, section, key);
    if (position.entry == std::string::npos)
        return std::nullopt;
    return WithoutQuotes(lines[position.entry].value);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    auto value = Read(section, key);
    return value ? *value : std::string(fallback);
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t fallback) const {
    auto value = Read(section, key);
    if (!value)
        return fallback;
    std::string_view text = *value;
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Digits beyond 32 bits wrap around, as in the Windows conversion.
    std::uint32_t number = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        number = number * 10u + static_cast<std::uint32_t>(c - '0');
    }
    if (negative)
        number = 0u - number;
    return static_cast<std::int32_t>(number);
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    section = Trimmed(section);
    key = Trimmed(key);
    // Names and values that would not read back as written are refused rather than written.
    if (section.empty() || key.empty() || HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value) ||
        key.find('=') != std::string_view::npos || key.front() == ';' || key.front() == '[')
        return false;

    std::string text;
    std::error_code error;
    bool present = std::filesystem::exists(std::filesystem::symlink_status(m_path, error));
    // A file that is there but cannot be read is never replaced by one holding only this key.
    if (present && !ReadWholeNativeFile(m_path, text, kMaximumIniSize))
        return false;
    std::vector<IniLine> lines = ParseIniText(text);

    std::string entry = std::string(key) + "=" + std::string(value);
    EntryPosition position = Locate(lines, section, key);
    if (position.entry != std::string::npos) {
        lines[position.entry].raw = lines[position.entry].name + "=" + std::string(value);
    } else if (position.section != std::string::npos) {
        std::size_t insertAt = position.end;
        while (insertAt > position.section + 1 && Trimmed(lines[insertAt - 1].raw).empty())
            --insertAt;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), OtherLine(entry));
    } else {
        if (!lines.empty() && !Trimmed(lines.back().raw).empty())
            lines.push_back(IniLine{});
        lines.push_back(OtherLine("[" + std::string(section) + "]"));
        lines.push_back(OtherLine(entry));
    }

    std::string out;
    for (const IniLine& line : lines)
        out += line.raw + "\r\n";
    return WriteFileAtomically(m_path, out);
}

bool IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    return WriteString(section, key, std::to_string(value));
}

} // namespace qor
