#include "sound/tWaveRec.h"

#include "SoundTestSupport.h"
#include "platform/Cp1252.h"
#include "platform/RegistryStore.h"
#include "platform/WinPath.h"
#include "sound/ManualAudioDevice.h"
#include "sound/MediaCommandEngine.h"

#include <functional>
#include <gtest/gtest.h>

namespace qor {
namespace {

using test::ScratchFolder;
using test::SteppedTimer;

// Passes commands on (or answers them itself when `answer` gives a reply) and logs them.
class LoggingSender : public MediaCommandSender {
public:
    explicit LoggingSender(MediaCommandSender& next) : m_next(next) {}
    std::string Send(std::string_view command) override {
        commands.emplace_back(command);
        if (answer)
            if (auto reply = answer(command))
                return *reply;
        return m_next.Send(command);
    }
    std::string ErrorText(int errorNumber) override { return m_next.ErrorText(errorNumber); }

    std::vector<std::string> commands;
    std::function<std::optional<std::string>(std::string_view)> answer;

private:
    MediaCommandSender& m_next;
};

// A 24-bit bottom-up bitmap file of one colour.
std::string BmpFile(int width, int height, Colour colour) {
    int stride = (width * 3 + 3) / 4 * 4;
    int dataSize = stride * height;
    std::string out;
    auto put = [&](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    out += "BM";
    put(54 + dataSize, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(width, 4);
    put(height, 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(dataSize, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            out += static_cast<char>(BlueOf(colour));
            out += static_cast<char>(GreenOf(colour));
            out += static_cast<char>(RedOf(colour));
        }
        out.append(static_cast<std::size_t>(stride - width * 3), '\0');
    }
    return out;
}

class tWaveRecTest : public ::testing::Test {
protected:
    std::unique_ptr<tWaveRec> MakeRecorder() {
        return std::make_unique<tWaveRec>(m_sender, m_timer, *m_registry);
    }
    std::vector<std::string> CommandsSince(std::size_t from) const {
        return {m_sender.commands.begin() + static_cast<std::ptrdiff_t>(from), m_sender.commands.end()};
    }

    ScratchFolder m_folder;
    std::unique_ptr<RegistryStore> m_registry = OpenFileRegistry(m_folder.File("registry.txt"));
    ManualAudioDevice m_device;
    MediaCommandEngine m_engine{m_device};
    LoggingSender m_sender{m_engine};
    SteppedTimer m_timer;
};

TEST_F(tWaveRecTest, CreateAndDestroy) {
    auto recorder = MakeRecorder();
    EXPECT_EQ(m_sender.commands, std::vector<std::string>{"open new type waveaudio alias test"});
    EXPECT_EQ(recorder->CurrentState(), tWaveRec::State::Idle);
    EXPECT_EQ(recorder->MaxSeconds(), 4);
    EXPECT_EQ(recorder->Background(), 0xFFFFFF);
    EXPECT_FALSE(recorder->TimerRunning());
    recorder.reset();
    EXPECT_EQ(m_sender.commands.back(), "close test");
    EXPECT_EQ(m_engine.OpenDeviceCount(), 0);
    // Never loaded: the learner's settings are left alone.
    EXPECT_FALSE(m_registry->KeyExists("Software\\qor\\Aufnahme"));
}

TEST_F(tWaveRecTest, MaximumLength) {
    auto recorder = MakeRecorder();
    struct Case {
        int given;
        int expected;
    };
    for (const auto& c : std::vector<Case>{{0, 4}, {20, 4}, {-3, 4}, {1, 1}, {19, 19}, {7, 7}}) {
        SCOPED_TRACE(c.given);
        recorder->SetMaxSeconds(c.given);
        EXPECT_EQ(recorder->MaxSeconds(), c.expected);
    }
}

TEST_F(tWaveRecTest, FormatSettingsFromTheRegistry) {
    struct Case {
        const char* name;
        std::optional<int> bits, rate, channels;
        RecordingFormat expected;
    };
    const std::vector<Case> cases = {
        {"missing", {}, {}, {}, {16, 44100, 1}},      {"valid", 8, 22050, 2, {8, 22050, 2}},
        {"rate 48000", 16, 48000, 1, {16, 44100, 1}}, {"bits 12, channels 0", 12, 11025, 0, {16, 11025, 1}},
        {"channels 3", 8, 11025, 3, {8, 11025, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto registry = OpenFileRegistry(m_folder.File(std::string(c.name) + ".txt"));
        if (c.bits)
            registry->WriteInteger("Software\\qor\\Aufnahme", "Bits", *c.bits);
        if (c.rate)
            registry->WriteInteger("Software\\qor\\Aufnahme", "Rate", *c.rate);
        if (c.channels)
            registry->WriteInteger("Software\\qor\\Aufnahme", "Kanäle"_cp, *c.channels);
        EXPECT_EQ(ReadRecordingFormat(*registry), c.expected);
    }
}

TEST_F(tWaveRecTest, RecordRestartsTheDeviceWithTheFormat) {
    m_registry->WriteInteger("Software\\qor\\Aufnahme", "Bits", 8);
    m_registry->WriteInteger("Software\\qor\\Aufnahme", "Rate", 22050);
    m_registry->WriteInteger("Software\\qor\\Aufnahme", "Kanäle"_cp, 2);
    auto recorder = MakeRecorder();
    std::size_t start = m_sender.commands.size();
    recorder->StartRecording();
    EXPECT_EQ(CommandsSince(start),
              (std::vector<std::string>{"close test", "open new type waveaudio alias test",
                                        "set test bitspersample 8 channels 2 alignment 2 samplespersec 22050 "
                                        "bytespersec 44100",
                                        "seek test to start", "record test"}));
    EXPECT_TRUE(recorder->Recording());
    EXPECT_TRUE(recorder->SettingsLoaded());
    EXPECT_EQ(m_device.LastCaptureFormat(), (AudioFormat{8, 2, 22050}));
    ASSERT_EQ(m_timer.Running(), 1);
    EXPECT_TRUE(recorder->TimerRunning());

    // The settings are read once; later changes in the registry do not count until reloaded.
    m_registry->WriteInteger("Software\\qor\\Aufnahme", "Bits", 16);
    recorder->Stop();
    recorder->StartRecording();
    EXPECT_EQ(m_device.LastCaptureFormat().bitsPerSample, 8);

    recorder->SetFormat({16, 11025, 1});
    recorder.reset();
    EXPECT_EQ(m_registry->ReadInteger("Software\\qor\\Aufnahme", "Bits"), 16);
    EXPECT_EQ(m_registry->ReadInteger("Software\\qor\\Aufnahme", "Rate"), 11025);
    EXPECT_EQ(m_registry->ReadInteger("Software\\qor\\Aufnahme", "Kanäle"_cp), 1);
    EXPECT_EQ(m_timer.Running(), 0);
}

TEST_F(tWaveRecTest, PollingStopsAtTheMaximumLength) {
    auto recorder = MakeRecorder();
    recorder->SetMaxSeconds(2);
    recorder->StartRecording();
    for (int i = 0; i < 19; ++i) {
        m_device.Advance(100);
        m_timer.TickAll();
    }
    EXPECT_TRUE(recorder->Recording());
    EXPECT_TRUE(m_device.Capturing());
    m_device.Advance(100);
    m_timer.TickAll();
    EXPECT_FALSE(recorder->Recording());
    EXPECT_FALSE(m_device.Capturing());
    EXPECT_EQ(m_timer.Running(), 0);
    EXPECT_EQ(m_sender.commands[m_sender.commands.size() - 2], "stop test");
}

TEST_F(tWaveRecTest, PlaybackEndsWhenTheDeviceStops) {
    auto recorder = MakeRecorder();
    recorder->StartRecording();
    m_device.Feed(std::string(88200, '\0')); // one second at 16 bits, mono, 44100 Hz
    recorder->Stop();
    EXPECT_EQ(recorder->CurrentState(), tWaveRec::State::Idle);
    std::size_t start = m_sender.commands.size();
    recorder->Play();
    EXPECT_EQ(CommandsSince(start), (std::vector<std::string>{"seek test to start", "play test"}));
    EXPECT_TRUE(recorder->Playing());
    m_device.Advance(600);
    m_timer.TickAll();
    EXPECT_TRUE(recorder->Playing());
    EXPECT_EQ(recorder->Position(), 600);
    m_device.Advance(600);
    m_timer.TickAll();
    EXPECT_FALSE(recorder->Playing());
    EXPECT_EQ(m_timer.Running(), 0);
    EXPECT_EQ(recorder->Mode(), "stopped");

    recorder->Save(m_folder.File("meine.wav"));
    EXPECT_EQ(m_sender.commands.back(), "save test \"" + m_folder.File("meine.wav") + "\"");
    EXPECT_TRUE(std::filesystem::exists(m_folder.File("meine.wav")));
}

TEST_F(tWaveRecTest, StoppedModeTexts) {
    struct Case {
        const char* mode;
        bool ends;
    };
    for (const auto& c : std::vector<Case>{{"beendet", true},
                                           {"stopped", true},
                                           {"stop", true},
                                           {"recording", false},
                                           {"playing", false},
                                           {"not ready", false},
                                           {"", false}}) {
        SCOPED_TRACE(c.mode);
        auto recorder = MakeRecorder();
        recorder->StartRecording();
        m_sender.answer = [&](std::string_view command) -> std::optional<std::string> {
            if (command == "status test mode")
                return std::string(c.mode);
            return std::nullopt;
        };
        m_timer.TickAll();
        EXPECT_EQ(recorder->Recording(), !c.ends);
        EXPECT_EQ(recorder->TimerRunning(), !c.ends);
        m_sender.answer = nullptr;
        recorder.reset();
    }
}

TEST_F(tWaveRecTest, FailedPositionQueryStopsPollingSilently) {
    test::MessageCapture messages;
    auto recorder = MakeRecorder();
    recorder->StartRecording();
    m_sender.answer = [](std::string_view command) -> std::optional<std::string> {
        if (command == "status test position")
            return std::string("Error263");
        return std::nullopt;
    };
    m_timer.TickAll();
    EXPECT_FALSE(recorder->TimerRunning());
    EXPECT_TRUE(recorder->Recording()); // the state stays until the learner stops
    EXPECT_TRUE(messages.Messages().empty());
    m_sender.answer = nullptr;
}

TEST_F(tWaveRecTest, RecordingWithoutCaptureEndsAtTheFirstPoll) {
    test::MessageCapture messages;
    m_device.SetCaptureError(328);
    auto recorder = MakeRecorder();
    recorder->StartRecording();
    EXPECT_TRUE(recorder->Recording());
    m_timer.TickAll();
    EXPECT_FALSE(recorder->Recording());
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(tWaveRecTest, PageLinksToggleThroughTheControlInterface) {
    auto recorder = MakeRecorder();
    PageRecorderControl& control = *recorder;
    control.StartRecording();
    EXPECT_TRUE(control.Recording());
    control.StopRecording();
    EXPECT_FALSE(control.Recording());
    EXPECT_EQ(m_sender.commands.back(), "stop test");
    control.Play();
    EXPECT_TRUE(control.Playing());
    control.StopPlayback();
    EXPECT_FALSE(control.Playing());
}

TEST_F(tWaveRecTest, ResetForgetsThePageSettings) {
    auto recorder = MakeRecorder();
    recorder->SetMaxSeconds(9);
    recorder->SetColour(0x123456);
    recorder->SetRecordButton(PageRect{1, 2, 3, 4});
    recorder->StartRecording();
    std::size_t start = m_sender.commands.size();
    recorder->Reset();
    EXPECT_EQ(CommandsSince(start),
              (std::vector<std::string>{"stop test", "close test", "open new type waveaudio alias test"}));
    EXPECT_FALSE(recorder->Recording());
    EXPECT_FALSE(recorder->TimerRunning());
    EXPECT_EQ(recorder->MaxSeconds(), 4);
    EXPECT_EQ(recorder->Background(), 0xFFFFFF);
}

TEST_F(tWaveRecTest, DrawsTheButtonsIntoThePageBuffer) {
    const Colour playIdle = MakeColour(0, 200, 0), playActive = MakeColour(0, 100, 0);
    const Colour recordIdle = MakeColour(200, 0, 0), recordActive = MakeColour(100, 0, 0);
    std::filesystem::create_directories(m_folder.Path() / "knoepfe");
    std::string pictures = m_folder.File("knoepfe");
    ASSERT_TRUE(WriteFileAtomically(pictures + "/play0.bmp", BmpFile(4, 2, playIdle)));
    ASSERT_TRUE(WriteFileAtomically(pictures + "/play1.bmp", BmpFile(4, 2, playActive)));
    ASSERT_TRUE(WriteFileAtomically(pictures + "/rec0.bmp", BmpFile(4, 2, recordIdle)));
    ASSERT_TRUE(WriteFileAtomically(pictures + "/rec1.bmp", BmpFile(4, 2, recordActive)));

    TXBitmap buffer(40, 10);
    std::vector<PageRect> copied;
    auto recorder = MakeRecorder();
    recorder->SetSurface(&buffer, [&](const PageRect& place) { copied.push_back(place); });
    recorder->SetRecordButton(PageRect{0, 0, 10, 4});
    recorder->SetPlayButton(PageRect{20, 0, 30, 4});
    recorder->SetColour(MakeColour(1, 2, 3));
    recorder->SetPictures(pictures);
    EXPECT_EQ(recorder->PictureFolder(), pictures);

    // Invisible: nothing is drawn.
    recorder->Draw(tWaveRec::Redraw::ToScreen);
    EXPECT_EQ(buffer.Pixel(0, 0), 0);
    EXPECT_TRUE(copied.empty());

    recorder->SetVisible(true);
    EXPECT_TRUE(copied.empty()); // becoming visible draws only into the buffer
    EXPECT_EQ(buffer.Pixel(0, 0), MakeColour(1, 2, 3));
    EXPECT_EQ(buffer.Pixel(3, 0), recordIdle); // centred: columns 3..6
    EXPECT_EQ(buffer.Pixel(2, 0), MakeColour(1, 2, 3));
    EXPECT_EQ(buffer.Pixel(6, 1), recordIdle);
    EXPECT_EQ(buffer.Pixel(7, 1), MakeColour(1, 2, 3));
    EXPECT_EQ(buffer.Pixel(3, 2), MakeColour(1, 2, 3)); // below the picture
    EXPECT_EQ(buffer.Pixel(23, 0), playIdle);
    EXPECT_EQ(buffer.Pixel(15, 0), 0); // between the buttons the page is untouched

    recorder->StartRecording();
    EXPECT_EQ(buffer.Pixel(4, 0), recordActive);
    EXPECT_EQ(buffer.Pixel(24, 0), playIdle);
    EXPECT_EQ(copied, (std::vector<PageRect>{{0, 0, 10, 4}, {20, 0, 30, 4}}));
    recorder->Stop();
    recorder->Play();
    EXPECT_EQ(buffer.Pixel(4, 0), recordIdle);
    EXPECT_EQ(buffer.Pixel(24, 0), playActive);
}

TEST_F(tWaveRecTest, MissingPicturesAndOddRectanglesDoNotFail) {
    TXBitmap buffer(8, 8);
    auto recorder = MakeRecorder();
    recorder->SetSurface(&buffer, {});
    recorder->SetPictures(m_folder.File("gibt es nicht"));
    recorder->SetRecordButton(PageRect{-50, -50, 4, 4});
    recorder->SetPlayButton(PageRect{6, 6, 2000000000, 2000000000});
    recorder->SetVisible(true);
    recorder->StartRecording();
    EXPECT_EQ(buffer.Pixel(0, 0), 0xFFFFFF);
    EXPECT_EQ(buffer.Pixel(7, 7), 0xFFFFFF);
    EXPECT_EQ(buffer.Pixel(5, 5), 0);
}

} // namespace
} // namespace qor
