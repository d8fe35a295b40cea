#pragma once
// The sound hardware as the multimedia command engine sees it: a clock, streams that play a clip
// and streams that capture into memory. The SDL back end is one implementation; tests and the
// fuzz target use ManualAudioDevice, whose clock and captured sound they set by hand.

#include <cstdint>
#include <memory>
#include <string>

namespace qor {

// PCM as a wave file holds it: 8-bit unsigned or 16-bit signed little-endian samples, interleaved.
struct AudioFormat {
    int bitsPerSample = 8;
    int channels = 1;
    int samplesPerSecond = 11025;

    int BytesPerFrame() const { return bitsPerSample / 8 * channels; }
    int BytesPerSecond() const { return BytesPerFrame() * samplesPerSecond; }
    bool operator==(const AudioFormat&) const = default;
};

struct AudioClip {
    AudioFormat format;
    std::string bytes;

    int LengthMs() const { return MsOfBytes(bytes.size()); }
    int MsOfBytes(std::size_t count) const;
    // The byte offset of a time, rounded down to a whole frame and clamped to the clip.
    std::size_t BytesOfMs(int ms) const;
};

// Plays until destroyed or until the clip's part has been played.
class PlaybackStream {
public:
    virtual ~PlaybackStream() = default;
};

// Captures until destroyed.
class CaptureStream {
public:
    virtual ~CaptureStream() = default;
    // The bytes captured since the last call (in the format the stream was opened with).
    virtual std::string Take() = 0;
};

class AudioDevice {
public:
    virtual ~AudioDevice() = default;
    // A monotonic clock in milliseconds.
    virtual std::uint64_t NowMs() = 0;
    // Starts playing bytes [from, to) of `clip`; nullptr and an error number when it cannot.
    virtual std::unique_ptr<PlaybackStream> Play(const AudioClip& clip, std::size_t from, std::size_t to,
                                                 int& error) = 0;
    virtual std::unique_ptr<CaptureStream> Capture(const AudioFormat& format, int& error) = 0;
};

} // namespace qor
