#pragma once
// Turns a recording plan into the program's wave folder: every recording synthesised once into a
// cache (keyed by voice, speed and text, so an unchanged text is never spoken again), copied into
// the wave folder under its stored path, and the recording index written beside the program.

#include "speechbuild/RecordingPlan.h"

#include <filesystem>
#include <functional>
#include <string>

namespace qor::speech {

struct BuildSetup {
    std::filesystem::path waveFolder; // where "XF:" points
    std::filesystem::path indexFile;  // f_w.qor
    std::filesystem::path cacheFolder;
    std::string voiceIdentity; // part of every cache key
    int workers = 2;
    double quality = 0.0; // Ogg Vorbis, 0..1
};

struct BuildResult {
    int recordings = 0;
    int synthesised = 0;
    int removed = 0;
    std::uintmax_t waveBytes = 0;
    std::string error; // empty on success
};

// Synthesises one recording into `file` (written whole or not at all); false on failure.
using Synthesise = std::function<bool(const PlannedRecording& recording, const std::filesystem::path& file)>;

BuildResult BuildWaveFolder(const RecordingPlan& plan, const BuildSetup& setup, const Synthesise& synthesise);

// The native file of a stored "XF:\..." path below the wave folder.
std::filesystem::path WaveFileOf(const std::filesystem::path& waveFolder, std::string_view stored);

} // namespace qor::speech
