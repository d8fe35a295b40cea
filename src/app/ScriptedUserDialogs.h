#pragma once
// The log-in dialogs when a script drives the program: each dialog takes the next answer the
// script queued, and is cancelled when there is none, as a learner closing it would be. The
// dialogs shown are remembered for the script's checks.

#include "users/UserDialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace qor {

class ScriptedUserDialogs : public UserDialogs {
public:
    // The fields of one answer (Windows-1252): name and password for the password dialog and the
    // wizard, old password, new password and confirmation for the new-password dialog; missing
    // fields are empty. Nothing: Cancel.
    void AddAnswer(std::optional<std::vector<std::string>> fields) { m_answers.push_back(std::move(fields)); }
    std::size_t PendingAnswers() const { return m_answers.size(); }

    // "TXPasswort", "TXChangePW" or "TXLogInWizard", in the order shown.
    const std::vector<std::string>& Shown() const { return m_shown; }
    // The caption and names of the last password dialog.
    const PasswordRequest& LastPasswordRequest() const { return m_lastRequest; }

    std::optional<UserCredentials> ShowTXPasswort(const PasswordRequest& request) override;
    std::optional<PasswordChange> ShowTXChangePW(const std::string& caption,
                                                 const std::string& name) override;
    std::optional<UserCredentials> ShowTXLogInWizard() override;

private:
    std::optional<std::vector<std::string>> Next(const char* dialog, std::size_t fields);

    std::deque<std::optional<std::vector<std::string>>> m_answers;
    std::vector<std::string> m_shown;
    PasswordRequest m_lastRequest;
};

} // namespace qor
