#include "sound/SdlAudioDevice.h"

#include "sound/MediaErrors.h"

#include <SDL.h>
#include <chrono>

namespace qor {

namespace {

class SdlStream {
public:
    explicit SdlStream(SDL_AudioDeviceID id) : m_id(id) {}
    ~SdlStream() { SDL_CloseAudioDevice(m_id); }
    SDL_AudioDeviceID Id() const { return m_id; }

private:
    SDL_AudioDeviceID m_id;
};

class SdlPlayback : public PlaybackStream {
public:
    explicit SdlPlayback(SDL_AudioDeviceID id) : m_stream(id) {}

private:
    SdlStream m_stream;
};

class SdlCapture : public CaptureStream {
public:
    explicit SdlCapture(SDL_AudioDeviceID id) : m_stream(id) {}
    std::string Take() override {
        std::string bytes;
        char buffer[8192];
        while (Uint32 got = SDL_DequeueAudio(m_stream.Id(), buffer, sizeof buffer))
            bytes.append(buffer, got);
        return bytes;
    }

private:
    SdlStream m_stream;
};

SDL_AudioSpec DeviceFormatOf(const AudioFormat& format) {
    SDL_AudioSpec wanted{};
    wanted.freq = format.samplesPerSecond;
    wanted.format = format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    wanted.channels = static_cast<Uint8>(format.channels);
    wanted.samples = 2048;
    return wanted;
}

} // namespace

SdlAudioDevice::SdlAudioDevice() {
    // SDL would turn SIGINT and SIGTERM into events that nobody reads, and the program could no
    // longer be ended from outside; the program handles them itself.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    m_initialised = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

SdlAudioDevice::~SdlAudioDevice() {
    if (m_initialised)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::uint64_t SdlAudioDevice::NowMs() {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

std::unique_ptr<PlaybackStream> SdlAudioDevice::Play(const AudioClip& clip, std::size_t from, std::size_t to,
                                                     int& error) {
    if (!m_initialised) {
        error = kMediaNoDriver;
        return nullptr;
    }
    SDL_AudioSpec want = DeviceFormatOf(clip.format);
    SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (id == 0) {
        error = kMediaNoOutput;
        return nullptr;
    }
    auto stream = std::make_unique<SdlPlayback>(id);
    to = std::min(to, clip.bytes.size());
    if (from < to && SDL_QueueAudio(id, clip.bytes.data() + from, static_cast<Uint32>(to - from)) != 0) {
        error = kMediaOutOfMemory;
        return nullptr;
    }
    SDL_PauseAudioDevice(id, 0);
    return stream;
}

std::unique_ptr<CaptureStream> SdlAudioDevice::Capture(const AudioFormat& format, int& error) {
    if (!m_initialised) {
        error = kMediaNoDriver;
        return nullptr;
    }
    SDL_AudioSpec want = DeviceFormatOf(format);
    SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 1, &want, nullptr, 0);
    if (id == 0) {
        error = kMediaNoInput;
        return nullptr;
    }
    SDL_PauseAudioDevice(id, 0);
    return std::make_unique<SdlCapture>(id);
}

} // namespace qor
