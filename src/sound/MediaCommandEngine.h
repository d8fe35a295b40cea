#pragma once
// The multimedia command sender of this platform: runs the command strings the program sends
// ("open ... alias welle", "play welle from 0", "status test mode", ...) over an AudioDevice.
// Each alias is one device: a decoded sound file, a new recording, or the speech of a text
// (open "la maison" type sprache alias welle). Time runs on the device's clock, and each command
// first brings the devices up to date, so a playback that has reached its end reports "stopped"
// without any timer of its own.

#include "platform/MediaCommands.h"
#include "sound/AudioDevice.h"
#include "sound/MediaCommandParser.h"
#include "sound/SpeechSynthesizer.h"

#include <map>
#include <memory>
#include <string>

namespace qor {

class MediaCommandEngine : public MediaCommandSender {
public:
    explicit MediaCommandEngine(AudioDevice& device) : m_device(device) {}
    ~MediaCommandEngine() override;

    std::string Send(std::string_view command) override;
    std::string ErrorText(int errorNumber) override;

    int OpenDeviceCount() const { return static_cast<int>(m_aliases.size()); }
    // The voice behind the device type "sprache" (not owned); without one that type fails with
    // kMediaNoDriver, as sound does without a device.
    void SetSpeech(SpeechSynthesizer* speech) { m_speech = speech; }

private:
    enum class Mode { Stopped, Playing, Recording };
    struct Alias {
        bool isNew = false;
        AudioFormat format; // what "set" chose; a new recording takes it
        AudioClip clip;
        Mode mode = Mode::Stopped;
        int positionMs = 0;
        int endMs = 0;               // playing: where it stops
        std::uint64_t startedAt = 0; // clock when play or record began
        int startPositionMs = 0;
        std::unique_ptr<PlaybackStream> playback;
        std::unique_ptr<CaptureStream> capture;
    };
    using AliasMap = std::map<std::string, Alias>;

    int Run(const MediaCommand& command, std::string& reply);
    int Open(const MediaCommand& command);
    int Play(Alias& alias, const MediaCommand& command);
    int Record(Alias& alias);
    int Save(Alias& alias, const MediaCommand& command);
    int Set(Alias& alias, const MediaCommand& command);
    void Status(Alias& alias, MediaStatusItem item, std::string& reply);
    void Update(Alias& alias);
    void Halt(Alias& alias);
    AliasMap::iterator FindAlias(std::string_view name);

    AudioDevice& m_device;
    SpeechSynthesizer* m_speech = nullptr;
    AliasMap m_aliases; // keyed by the lower-case alias
};

} // namespace qor
