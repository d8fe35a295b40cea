#include "platform/FileNames.h"

namespace qor {

bool HasInvalidFileNameChar(std::string_view text) {
    return text.find_first_of(kInvalidFileNameChars) != std::string_view::npos;
}

} // namespace qor
