#pragma once
// The audio device of the running program: SDL2 playback queues and capture devices. Without any
// audio driver every Play and Capture is refused with an error number, never a crash; with
// SDL_AUDIODRIVER=dummy playback runs silently and capture is refused when the driver offers none.
// Streams must be destroyed before the device (declare the engine after it).

#include "sound/AudioDevice.h"

namespace qor {

class SdlAudioDevice : public AudioDevice {
public:
    SdlAudioDevice();
    ~SdlAudioDevice() override;
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    bool Available() const { return m_initialised; }

    std::uint64_t NowMs() override;
    std::unique_ptr<PlaybackStream> Play(const AudioClip& clip, std::size_t from, std::size_t to,
                                         int& error) override;
    std::unique_ptr<CaptureStream> Capture(const AudioFormat& format, int& error) override;

private:
    bool m_initialised = false;
};

} // namespace qor
