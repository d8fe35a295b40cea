#include "editor/qt/TImport.h"

#include "page/qt/TXPage.h"
#include "platform/qt/DialogPlacement.h"
#include "platform/qt/QtText.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace qor {

namespace {

constexpr std::string_view kImportHelpPage = "_import.htx";

template <std::size_t N>
QComboBox* EditableList(QWidget* parent, const char* name, const std::array<std::string, N>& items,
                        const std::string& preset, int top) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& item : items)
        box->addItem(ToQString(item));
    box->setCurrentIndex(0);
    if (!preset.empty())
        box->setEditText(ToQString(preset));
    box->setGeometry(12, top, 436, 24);
    return box;
}

} // namespace

TImport::TImport(std::string_view pageFolder, const ImportSettings& preset, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Import-Assistent"));
    setFixedSize(460, 470);
    m_page = new TXPage(this);
    m_page->setObjectName(QStringLiteral("Hilfe"));
    m_page->setGeometry(12, 12, 436, 262);
    m_page->Page().SetXPath(pageFolder);
    m_page->Page().SetXFile(kImportHelpPage);

    auto* separatorLabel = new QLabel(QStringLiteral("Die einzelnen Werte sind getrennt durch:"), this);
    separatorLabel->setGeometry(12, 284, 436, 20);
    m_separator = EditableList(this, "Separator", ImportSeparatorItems(), preset.separator, 306);
    auto* layoutLabel = new QLabel(QStringLiteral("Eine Zeile der Datei hat folgende Struktur:"), this);
    layoutLabel->setGeometry(12, 340, 436, 20);
    m_layout = EditableList(this, "Struktur", ImportLayoutItems(), preset.layout, 362);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    ok->setGeometry(272, 430, 80, 26);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setGeometry(368, 430, 80, 26);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    CentreOnScreen(*this);
}

ImportSettings TImport::Choice() const {
    return {FromQString(m_separator->currentText()), FromQString(m_layout->currentText()), {}};
}

} // namespace qor
