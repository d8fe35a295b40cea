#pragma once
// The library file format: ten CRLF-terminated lines per entry, no header.
//   Vokabel, Bedeutung0, Bedeutung1, Kontext0, KtxDazu0, Kontext1, KtxDazu1, Wortart, Deutsch,
//   Schwierigkeit (flags "-1"/"0", numbers in decimal)
// The reader also accepts what older editors left behind: a ".wav" line before the first meaning
// and a context sentence that slipped one line down (see ParseAsc), and what today's editors
// leave: one empty line at the end of the file.

#include "vocab/TVokabel.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct AscContent {
    std::vector<TVokabel> entries;
    // A number could not be read or the difficulty line was empty; `entries` holds what came
    // before the damaged entry.
    bool damaged = false;
};

AscContent ParseAsc(std::string_view bytes);

// The entries in file form (texts as stored, untrimmed).
std::string FormatAsc(const std::vector<TVokabel>& entries);
std::string FormatAscEntry(const TVokabel& entry);

// Cuts a text file into lines: CR LF, a lone CR and a lone LF each end a line; a last line without
// an end counts as well.
class TextLines {
public:
    explicit TextLines(std::string_view bytes) : m_bytes(bytes) {}
    bool AtEnd() const { return m_position >= m_bytes.size(); }
    // The next line; at the end an empty one (as reading past the end of a text file gives).
    std::string_view Next();
    // What has not been read yet.
    std::string_view Rest() const { return m_bytes.substr(std::min(m_position, m_bytes.size())); }

private:
    std::string_view m_bytes;
    std::size_t m_position = 0;
};

} // namespace qor
