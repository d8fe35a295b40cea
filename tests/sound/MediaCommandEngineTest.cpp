#include "sound/MediaCommandEngine.h"

#include "SoundTestSupport.h"
#include "platform/WinPath.h"
#include "sound/AudioFile.h"
#include "sound/ManualAudioDevice.h"
#include "sound/MediaErrors.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::ScratchFolder;

// One second of 16-bit mono at 8000 Hz: 16000 bytes, 16 bytes a millisecond.
AudioClip OneSecond() {
    AudioClip clip;
    clip.format = AudioFormat{16, 1, 8000};
    for (int i = 0; i < 8000; ++i) {
        auto sample = static_cast<std::uint16_t>((i % 100) * 300);
        clip.bytes += static_cast<char>(sample & 0xFF);
        clip.bytes += static_cast<char>(sample >> 8);
    }
    return clip;
}

class MediaCommandEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_wave = m_folder.File("mot.wav");
        ASSERT_TRUE(WriteFileAtomically(m_wave, WaveFileBytes(OneSecond())));
    }
    std::string Send(const std::string& command) { return m_engine.Send(command); }

    ScratchFolder m_folder;
    std::string m_wave;
    ManualAudioDevice m_device;
    MediaCommandEngine m_engine{m_device};
};

TEST_F(MediaCommandEngineTest, ErrorReplies) {
    struct Case {
        std::string command;
        std::string reply;
    };
    const std::vector<Case> cases = {
        {"status welle mode", "Error263"},
        {"play nirgends", "Error263"},
        {"close nirgends", "Error263"},
        {"open \"" + m_folder.File("fehlt.wav") + "\" alias welle", "Error275"},
        {"open \"" + m_wave + "\" type cdaudio alias welle", "Error266"},
        {"open new type sequencer alias x", "Error266"},
        {"tanze welle", "Error261"},
        {"", "Error267"},
        {"play welle from", "Error273"}, // the syntax is checked before the device
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(Send(c.command), c.reply);
    }
    EXPECT_EQ(m_engine.OpenDeviceCount(), 0);
    EXPECT_EQ(m_engine.ErrorText(275), MediaErrorText(275));
}

TEST_F(MediaCommandEngineTest, OpenFileAndQueryIt) {
    EXPECT_EQ(Send("open \"" + m_wave + "\" alias welle"), "");
    EXPECT_EQ(Send("open \"" + m_wave + "\" alias WELLE"), "Error289");
    EXPECT_EQ(Send("status Welle length"), "1000");
    EXPECT_EQ(Send("status welle position"), "0");
    EXPECT_EQ(Send("status welle mode"), "stopped");
    EXPECT_EQ(Send("status welle ready"), "true");
    EXPECT_EQ(Send("close welle"), "");
    EXPECT_EQ(Send("status welle mode"), "Error263");
}

TEST_F(MediaCommandEngineTest, UnquotedFileWithoutAliasIsNamedByTheFile) {
    std::string spaced = m_folder.File("mit blank.wav");
    ASSERT_TRUE(WriteFileAtomically(spaced, WaveFileBytes(OneSecond())));
    EXPECT_EQ(Send("open " + spaced), "");
    EXPECT_EQ(Send("status \"" + spaced + "\" length"), "1000");
}

TEST_F(MediaCommandEngineTest, UnreadableFileIsRefused) {
    std::string bad = m_folder.File("kaputt.wav");
    ASSERT_TRUE(WriteFileAtomically(bad, "RIFF....WAVEkein echter Inhalt"));
    EXPECT_EQ(Send("open \"" + bad + "\" alias welle"), "Error304");
    EXPECT_EQ(m_engine.OpenDeviceCount(), 0);
}

TEST_F(MediaCommandEngineTest, PlaybackRunsOnTheClockAndStopsAtTheEnd) {
    ASSERT_EQ(Send("open \"" + m_wave + "\" alias welle"), "");
    ASSERT_EQ(Send("play welle from 0"), "");
    EXPECT_EQ(m_device.ActivePlaybacks(), 1);
    EXPECT_EQ(Send("status welle mode"), "playing");
    m_device.Advance(400);
    EXPECT_EQ(Send("status welle position"), "400");
    m_device.Advance(700);
    EXPECT_EQ(Send("status welle mode"), "stopped");
    EXPECT_EQ(Send("status welle position"), "1000");
    EXPECT_EQ(m_device.ActivePlaybacks(), 0);
    ASSERT_EQ(m_device.Played().size(), 1u);
    EXPECT_EQ(m_device.Played()[0].from, 0u);
    EXPECT_EQ(m_device.Played()[0].to, 16000u);
}

TEST_F(MediaCommandEngineTest, PlayRanges) {
    ASSERT_EQ(Send("open \"" + m_wave + "\" alias welle"), "");
    struct Case {
        const char* command;
        std::string reply;
        std::size_t from;
        std::size_t to;
    };
    const std::vector<Case> cases = {
        {"play welle from 200 to 500", "", 3200, 8000},
        {"play welle to 250", "", 0, 4000}, // "seek ... to start" below puts the position at 0
        {"play welle from 1001", "Error282", 0, 0},
        {"play welle to 1200", "Error282", 0, 0},
        {"play welle from 600 to 500", "Error282", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        ASSERT_EQ(Send("seek welle to start"), "");
        std::size_t before = m_device.Played().size();
        EXPECT_EQ(Send(c.command), c.reply);
        if (c.reply.empty()) {
            ASSERT_EQ(m_device.Played().size(), before + 1);
            EXPECT_EQ(m_device.Played().back().from, c.from);
            EXPECT_EQ(m_device.Played().back().to, c.to);
        } else {
            EXPECT_EQ(m_device.Played().size(), before);
        }
    }
    // Playing an empty part plays nothing and leaves the device stopped there.
    EXPECT_EQ(Send("play welle from 300 to 300"), "");
    EXPECT_EQ(Send("status welle mode"), "stopped");
    EXPECT_EQ(Send("status welle position"), "300");
}

TEST_F(MediaCommandEngineTest, StopAndSeekKeepThePosition) {
    ASSERT_EQ(Send("open \"" + m_wave + "\" alias welle"), "");
    ASSERT_EQ(Send("play welle"), "");
    m_device.Advance(250);
    EXPECT_EQ(Send("stop welle"), "");
    EXPECT_EQ(m_device.ActivePlaybacks(), 0);
    m_device.Advance(5000);
    EXPECT_EQ(Send("status welle position"), "250");
    EXPECT_EQ(Send("status welle mode"), "stopped");
    // Without "from", play goes on from where it stopped.
    ASSERT_EQ(Send("play welle"), "");
    EXPECT_EQ(m_device.Played().back().from, 250u * 16);
    EXPECT_EQ(Send("seek welle to end"), "");
    EXPECT_EQ(Send("status welle position"), "1000");
    EXPECT_EQ(Send("seek welle to 1500"), "Error282");
    EXPECT_EQ(Send("seek welle to 20"), "");
    EXPECT_EQ(Send("status welle position"), "20");
}

TEST_F(MediaCommandEngineTest, PlaybackRefusedByTheDevice) {
    ASSERT_EQ(Send("open \"" + m_wave + "\" alias welle"), "");
    m_device.SetPlaybackError(kMediaNoOutput);
    EXPECT_EQ(Send("play welle from 0"), "Error326");
    EXPECT_EQ(Send("status welle mode"), "stopped");
}

TEST_F(MediaCommandEngineTest, RecordSaveAndPlayBack) {
    ASSERT_EQ(Send("open new type waveaudio alias test"), "");
    EXPECT_EQ(Send("status test length"), "0");
    ASSERT_EQ(Send("set test bitspersample 16 channels 2 alignment 4 samplespersec 22050 bytespersec 88200"),
              "");
    ASSERT_EQ(Send("seek test to start"), "");
    ASSERT_EQ(Send("record test"), "");
    EXPECT_TRUE(m_device.Capturing());
    EXPECT_EQ(m_device.LastCaptureFormat(), (AudioFormat{16, 2, 22050}));
    EXPECT_EQ(Send("status test mode"), "recording");
    m_device.Feed(std::string(88200 / 2, '\x01'));
    m_device.Advance(500);
    EXPECT_EQ(Send("status test position"), "500");
    m_device.Feed(std::string(22052, '\x02')); // whole frames of four bytes
    EXPECT_EQ(Send("stop test"), "");
    EXPECT_FALSE(m_device.Capturing());
    EXPECT_EQ(Send("status test length"), "750");
    EXPECT_EQ(Send("status test mode"), "stopped");

    std::string saved = m_folder.File("eigene.wav");
    EXPECT_EQ(Send("save test \"" + saved + "\""), "");
    AudioClip clip;
    ASSERT_EQ(ReadAudioFile(saved, clip), kMediaOk);
    EXPECT_EQ(clip.format, (AudioFormat{16, 2, 22050}));
    EXPECT_EQ(clip.LengthMs(), 750);

    ASSERT_EQ(Send("seek test to start"), "");
    ASSERT_EQ(Send("play test"), "");
    EXPECT_EQ(m_device.Played().back().to, 16537u * 4); // 750 ms in whole frames
    EXPECT_EQ(Send("save test \"" + m_folder.File("fehlt/x.wav") + "\""), "Error286");
}

TEST_F(MediaCommandEngineTest, RecordingAgainFromTheStartReplacesTheRecording) {
    ASSERT_EQ(Send("open new type waveaudio alias test"), "");
    ASSERT_EQ(Send("record test"), "");
    m_device.Feed(std::string(11025, 'a')); // the default format: 8 bits, mono, 11025 Hz
    ASSERT_EQ(Send("stop test"), "");
    EXPECT_EQ(Send("status test length"), "1000");
    ASSERT_EQ(Send("seek test to start"), "");
    ASSERT_EQ(Send("record test"), "");
    m_device.Feed(std::string(1103, 'b'));
    ASSERT_EQ(Send("stop test"), "");
    EXPECT_EQ(Send("status test length"), "100");
}

TEST_F(MediaCommandEngineTest, RecordingWithoutACaptureDevice) {
    ASSERT_EQ(Send("open new type waveaudio alias test"), "");
    m_device.SetCaptureError(kMediaNoInput);
    EXPECT_EQ(Send("record test"), "Error328");
    EXPECT_EQ(Send("status test mode"), "stopped");
    EXPECT_EQ(Send("status test position"), "0");
}

TEST_F(MediaCommandEngineTest, SetRejectsFormatsOutOfRange) {
    ASSERT_EQ(Send("open new type waveaudio alias test"), "");
    for (const char* command :
         {"set test bitspersample 12", "set test channels 3", "set test samplespersec 10"}) {
        SCOPED_TRACE(command);
        EXPECT_EQ(Send(command), "Error282");
    }
    EXPECT_EQ(Send("set test time format milliseconds"), "");
    EXPECT_EQ(Send("status test time format"), "milliseconds");
}

TEST_F(MediaCommandEngineTest, CloseAll) {
    ASSERT_EQ(Send("open new type waveaudio alias test"), "");
    ASSERT_EQ(Send("open \"" + m_wave + "\" alias welle"), "");
    ASSERT_EQ(Send("play welle"), "");
    EXPECT_EQ(Send("close all"), "");
    EXPECT_EQ(m_engine.OpenDeviceCount(), 0);
    EXPECT_EQ(m_device.ActivePlaybacks(), 0);
}

} // namespace
} // namespace qor
