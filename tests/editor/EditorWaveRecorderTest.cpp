#include "editor/EditorWaveRecorder.h"

#include "platform/RegistryStore.h"
#include "sound/ManualAudioDevice.h"
#include "sound/MediaCommandEngine.h"
#include "sound/SoundTestSupport.h"
#include "sound/tWaveRec.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace qor {
namespace {

// The editor's buttons on the real recorder and the emulated multimedia device: what a learner
// gets when recording a headword in the editor.
class EditorWaveRecorderTest : public ::testing::Test {
protected:
    // The editor's own polling, as its window timer would run it, with the device's clock.
    void RunFor(int milliseconds) {
        for (int passed = 0; passed < milliseconds; passed += EditorRecording::kRecordPollMs) {
            m_device.Advance(EditorRecording::kRecordPollMs);
            m_timer.TickAll();
            m_recording.Poll();
        }
    }

    test::ScratchFolder m_folder;
    std::unique_ptr<RegistryStore> m_registry = OpenFileRegistry(m_folder.File("registry.txt"));
    ManualAudioDevice m_device;
    MediaCommandEngine m_engine{m_device};
    test::SteppedTimer m_timer;
    tWaveRec m_recorder{m_engine, m_timer, *m_registry};
    EditorWaveRecorder m_adapter{m_recorder};
    EditorRecording m_recording{m_adapter};
};

TEST_F(EditorWaveRecorderTest, ATakeLongerThanAPagesIsRecordedPlayedAndSaved) {
    m_recording.RecordClicked();
    EXPECT_TRUE(m_recorder.Recording());
    EXPECT_EQ(m_recorder.MaxSeconds(), 10) << "the editor's takes run to ten seconds";
    m_device.Feed(std::string(88200 * 6, '\0')); // six seconds at 16 bits, mono, 44100 Hz
    RunFor(6000);
    EXPECT_TRUE(m_recording.RecordDown()) << "a page's recorder would have stopped after four seconds";
    EXPECT_TRUE(m_recorder.Recording());
    m_recording.RecordClicked();
    EXPECT_FALSE(m_recorder.Recording());
    EXPECT_EQ(m_recording.TimerInterval(), 0);

    m_recording.PlayClicked();
    EXPECT_TRUE(m_recorder.Playing());
    RunFor(4000);
    EXPECT_TRUE(m_recording.PlayDown());
    RunFor(2500);
    EXPECT_FALSE(m_recording.PlayDown()) << "the button comes up when the take has been played";
    EXPECT_EQ(m_recording.TimerInterval(), 0);

    EXPECT_TRUE(m_adapter.Save(m_folder.File("maison.wav")));
    EXPECT_TRUE(std::filesystem::exists(m_folder.File("maison.wav")));
    EXPECT_FALSE(m_adapter.Save(m_folder.File("kein Ordner/maison.wav")))
        << "a file that cannot be written is reported";
}

TEST_F(EditorWaveRecorderTest, TheLongestTakeEndsTheRecording) {
    m_recording.RecordClicked();
    m_device.Feed(std::string(88200 * 11, '\0'));
    RunFor(EditorRecording::kLongestTakeMs + 300);
    EXPECT_FALSE(m_recording.RecordDown());
    EXPECT_FALSE(m_recorder.Recording());
    EXPECT_EQ(m_recording.TimerInterval(), 0);
}

} // namespace
} // namespace qor
