#include "sound/ManualAudioDevice.h"
#include "sound/MediaCommandEngine.h"
#include "sound/MediaErrors.h"
#include "sound/SpeechText.h"

#include "platform/Cp1252.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(SpokenText, NotationBecomesWhatIsSaid) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"(la) maison (f)", "la maison"},
        {"(l')arbre (m)", "l'arbre"},
        {"(les) vacances (fpl)", "les vacances"},
        {"maison (f)", "maison"},
        {"se (re)lever", "se relever"},
        {"chanter qc", "chanter quelque chose"},
        {"parler à qn", "parler à quelqu'un"},
        {"[ugs.] bouffer", "bouffer"},
        {"beau/belle", "beau, belle"},
        {"  Il fait beau aujourd'hui.  ", "Il fait beau aujourd'hui."},
        {"juge (mf)", "juge"},
        {"(f)", ""},
        {"[nur ein Kommentar]", ""},
        {"", ""},
    };
    for (const auto& [notation, spoken] : cases) {
        SCOPED_TRACE(notation);
        EXPECT_EQ(Utf8FromCp1252(SpokenText(Cp1252FromUtf8(notation))), spoken);
    }
}

// A voice that says each text as one millisecond of sound per character and remembers the texts.
class CountingVoice : public SpeechSynthesizer {
public:
    int Speak(std::string_view text, int wordsPerMinute, AudioClip& clip) override {
        spoken.emplace_back(text);
        rates.push_back(wordsPerMinute);
        if (text.empty())
            return kMediaFileNotFound;
        clip.format = AudioFormat{16, 1, 8000};
        clip.bytes.assign(text.size() * 16, '\x10');
        return kMediaOk;
    }
    std::vector<std::string> spoken;
    std::vector<int> rates;
};

TEST(SpeechDevice, OpensSpeaksAndEndsLikeARecording) {
    ManualAudioDevice device;
    MediaCommandEngine engine(device);
    EXPECT_EQ(engine.Send("open \"la maison\" type sprache alias welle"), "Error266") << "no voice: no driver";

    CountingVoice voice;
    engine.SetSpeech(&voice);
    ASSERT_EQ(engine.Send("open \"(la) maison (f)\" type sprache alias welle"), "");
    EXPECT_EQ(voice.spoken, std::vector<std::string>{"la maison"});
    EXPECT_EQ(voice.rates, std::vector<int>{kSpeechRateNormal});
    EXPECT_EQ(engine.Send("status welle length"), "9");
    ASSERT_EQ(engine.Send("play welle from 0"), "");
    EXPECT_EQ(engine.Send("status welle mode"), "playing");
    device.Advance(20);
    EXPECT_EQ(engine.Send("status welle mode"), "stopped");
    ASSERT_EQ(device.Played().size(), 1u);
    EXPECT_EQ(device.Played()[0].to, 9u * 16);

    EXPECT_EQ(engine.Send("close welle"), "");
    EXPECT_EQ(engine.Send("open \"(f)\" type sprache alias welle"), "Error275") << "nothing to say";
    EXPECT_EQ(engine.OpenDeviceCount(), 0);
}

} // namespace
} // namespace qor
