#include "app/ScriptedUserDialogs.h"

#include <algorithm>

namespace qor {

std::optional<std::vector<std::string>> ScriptedUserDialogs::Next(const char* dialog, std::size_t fields) {
    m_shown.emplace_back(dialog);
    if (m_answers.empty())
        return std::nullopt;
    std::optional<std::vector<std::string>> answer = std::move(m_answers.front());
    m_answers.pop_front();
    if (answer)
        answer->resize(std::max(answer->size(), fields));
    return answer;
}

std::optional<UserCredentials> ScriptedUserDialogs::ShowTXPasswort(const PasswordRequest& request) {
    m_lastRequest = request;
    std::optional<std::vector<std::string>> answer = Next("TXPasswort", 2);
    if (!answer)
        return std::nullopt;
    // A name the dialog does not let the learner change stays as it was filled in.
    std::string name = request.nameField == NameField::Locked ? request.presetName : (*answer)[0];
    return UserCredentials{std::move(name), (*answer)[1]};
}

std::optional<PasswordChange> ScriptedUserDialogs::ShowTXChangePW(const std::string&, const std::string&) {
    std::optional<std::vector<std::string>> answer = Next("TXChangePW", 3);
    if (!answer)
        return std::nullopt;
    return PasswordChange{(*answer)[0], (*answer)[1], (*answer)[2]};
}

std::optional<UserCredentials> ScriptedUserDialogs::ShowTXLogInWizard() {
    std::optional<std::vector<std::string>> answer = Next("TXLogInWizard", 2);
    if (!answer)
        return std::nullopt;
    return UserCredentials{(*answer)[0], (*answer)[1]};
}

} // namespace qor
