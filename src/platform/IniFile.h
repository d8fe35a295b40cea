#pragma once
// An ini file with the semantics of the Windows private-profile functions: sections and keys
// compared without regard to case, values kept as written (surrounding blanks trimmed), the file
// in Windows-1252 with CRLF line ends. Every write goes straight to disk through a temporary file
// and a rename, like WritePrivateProfileString; lines the reader does not understand are kept.
// As in Windows, a section that appears twice is only searched (and written) at its first place,
// a value in matching quotes reads without them, and a UTF-8 file with a byte order mark is read
// as UTF-8 (and written back in Windows-1252).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class IniFile {
public:
    // `nativePath` is a file-system path (UTF-8).
    explicit IniFile(std::string nativePath);

    bool Exists() const;
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // GetPrivateProfileInt: the fallback when the key is missing, else the leading decimal number
    // of the value (0 when it has none).
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;

    // False when the file could not be written; the file on disk is then unchanged. Also false for
    // what could not be read back: an empty section or key, a line break anywhere, a key holding
    // '=' or starting with ';' or '['. A value in matching quotes reads back without them.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInteger(std::string_view section, std::string_view key, std::int32_t value);

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// The parsed form of an ini text, shared by the reader and the fuzz target.
struct IniLine {
    enum class Kind { Section, Entry, Other } kind = Kind::Other;
    std::string name;  // section or key, as written
    std::string value; // entry value, trimmed
    std::string raw;   // the line as it stood (without line end)
};
std::vector<IniLine> ParseIniText(std::string_view text);

} // namespace qor
