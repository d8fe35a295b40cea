#pragma once
// The recording index file: pairs of (text, path). The program's own form is a zlib stream of
// text NUL path NUL ...; a file with any other extension than ".qor" or ".xtm" is plain text with
// the text and the path on lines of their own.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qor {

using WaveBaseEntry = std::pair<std::string, std::string>; // text, path

enum class WaveBaseFileForm { Compressed, PlainText };

// ".qor" and ".xtm" (any case) are compressed; everything else is plain text.
WaveBaseFileForm WaveBaseFormOf(std::string_view fileName);

// The entries of a compressed file. False when the stream is damaged or cut short; the entries
// whose text and path were both complete before the damage are still appended.
bool DecodeWaveBase(std::string_view compressed, std::vector<WaveBaseEntry>& entries);
// The entries of the plain form; a text on the last line without a path gets an empty path.
void ParseWaveBaseText(std::string_view text, std::vector<WaveBaseEntry>& entries);
// The compressed form of `entries`, in their order.
std::string EncodeWaveBase(const std::vector<WaveBaseEntry>& entries);

// Blanks and control characters removed from both ends (how texts are stored).
std::string TrimmedWaveText(std::string_view text);

} // namespace qor
