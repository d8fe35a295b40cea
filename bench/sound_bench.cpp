// Listening: from a listen link's click to the sound handed to the audio device, for a stored
// recording and for synthesised speech, and the recording index's look-up in a large index.
#include "app/RecordingPlayback.h"
#include "platform/Cp1252.h"
#include "sound/AudioFile.h"
#include "sound/EspeakSynthesizer.h"
#include "sound/ManualAudioDevice.h"
#include "sound/MediaCommandEngine.h"
#include "sound/SpeechSynthesizer.h"
#include "sound/TXWaveBase.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

namespace qor {
namespace {

const char* const kSentence = "Nous allons prendre le train de huit heures pour Lyon demain matin.";

// The device takes the clip at once; what is measured ends where real output would begin.
struct Listening {
    ManualAudioDevice device;
    MediaCommandEngine engine{device};
    Listening() { engine.SetSpeech(&EspeakSynthesizer::Instance()); }
};

void BM_StoredRecordingToDevice(benchmark::State& state) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "qor_bench_sentence.ogg";
    AudioClip clip;
    if (EspeakSynthesizer::Instance().Speak(kSentence, kSpeechRateSlow, clip) != 0 ||
        !WriteOggVorbisFile(file, clip, 0.0)) {
        state.SkipWithError("no French voice");
        return;
    }
    Listening listening;
    for (auto _ : state)
        benchmark::DoNotOptimize(PlayRecordingFile(file.string(), listening.engine));
    std::filesystem::remove(file);
}
BENCHMARK(BM_StoredRecordingToDevice)->Unit(benchmark::kMillisecond);

void BM_SynthesisedSentenceToDevice(benchmark::State& state) {
    Listening listening;
    if (!SpeakText(kSentence, listening.engine)) { // the voice starts here, once per program
        state.SkipWithError("no French voice");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(SpeakText(kSentence, listening.engine));
}
BENCHMARK(BM_SynthesisedSentenceToDevice)->Unit(benchmark::kMillisecond);

// An index of 20,000 texts of the kind the content has: looked up as found, found through the
// dictionary's form "text (f)", and not found at all (every step of the look-up runs).
void BM_IndexLookup(benchmark::State& state) {
    TXWaveBase base;
    std::mt19937 random(7);
    std::vector<std::string> texts;
    for (int i = 0; i < 20000; ++i) {
        std::string text = "(la) mot";
        for (int k = 0; k < 8; ++k)
            text += static_cast<char>('a' + random() % 26);
        text += i % 2 ? " (f)" : "";
        texts.push_back(text);
        base.Add();
        base.SetCurrentText(text);
        base.SetCurrentPath("XF:\\WO\\" + std::to_string(i) + ".ogg");
    }
    const std::string bare = texts[1].substr(0, texts[1].size() - 4);
    base.Find(texts[0]); // the table is made once after loading
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(base.Find(texts[i++ % texts.size()]));
        benchmark::DoNotOptimize(base.Find(bare));
        benchmark::DoNotOptimize(base.Find("(le) inconnu"));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 3);
}
BENCHMARK(BM_IndexLookup)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace qor

BENCHMARK_MAIN();
