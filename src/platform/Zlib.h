#pragma once
// The program's own data files (packed pages, built-in blocks, dictionaries, user and recording
// files) are standard zlib streams with header and checksum. Inflating is always bounded: a
// damaged or hostile file must never make us allocate without limit.

#include <cstddef>
#include <string>
#include <string_view>

namespace qor {

enum class InflateStatus {
    Ok,        // a complete stream; bytes after its end are ignored
    Truncated, // the data ended before the stream did
    Corrupt,   // not a zlib stream, or a checksum or data error
    TooLarge,  // the inflated text would exceed the limit
};

// Inflates the zlib stream `compressed` into `text` (replaced). On any status but Ok, `text` is
// left empty.
InflateStatus InflateZlib(std::string_view compressed, std::string& text, std::size_t limit);

// Inflates every gzip member of `compressed` in turn (dictd's article data is gzip); the same
// statuses, `text` left empty on any but Ok. Empty input is Truncated.
InflateStatus InflateGzip(std::string_view compressed, std::string& text, std::size_t limit);

// The zlib stream of `text` at zlib's default level (the level the program writes its files with).
std::string DeflateZlib(std::string_view text);

} // namespace qor
