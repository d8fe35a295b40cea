#include "sound/EspeakSynthesizer.h"

#include "platform/Cp1252.h"
#include "sound/MediaErrors.h"

#include <espeak-ng/speak_lib.h>

#include <cstring>
#include <vector>

namespace qor {

namespace {

// Far beyond any sentence; a runaway text stops here rather than filling the memory.
constexpr std::size_t kMaxSpeechSamples = std::size_t{22050} * 60 * 2;

std::vector<short>* g_collecting = nullptr;

int CollectSamples(short* samples, int count, espeak_EVENT*) {
    if (!g_collecting || !samples || count <= 0)
        return 0;
    if (g_collecting->size() + static_cast<std::size_t>(count) > kMaxSpeechSamples)
        return 1; // stop the synthesis
    g_collecting->insert(g_collecting->end(), samples, samples + count);
    return 0;
}

} // namespace

EspeakSynthesizer& EspeakSynthesizer::Instance() {
    static EspeakSynthesizer synthesizer;
    return synthesizer;
}

EspeakSynthesizer::~EspeakSynthesizer() {
    if (m_state == State::Ready)
        espeak_Terminate();
}

bool EspeakSynthesizer::Start() {
    if (m_state != State::NotStarted)
        return m_state == State::Ready;
    m_state = State::Failed;
    // The library must never end the program because its data is missing.
    m_sampleRate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 200, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (m_sampleRate <= 0)
        return false;
    espeak_SetSynthCallback(CollectSamples);
    if (espeak_SetVoiceByName("fr") != EE_OK) {
        espeak_Terminate();
        return false;
    }
    m_state = State::Ready;
    return true;
}

int EspeakSynthesizer::Speak(std::string_view text, int wordsPerMinute, AudioClip& clip) {
    if (!Start())
        return kMediaNoDriver;
    const std::string utf8 = Utf8FromCp1252(text);
    if (utf8.find_first_not_of(" \t\r\n") == std::string::npos)
        return kMediaFileNotFound;
    espeak_SetParameter(espeakRATE, wordsPerMinute, 0);
    std::vector<short> samples;
    g_collecting = &samples;
    const espeak_ERROR result = espeak_Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0,
                                             espeakCHARS_UTF8, nullptr, nullptr);
    espeak_Synchronize();
    g_collecting = nullptr;
    if (result != EE_OK || samples.empty())
        return kMediaInvalidFile;
    clip.format = AudioFormat{16, 1, m_sampleRate};
    clip.bytes.resize(samples.size() * 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto value = static_cast<std::uint16_t>(samples[i]);
        clip.bytes[2 * i] = static_cast<char>(value & 0xFF);
        clip.bytes[2 * i + 1] = static_cast<char>(value >> 8);
    }
    return kMediaOk;
}

std::string EspeakSynthesizer::VoiceIdentity() {
    const char* dataPath = nullptr;
    const char* version = espeak_Info(&dataPath);
    return std::string("espeak-ng ") + (version ? version : "?") + " fr";
}

} // namespace qor
