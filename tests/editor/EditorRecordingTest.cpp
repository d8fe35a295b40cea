#include "editor/EditorRecording.h"

#include "editor/EditorFakes.h"
#include "platform/MessageCapture.h"
#include "platform/WinPath.h"
#include "settings/SettingsTestSupport.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

class ScriptedRecorder : public EditorRecorder {
public:
    std::vector<std::string> calls;
    std::optional<int> position = 0;
    std::string mode = "recording";
    bool saves = true;

    void StartRecording() override { calls.push_back("record"); }
    void StartPlaying() override { calls.push_back("play"); }
    void Stop() override { calls.push_back("stop"); }
    std::optional<int> Position() override { return position; }
    std::string Mode() override { return mode; }
    bool Save(std::string_view file) override {
        calls.push_back("save " + std::string(file));
        return saves;
    }
};

TEST(WaveFileName, GetsTheWaveExtension) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"C:\\a\\maison", "C:\\a\\maison.wav"},
        {"C:\\a\\maison.mp3", "C:\\a\\maison.wav"},
        {"C:\\a\\maison.WAV", "C:\\a\\maison.WAV"},
        {"C:\\a.b\\maison", "C:\\a.b\\maison.wav"}};
    for (const auto& [chosen, file] : cases) {
        SCOPED_TRACE(chosen);
        EXPECT_EQ(WaveFileName(chosen), file);
    }
}

TEST(EditorRecording, ButtonsLockEachOtherAndSetTheTimer) {
    ScriptedRecorder recorder;
    EditorRecording buttons(recorder);
    buttons.RecordClicked();
    EXPECT_TRUE(buttons.RecordDown());
    EXPECT_FALSE(buttons.PlayEnabled());
    EXPECT_FALSE(buttons.SaveEnabled());
    EXPECT_EQ(buttons.TimerInterval(), 100);
    buttons.PlayClicked(); // disabled while recording
    EXPECT_FALSE(buttons.PlayDown());
    buttons.RecordClicked();
    EXPECT_TRUE(buttons.SaveEnabled());
    EXPECT_EQ(buttons.TimerInterval(), 0);
    buttons.PlayClicked();
    EXPECT_FALSE(buttons.RecordEnabled());
    EXPECT_EQ(buttons.TimerInterval(), 25);
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"record", "stop", "play"}));
}

TEST(EditorRecording, PollStopsAtErrorsLengthAndTheDevicesEnd) {
    struct Case {
        std::optional<int> position;
        std::string mode;
        bool stillDown;
        int timer;
        bool stopped;
    };
    const std::vector<Case> cases = {
        {500, "recording", true, 100, false}, {std::nullopt, "recording", true, 0, false},
        {10000, "recording", true, 0, true},  {10000, "stopped", false, 0, true},
        {800, "beendet", false, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode + " " + std::to_string(c.position.value_or(-1)));
        ScriptedRecorder recorder;
        EditorRecording buttons(recorder);
        buttons.RecordClicked();
        recorder.position = c.position;
        recorder.mode = c.mode;
        buttons.Poll();
        EXPECT_EQ(buttons.RecordDown(), c.stillDown);
        EXPECT_EQ(buttons.TimerInterval(), c.timer);
        EXPECT_EQ(recorder.calls.back() == "stop", c.stopped);
    }
}

TEST(EditorRecording, SaveReplacesAnExistingFile) {
    test::TempFolder folder;
    test::MessageCapture messages;
    ScriptedRecorder recorder;
    EditorRecording buttons(recorder);
    test::QueuedFileChooser chooser;
    EXPECT_EQ(buttons.SaveWav(chooser), std::nullopt);
    EXPECT_EQ(chooser.requests[0].filter, "Audiodateien (*.wav)|*.wav");

    const std::string old = folder.Touch("maison.wav");
    chooser.answers.push_back(folder.Folder() + "maison");
    EXPECT_EQ(buttons.SaveWav(chooser), old);
    EXPECT_FALSE(FileExists(old));
    EXPECT_EQ(recorder.calls.back(), "save " + old);

    recorder.saves = false;
    chooser.answers.push_back(old);
    EXPECT_EQ(buttons.SaveWav(chooser), std::nullopt);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Sprachaufnahme konnte nicht gespeichert werden.."});
    EXPECT_EQ(messages.Messages()[0].flags, 16);
}

} // namespace
} // namespace qor
