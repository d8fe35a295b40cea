#include "app/ScriptedFileChooser.h"

namespace qor {

std::optional<std::string> ScriptedFileChooser::ChooseFile(const FileChoiceRequest& request) {
    m_shown.push_back(request);
    if (m_answers.empty())
        return std::nullopt;
    std::optional<std::string> answer = std::move(m_answers.front());
    m_answers.pop_front();
    return answer;
}

} // namespace qor
