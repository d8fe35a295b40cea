// The page commands "login", "newusr", "chusr" and "chpw": which dialog comes when, and which
// message refuses what.
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/FileNames.h"
#include "platform/WinPath.h"
#include "users/TXUserBase.h"
#include "users/UserNames.h"

namespace qor {

void TXUserBase::RunLogIn() {
    // When the running session cannot be saved it stays: logging somebody else in now would
    // throw its results away.
    if (IsLoggedIn() && !SaveUser())
        return;
    ScanUsers();
    if (m_userNames.empty()) {
        if (std::optional<UserCredentials> answer = m_dialogs.ShowTXLogInWizard())
            LogIn(answer->name, answer->password);
        return;
    }
    if (m_userNames.size() == 1) {
        const std::string onlyUser = m_userNames.front();
        LogIn(onlyUser, "");
        return;
    }
    PasswordRequest request;
    request.caption = "*qor französisch"_cp;
    request.names = m_userNames;
    request.presetName = m_userNames.front();
    std::optional<UserCredentials> answer = m_dialogs.ShowTXPasswort(request);
    if (answer && !answer->name.empty())
        LogIn(answer->name, answer->password);
}

void TXUserBase::NewUser() {
    PasswordRequest request;
    request.caption = "Neuen Benutzer anlegen";
    std::optional<UserCredentials> answer = m_dialogs.ShowTXPasswort(request);
    if (!answer)
        return;
    if (HasInvalidFileNameChar(answer->name)) {
        ShowAppMessage(std::string("Der Name darf keines der folgenden Zeichen enthalten: ") +
                       std::string(kInvalidFileNameChars));
        return;
    }
    if (!answer->name.empty() && FileExists(UserFilePathIn(m_userFolder, answer->name))) {
        ShowAppMessage(answer->name + " existiert bereits!");
        return;
    }
    LogIn(answer->name, answer->password);
}

void TXUserBase::ChangeUser() {
    ScanUsers();
    if (m_userNames.empty() || (m_userNames.size() == 1 && IsLoggedIn())) {
        NewUser();
        return;
    }
    PasswordRequest request;
    request.caption = "qor französisch"_cp;
    request.names = m_userNames;
    request.presetName = m_userNames.front();
    std::optional<UserCredentials> answer = m_dialogs.ShowTXPasswort(request);
    if (!answer || answer->name.empty())
        return;
    if (!HasInvalidFileNameChar(answer->name) && !FileExists(UserFilePathIn(m_userFolder, answer->name)) &&
        ShowAppMessage(answer->name + " existiert noch nicht! Neu anlegen?", kMbIconQuestion | kMbOkCancel) !=
            kIdOk)
        return;
    LogIn(answer->name, answer->password);
}

void TXUserBase::ChangePassword() {
    if (!IsLoggedIn()) {
        ShowAppMessage("Nur angemeldete Benutzer können Passwörter ändern!"_cp, kMbIconError);
        return;
    }
    std::optional<PasswordChange> answer =
        m_dialogs.ShowTXChangePW(std::string("qor französisch - Passwort ändern"_cp), m_userName);
    if (!answer)
        return;
    if (answer->oldPassword != m_password) {
        ShowAppMessage("Das alte Passwort stimmt nicht!", kMbIconError);
    } else if (answer->newPassword != answer->confirmation) {
        ShowAppMessage("Das neue Passwort und die Bestätigung stimmen nicht überein!"_cp, kMbIconError);
    } else if (answer->oldPassword == answer->newPassword) {
        ShowAppMessage("Das Passwort wurde nicht geändert."_cp, kMbIconInformation);
    } else {
        m_password = answer->newPassword;
        ShowAppMessage(m_password.empty() ? "Das Passwort wurde deaktiviert."
                                          : "Das Passwort wurde geändert."_cp,
                       kMbIconInformation);
    }
}

} // namespace qor
