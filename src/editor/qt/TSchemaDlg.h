#pragma once
// "Schema speichern": asks for the name a scheme is saved under. OK is refused while the name is
// empty or holds a character that a file name cannot.

#include <QDialog>
#include <string>
#include <string_view>

class QLineEdit;

namespace qor {

class TSchemaDlg : public QDialog {
    Q_OBJECT
public:
    explicit TSchemaDlg(std::string_view proposedName, QWidget* parent = nullptr);

    std::string SchemeName() const; // Windows-1252
    QLineEdit* NameField() const { return m_name; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* m_name;
};

} // namespace qor
