#pragma once
// The password dialog of the log-in: a name, editable or picked from the learners' names, and a
// password shown as stars.

#include <QDialog>
#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QLineEdit;

namespace qor {

class TXPasswort : public QDialog {
    Q_OBJECT
public:
    explicit TXPasswort(QWidget* parent = nullptr);

    // Windows-1252 texts throughout.
    void SetCaption(std::string_view caption);
    void SetNames(const std::vector<std::string>& names); // the first one is selected
    void SetName(std::string_view name);
    void SetNameEnabled(bool enabled);

    std::string Name() const;
    std::string Password() const;

    QComboBox* NameField() const { return m_name; }
    QLineEdit* PasswordField() const { return m_password; }

private:
    QComboBox* m_name;
    QLineEdit* m_password;
};

} // namespace qor
