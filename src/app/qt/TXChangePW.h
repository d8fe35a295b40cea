#pragma once
// The dialog for a new password: the learner's name (not editable), the old password, the new one
// and its confirmation, all shown as stars.

#include <QDialog>
#include <string>
#include <string_view>

class QLineEdit;

namespace qor {

class TXChangePW : public QDialog {
    Q_OBJECT
public:
    explicit TXChangePW(QWidget* parent = nullptr);

    // Windows-1252 texts throughout.
    void SetCaption(std::string_view caption);
    void SetName(std::string_view name);

    std::string OldPassword() const;
    std::string NewPassword() const;
    std::string Confirmation() const;

    QLineEdit* OldPasswordField() const { return m_oldPassword; }
    QLineEdit* NewPasswordField() const { return m_newPassword; }
    QLineEdit* ConfirmationField() const { return m_confirmation; }

private:
    QLineEdit* m_name;
    QLineEdit* m_oldPassword;
    QLineEdit* m_newPassword;
    QLineEdit* m_confirmation;
};

} // namespace qor
