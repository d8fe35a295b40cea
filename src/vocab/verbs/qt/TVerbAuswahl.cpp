#include "vocab/verbs/qt/TVerbAuswahl.h"

#include "platform/Cp1252.h"
#include "platform/qt/QtText.h"
#include "settings/qt/TXListBox.h"
#include "vocab/verbs/TVerben.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace qor {

namespace {

// Geometry of the fixed window: the list at the left; at the right the two tense columns, the
// counter with its buttons, and at the bottom the buttons that leave.
constexpr int kMargin = 30;
constexpr int kListTop = 70;
constexpr int kListWidth = 260;
constexpr int kListLines = 22;
constexpr int kColumnLeft = 330;
constexpr int kColumnWidth = 210;
constexpr int kBoxHeight = 28;
constexpr int kCounterTop = kListTop + 8 * kBoxHeight + 20;
constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 32;
constexpr int kSimpleTenses = 8;

// The marks in front of the verbs: a ticked green box for a chosen verb, an empty one otherwise.
QImage Mark(bool on) {
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    painter.setBrush(on ? QColor(0x00, 0x99, 0x00) : QColor(Qt::white));
    painter.drawRect(QRectF(1.5, 1.5, 12, 12));
    if (on) {
        painter.setPen(QPen(Qt::white, 2));
        painter.drawPolyline(QPolygonF({QPointF(4, 8), QPointF(7, 11), QPointF(12, 4)}));
    }
    return image;
}

QLabel* Heading(QWidget* parent, std::string_view text, int x, int y, int width) {
    auto* label = new QLabel(ToQString(text), parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setGeometry(x, y, width, 24);
    return label;
}

QPushButton* Button(QWidget* parent, const char* name, std::string_view caption, int x, int y) {
    auto* button = new QPushButton(ToQString(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, y, kButtonWidth, kButtonHeight);
    return button;
}

} // namespace

TVerbAuswahl::TVerbAuswahl(VerbSelectionSetup setup, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), m_setup(std::move(setup)) {
    if (m_setup.tenseCaptions.empty())
        m_setup.tenseCaptions = TenseCaptions();
    setWindowTitle(ToQString("Einstellungen für den Verbtrainer"_cp));
    setFixedSize(kWidth, kHeight);
    // Without a frame the title would not show; the window carries it itself.
    Heading(this, "Einstellungen für den Verbtrainer"_cp, kMargin, 16, kWidth - 2 * kMargin);
    BuildList();
    BuildTenses();
    BuildButtons();
}

void TVerbAuswahl::BuildList() {
    m_list = new TXListBox(this);
    m_list->setObjectName(QStringLiteral("Liste"));
    m_list->SetListenTyp(ListenTyp::ltOnOff);
    m_list->SetIcons(Mark(true), Mark(false));
    m_list->setGeometry(kMargin, kListTop, kListWidth, kListLines * kListItemHeight);
    VerbMarkList lines = VerbMarkLines(m_setup.verbs->Table(), m_setup.verbs->Selection().VerbText());
    m_lineVerbs = std::move(lines.verbs);
    m_list->SetItems(std::move(lines.lines));
    connect(m_list, &TXListBox::OnChange, this, &TVerbAuswahl::UpdateCounter);

    Heading(this, "Verben aktiv", kColumnLeft, kCounterTop, kColumnWidth);
    m_counter = new QLabel(this);
    m_counter->setObjectName(QStringLiteral("Counter"));
    QFont font = m_counter->font();
    font.setPointSize(font.pointSize() * 2);
    font.setBold(true);
    m_counter->setFont(font);
    m_counter->setGeometry(kColumnLeft, kCounterTop + 26, kColumnWidth, 40);
    UpdateCounter();
}

void TVerbAuswahl::BuildTenses() {
    Heading(this, "Temps Simples", kColumnLeft, kListTop - 30, kColumnWidth);
    Heading(this, "Temps Composés"_cp, kColumnLeft + kColumnWidth, kListTop - 30, kColumnWidth);
    const TenseBoxes boxes = TenseBoxesFor(m_setup.verbs->Selection().TenseText(), m_setup.tenseCaptions);
    for (int tense = 0; tense < kTenseCount; ++tense) {
        const TenseBox& box = boxes[static_cast<std::size_t>(tense)];
        auto* check = new QCheckBox(ToQString(box.caption), this);
        check->setObjectName(QStringLiteral("Zeit%1").arg(tense + 1));
        const int column = tense < kSimpleTenses ? 0 : 1;
        const int row = tense % kSimpleTenses;
        check->setGeometry(kColumnLeft + column * kColumnWidth, kListTop + row * kBoxHeight,
                           kColumnWidth - 10, kBoxHeight - 4);
        check->setChecked(box.ticked);
        check->setVisible(box.Shown());
        m_tenseBoxes[static_cast<std::size_t>(tense)] = check;
    }
}

void TVerbAuswahl::BuildButtons() {
    const int allTop = kCounterTop + 76;
    auto* on = Button(this, "AlleAn", "Alle AN", kColumnLeft, allTop);
    auto* off = Button(this, "AlleAus", "Alle AUS", kColumnLeft + kButtonWidth + 20, allTop);
    const int bottom = kListTop + kListLines * kListItemHeight - kButtonHeight;
    auto* query = Button(this, "bAbfrage", "Abfrage", kWidth - kMargin - 2 * kButtonWidth - 20, bottom);
    auto* cancel = Button(this, "bAbbrechen", "Abbrechen", kWidth - kMargin - kButtonWidth, bottom);
    query->setDefault(true);
    connect(on, &QPushButton::clicked, this, &TVerbAuswahl::AlleAn);
    connect(off, &QPushButton::clicked, this, &TVerbAuswahl::AlleAus);
    connect(query, &QPushButton::clicked, this, &TVerbAuswahl::Abfrage);
    connect(cancel, &QPushButton::clicked, this, &TVerbAuswahl::Abbrechen);
}

void TVerbAuswahl::UpdateCounter() {
    m_counter->setText(QString::number(MarkedOnCount(m_list->Items())));
}

void TVerbAuswahl::MarkAllLines(bool on) {
    MarkAll(m_list->MutableItems(), on);
    m_list->Refresh();
    UpdateCounter();
}

void TVerbAuswahl::AlleAn() {
    MarkAllLines(true);
}

void TVerbAuswahl::AlleAus() {
    MarkAllLines(false);
}

TenseBoxes TVerbAuswahl::ShownBoxes() const {
    TenseBoxes boxes;
    for (std::size_t tense = 0; tense < boxes.size(); ++tense) {
        // The caption the box was given, not the one Qt shows (it may add an accelerator).
        boxes[tense].caption =
            tense < m_setup.tenseCaptions.size() ? m_setup.tenseCaptions[tense] : std::string();
        boxes[tense].ticked = m_tenseBoxes[tense]->isChecked();
    }
    return boxes;
}

void TVerbAuswahl::Abfrage() {
    TVerben& verbs = *m_setup.verbs;
    verbs.StoreSelection(VerbTextFromMarks(m_list->Items(), m_lineVerbs, verbs.VerbCount()),
                         TenseTextFromBoxes(ShownBoxes()));
    // A refused choice keeps the window open so that the learner can mend it.
    if (verbs.HasVerbsAndTensesSelected())
        Exit(VerbExit::Query);
}

void TVerbAuswahl::Abbrechen() {
    Exit(VerbExit::Cancel);
}

void TVerbAuswahl::closeEvent(QCloseEvent* event) {
    event->accept();
    Exit(VerbExit::Closed);
}

void TVerbAuswahl::Exit(VerbExit exit) {
    // Closing the window after a button already left it is no second exit.
    if (m_exited)
        return;
    m_exited = true;
    if (m_setup.onExit)
        m_setup.onExit(exit);
}

} // namespace qor
