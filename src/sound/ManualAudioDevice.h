#pragma once
// An audio device without sound for tests and the fuzz target: the clock moves when told, playback
// is only recorded, and capture delivers whatever bytes are queued with Feed.

#include "sound/AudioDevice.h"

#include <memory>
#include <string>
#include <vector>

namespace qor {

class ManualAudioDevice : public AudioDevice {
public:
    struct PlayedPart {
        AudioFormat format;
        std::size_t from = 0;
        std::size_t to = 0;
    };

    std::uint64_t NowMs() override { return m_now; }
    std::unique_ptr<PlaybackStream> Play(const AudioClip& clip, std::size_t from, std::size_t to,
                                         int& error) override;
    std::unique_ptr<CaptureStream> Capture(const AudioFormat& format, int& error) override;

    void Advance(std::uint64_t ms) { m_now += ms; }
    // Bytes the running capture delivers at its next Take.
    void Feed(std::string bytes) { *m_pending += bytes; }
    // Refuse playback or capture with this error number (0 allows again).
    void SetPlaybackError(int error) { m_playbackError = error; }
    void SetCaptureError(int error) { m_captureError = error; }

    const std::vector<PlayedPart>& Played() const { return m_played; }
    int ActivePlaybacks() const { return *m_activePlaybacks; }
    bool Capturing() const { return *m_activeCaptures > 0; }
    const AudioFormat& LastCaptureFormat() const { return m_captureFormat; }

private:
    std::uint64_t m_now = 1000;
    int m_playbackError = 0;
    int m_captureError = 0;
    std::vector<PlayedPart> m_played;
    AudioFormat m_captureFormat;
    // Shared with the streams, so a stream outliving the device stays harmless.
    std::shared_ptr<std::string> m_pending = std::make_shared<std::string>();
    std::shared_ptr<int> m_activePlaybacks = std::make_shared<int>(0);
    std::shared_ptr<int> m_activeCaptures = std::make_shared<int>(0);
};

} // namespace qor
