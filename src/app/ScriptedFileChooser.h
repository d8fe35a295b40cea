#pragma once
// The file dialogs when a script drives the program: each dialog takes the next file the script
// queued ("answer-file"), and is cancelled when there is none, as a learner closing it would be.
// The names the dialogs proposed are remembered for the script's checks.

#include "settings/FileChooser.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace qor {

class ScriptedFileChooser : public FileChooser {
public:
    // A program path, or nothing for Cancel.
    void AddAnswer(std::optional<std::string> file) { m_answers.push_back(std::move(file)); }
    std::optional<std::string> ChooseFile(const FileChoiceRequest& request) override;
    // The requests of the dialogs shown, in order.
    const std::vector<FileChoiceRequest>& Shown() const { return m_shown; }

private:
    std::deque<std::optional<std::string>> m_answers;
    std::vector<FileChoiceRequest> m_shown;
};

} // namespace qor
