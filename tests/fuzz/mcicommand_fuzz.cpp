// Any command lines sent to the multimedia engine over a device without sound: replies are texts,
// never crashes or hangs. Between lines the clock moves and the capture delivers bytes. "save"
// is left out, since it would write wherever the input points.
#include "sound/ManualAudioDevice.h"
#include "sound/MediaCommandEngine.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    qor::ManualAudioDevice device;
    qor::MediaCommandEngine engine(device);
    while (!text.empty()) {
        auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        qor::MediaCommand command;
        if (qor::ParseMediaCommand(line, command) == 0 && command.verb == qor::MediaVerb::Save)
            continue;
        std::string reply = engine.Send(line);
        device.Advance(line.size() * 37);
        device.Feed(std::string(line.size() % 64, '\x80'));
        (void)reply;
    }
    return 0;
}
