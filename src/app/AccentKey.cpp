#include "app/AccentKey.h"

#include "platform/Cp1252.h"

#include <array>
#include <string_view>

namespace qor {

namespace {

// Searched in this order; the first group that holds the character decides.
constexpr std::array<std::string_view, 15> kAccentGroups = {
    "aáàâäæ"_cp, "AÁÀÂÄÆ"_cp, "eéèêë"_cp, "EÉÈÊË"_cp, "iíìîï"_cp, "IÍÌÎÏ"_cp, "oóòôöœ"_cp, "OÓÒÔÖŒ"_cp,
    "uúùûü"_cp,  "UÚÙÛÜ"_cp,  "nñ"_cp,    "NÑ"_cp,    "cç"_cp,    "CÇ"_cp,    "?¿!¡"_cp,
};

} // namespace

std::optional<char> NextAccentVariant(char c) {
    for (std::string_view group : kAccentGroups) {
        std::size_t position = group.find(c);
        if (position != std::string_view::npos)
            return group[(position + 1) % group.size()];
    }
    return std::nullopt;
}

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
