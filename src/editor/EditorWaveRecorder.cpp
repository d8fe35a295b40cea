#include "editor/EditorWaveRecorder.h"

#include "sound/tWaveRec.h"

namespace qor {

void EditorWaveRecorder::StartRecording() {
    // Whole seconds, rounded up, so that the recorder does not stop before the editor does.
    m_recorder.SetMaxSeconds((EditorRecording::kLongestTakeMs + 999) / 1000);
    m_recorder.StartRecording();
}

void EditorWaveRecorder::StartPlaying() {
    m_recorder.Play();
}

void EditorWaveRecorder::Stop() {
    m_recorder.Stop();
}

std::optional<int> EditorWaveRecorder::Position() {
    const int position = m_recorder.Position();
    if (position < 0)
        return std::nullopt;
    return position;
}

std::string EditorWaveRecorder::Mode() {
    return m_recorder.Mode();
}

bool EditorWaveRecorder::Save(std::string_view file) {
    return m_recorder.Save(file);
}

} // namespace qor
