#pragma once
// Names that become file names (user names, scheme names).

#include <string_view>

namespace qor {

// The nine characters a file name must not hold.
inline constexpr std::string_view kInvalidFileNameChars = "/\\*:<>|?\"";

bool HasInvalidFileNameChar(std::string_view text);

} // namespace qor
