#include "settings/qt/TFrListe.h"

#include "platform/Cp1252.h"
#include "platform/qt/QtText.h"
#include "settings/FrameLayout.h"
#include "settings/qt/FrListeIcons.h"
#include "settings/qt/TXListBox.h"

#include <QLabel>
#include <QPushButton>

namespace qor {

namespace {

struct ButtonHint {
    const char* name;
    std::string_view hint;
};

const ButtonHint kTopButtons[] = {
    {"bNeu", "neue Bibliothek"},
    {"bLaden", "Bibliothek laden"},
    {"bDazu", "Bibliothek dazuladen"},
    {"bSave", "Bibliothek speichern"},
    {"bInfo", "Informationen zur Bibliothek"},
    {"bDrucken", "Bibliothek drucken"},
};

const ButtonHint kPanelButtons[] = {
    {"bAlpha", "Alphabetisch sortieren"},
    {"bKill", "Aktuelle Vokabel löschen"_cp},
    {"bTakeOver", "Vokabel aus dem Wörterbuch übernehmen"_cp},
    {"bRec", "Aufnahme starten"},
    {"bPlay", "Aufnahme abspielen"},
    {"SaveWAV", "Aufnahme speichern"},
    {"bLeft", "Zur vorhergehenden Vokabel"},
    {"bRight", "Zur folgenden Vokabel"},
};

QLabel* MakePositionLabel(QWidget* parent, const char* name, std::string_view hint) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setToolTip(ToQString(hint));
    return label;
}

} // namespace

TFrListe::TFrListe(QWidget* parent)
    : QFrame(parent), m_panel(new QWidget(this)), m_list(new TXListBox(this)), m_fileLabel(new QLabel(this)) {
    m_panel->setObjectName(QStringLiteral("NP"));
    m_list->setObjectName(QStringLiteral("Liste"));
    m_fileLabel->setObjectName(QStringLiteral("FileLabel"));
    for (const ButtonHint& button : kTopButtons) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(button.name));
        b->setToolTip(ToQString(button.hint));
        b->setIcon(FrListeButtonIcon(button.name));
        b->setIconSize(QSize(32, 32));
    }
    for (const ButtonHint& button : kPanelButtons) {
        auto* b = new QPushButton(m_panel);
        b->setObjectName(QString::fromLatin1(button.name));
        b->setToolTip(ToQString(button.hint));
        b->setIcon(FrListeButtonIcon(button.name));
        b->setIconSize(QSize(32, 32));
    }
    Button("bPlay")->setEnabled(false);
    Button("SaveWAV")->setEnabled(false);
    m_position1 = MakePositionLabel(m_panel, "Position1", "Aktuelle Position in der Bibliothek");
    m_position2 = MakePositionLabel(m_panel, "Position2", "Größe der Bibliothek"_cp);
    resize(800, 534);
}

QPushButton* TFrListe::Button(std::string_view name) const {
    return findChild<QPushButton*>(QString::fromLatin1(name.data(), static_cast<int>(name.size())));
}

void TFrListe::resizeEvent(QResizeEvent*) {
    FrListeLayout layout = LayoutFrListe(width(), height());
    auto place = [](QWidget* widget, const FrameRect& r) {
        if (widget)
            widget->setGeometry(r.left, r.top, r.width, r.height);
    };
    place(m_panel, layout.panel);
    m_list->SetItemHeight(layout.itemHeight);
    place(m_list, layout.list);
    place(m_fileLabel, layout.fileLabel);
    for (const FramePart& part : layout.topButtons)
        place(Button(part.name), part.rect);
    for (const FramePart& part : layout.panelButtons)
        place(m_panel->findChild<QWidget*>(
                  QString::fromLatin1(part.name.data(), static_cast<int>(part.name.size()))),
              part.rect);
}

} // namespace qor
