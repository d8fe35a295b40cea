// The recordings of the program folder, as the build spoke them: every recording the language lab
// names and every entry of the recording index is there and holds sound, and every French text of
// the shipped libraries finds its recording the way the answer pages look it up.
#include "app/AppSettings.h"
#include "app/DataPath.h"
#include "app/RecordingPlayback.h"
#include "app/WaveBaseRecordingIndex.h"
#include "page/sources/TZIPResource.h"
#include "platform/Cp1252.h"
#include "platform/MessageCapture.h"
#include "platform/WinPath.h"
#include "sound/AudioFile.h"
#include "sound/TXWaveBase.h"
#include "vocab/AscFile.h"
#include "vocab/VocText.h"
#include "vocab/lab/SentenceCollection.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>

namespace qor::test {
namespace {

namespace fs = std::filesystem;

class ShippedRecordingsTest : public ::testing::Test {
protected:
    void SetUp() override {
#if !QOR_RECORDINGS_SHIPPED
        GTEST_SKIP() << "this build ships no recordings";
#endif
        const fs::path program(QOR_PROGRAM_DIR);
        m_settings.waveFolder = ProgramPath(program / "wave") + "/";
        m_base.Load(ProgramPath(program / "f_w.qor"));
        ASSERT_TRUE(m_messages.Texts().empty());
        ASSERT_GT(m_base.Count(), 1000);
    }

    // Empty when `stored` resolves to a file of at least 0.3 s that is not silent.
    std::string SoundFault(std::string_view stored) {
        const std::string file = ResolveDataPath(stored, m_settings).file;
        if (file.empty())
            return "missing";
        AudioClip clip;
        const auto native = NativeFilePath(file);
        if (!native || ReadAudioFile(*native, clip) != 0)
            return "unreadable";
        if (clip.LengthMs() < 300)
            return "only " + std::to_string(clip.LengthMs()) + " ms";
        int peak = 0;
        for (std::size_t i = 0; i + 1 < clip.bytes.size(); i += 2)
            peak = std::max(peak, std::abs(static_cast<int>(static_cast<std::int16_t>(
                                      static_cast<unsigned char>(clip.bytes[i]) |
                                      (static_cast<unsigned char>(clip.bytes[i + 1]) << 8)))));
        return peak < 2000 ? "silent" : "";
    }

    void ExpectSound(const std::set<std::string>& paths) {
        int faults = 0;
        for (const std::string& path : paths) {
            const std::string fault = SoundFault(path);
            if (!fault.empty() && ++faults <= 10)
                ADD_FAILURE() << path << ": " << fault;
        }
        EXPECT_EQ(faults, 0);
    }

    MessageCapture m_messages;
    AppSettings m_settings;
    TXWaveBase m_base;
};

TEST_F(ShippedRecordingsTest, EveryLabSentenceHasBothRecordings) {
    TZIPResource block(TextBlock::Sentences);
    std::set<std::string> paths;
    for (const TThema& theme : ReadSentenceCollection(block))
        for (int i = 0; i < theme.Saetze.Count(); ++i) {
            paths.insert(theme.Saetze.At(i).Aufnahme);
            paths.insert(NormalSpeedPath(theme.Saetze.At(i).Aufnahme));
        }
    ASSERT_GT(paths.size(), 700u);
    ExpectSound(paths);
}

TEST_F(ShippedRecordingsTest, EveryIndexEntryHoldsSound) {
    std::set<std::string> paths;
    for (const auto& entry : m_base.Entries())
        paths.insert(entry.second);
    ExpectSound(paths);
}

TEST_F(ShippedRecordingsTest, EveryFrenchTextOfTheLibrariesFindsItsRecording) {
    const WaveBaseRecordingIndex index(m_base);
    int texts = 0;
    int missed = 0;
    const auto expectFound = [&](const std::string& text, const fs::path& library) {
        ++texts;
        if (FindRecordingForText(text, index, m_settings).empty() && ++missed <= 10)
            ADD_FAILURE() << Utf8FromCp1252(text) << " in " << library;
    };
    for (const auto& item : fs::recursive_directory_iterator(fs::path(QOR_PROGRAM_DIR) / "Vokabeln (F)")) {
        if (item.path().extension() != ".asc")
            continue;
        std::ifstream in(item.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        for (const TVokabel& entry : ParseAsc(bytes).entries) {
            if (!entry.Deutsch) {
                expectFound(entry.Vokabel, item.path());
                continue;
            }
            for (const std::string& meaning : vocab::SplitMeaningList(entry.Bedeutung0))
                if (meaning.find('[') == std::string::npos)
                    expectFound(meaning, item.path());
        }
    }
    EXPECT_GT(texts, 1000);
    EXPECT_EQ(missed, 0);
}

} // namespace
} // namespace qor::test
