#pragma once
// Reading sound files (through libsndfile: wave files, and MPEG audio where the library has it)
// and writing recordings as wave files.

#include "sound/AudioDevice.h"

#include <filesystem>
#include <string>

namespace qor {

// Decodes `file` into 16-bit PCM; 0 or kMediaFileNotFound, kMediaInvalidFile, kMediaOutOfMemory.
int ReadAudioFile(const std::filesystem::path& file, AudioClip& clip);

// Writes 16-bit `clip` as Ogg Vorbis (quality 0..1, as libsndfile takes it); false on failure.
bool WriteOggVorbisFile(const std::filesystem::path& file, const AudioClip& clip, double quality);

// The bytes of a PCM wave file holding `clip`.
std::string WaveFileBytes(const AudioClip& clip);

} // namespace qor
