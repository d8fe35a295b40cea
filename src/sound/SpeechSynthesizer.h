#pragma once
// French speech for texts that have no recording. The multimedia command engine opens it as the
// device type "sprache" (open "la maison" type sprache alias welle), so speech plays, stops and
// reports its mode exactly like a recording.

#include "sound/AudioDevice.h"

#include <string_view>

namespace qor {

// Words per minute: what learners hear by default, and the slow variant of the language lab.
constexpr int kSpeechRateNormal = 150;
constexpr int kSpeechRateSlow = 105;

class SpeechSynthesizer {
public:
    virtual ~SpeechSynthesizer() = default;
    // Speaks `text` (Windows-1252) into `clip`; 0 or a media error number (kMediaNoDriver when
    // there is no speech at all).
    virtual int Speak(std::string_view text, int wordsPerMinute, AudioClip& clip) = 0;
};

} // namespace qor
