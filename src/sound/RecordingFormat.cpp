#include "sound/RecordingFormat.h"

#include "platform/Cp1252.h"
#include "platform/RegistryStore.h"

namespace qor {

std::string_view RecordingFormatKey() {
    return "Software\\qor\\Aufnahme";
}

RecordingFormat ReadRecordingFormat(const RegistryStore& registry) {
    RecordingFormat format;
    int bits = registry.ReadInteger(RecordingFormatKey(), "Bits", 16);
    format.bits = bits == 8 || bits == 16 ? bits : 16;
    int rate = registry.ReadInteger(RecordingFormatKey(), "Rate", 44100);
    format.rate = rate == 11025 || rate == 22050 || rate == 44100 ? rate : 44100;
    int channels = registry.ReadInteger(RecordingFormatKey(), "Kanäle"_cp, 1);
    format.channels = channels >= 1 && channels <= 2 ? channels : 1;
    return format;
}

void WriteRecordingFormat(RegistryStore& registry, const RecordingFormat& format) {
    registry.WriteInteger(RecordingFormatKey(), "Bits", format.bits);
    registry.WriteInteger(RecordingFormatKey(), "Rate", format.rate);
    registry.WriteInteger(RecordingFormatKey(), "Kanäle"_cp, format.channels);
}

bool ReadSpeechForUnrecorded(const RegistryStore& registry) {
    return registry.ReadInteger(RecordingFormatKey(), "Sprachausgabe", 1) != 0;
}

void WriteSpeechForUnrecorded(RegistryStore& registry, bool on) {
    registry.WriteInteger(RecordingFormatKey(), "Sprachausgabe", on ? 1 : 0);
}

std::string FormatCommand(std::string_view alias, const RecordingFormat& format) {
    int alignment = format.bits * format.channels / 8;
    return "set " + std::string(alias) + " bitspersample " + std::to_string(format.bits) + " channels " +
           std::to_string(format.channels) + " alignment " + std::to_string(alignment) + " samplespersec " +
           std::to_string(format.rate) + " bytespersec " + std::to_string(alignment * format.rate);
}

} // namespace qor
