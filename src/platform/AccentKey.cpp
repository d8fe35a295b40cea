#include "platform/AccentKey.h"

#include <optional>

namespace qor {

bool ApplyAccentKey(std::string& text, int& caret) {
    if (caret < 1 || static_cast<std::size_t>(caret) > text.size())
        return false;
    char& before = text[static_cast<std::size_t>(caret) - 1];
    std::optional<char> next = NextAccentVariant(before);
    if (!next)
        return false;
    before = *next;
    return true;
}

} // namespace qor
