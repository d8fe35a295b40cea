// The SDL back end under the dummy driver (ctest sets SDL_AUDIODRIVER=dummy): playback opens and
// runs silently; recording either works or is refused with an error reply, and nothing hangs.
#include "sound/SdlAudioDevice.h"

#include "SoundTestSupport.h"
#include "platform/WinPath.h"
#include "sound/AudioFile.h"
#include "sound/MediaCommandEngine.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

namespace qor {
namespace {

TEST(SdlAudioDevice, DummyDriverPlaysAndReportsMissingCapture) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    test::ScratchFolder folder;
    AudioClip clip;
    clip.format = AudioFormat{8, 1, 11025};
    clip.bytes.assign(1103, '\x80'); // 100 ms of silence
    std::string file = folder.File("kurz.wav");
    ASSERT_TRUE(WriteFileAtomically(file, WaveFileBytes(clip)));

    SdlAudioDevice device;
    ASSERT_TRUE(device.Available());
    MediaCommandEngine engine(device);
    ASSERT_EQ(engine.Send("open \"" + file + "\" alias welle"), "");
    EXPECT_EQ(engine.Send("status welle length"), "100");
    ASSERT_EQ(engine.Send("play welle from 0"), "");
    EXPECT_EQ(engine.Send("status welle mode"), "playing");
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    EXPECT_EQ(engine.Send("status welle mode"), "stopped");
    EXPECT_EQ(engine.Send("close welle"), "");

    ASSERT_EQ(engine.Send("open new type waveaudio alias test"), "");
    std::string reply = engine.Send("record test");
    EXPECT_TRUE(reply.empty() || reply == "Error328") << reply;
    EXPECT_EQ(engine.Send("stop test"), "");
    EXPECT_EQ(engine.Send("status test mode"), "stopped");
    EXPECT_EQ(engine.Send("close all"), "");
}

} // namespace
} // namespace qor
