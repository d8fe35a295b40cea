#include "app/MediaCommandText.h"

#include "platform/AppMessage.h"

#include <cstdlib>

namespace qor {

bool IsMediaError(std::string_view reply) {
    return reply.starts_with("Error");
}

std::string SendMediaCommand(MediaCommandSender& sender, std::string_view command, MediaErrors errors) {
    std::string reply = sender.Send(command);
    if (errors == MediaErrors::Shown && IsMediaError(reply)) {
        int errorNumber = std::atoi(reply.c_str() + 5);
        ShowAppMessage(sender.ErrorText(errorNumber) + " - " + std::string(command), kMbIconError);
    }
    return reply;
}

} // namespace qor
