#pragma once
// What the editor's list and its dictionary-direction button show, as plain text rules.

#include "vocab/TVokabel.h"

#include <string>
#include <string_view>

namespace qor {

// "§" (German headword) or "$" (French headword) + the headword; a blank entry shows "(leer)".
// The list control draws the sign as a flag.
std::string EntryListLine(const TVokabel& entry);

// The caption the `Direction` button should carry: the short name of the dictionary's half while
// the button shows a short name, otherwise the long one.
std::string DirectionCaption(std::string_view shown, bool germanFrench);

} // namespace qor
