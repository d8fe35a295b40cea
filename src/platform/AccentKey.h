#pragma once
// The accent key (F1) of the tool windows' edit fields: the character before the caret cycles
// through its accented forms (a → á → à → â → ä → æ → a, ? → ¿ → ! → ¡ → ?).

#include "platform/Accents.h"

#include <string>

namespace qor {

inline constexpr int kAccentVirtualKey = 112; // F1

// NextAccentVariant itself lives in platform/Accents.h, where the page's gap edit finds it too.

// Replaces the character before `caret` (a character index into `text`) by its next form and
// leaves the caret where it was. Returns whether the text changed: not when the caret is not after
// at least one character, nor when that character has no accented forms.
bool ApplyAccentKey(std::string& text, int& caret);

} // namespace qor
