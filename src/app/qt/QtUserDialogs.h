#pragma once
// The log-in dialogs of the user records on the screen: the password dialog, the dialog for a new
// password and the wizard of a first start (which shows pages of the page folder).

#include "users/UserDialogs.h"

#include <functional>
#include <string>

namespace qor {

class QtUserDialogs : public UserDialogs {
public:
    // `pageFolder` gives the folder of the wizard's pages when the wizard opens.
    explicit QtUserDialogs(std::function<std::string()> pageFolder) : m_pageFolder(std::move(pageFolder)) {}

    std::optional<UserCredentials> ShowTXPasswort(const PasswordRequest& request) override;
    std::optional<PasswordChange> ShowTXChangePW(const std::string& caption,
                                                 const std::string& name) override;
    std::optional<UserCredentials> ShowTXLogInWizard() override;

private:
    std::function<std::string()> m_pageFolder;
};

} // namespace qor
