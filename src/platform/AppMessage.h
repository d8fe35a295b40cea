#pragma once
// The program's message box: every message carries the caption "*qor französisch".

#include "platform/MessagePresenter.h"

#include <string_view>

namespace qor {

// Shows `text` (Windows-1252) with the program's caption; flags 0 means 48 (exclamation, OK).
int ShowAppMessage(std::string_view text, int flags = 0);

} // namespace qor
