#pragma once
// Speech through libespeak-ng with its French voice. The library keeps one global state per
// process, so there is one synthesizer per process; it starts on the first text, which keeps the
// voice data out of the program's start-up.

#include "sound/SpeechSynthesizer.h"

#include <string>

namespace qor {

class EspeakSynthesizer : public SpeechSynthesizer {
public:
    static EspeakSynthesizer& Instance();

    int Speak(std::string_view text, int wordsPerMinute, AudioClip& clip) override;
    // The voice name and the library's version: part of the build's cache key.
    std::string VoiceIdentity();

private:
    EspeakSynthesizer() = default;
    ~EspeakSynthesizer() override;
    bool Start();

    enum class State { NotStarted, Ready, Failed };
    State m_state = State::NotStarted;
    int m_sampleRate = 0;
};

} // namespace qor
