#include "editor/qt/TSchemaDlg.h"

#include "editor/EdConfigLogic.h"
#include "platform/AppMessage.h"
#include "platform/MessagePresenter.h"
#include "platform/qt/DialogPlacement.h"
#include "platform/qt/QtText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qor {

TSchemaDlg::TSchemaDlg(std::string_view proposedName, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Schema speichern"));
    setFixedSize(260, 110);
    auto* label = new QLabel(QStringLiteral("Farbschema speichern"), this);
    label->setGeometry(12, 10, 236, 20);
    m_name = new QLineEdit(ToQString(proposedName), this);
    m_name->setObjectName(QStringLiteral("SchemaName"));
    m_name->setGeometry(12, 34, 236, 24);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    ok->setGeometry(44, 72, 80, 26);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setGeometry(136, 72, 80, 26);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    CentreOnScreen(*this);
}

std::string TSchemaDlg::SchemeName() const {
    return FromQString(m_name->text());
}

void TSchemaDlg::accept() {
    if (const auto error = SchemeNameError(SchemeName())) {
        ShowAppMessage(*error, kMbIconError);
        return;
    }
    QDialog::accept();
}

void TSchemaDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The proposed name stays visible, ready to be typed over from its second character.
    if (!m_name->text().isEmpty())
        m_name->setSelection(1, m_name->text().size() - 1);
    m_name->setFocus();
}

} // namespace qor
