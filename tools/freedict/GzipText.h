#pragma once
// dictd keeps its article data as gzip (dictzip adds a random-access table in the header that a
// plain gzip reader skips). The program's own files are zlib streams, which platform/Zlib.h reads;
// this is the gzip counterpart for the converter only.

#include "platform/Zlib.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace qor::freedict {

// Inflates every gzip member of `compressed` in turn into `text` (replaced); the same statuses as
// InflateZlib, and `text` is left empty on any but Ok. Empty input is Truncated.
InflateStatus InflateGzip(std::string_view compressed, std::string& text, std::size_t limit);

} // namespace qor::freedict
