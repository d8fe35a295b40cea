#pragma once
// The decisions of the main block that do not need a window: the mode from the command line and
// whether the backdrop shows.

#include "platform/Screen.h"

#include <string>
#include <vector>

namespace qor {

// The first argument, lower-cased, equals "editor".
bool IsEditorModeArgument(const std::vector<std::string>& arguments);
// The first argument equals "register" exactly ("REGISTER" does not count).
bool IsRegisterArgument(const std::vector<std::string>& arguments);
// The backdrop covers the rest of a screen wider than 800 pixels or, else, higher than 600.
bool IsBackdropVisible(const ScreenInfo& screen);

} // namespace qor
