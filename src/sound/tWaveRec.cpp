#include "sound/tWaveRec.h"

#include "page/render/IntervalTimer.h"
#include "page/sources/BmpReader.h"
#include "platform/MediaCommands.h"
#include "platform/RegistryStore.h"
#include "platform/WinPath.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace qor {

namespace {

constexpr std::string_view kOpenCommand = "open new type waveaudio alias test";

TXBitmap LoadPicture(const std::string& folder, std::string_view name) {
    TXBitmap picture;
    std::string bytes;
    // A missing or unreadable picture leaves that button blank rather than failing the page.
    if (ReadWholeFile(WithTrailingSeparator(folder) + std::string(name), bytes, 16u << 20))
        ReadBmp(bytes, picture);
    return picture;
}

} // namespace

tWaveRec::tWaveRec(MediaCommandSender& sender, IntervalTimer& timer, RegistryStore& registry)
    : m_sender(sender), m_timer(timer), m_registry(registry) {
    Command(kOpenCommand);
}

tWaveRec::~tWaveRec() {
    StopTimer();
    Command("close test");
    // Only settings that were read or chosen are written: a recorder that never recorded must not
    // replace the learner's format with the defaults.
    if (m_settingsLoaded)
        WriteRecordingFormat(m_registry, m_format);
}

std::string tWaveRec::Command(std::string_view text) {
    return m_sender.Send(text);
}

// [SECTION] Settings

void tWaveRec::SetMaxSeconds(int seconds) {
    m_maxSeconds = seconds >= 1 && seconds <= 19 ? seconds : kDefaultMaxSeconds;
}

void tWaveRec::SetPictures(std::string_view folder) {
    if (folder == m_pictureFolder)
        return;
    m_pictureFolder = std::string(folder);
    m_playIdle = LoadPicture(m_pictureFolder, "play0.bmp");
    m_playActive = LoadPicture(m_pictureFolder, "play1.bmp");
    m_recordIdle = LoadPicture(m_pictureFolder, "rec0.bmp");
    m_recordActive = LoadPicture(m_pictureFolder, "rec1.bmp");
}

void tWaveRec::LoadSettings() {
    m_format = ReadRecordingFormat(m_registry);
    m_settingsLoaded = true;
}

void tWaveRec::WriteSettings() {
    WriteRecordingFormat(m_registry, m_format);
}

void tWaveRec::SetFormat(const RecordingFormat& format) {
    m_format = format;
    m_settingsLoaded = true;
}

void tWaveRec::ApplyFormat() {
    Command(FormatCommand("test", m_format));
}

void tWaveRec::Reset() {
    if (m_state != State::Idle)
        Stop();
    StopTimer();
    ResetDevice();
    m_recordRect = PageRect();
    m_playRect = PageRect();
    m_background = 0xFFFFFF;
    m_maxSeconds = kDefaultMaxSeconds;
}

// [SECTION] Recording and playback

void tWaveRec::ResetDevice() {
    Command("close test");
    Command(kOpenCommand);
}

void tWaveRec::StartRecording() {
    ResetDevice();
    if (!m_settingsLoaded)
        LoadSettings();
    ApplyFormat();
    Command("seek test to start");
    Command("record test");
    m_state = State::Recording;
    StartTimer();
    Draw(Redraw::ToScreen);
}

void tWaveRec::Play() {
    Command("seek test to start");
    Command("play test");
    m_state = State::Playing;
    StartTimer();
    Draw(Redraw::ToScreen);
}

void tWaveRec::Stop() {
    Command("stop test");
    m_state = State::Idle;
    Draw(Redraw::ToScreen);
}

bool tWaveRec::Save(std::string_view file) {
    return !Command("save test \"" + std::string(file) + "\"").starts_with("Error");
}

int tWaveRec::Position() {
    std::string reply = Command("status test position");
    int position = -1;
    auto result = std::from_chars(reply.data(), reply.data() + reply.size(), position);
    return result.ec == std::errc() ? position : -1;
}

std::string tWaveRec::Mode() {
    return Command("status test mode");
}

void tWaveRec::Poll() {
    std::string reply = Command("status test position");
    if (reply.starts_with("Error")) {
        StopTimer();
        return;
    }
    int position = 0;
    std::from_chars(reply.data(), reply.data() + reply.size(), position);
    if (position >= m_maxSeconds * 1000) {
        Command("stop test");
        StopTimer();
    }
    std::string mode = Command("status test mode");
    // "beendet" is how German systems report the stopped mode.
    if (mode.starts_with("been") || mode.starts_with("stop")) {
        m_state = State::Idle;
        StopTimer();
        Draw(Redraw::ToScreen);
    }
}

void tWaveRec::StartTimer() {
    if (m_timerId == 0)
        m_timerId = m_timer.Start(kPollMs, [this] { Poll(); });
}

void tWaveRec::StopTimer() {
    if (m_timerId != 0)
        m_timer.Stop(std::exchange(m_timerId, 0));
}

// [SECTION] Drawing

void tWaveRec::SetSurface(TXBitmap* buffer, std::function<void(const PageRect&)> copyToScreen) {
    m_buffer = buffer;
    m_copyToScreen = std::move(copyToScreen);
}

void tWaveRec::SetVisible(bool visible) {
    bool appears = visible && !m_visible;
    m_visible = visible;
    if (appears)
        Draw(Redraw::BufferOnly);
}

void tWaveRec::Draw(Redraw redraw) {
    if (!m_visible || m_buffer == nullptr)
        return;
    DrawButton(m_recordRect, m_state == State::Recording ? m_recordActive : m_recordIdle);
    DrawButton(m_playRect, m_state == State::Playing ? m_playActive : m_playIdle);
    if (redraw == Redraw::ToScreen && m_copyToScreen) {
        m_copyToScreen(m_recordRect);
        m_copyToScreen(m_playRect);
    }
}

void tWaveRec::DrawButton(const PageRect& button, const TXBitmap& picture) {
    TXBitmap& target = *m_buffer;
    const PageRect place{button.left - m_originX, button.top - m_originY, button.right - m_originX,
                         button.bottom - m_originY};
    int left = std::clamp(place.left, 0, target.Width());
    int right = std::clamp(place.right, 0, target.Width());
    int top = std::clamp(place.top, 0, target.Height());
    int bottom = std::clamp(place.bottom, 0, target.Height());
    if (left < right) {
        PixelRun run(m_background);
        for (int y = top; y < bottom; ++y)
            run.Fill(target.Row(y) + static_cast<std::size_t>(left) * 3, right - left);
    }
    if (picture.Empty())
        return;
    // Centred across the button, from its top edge; the picture is clipped to the button.
    long long width = static_cast<long long>(place.right) - place.left;
    int x0 = static_cast<int>(
        std::clamp<long long>(place.left + (width - picture.Width()) / 2, INT32_MIN / 2, INT32_MAX / 2));
    for (int py = 0; py < picture.Height(); ++py) {
        long long y = static_cast<long long>(place.top) + py;
        if (y < top || y >= bottom)
            continue;
        for (int px = 0; px < picture.Width(); ++px) {
            long long x = static_cast<long long>(x0) + px;
            if (x < left || x >= right)
                continue;
            target.SetPixel(static_cast<int>(x), static_cast<int>(y), picture.Pixel(px, py));
        }
    }
}

} // namespace qor
