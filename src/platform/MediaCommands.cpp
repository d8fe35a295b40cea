#include "platform/MediaCommands.h"

#include "platform/Cp1252.h"

namespace qor {

namespace {

MediaCommandSender* g_sender = nullptr;

} // namespace

std::string NullMediaCommandSender::Send(std::string_view) {
    return "Error" + std::to_string(kMediaErrorNoDriver);
}

std::string NullMediaCommandSender::ErrorText(int) {
    return std::string("Die Wiedergabe von Klängen ist nicht verfügbar."_cp);
}

MediaCommandSender& CurrentMediaCommandSender() {
    static NullMediaCommandSender nullSender;
    return g_sender ? *g_sender : nullSender;
}

void SetMediaCommandSender(MediaCommandSender* sender) {
    g_sender = sender;
}

} // namespace qor
