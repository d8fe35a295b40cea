#pragma once
// The two file forms of a dictionary half. Compressed (".qor", ".xtm"): one zlib stream holding,
// per entry, headword, word-class character and meaning, each ended by a 0 byte. Text (any other
// extension): three CR LF lines per entry, headword, decimal word class, meaning.

#include "dictionary/TXDBEintrag.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The entry texts as a file holds them, before AddEntry trims and checks them.
struct DictionaryFileEntry {
    std::string word;
    std::string wordClass;
    std::string meaning;
    bool operator==(const DictionaryFileEntry&) const = default;
};

enum class DictionaryFileForm { Compressed, Text };

// ".qor" and ".xtm" exactly (so "A.QOR" is a text dictionary).
DictionaryFileForm FileFormOfPath(std::string_view path);

// A dictionary larger than this once inflated is taken as damaged.
inline constexpr std::size_t kMaxDictionaryBytes = std::size_t{256} << 20;

// Walks inflated content: headword to its 0 byte, the one-character class string after it, the
// meaning from two bytes after the headword's terminator to its own 0 byte; stops when fewer than
// two bytes remain. Empty content gives the one entry "_leer" / "0" / "leer". A last entry cut off
// before a terminator keeps what is there.
std::vector<DictionaryFileEntry> ParseDictionaryContent(std::string_view content);

// The inflated content of `entries` (the word class as the character '0' + class); a text is
// written up to a 0 byte it may hold.
std::string DictionaryContent(const std::vector<TXDBEintrag>& entries);

// Text lines (CR LF, LF or CR ends) in threes; missing lines of a last incomplete entry are empty.
std::vector<DictionaryFileEntry> ParseTextDictionary(std::string_view text);

// The lines of a text file: CR LF, a lone LF and a lone CR each end a line; a line break at the
// very end does not start another line.
std::vector<std::string_view> SplitTextLines(std::string_view text);

} // namespace qor
