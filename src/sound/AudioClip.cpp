#include "sound/AudioDevice.h"

#include <algorithm>

namespace qor {

int AudioClip::MsOfBytes(std::size_t count) const {
    int perSecond = format.BytesPerSecond();
    if (perSecond <= 0)
        return 0;
    auto ms = static_cast<std::uint64_t>(count) * 1000 / static_cast<std::uint64_t>(perSecond);
    return static_cast<int>(std::min<std::uint64_t>(ms, 0x7FFFFFFF));
}

std::size_t AudioClip::BytesOfMs(int ms) const {
    int frame = format.BytesPerFrame();
    if (frame <= 0 || ms <= 0)
        return 0;
    auto frames = static_cast<std::uint64_t>(ms) * static_cast<std::uint64_t>(format.samplesPerSecond) / 1000;
    auto offset = frames * static_cast<std::uint64_t>(frame);
    std::size_t whole = bytes.size() - bytes.size() % static_cast<std::size_t>(frame);
    return static_cast<std::size_t>(std::min<std::uint64_t>(offset, whole));
}

} // namespace qor
