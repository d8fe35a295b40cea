#include "platform/Accents.h"

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

int AccentGroupOf(char c) {
    for (std::size_t group = 0; group < kAccentGroups.size(); ++group)
        if (kAccentGroups[group].find(c) != std::string_view::npos)
            return static_cast<int>(group);
    return -1;
}

std::optional<char> NextAccentVariant(char c) {
    int group = AccentGroupOf(c);
    if (group < 0)
        return std::nullopt;
    std::string_view letters = kAccentGroups[static_cast<std::size_t>(group)];
    return letters[(letters.find(c) + 1) % letters.size()];
}

} // namespace qor
