#pragma once
// The editor's recorder buttons `bRec`, `bPlay` and `SaveWAV`: which are pressed and enabled, how
// often the window's timer polls, and saving the take as a wave file.

#include "settings/FileChooser.h"

#include <optional>
#include <string>
#include <string_view>

namespace qor {

// What the buttons need of the program's recorder.
class EditorRecorder {
public:
    virtual ~EditorRecorder() = default;
    virtual void StartRecording() = 0;
    virtual void StartPlaying() = 0;
    virtual void Stop() = 0;
    // Milliseconds, or nothing when the device answered with an error.
    virtual std::optional<int> Position() = 0;
    virtual std::string Mode() = 0;
    virtual bool Save(std::string_view file) = 0;
};

// "name" → "name.wav", "name.mp3" → "name.wav", "name.WAV" stays (only the file part counts).
std::string WaveFileName(std::string_view chosen);

class EditorRecording {
public:
    static constexpr int kRecordPollMs = 100;
    static constexpr int kPlayPollMs = 25;
    static constexpr int kLongestTakeMs = 9999;

    explicit EditorRecording(EditorRecorder& recorder) : m_recorder(recorder) {}

    void RecordClicked();
    void PlayClicked();
    // One timer tick.
    void Poll();
    // "Aufnahme speichern": the saved file (for the recording management dialog), or nothing.
    std::optional<std::string> SaveWav(FileChooser& saveChooser);

    bool RecordDown() const { return m_recordDown; }
    bool PlayDown() const { return m_playDown; }
    bool RecordEnabled() const { return !m_playDown; }
    bool PlayEnabled() const { return !m_recordDown; }
    bool SaveEnabled() const { return !m_recordDown && !m_playDown; }
    // 0 while the timer is off.
    int TimerInterval() const { return m_timerInterval; }

private:
    void Release();

    EditorRecorder& m_recorder;
    bool m_recordDown = false;
    bool m_playDown = false;
    int m_timerInterval = 0;
};

} // namespace qor
