// qorspeech: the program folder's recordings. Usage:
//   qorspeech --wave DIR --index FILE --cache DIR --sentences FILE --verbs FILE --pairs FILE
//             --vocabulary DIR [--pages DIR] [--workers N]
// Sources are the content's UTF-8 files; what is spoken and stored is Windows-1252 as the program
// reads it.
#include "platform/Cp1252.h"
#include "sound/AudioFile.h"
#include "sound/EspeakSynthesizer.h"
#include "speechbuild/RecordingPlan.h"
#include "speechbuild/WaveFolderBuild.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;
using namespace qor;

namespace {

// Speech needs little: this keeps the wave folder small and the words clear.
constexpr double kQuality = 0.0;

bool ReadSource(const fs::path& file, std::string& text) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::string source = bytes.str();
    source.erase(std::remove(source.begin(), source.end(), '\r'), source.end());
    text = Cp1252FromUtf8(source);
    return true;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A short lead-in keeps a sound device that starts late from swallowing the first sound, and a word
// as short as "y" still lasts long enough to be heard as a word.
constexpr int kLeadMs = 60;
constexpr int kShortestMs = 450;

void PadWithSilence(AudioClip& clip) {
    const auto frame = static_cast<std::size_t>(clip.format.BytesPerFrame());
    const auto rate = static_cast<std::size_t>(clip.format.samplesPerSecond);
    clip.bytes.insert(0, std::string(frame * (rate * kLeadMs / 1000), '\0'));
    const std::size_t shortest = frame * (rate * kShortestMs / 1000);
    if (clip.bytes.size() < shortest)
        clip.bytes.resize(shortest, '\0');
}

int Usage() {
    std::cerr << "usage: qorspeech --wave DIR --index FILE --cache DIR --sentences FILE --verbs FILE "
                 "--pairs FILE --vocabulary DIR [--pages DIR] [--workers N]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::map<std::string, std::string> options;
    for (int i = 1; i + 1 < argc; i += 2)
        options[argv[i]] = argv[i + 1];
    for (const char* needed :
         {"--wave", "--index", "--cache", "--sentences", "--verbs", "--pairs", "--vocabulary"})
        if (!options.count(needed))
            return Usage();
    const auto started = std::chrono::steady_clock::now();

    speech::RecordingPlan plan;
    std::string text;
    if (!ReadSource(options["--sentences"], text)) {
        std::cerr << "qorspeech: cannot read " << options["--sentences"] << "\n";
        return 1;
    }
    plan.AddSentenceCollection(text);
    std::vector<fs::path> libraries;
    for (const auto& item : fs::recursive_directory_iterator(options["--vocabulary"]))
        if (item.is_regular_file() && item.path().string().ends_with(".asc.txt"))
            libraries.push_back(item.path());
    std::sort(libraries.begin(), libraries.end()); // the index keeps one order from build to build
    for (const fs::path& library : libraries)
        if (ReadSource(library, text))
            plan.AddLibrary(text);
    if (ReadSource(options["--verbs"], text))
        plan.AddVerbTable(Lines(text));
    if (ReadSource(options["--pairs"], text))
        plan.AddGamePairs(text);
    if (options.count("--pages")) {
        std::vector<fs::path> pages;
        for (const auto& item : fs::recursive_directory_iterator(options["--pages"]))
            if (item.is_regular_file() && item.path().extension() == ".html")
                pages.push_back(item.path());
        std::sort(pages.begin(), pages.end());
        for (const fs::path& page : pages)
            if (ReadSource(page, text))
                plan.AddPageSpeechLinks(text);
    }

    speech::BuildSetup setup;
    setup.waveFolder = options["--wave"];
    setup.indexFile = options["--index"];
    setup.cacheFolder = options["--cache"];
    setup.voiceIdentity = EspeakSynthesizer::Instance().VoiceIdentity() + " lead " + std::to_string(kLeadMs) +
                          " shortest " + std::to_string(kShortestMs);
    setup.quality = kQuality;
    setup.workers = options.count("--workers")
                        ? std::atoi(options["--workers"].c_str())
                        : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const speech::BuildResult result = speech::BuildWaveFolder(
        plan, setup, [](const speech::PlannedRecording& recording, const fs::path& file) {
            AudioClip clip;
            if (EspeakSynthesizer::Instance().Speak(recording.spoken, recording.rate, clip) != 0) {
                std::cerr << "qorspeech: no speech for \"" << Utf8FromCp1252(recording.spoken) << "\"\n";
                return false;
            }
            PadWithSilence(clip);
            return WriteOggVorbisFile(file, clip, kQuality);
        });
    if (!result.error.empty()) {
        std::cerr << "qorspeech: " << result.error << "\n";
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("qorspeech: %d recordings (%d spoken now, %d removed), %zu index entries, %.1f MB, %.1f s\n",
                result.recordings, result.synthesised, result.removed, plan.Index().size(),
                static_cast<double>(result.waveBytes) / 1e6, seconds);
    return 0;
}
