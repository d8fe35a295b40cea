#include "sound/ManualAudioDevice.h"

#include <utility>

namespace qor {

namespace {

class CountedPlayback : public PlaybackStream {
public:
    explicit CountedPlayback(std::shared_ptr<int> count) : m_count(std::move(count)) { ++*m_count; }
    ~CountedPlayback() override { --*m_count; }

private:
    std::shared_ptr<int> m_count;
};

class QueuedCapture : public CaptureStream {
public:
    QueuedCapture(std::shared_ptr<std::string> pending, std::shared_ptr<int> count)
        : m_pending(std::move(pending)), m_count(std::move(count)) {
        ++*m_count;
    }
    ~QueuedCapture() override { --*m_count; }
    std::string Take() override { return std::exchange(*m_pending, {}); }

private:
    std::shared_ptr<std::string> m_pending;
    std::shared_ptr<int> m_count;
};

} // namespace

std::unique_ptr<PlaybackStream> ManualAudioDevice::Play(const AudioClip& clip, std::size_t from,
                                                        std::size_t to, int& error) {
    if (m_playbackError) {
        error = m_playbackError;
        return nullptr;
    }
    m_played.push_back(PlayedPart{clip.format, from, to});
    return std::make_unique<CountedPlayback>(m_activePlaybacks);
}

std::unique_ptr<CaptureStream> ManualAudioDevice::Capture(const AudioFormat& format, int& error) {
    if (m_captureError) {
        error = m_captureError;
        return nullptr;
    }
    m_captureFormat = format;
    m_pending->clear();
    return std::make_unique<QueuedCapture>(m_pending, m_activeCaptures);
}

} // namespace qor
