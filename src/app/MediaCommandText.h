#pragma once
// Sending one multimedia command, with its failure shown to the learner or kept quiet.

#include "platform/MediaCommands.h"

#include <string>
#include <string_view>

namespace qor {

enum class MediaErrors { Quiet, Shown };

// A failed command replies "Error" followed by its error number.
bool IsMediaError(std::string_view reply);

// Sends `command`; a failure that is shown reads: the error text + " - " + the command (error icon).
std::string SendMediaCommand(MediaCommandSender& sender, std::string_view command, MediaErrors errors);

} // namespace qor
