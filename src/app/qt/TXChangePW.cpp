#include "app/qt/TXChangePW.h"

#include "platform/Cp1252.h"
#include "platform/qt/DialogPlacement.h"
#include "platform/qt/QtText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qor {

namespace {

QLineEdit* AddRow(QWidget* dialog, int top, std::string_view label, const char* name, std::string_view hint) {
    auto* text = new QLabel(ToQString(label), dialog);
    text->setGeometry(12, top + 2, 104, 22);
    auto* field = new QLineEdit(dialog);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(120, top, 139, 24);
    if (!hint.empty()) {
        field->setEchoMode(QLineEdit::Password);
        field->setToolTip(ToQString(hint));
    }
    return field;
}

} // namespace

TXChangePW::TXChangePW(QWidget* parent) : QDialog(parent) {
    setWindowTitle(ToQString("Passwort ändern"_cp));
    setFixedSize(271, 180);
    m_name = AddRow(this, 10, "Name:", "Name", "");
    m_name->setEnabled(false);
    m_oldPassword = AddRow(this, 40, "Altes Passwort:", "oPassword", "Bisheriges Passwort eingeben");
    m_newPassword = AddRow(this, 70, "Neues Passwort:", "nPassword", "Neues Passwort eingeben");
    m_confirmation =
        AddRow(this, 100, "Bestätigung:"_cp, "nPassword2", "Neues Passwort zur Bestätigung eingeben"_cp);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    ok->setGeometry(50, 140, 80, 26);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setGeometry(140, 140, 80, 26);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_oldPassword->setFocus();
    CentreOnScreen(*this);
}

void TXChangePW::SetCaption(std::string_view caption) {
    setWindowTitle(ToQString(caption));
}

void TXChangePW::SetName(std::string_view name) {
    m_name->setText(ToQString(name));
}

std::string TXChangePW::OldPassword() const {
    return FromQString(m_oldPassword->text());
}

std::string TXChangePW::NewPassword() const {
    return FromQString(m_newPassword->text());
}

std::string TXChangePW::Confirmation() const {
    return FromQString(m_confirmation->text());
}

} // namespace qor
