#pragma once
// The accent key (F1) of the tool windows' edit fields: the character before the caret cycles
// through its accented forms (a → á → à → â → ä → æ → a, ? → ¿ → ! → ¡ → ?).

#include <optional>
#include <string>

namespace qor {

inline constexpr int kAccentVirtualKey = 112; // F1

// The next form of a Windows-1252 character in its group; none for a character in no group.
std::optional<char> NextAccentVariant(char c);

// Replaces the character before `caret` (a character index into `text`) by its next form and
// leaves the caret where it was. Returns whether the text changed: not when the caret is not after
// at least one character, nor when that character has no accented forms.
bool ApplyAccentKey(std::string& text, int& caret);

} // namespace qor
