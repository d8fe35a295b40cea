#include "app/qt/QtUserDialogs.h"

#include "app/qt/TXChangePW.h"
#include "app/qt/TXLogInWizard.h"
#include "app/qt/TXPasswort.h"

#include <QApplication>

namespace qor {

std::optional<UserCredentials> QtUserDialogs::ShowTXPasswort(const PasswordRequest& request) {
    TXPasswort dialog(QApplication::activeWindow());
    if (!request.caption.empty())
        dialog.SetCaption(request.caption);
    dialog.SetNames(request.names);
    if (!request.presetName.empty() || request.nameField == NameField::Locked)
        dialog.SetName(request.presetName);
    dialog.SetNameEnabled(request.nameField == NameField::Editable);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return UserCredentials{dialog.Name(), dialog.Password()};
}

std::optional<PasswordChange> QtUserDialogs::ShowTXChangePW(const std::string& caption,
                                                            const std::string& name) {
    TXChangePW dialog(QApplication::activeWindow());
    if (!caption.empty())
        dialog.SetCaption(caption);
    dialog.SetName(name);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return PasswordChange{dialog.OldPassword(), dialog.NewPassword(), dialog.Confirmation()};
}

std::optional<UserCredentials> QtUserDialogs::ShowTXLogInWizard() {
    TXLogInWizard wizard(m_pageFolder ? m_pageFolder() : std::string());
    if (wizard.exec() != QDialog::Accepted)
        return std::nullopt;
    return UserCredentials{wizard.Name(), wizard.Password()};
}

} // namespace qor
