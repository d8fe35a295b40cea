#include "editor/EditorRecording.h"

#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/WinPath.h"

#include <filesystem>

namespace qor {

std::string WaveFileName(std::string_view chosen) {
    const std::string extension = ExtensionPart(chosen);
    if (SameTextInsensitive(extension, ".wav"))
        return std::string(chosen);
    return std::string(chosen.substr(0, chosen.size() - extension.size())) + ".wav";
}

void EditorRecording::RecordClicked() {
    if (m_playDown)
        return;
    m_recordDown = !m_recordDown;
    if (m_recordDown) {
        m_recorder.StartRecording();
        m_timerInterval = kRecordPollMs;
    } else {
        m_recorder.Stop();
        m_timerInterval = 0;
    }
}

void EditorRecording::PlayClicked() {
    if (m_recordDown)
        return;
    m_playDown = !m_playDown;
    if (m_playDown) {
        m_recorder.StartPlaying();
        m_timerInterval = kPlayPollMs;
    } else {
        m_recorder.Stop();
        m_timerInterval = 0;
    }
}

// The device stopped by itself: the buttons come up, and nothing is left to poll.
void EditorRecording::Release() {
    m_recordDown = false;
    m_playDown = false;
    m_timerInterval = 0;
}

void EditorRecording::Poll() {
    if (m_timerInterval == 0)
        return;
    const std::optional<int> position = m_recorder.Position();
    if (!position) {
        m_timerInterval = 0;
        return;
    }
    if (*position > kLongestTakeMs) {
        m_recorder.Stop();
        m_timerInterval = 0;
    }
    const std::string mode = m_recorder.Mode();
    if (mode.starts_with("been") || mode.starts_with("stop"))
        Release();
}

std::optional<std::string> EditorRecording::SaveWav(FileChooser& saveChooser) {
    FileChoiceRequest request;
    request.filter = "Audiodateien (*.wav)|*.wav";
    const std::optional<std::string> chosen = saveChooser.ChooseFile(request);
    if (!chosen || chosen->empty())
        return std::nullopt;
    const std::string file = WaveFileName(*chosen);
    if (FileExists(file)) {
        std::error_code error;
        if (!std::filesystem::remove(NativePath(file), error)) {
            ShowAppMessage("Die existierende Datei konnte nicht gelöscht werden."_cp, kMbIconError);
            return std::nullopt;
        }
    }
    if (!m_recorder.Save(file)) {
        ShowAppMessage("Sprachaufnahme konnte nicht gespeichert werden..", kMbIconError);
        return std::nullopt;
    }
    return file;
}

} // namespace qor
