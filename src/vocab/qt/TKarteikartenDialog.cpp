#include "vocab/qt/TKarteikartenDialog.h"

#include "platform/Cp1252.h"
#include "platform/qt/AccentKeyFilter.h"
#include "platform/qt/DialogPlacement.h"
#include "platform/qt/QtText.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace qor {

namespace {

QComboBox* SheetList(QWidget* parent, const char* name, int sheetCount, int selected) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (int i = 1; i <= sheetCount; ++i)
        list->addItem(QString::number(i));
    list->setCurrentIndex(selected - 1);
    return list;
}

} // namespace

TKarteikartenDialog::TKarteikartenDialog(const FlashCardChoice& preset, int sheetCount, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TKarteikartenDialog"));
    setWindowTitle(QStringLiteral("Karteikarten drucken"));
    setFixedSize(340, 250);
    auto* themaLabel = new QLabel(QStringLiteral("Thema:"), this);
    themaLabel->setGeometry(12, 14, 60, 20);
    m_thema = new QLineEdit(ToQString(preset.thema), this);
    m_thema->setObjectName(QStringLiteral("eThema"));
    m_thema->setGeometry(80, 12, 248, 24);
    AccentKeyFilter::InstallOn(m_thema);

    m_all = new QRadioButton(QStringLiteral("Alle Seiten"), this);
    m_all->setObjectName(QStringLiteral("rbAlle"));
    m_all->setGeometry(12, 48, 150, 22);
    m_some = new QRadioButton(QStringLiteral("Seite(n) von:"), this);
    m_some->setObjectName(QStringLiteral("rbSeiten"));
    m_some->setGeometry(12, 76, 110, 22);
    (preset.allSheets ? m_all : m_some)->setChecked(true);
    m_first = SheetList(this, "cbVon", sheetCount, std::clamp(preset.firstSheet, 1, std::max(1, sheetCount)));
    m_first->setGeometry(128, 74, 80, 24);
    auto* to = new QLabel(QStringLiteral("bis"), this);
    to->setGeometry(216, 76, 24, 20);
    m_last = SheetList(this, "cbBis", sheetCount, std::clamp(preset.lastSheet, 1, std::max(1, sheetCount)));
    m_last->setGeometry(246, 74, 80, 24);
    // Choosing a sheet number means a range.
    for (QComboBox* list : {m_first, m_last})
        connect(list, &QComboBox::activated, this, [this] { m_some->setChecked(true); });

    auto* group = new QGroupBox(ToQString(" Rückseite verschieben "_cp), this);
    group->setObjectName(QStringLiteral("gbVerschieben"));
    group->setGeometry(12, 108, 316, 90);
    auto* left = new QLabel(QStringLiteral("Links"), group);
    left->setGeometry(10, 26, 40, 20);
    m_offset = new QSlider(Qt::Horizontal, group);
    m_offset->setObjectName(QStringLiteral("tbVerschieben"));
    m_offset->setRange(flash_cards::kMinOffset, flash_cards::kMaxOffset);
    m_offset->setTickPosition(QSlider::TicksBelow);
    m_offset->setTickInterval(10);
    m_offset->setGeometry(52, 24, 200, 28);
    auto* right = new QLabel(QStringLiteral("Rechts"), group);
    right->setGeometry(258, 26, 50, 20);
    m_offsetCaption = new QLabel(group);
    m_offsetCaption->setObjectName(QStringLiteral("lVerschieben"));
    m_offsetCaption->setAlignment(Qt::AlignCenter);
    m_offsetCaption->setGeometry(52, 58, 200, 20);
    connect(m_offset, &QSlider::valueChanged, this,
            [this](int value) { m_offsetCaption->setText(ToQString(FlashCardOffsetCaption(value))); });
    m_offset->setValue(preset.offset);
    m_offsetCaption->setText(ToQString(FlashCardOffsetCaption(m_offset->value())));

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("bOK"));
    ok->setDefault(true);
    ok->setGeometry(136, 212, 90, 26);
    auto* cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("bAbbrechen"));
    cancel->setGeometry(238, 212, 90, 26);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    CentreOnScreen(*this);
}

FlashCardChoice TKarteikartenDialog::Choice() const {
    FlashCardChoice choice;
    choice.thema = FromQString(m_thema->text());
    choice.allSheets = m_all->isChecked();
    choice.firstSheet = m_first->currentIndex() + 1;
    choice.lastSheet = m_last->currentIndex() + 1;
    choice.offset = m_offset->value();
    return choice;
}

} // namespace qor
