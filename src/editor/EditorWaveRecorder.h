#pragma once
// The editor's recorder buttons on the program's recorder. A take in the editor may be longer than
// one on a page: the recorder is given the editor's length while the editor records.

#include "editor/EditorRecording.h"

namespace qor {

class tWaveRec;

class EditorWaveRecorder : public EditorRecorder {
public:
    explicit EditorWaveRecorder(tWaveRec& recorder) : m_recorder(recorder) {}

    void StartRecording() override;
    void StartPlaying() override;
    void Stop() override;
    std::optional<int> Position() override;
    std::string Mode() override;
    bool Save(std::string_view file) override;

private:
    tWaveRec& m_recorder;
};

} // namespace qor
