#pragma once
// The accented forms of a character: fifteen groups ("aáàâäæ", "AÁÀÂÄÆ", ..., "cç", "CÇ", "?¿!¡")
// through which the F1 accent key cycles (a → á → à → â → ä → æ → a).

#include <optional>

namespace qor {

// The number (0-14) of the first group that holds the Windows-1252 character, or -1.
int AccentGroupOf(char c);

// The next form of the character in its group, after the last the first; none for a character in
// no group.
std::optional<char> NextAccentVariant(char c);

} // namespace qor
