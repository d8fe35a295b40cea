#include "sound/MediaCommandEngine.h"

#include "platform/Cp1252.h"
#include "platform/WinPath.h"
#include "sound/AudioFile.h"
#include "sound/MediaErrors.h"
#include "sound/SpeechText.h"

#include <algorithm>

namespace qor {

namespace {

// More devices than the program ever holds open at once; a runaway sender stops here.
constexpr std::size_t kMaxAliases = 64;
// Ten minutes of the largest recording format, far beyond the recorder's 19 seconds.
constexpr std::size_t kMaxRecordedBytes = std::size_t{44100} * 2 * 2 * 60 * 10;

bool ValidFormatValue(MediaSetting setting, int value) {
    switch (setting) {
    case MediaSetting::BitsPerSample:
        return value == 8 || value == 16;
    case MediaSetting::Channels:
        return value == 1 || value == 2;
    case MediaSetting::SamplesPerSecond:
        return value >= 1000 && value <= 192000;
    default:
        return true; // alignment and bytes per second follow from the others
    }
}

} // namespace

MediaCommandEngine::~MediaCommandEngine() = default;

std::string MediaCommandEngine::ErrorText(int errorNumber) {
    return MediaErrorText(errorNumber);
}

std::string MediaCommandEngine::Send(std::string_view text) {
    MediaCommand command;
    std::string reply;
    int error = ParseMediaCommand(text, command);
    if (error == kMediaOk)
        error = Run(command, reply);
    return error == kMediaOk ? reply : MediaErrorReply(error);
}

MediaCommandEngine::AliasMap::iterator MediaCommandEngine::FindAlias(std::string_view name) {
    return m_aliases.find(LowerCp1252(name));
}

int MediaCommandEngine::Run(const MediaCommand& command, std::string& reply) {
    if (command.verb == MediaVerb::Open)
        return Open(command);
    if (command.verb == MediaVerb::Close && command.closeAll) {
        m_aliases.clear();
        return kMediaOk;
    }
    auto found = FindAlias(command.alias);
    if (found == m_aliases.end())
        return kMediaDeviceNotOpen;
    Alias& alias = found->second;
    Update(alias);
    switch (command.verb) {
    case MediaVerb::Close:
        m_aliases.erase(found);
        return kMediaOk;
    case MediaVerb::Play:
        return Play(alias, command);
    case MediaVerb::Stop:
        Halt(alias);
        return kMediaOk;
    case MediaVerb::Seek:
        Halt(alias);
        if (command.seekEnd) {
            alias.positionMs = alias.clip.LengthMs();
        } else {
            if (*command.to > alias.clip.LengthMs())
                return kMediaOutOfRange;
            alias.positionMs = *command.to;
        }
        return kMediaOk;
    case MediaVerb::Record:
        return Record(alias);
    case MediaVerb::Save:
        return Save(alias, command);
    case MediaVerb::Set:
        return Set(alias, command);
    case MediaVerb::Status:
        Status(alias, command.statusItem, reply);
        return kMediaOk;
    case MediaVerb::Open:
        break;
    }
    return kMediaUnknownCommand;
}

int MediaCommandEngine::Open(const MediaCommand& command) {
    if (FindAlias(command.alias) != m_aliases.end())
        return kMediaDuplicateAlias;
    if (m_aliases.size() >= kMaxAliases)
        return kMediaOutOfMemory;
    Alias alias;
    if (command.openNew) {
        if (command.type != "waveaudio")
            return kMediaNoDriver;
        alias.isNew = true;
        alias.clip.format = alias.format;
    } else if (command.type == "sprache") {
        if (!m_speech)
            return kMediaNoDriver;
        if (int error = m_speech->Speak(SpokenText(command.element), kSpeechRateNormal, alias.clip))
            return error;
        alias.format = alias.clip.format;
    } else {
        if (!command.type.empty() && command.type != "waveaudio" && command.type != "mpegvideo")
            return kMediaNoDriver;
        auto file = NativeFilePath(command.element);
        if (!file)
            return kMediaFileNotFound;
        if (int error = ReadAudioFile(*file, alias.clip))
            return error;
        alias.format = alias.clip.format;
    }
    m_aliases.emplace(LowerCp1252(command.alias), std::move(alias));
    return kMediaOk;
}

int MediaCommandEngine::Play(Alias& alias, const MediaCommand& command) {
    Halt(alias);
    int length = alias.clip.LengthMs();
    int from = command.from.value_or(alias.positionMs);
    int to = command.to.value_or(length);
    if (from > length || to > length || to < from)
        return kMediaOutOfRange;
    alias.positionMs = from;
    if (from == to)
        return kMediaOk;
    int error = kMediaOk;
    alias.playback = m_device.Play(alias.clip, alias.clip.BytesOfMs(from), alias.clip.BytesOfMs(to), error);
    if (!alias.playback)
        return error != kMediaOk ? error : kMediaNoOutput;
    alias.mode = Mode::Playing;
    alias.startedAt = m_device.NowMs();
    alias.startPositionMs = from;
    alias.endMs = to;
    return kMediaOk;
}

int MediaCommandEngine::Record(Alias& alias) {
    Halt(alias);
    if (alias.positionMs == 0 || alias.clip.bytes.empty())
        alias.clip = AudioClip{alias.format, {}};
    else
        alias.clip.bytes.resize(alias.clip.BytesOfMs(alias.positionMs));
    alias.positionMs = alias.clip.LengthMs();
    int error = kMediaOk;
    alias.capture = m_device.Capture(alias.clip.format, error);
    if (!alias.capture)
        return error != kMediaOk ? error : kMediaNoInput;
    alias.mode = Mode::Recording;
    alias.startedAt = m_device.NowMs();
    alias.startPositionMs = alias.positionMs;
    return kMediaOk;
}

int MediaCommandEngine::Save(Alias& alias, const MediaCommand& command) {
    Halt(alias);
    if (command.element.empty())
        return kMediaMissingParameter;
    if (!WriteFileAtomically(NativePath(command.element), WaveFileBytes(alias.clip)))
        return kMediaFileNotSaved;
    return kMediaOk;
}

int MediaCommandEngine::Set(Alias& alias, const MediaCommand& command) {
    AudioFormat format = alias.format;
    for (const auto& [setting, value] : command.settings) {
        if (!ValidFormatValue(setting, value))
            return kMediaOutOfRange;
        if (setting == MediaSetting::BitsPerSample)
            format.bitsPerSample = value;
        else if (setting == MediaSetting::Channels)
            format.channels = value;
        else if (setting == MediaSetting::SamplesPerSecond)
            format.samplesPerSecond = value;
    }
    alias.format = format;
    if (alias.clip.bytes.empty() && alias.mode == Mode::Stopped)
        alias.clip.format = format;
    return kMediaOk;
}

void MediaCommandEngine::Status(Alias& alias, MediaStatusItem item, std::string& reply) {
    switch (item) {
    case MediaStatusItem::Position:
        reply = std::to_string(alias.positionMs);
        break;
    case MediaStatusItem::Length:
        reply = std::to_string(alias.clip.LengthMs());
        break;
    case MediaStatusItem::Mode:
        reply = alias.mode == Mode::Playing     ? "playing"
                : alias.mode == Mode::Recording ? "recording"
                                                : "stopped";
        break;
    case MediaStatusItem::Ready:
        reply = "true";
        break;
    case MediaStatusItem::TimeFormat:
        reply = "milliseconds";
        break;
    }
}

void MediaCommandEngine::Update(Alias& alias) {
    if (alias.mode == Mode::Stopped)
        return;
    std::uint64_t now = m_device.NowMs();
    auto elapsed =
        static_cast<int>(std::min<std::uint64_t>(now - std::min(now, alias.startedAt), 0x3FFFFFFF));
    if (alias.mode == Mode::Playing) {
        alias.positionMs = std::min(alias.endMs, alias.startPositionMs + elapsed);
        if (alias.positionMs >= alias.endMs) {
            alias.playback.reset();
            alias.mode = Mode::Stopped;
        }
        return;
    }
    alias.clip.bytes += alias.capture->Take();
    alias.positionMs = std::min(0x3FFFFFFF - elapsed, alias.startPositionMs) + elapsed;
    if (alias.clip.bytes.size() >= kMaxRecordedBytes) {
        alias.clip.bytes.resize(kMaxRecordedBytes);
        Halt(alias);
    }
}

void MediaCommandEngine::Halt(Alias& alias) {
    if (alias.mode == Mode::Recording) {
        alias.clip.bytes += alias.capture->Take();
        if (alias.clip.bytes.size() > kMaxRecordedBytes)
            alias.clip.bytes.resize(kMaxRecordedBytes);
        alias.capture.reset();
        alias.positionMs = alias.clip.LengthMs();
    }
    alias.playback.reset();
    alias.mode = Mode::Stopped;
}

} // namespace qor
