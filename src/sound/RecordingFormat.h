#pragma once
// The learner's recording format, kept in the registry under Software\qor\Aufnahme.

#include <string>
#include <string_view>

namespace qor {

class RegistryStore;

struct RecordingFormat {
    int bits = 16;    // 8 or 16
    int rate = 44100; // 11025, 22050 or 44100
    int channels = 1; // 1 or 2
    bool operator==(const RecordingFormat&) const = default;
};

std::string_view RecordingFormatKey();

// Values that are missing or not one of the allowed ones take their defaults.
RecordingFormat ReadRecordingFormat(const RegistryStore& registry);
void WriteRecordingFormat(RegistryStore& registry, const RecordingFormat& format);

// "Sprachausgabe für Wörter ohne Aufnahme": texts without a recording are spoken (on when the value
// is missing).
bool ReadSpeechForUnrecorded(const RegistryStore& registry);
void WriteSpeechForUnrecorded(RegistryStore& registry, bool on);

// "set <alias> bitspersample B channels C alignment A samplespersec R bytespersec S".
std::string FormatCommand(std::string_view alias, const RecordingFormat& format);

} // namespace qor
