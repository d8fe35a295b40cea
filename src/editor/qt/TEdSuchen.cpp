#include "editor/qt/TEdSuchen.h"

#include "platform/Cp1252.h"
#include "platform/qt/AccentKeyFilter.h"
#include "platform/qt/DialogPlacement.h"
#include "platform/qt/QtText.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qor {

TEdSuchen::TEdSuchen(const SearchRequest& preset, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("In Bibliothek suchen"));
    setFixedSize(300, 120);
    auto* label = new QLabel(QStringLiteral("Suchen nach:"), this);
    label->setGeometry(12, 14, 80, 20);
    m_text = new QLineEdit(ToQString(preset.text), this);
    m_text->setObjectName(QStringLiteral("Begriff"));
    m_text->setGeometry(96, 12, 192, 24);
    AccentKeyFilter::InstallOn(m_text);
    m_case = new QCheckBox(ToQString("&Groß-/Kleinschreibung"_cp), this);
    m_case->setObjectName(QStringLiteral("CaseBox"));
    m_case->setGeometry(96, 44, 192, 22);
    m_case->setChecked(preset.caseSensitive);
    auto* search = new QPushButton(QStringLiteral("&Suchen"), this);
    search->setDefault(true);
    search->setGeometry(96, 82, 90, 26);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setGeometry(198, 82, 90, 26);
    connect(search, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_text->selectAll();
    m_text->setFocus();
    CentreOnScreen(*this);
}

SearchRequest TEdSuchen::Request() const {
    return {FromQString(m_text->text()), m_case->isChecked()};
}

} // namespace qor
