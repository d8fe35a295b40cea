#include "settings/SuperOptionTable.h"

#include <algorithm>
#include <cstdio>

namespace qor {

const SuperIntEntry& EntryOf(SuperInt id) {
    return kSuperIntTable[static_cast<std::size_t>(id)];
}

std::optional<std::int32_t> ParseHexColour(std::string_view text) {
    if (text.empty() || text.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

std::string FormatHexColour(std::int32_t colour) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.6X", static_cast<unsigned>(colour));
    return buffer;
}

int ClampToRange(const SuperIntEntry& entry, std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, entry.minimum, entry.maximum));
}

} // namespace qor

namespace qor {
namespace {

constexpr bool TablesFollowTheirEnums() {
    for (std::size_t i = 0; i < kSuperIntTable.size(); ++i)
        if (static_cast<std::size_t>(kSuperIntTable[i].id) != i)
            return false;
    for (std::size_t i = 0; i < kSuperFlagTable.size(); ++i)
        if (static_cast<std::size_t>(kSuperFlagTable[i].id) != i)
            return false;
    for (std::size_t i = 0; i < kSuperColourTable.size(); ++i)
        if (static_cast<std::size_t>(kSuperColourTable[i].id) != i)
            return false;
    return true;
}
static_assert(TablesFollowTheirEnums(), "the option tables are indexed by their enums");

} // namespace
} // namespace qor
