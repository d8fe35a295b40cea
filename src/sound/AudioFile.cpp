#include "sound/AudioFile.h"

#include "sound/MediaErrors.h"

#include <algorithm>
#include <sndfile.h>
#include <vector>

namespace qor {

namespace {

// Half an hour of CD-quality stereo; a word or sentence recording is a few seconds.
constexpr sf_count_t kMaxSamples = sf_count_t{44100} * 2 * 60 * 30;

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

int ReadAudioFile(const std::filesystem::path& file, AudioClip& clip) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return kMediaFileNotFound;
    SF_INFO info{};
    SNDFILE* sound = sf_open(file.c_str(), SFM_READ, &info);
    if (!sound)
        return kMediaInvalidFile;
    int result = kMediaOk;
    if (info.channels < 1 || info.channels > 8 || info.samplerate < 1000 || info.samplerate > 384000 ||
        info.frames < 0) {
        result = kMediaInvalidFile;
    } else if (info.frames > kMaxSamples / info.channels) {
        result = kMediaOutOfMemory;
    } else {
        std::vector<short> samples(static_cast<std::size_t>(info.frames * info.channels));
        sf_count_t frames = sf_readf_short(sound, samples.data(), info.frames);
        samples.resize(static_cast<std::size_t>(std::max<sf_count_t>(frames, 0) * info.channels));
        clip.format = AudioFormat{16, info.channels, info.samplerate};
        clip.bytes.clear();
        clip.bytes.reserve(samples.size() * 2);
        for (short sample : samples)
            PutLittleEndian(clip.bytes, static_cast<std::uint16_t>(sample), 2);
    }
    sf_close(sound);
    return result;
}

bool WriteOggVorbisFile(const std::filesystem::path& file, const AudioClip& clip, double quality) {
    if (clip.format.bitsPerSample != 16 || clip.format.channels < 1)
        return false;
    SF_INFO info{};
    info.samplerate = clip.format.samplesPerSecond;
    info.channels = clip.format.channels;
    info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    SNDFILE* sound = sf_open(file.c_str(), SFM_WRITE, &info);
    if (!sound)
        return false;
    sf_command(sound, SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof(quality));
    std::vector<short> samples(clip.bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<short>(static_cast<unsigned char>(clip.bytes[2 * i]) |
                                        (static_cast<unsigned char>(clip.bytes[2 * i + 1]) << 8));
    const auto frames = static_cast<sf_count_t>(samples.size() / static_cast<std::size_t>(info.channels));
    const bool written = sf_writef_short(sound, samples.data(), frames) == frames;
    return sf_close(sound) == 0 && written;
}

std::string WaveFileBytes(const AudioClip& clip) {
    const AudioFormat& format = clip.format;
    auto dataSize = static_cast<std::uint32_t>(clip.bytes.size());
    std::string out = "RIFF";
    PutLittleEndian(out, 36 + dataSize + (dataSize & 1), 4);
    out += "WAVEfmt ";
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 1, 2); // PCM
    PutLittleEndian(out, static_cast<std::uint32_t>(format.channels), 2);
    PutLittleEndian(out, static_cast<std::uint32_t>(format.samplesPerSecond), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(format.BytesPerSecond()), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(format.BytesPerFrame()), 2);
    PutLittleEndian(out, static_cast<std::uint32_t>(format.bitsPerSample), 2);
    out += "data";
    PutLittleEndian(out, dataSize, 4);
    out += clip.bytes;
    if (dataSize & 1)
        out += '\0';
    return out;
}

} // namespace qor
