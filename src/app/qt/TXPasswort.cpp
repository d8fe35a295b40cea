#include "app/qt/TXPasswort.h"

#include "platform/Cp1252.h"
#include "platform/qt/DialogPlacement.h"
#include "platform/qt/QtText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qor {

TXPasswort::TXPasswort(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Passwort"));
    setFixedSize(240, 120);
    auto* nameLabel = new QLabel(QStringLiteral("Name:"), this);
    nameLabel->setGeometry(12, 14, 70, 22);
    m_name = new QComboBox(this);
    m_name->setObjectName(QStringLiteral("Name"));
    m_name->setEditable(true);
    m_name->setInsertPolicy(QComboBox::NoInsert);
    m_name->setGeometry(86, 12, 142, 24);
    auto* passwordLabel = new QLabel(QStringLiteral("Passwort:"), this);
    passwordLabel->setGeometry(12, 46, 70, 22);
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("Password"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setGeometry(86, 44, 142, 24);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    ok->setGeometry(40, 82, 80, 26);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setGeometry(128, 82, 80, 26);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    CentreOnScreen(*this);
}

void TXPasswort::SetCaption(std::string_view caption) {
    setWindowTitle(ToQString(caption));
}

void TXPasswort::SetNames(const std::vector<std::string>& names) {
    m_name->clear();
    for (const std::string& name : names)
        m_name->addItem(ToQString(name));
    if (!names.empty())
        m_name->setCurrentIndex(0);
}

void TXPasswort::SetName(std::string_view name) {
    m_name->setEditText(ToQString(name));
    // A preset name leaves only the password to type.
    m_password->setFocus();
}

void TXPasswort::SetNameEnabled(bool enabled) {
    m_name->setEnabled(enabled);
}

std::string TXPasswort::Name() const {
    return FromQString(m_name->currentText());
}

std::string TXPasswort::Password() const {
    return FromQString(m_password->text());
}

} // namespace qor
