#include "speechbuild/RecordingPlan.h"

#include "platform/Cp1252.h"
#include "sound/SpeechSynthesizer.h"
#include "sound/TXWaveBase.h"
#include "speechbuild/WaveFolderBuild.h"
#include "vocab/AscFile.h"

#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace qor::speech {
namespace {

namespace fs = std::filesystem;

TVokabel Entry(std::string vokabel, std::string bedeutung, bool deutsch) {
    TVokabel entry;
    entry.Vokabel = Cp1252FromUtf8(vokabel);
    entry.Bedeutung0 = Cp1252FromUtf8(bedeutung);
    entry.Deutsch = deutsch;
    return entry;
}

TEST(RecordingPlan, EveryFrenchTextIsFoundAsTheProgramLooksItUp) {
    RecordingPlan plan;
    plan.AddLibrary(FormatAsc({Entry("(la) maison (f)", "das Haus", false),
                               Entry("das Auto", "(la) voiture (f); [ugs.] bagnole", true),
                               Entry("chanter qc", "etw. singen", false)}));
    plan.AddSentenceCollection("****Wetter\nIl pleut.\n\n \nEs regnet.\nXF:\\LA\\1\\Lab__1a.ogg\n");
    plan.AddGamePairs("le chat\tdie Katze\t.le chien\nrouge\t#D7263D\t#0055A4\n");
    plan.AddText("(la) maison (f)"); // a second time changes nothing
    plan.AddPageSpeechLinks(
        "<A HREF=\"sprich:J'ai des amis.\">J'ai des amis.</A> <a href=\"main.htx\">x</a>");

    TXWaveBase index;
    for (const auto& [text, path] : plan.Index()) {
        index.Add();
        index.SetCurrentText(text);
        index.SetCurrentPath(path);
    }
    const auto pathOf = [&](std::string_view text) { return index.Find(Cp1252FromUtf8(text)); };
    const std::string maison = WordRecordingPath("la maison", kSpeechRateNormal);
    const std::vector<std::pair<std::string, std::string>> lookups = {
        {"(la) maison (f)", maison},
        {"maison (f)", maison}, // the dictionary's form
        {"maison", maison},     // through "maison (f)"
        {"(la) voiture (f)", WordRecordingPath("la voiture", kSpeechRateNormal)},
        {"bagnole", WordRecordingPath("bagnole", kSpeechRateNormal)},
        {"chanter qc", WordRecordingPath("chanter quelque chose", kSpeechRateNormal)},
        {"Il pleut.", "XF:\\LA\\1\\Lab__1b.ogg"},
        {"le chat", WordRecordingPath("le chat", kSpeechRateNormal)},
        {"rouge", WordRecordingPath("rouge", kSpeechRateNormal)},
        {"J'ai des amis.", WordRecordingPath("J'ai des amis.", kSpeechRateNormal)},
        {"das Haus", ""},
        {"das Auto", ""},
    };
    for (const auto& [text, path] : lookups) {
        SCOPED_TRACE(text);
        EXPECT_EQ(pathOf(text), path);
    }

    std::vector<std::pair<std::string, int>> recorded;
    for (const PlannedRecording& recording : plan.Recordings())
        recorded.emplace_back(recording.path, recording.rate);
    EXPECT_EQ(recorded.size(), 9u) << "one file per spoken text, the sentence twice";
    EXPECT_NE(std::find(recorded.begin(), recorded.end(),
                        std::pair<std::string, int>("XF:\\LA\\1\\Lab__1a.ogg", kSpeechRateSlow)),
              recorded.end());
}

class WaveFolderBuildTest : public ::testing::Test {
protected:
    WaveFolderBuildTest()
        : m_root(fs::temp_directory_path() / ("qor_speech_" + std::to_string(std::random_device()()))) {
        m_setup.waveFolder = m_root / "wave";
        m_setup.indexFile = m_root / "f_w.qor";
        m_setup.cacheFolder = m_root / "cache";
        m_setup.voiceIdentity = "test voice";
        m_setup.workers = 2;
    }
    ~WaveFolderBuildTest() override { fs::remove_all(m_root); }

    BuildResult Build(const RecordingPlan& plan) {
        return BuildWaveFolder(plan, m_setup, [](const PlannedRecording& recording, const fs::path& file) {
            std::ofstream(file) << recording.spoken << '@' << recording.rate;
            return recording.spoken != "muet";
        });
    }
    std::string Read(const fs::path& file) {
        std::ifstream in(file);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path m_root;
    BuildSetup m_setup;
};

TEST_F(WaveFolderBuildTest, SpeaksOnlyWhatIsNewAndRemovesWhatIsGone) {
    RecordingPlan first;
    first.AddSentenceCollection("****T\nIl pleut.\n\n \nEs regnet.\nXF:\\LA\\1\\Lab__1a.ogg\n");
    first.AddText("le chat");
    BuildResult result = Build(first);
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(result.synthesised, 3);
    EXPECT_EQ(Read(WaveFileOf(m_setup.waveFolder, "XF:\\LA\\1\\Lab__1a.ogg")),
              "Il pleut.@" + std::to_string(kSpeechRateSlow));
    EXPECT_EQ(Read(WaveFileOf(m_setup.waveFolder, "XF:\\LA\\1\\Lab__1b.ogg")),
              "Il pleut.@" + std::to_string(kSpeechRateNormal));
    fs::create_directories(m_setup.waveFolder / "Eigene");
    std::ofstream(m_setup.waveFolder / "Eigene" / "mine.wav") << "own";

    RecordingPlan second;
    second.AddText("le chat");
    second.AddText("le chien");
    result = Build(second);
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(result.synthesised, 1) << "le chat comes from the cache";
    EXPECT_EQ(result.recordings, 2);
    EXPECT_EQ(result.removed, 2) << "the sentence's two files";
    EXPECT_FALSE(fs::exists(m_setup.waveFolder / "LA" / "1" / "Lab__1a.ogg"));
    EXPECT_TRUE(fs::exists(m_setup.waveFolder / "Eigene" / "mine.wav")) << "not ours to remove";

    TXWaveBase index;
    index.Load(m_setup.indexFile.string());
    EXPECT_EQ(index.Count(), 2);
    EXPECT_EQ(index.Find("le chien"), WordRecordingPath("le chien", kSpeechRateNormal));

    RecordingPlan failing;
    failing.AddText("muet");
    EXPECT_NE(Build(failing).error, "") << "a text the voice cannot say stops the build";
}

} // namespace
} // namespace qor::speech
