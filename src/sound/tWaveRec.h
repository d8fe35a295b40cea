#pragma once
// The recorder: a record button and a play button drawn inside a page (or the vocabulary editor)
// that record the learner's voice under the multimedia alias "test" and play it back. While it
// records or plays it polls the device every 100 ms: it stops at the maximum length and goes idle
// when the device reports it has stopped. Device errors are never shown.

#include "page/controls/PageRecorderControl.h"
#include "page/markup/PageRecorder.h"
#include "page/render/TXBitmap.h"
#include "sound/RecordingFormat.h"

#include <functional>
#include <string>

namespace qor {

class IntervalTimer;
class MediaCommandSender;
class RegistryStore;

class tWaveRec : public PageRecorder, public PageRecorderControl {
public:
    enum class State { Idle = 0, Recording = 1, Playing = 2 };
    static constexpr int kDefaultMaxSeconds = 4;
    static constexpr int kPollMs = 100;

    // Opens the recording device. `registry` holds the format settings (local-machine hive).
    tWaveRec(MediaCommandSender& sender, IntervalTimer& timer, RegistryStore& registry);
    // Closes the device and writes the format settings.
    ~tWaveRec() override;
    tWaveRec(const tWaveRec&) = delete;
    tWaveRec& operator=(const tWaveRec&) = delete;
    // Where the format settings live; the settings window keeps its other choices beside them.
    RegistryStore& SettingsRegistry() const { return m_registry; }

    // [PageRecorder]
    void SetRecordButton(const PageRect& place) override { m_recordRect = place; }
    void SetPlayButton(const PageRect& place) override { m_playRect = place; }
    void SetPictures(std::string_view folder) override;
    void SetColour(Colour colour) override { m_background = colour; }
    void SetMaxSeconds(int seconds) override;
    void Reset() override;

    // [PageRecorderControl]
    bool Recording() const override { return m_state == State::Recording; }
    void StartRecording() override;
    void StopRecording() override { Stop(); }
    bool Playing() const override { return m_state == State::Playing; }
    void Play() override;
    void StopPlayback() override { Stop(); }

    void Stop();
    // False when the device refused (no take, or the file could not be written).
    bool Save(std::string_view file);
    // "close test", "open new type waveaudio alias test": the next recording starts afresh.
    void ResetDevice();
    // The device's position in milliseconds (-1 when it cannot tell) and its mode text.
    int Position();
    std::string Mode();

    State CurrentState() const { return m_state; }
    int MaxSeconds() const { return m_maxSeconds; }
    const RecordingFormat& Format() const { return m_format; }
    void SetFormat(const RecordingFormat& format);
    void LoadSettings();
    // Writes the format to the registry now (the settings window's "&OK").
    void WriteSettings();
    bool SettingsLoaded() const { return m_settingsLoaded; }
    void ApplyFormat();
    const std::string& PictureFolder() const { return m_pictureFolder; }
    Colour Background() const { return m_background; }
    bool TimerRunning() const { return m_timerId != 0; }

    // Where the buttons are drawn: the page's off-screen buffer, and the copy of a rectangle of it
    // to the screen (may be empty). Not owned.
    void SetSurface(TXBitmap* buffer, std::function<void(const PageRect&)> copyToScreen);
    // The page point at the buffer's top left corner (a scrolled page's window shows its lower part).
    void SetOrigin(int x, int y) {
        m_originX = x;
        m_originY = y;
    }
    void SetVisible(bool visible);
    bool Visible() const { return m_visible; }
    enum class Redraw { BufferOnly, ToScreen };
    void Draw(Redraw redraw);

    // One poll of the device (the timer calls it; public for the page's own tests).
    void Poll();

private:
    std::string Command(std::string_view text);
    void StartTimer();
    void StopTimer();
    void DrawButton(const PageRect& place, const TXBitmap& picture);

    MediaCommandSender& m_sender;
    IntervalTimer& m_timer;
    RegistryStore& m_registry;
    State m_state = State::Idle;
    RecordingFormat m_format;
    bool m_settingsLoaded = false;
    int m_maxSeconds = kDefaultMaxSeconds;
    PageRect m_recordRect;
    PageRect m_playRect;
    Colour m_background = 0xFFFFFF;
    TXBitmap m_playIdle;
    TXBitmap m_playActive;
    TXBitmap m_recordIdle;
    TXBitmap m_recordActive;
    std::string m_pictureFolder;
    TXBitmap* m_buffer = nullptr;
    int m_originX = 0;
    int m_originY = 0;
    std::function<void(const PageRect&)> m_copyToScreen;
    bool m_visible = false;
    int m_timerId = 0;
};

} // namespace qor
