#include "dictionary/qt/TXWb.h"

#include "dictionary/TXDBEintrag.h"
#include "dictionary/TXDatabase.h"
#include "dictionary/WbDisplay.h"
#include "dictionary/qt/SpecialCharacterMenu.h"
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/MessagePresenter.h"
#include "platform/qt/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <utility>

namespace qor {

namespace {

constexpr int kBarHeight = 25;
constexpr int kPageTop = 27;
constexpr int kPageWidth = 240;
constexpr int kPageHeight = 242;
constexpr int kRowHeight = 19;
constexpr int kHeaderHeight = 15;

QPushButton* ColourButton(QWidget* parent, const char* name, const QString& caption, const char* colour,
                          const QRect& place, std::string_view hint = {}) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFlat(true);
    button->setAutoFillBackground(true);
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #808080; }"
                                         "QPushButton:hover { border: 1px solid #000000; }"
                                         "QPushButton:disabled { color: #606060; }")
                              .arg(QString::fromLatin1(colour)));
    button->setGeometry(place);
    if (!hint.empty())
        button->setToolTip(ToQString(hint));
    return button;
}

QWidget* ColouredPanel(QWidget* parent, const char* name, const char* colour, const QRect& place) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(QString::fromLatin1(colour)));
    panel->setPalette(palette);
    panel->setGeometry(place);
    return panel;
}

} // namespace

// [SECTION] Building

TXWb::TXWb(WbSetup setup, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_setup(std::move(setup)), m_dictionary(*m_setup.dictionary) {
    setWindowTitle(ToQString("qor französisch"_cp));
    // Hidden or shown, the tool window never ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);
    m_menuBar = new QMenuBar(this);
    m_client = new QWidget(this);
    BuildBar();
    BuildPages();
    BuildGrid();
    BuildMenus();
    Connect();
    const int menuHeight = m_menuBar->sizeHint().height();
    setMinimumSize(kWidth, kClientHeight + menuHeight);
    setMaximumSize(kMaxWidth, kClientHeight + menuHeight);
    resize(kWidth, kClientHeight + menuHeight);
    m_dictionary.SetOnChange([this] {
        DBChanged();
        if (m_setup.onChanged)
            m_setup.onChanged();
    });
    DBChanged();
    m_direction->setText(ToQString("Französisch-D"_cp));
    m_panelDirection->setText(ToQString("Französisch-Deutsch"_cp));
    m_franzoesisch->setText(ToQString("Französisch"_cp));
    ShowPage(Page::Suchen);
}

TXWb::~TXWb() {
    m_dictionary.SetOnChange(nullptr);
}

void TXWb::BuildBar() {
    m_bar = ColouredPanel(m_client, "Panel1", "#33CCFF", QRect(0, 2, kMaxWidth, kBarHeight));
    m_xSuchen =
        ColourButton(m_bar, "xSuchen", QStringLiteral("Suchen"), "#CC99FF", QRect(0, 0, 80, kBarHeight));
    m_xBlaettern =
        ColourButton(m_bar, "xBlaettern", ToQString("Blättern"_cp), "#99FF33", QRect(80, 0, 80, kBarHeight));
    m_xBearbeiten = ColourButton(m_bar, "xBearbeiten", QStringLiteral("Bearbeiten"), "#FFCC33",
                                 QRect(160, 0, 80, kBarHeight));
    m_panelDirection = ColourButton(m_bar, "PanelDirection", QString(), "#33CCFF",
                                    QRect(240, 0, 240, kBarHeight), "Zur anderen Hälfte des Wörterbuchs"_cp);
}

void TXWb::BuildPages() {
    const QRect place(0, kPageTop, kPageWidth, kPageHeight);
    m_suchenPanel = ColouredPanel(m_client, "SuchenPanel", "#CC99FF", place);
    auto* label = new QLabel(QStringLiteral("Suchen nach:"), m_suchenPanel);
    label->setGeometry(8, 50, 70, 20);
    m_suchen = new QLineEdit(m_suchenPanel);
    m_suchen->setObjectName(QStringLiteral("Suchen"));
    m_suchen->setGeometry(80, 48, 145, 22);
    auto* language = new QGroupBox(QStringLiteral(" Sprache "), m_suchenPanel);
    language->setToolTip(QStringLiteral("Sprache des Suchbegriffs"));
    language->setGeometry(8, 84, 217, 48);
    m_franzoesisch = new QRadioButton(language);
    m_franzoesisch->setGeometry(10, 20, 100, 20);
    m_franzoesisch->setChecked(true);
    m_deutsch = new QRadioButton(QStringLiteral("Deutsch"), language);
    m_deutsch->setGeometry(112, 20, 100, 20);
    auto* options = new QGroupBox(QStringLiteral(" Optionen "), m_suchenPanel);
    options->setGeometry(8, 140, 217, 48);
    m_nurGanze = new QCheckBox(ToQString("Nur ganze Wörter"_cp), options);
    m_nurGanze->setObjectName(QStringLiteral("NurGanze"));
    m_nurGanze->setGeometry(10, 20, 200, 20);
    auto* search = ColourButton(m_suchenPanel, "SuchButton", QStringLiteral("Suchen!"), "#CC99FF",
                                QRect(80, 200, 80, 25), "Suche starten");
    QFont bold = search->font();
    bold.setBold(true);
    search->setFont(bold);

    m_stichwortPanel = ColouredPanel(m_client, "StichwortPanel", "#99FF33", place);
    auto* browseLabel = new QLabel(QStringLiteral("Stichwort:"), m_stichwortPanel);
    browseLabel->setGeometry(8, 50, 70, 20);
    m_stichwort = new QLineEdit(m_stichwortPanel);
    m_stichwort->setObjectName(QStringLiteral("Stichwort"));
    m_stichwort->setGeometry(80, 48, 145, 22);

    m_bearbeitenPanel = ColouredPanel(m_client, "BearbeitenPanel", "#FFCC33", place);
    m_bPlay = ColourButton(m_bearbeitenPanel, "bPlay", QStringLiteral("\u266A"), "#EEBB22",
                           QRect(8, 18, 25, 25), "Sprachausgabe");
    m_bPlay->hide();
    m_dbWortart = new QComboBox(m_bearbeitenPanel);
    m_dbWortart->setObjectName(QStringLiteral("DBWortart"));
    for (int i = 1; i <= 6; ++i)
        m_dbWortart->addItem(ToQString(WordClassName(i)));
    m_dbWortart->setGeometry(104, 20, 129, 22);
    m_dbVokabel = new QLineEdit(m_bearbeitenPanel);
    m_dbVokabel->setObjectName(QStringLiteral("DBVokabel"));
    m_dbVokabel->setToolTip(ToQString("Vokabel aus dem Wörterbuch"_cp));
    m_dbVokabel->setGeometry(8, 52, 225, 22);
    m_dbBedeutung = new QPlainTextEdit(m_bearbeitenPanel);
    m_dbBedeutung->setObjectName(QStringLiteral("DBBedeutung"));
    m_dbBedeutung->setToolTip(ToQString("Doppelklick für Sprachausgabe (falls vorhanden)"_cp));
    m_dbBedeutung->setGeometry(8, 84, 225, 81);
    m_dbBedeutung->installEventFilter(this);
    m_dbBedeutung->viewport()->installEventFilter(this);
    struct EntryButton {
        const char* name;
        const char* caption;
        int left;
        int width;
        std::string_view hint;
    };
    const EntryButton buttons[] = {
        {"dFirst", "|<", 10, 25, "Zum ersten Eintrag"},
        {"dPrevious", "<", 35, 25, "Zum vorangehenden Eintrag"},
        {"Direction", "", 60, 70, "Zur anderen Hälfte des Wörterbuchs"_cp},
        {"tXColorButton5", ">", 130, 25, "Zum nächsten Eintrag"_cp},
        {"dLast", ">|", 155, 25, "Zum letzten Eintrag"},
        {"dAdd", "+", 180, 25, "Neuen Eintrag erzeugen"},
        {"dDelete", "-", 205, 25, "Aktuellen Eintrag löschen"_cp},
    };
    for (const EntryButton& b : buttons) {
        QPushButton* button = ColourButton(m_bearbeitenPanel, b.name, QString::fromLatin1(b.caption),
                                           "#EEBB22", QRect(b.left, 180, b.width, 25), b.hint);
        if (std::string_view(b.name) == "Direction")
            m_direction = button;
    }
}

void TXWb::BuildGrid() {
    m_gridPanel =
        ColouredPanel(m_client, "GridPanel", "#33CCFF", QRect(kPageWidth, kPageTop, 352, kPageHeight));
    auto* label = new QLabel(QStringLiteral("Ergebnis:"), m_gridPanel);
    label->setGeometry(8, 6, 60, 16);
    m_ergebnis = new QLabel(m_gridPanel);
    m_ergebnis->setObjectName(QStringLiteral("Ergebnis"));
    m_ergebnis->setGeometry(70, 6, 270, 16);
    m_grid = new QTableWidget(1, 4, m_gridPanel);
    m_grid->setObjectName(QStringLiteral("Grid"));
    m_grid->setGeometry(8, 27, 337, 199);
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Nr."), QStringLiteral("  Vokabel"),
                                       QStringLiteral("  Bedeutung(en)"), QStringLiteral("  Wortart")});
    m_grid->horizontalHeader()->setFixedHeight(kHeaderHeight);
    m_grid->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: #0099CC; }"));
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TXWb::BuildMenus() {
    QMenu* file = m_menuBar->addMenu(ToQString("&Datei"_cp));
    const auto add = [this, file](const char* name, std::string_view caption, std::function<void()> run,
                                  const QKeySequence& key = {}) {
        QAction* action = file->addAction(ToQString(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, std::move(run));
        return action;
    };
    add(
        "Sortieren", "Sortieren", [this] { m_dictionary.Sort(); }, QKeySequence(Qt::CTRL | Qt::Key_S));
    add(
        "Kontrollieren", "Kontrollieren", [this] { m_dictionary.CheckEntries(); },
        QKeySequence(Qt::CTRL | Qt::Key_K));
    add("Doppelte", "Doppelte Einträge suchen"_cp, [this] { m_dictionary.RemoveDuplicates(); });
    add("Importieren", "Importieren...", [this] {
        if (m_setup.dialogs)
            m_dictionary.ImportText(*m_setup.dialogs);
    })->setVisible(false);
    add("Exportieren", "Exportieren...", [this] {
        if (m_setup.dialogs)
            m_dictionary.ExportText(*m_setup.dialogs);
    })->setVisible(false);
    add("AllesLoeschen", "Alle Einträge löschen!"_cp, [this] {
        if (ShowAppMessage("Wirklich alle Einträge löschen???"_cp, kMbIconExclamation | kMbYesNo) == kIdYes)
            m_dictionary.DeleteAll();
    });
    file->addSeparator();
    add("Schliessen", "&Schließen"_cp, [this] { hide(); });
    AddSpecialCharacterMenu(*m_menuBar, *this, true);
}

void TXWb::Connect() {
    connect(m_xSuchen, &QPushButton::clicked, this, [this] { ShowPage(Page::Suchen); });
    connect(m_xBlaettern, &QPushButton::clicked, this, [this] { ShowPage(Page::Blaettern); });
    connect(m_xBearbeiten, &QPushButton::clicked, this, [this] { ShowPage(Page::Bearbeiten); });
    const auto switchHalf = [this] {
        m_dictionary.SetDirection(m_dictionary.IsGermanFrench() ? DictionaryDirection::FrenchGerman
                                                                : DictionaryDirection::GermanFrench);
    };
    connect(m_panelDirection, &QPushButton::clicked, this, switchHalf);
    connect(m_direction, &QPushButton::clicked, this, switchHalf);
    connect(Button("SuchButton"), &QPushButton::clicked, this, [this] { RunSearch(); });
    connect(m_suchen, &QLineEdit::returnPressed, this, [this] { RunSearch(); });
    connect(m_stichwort, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_dictionary.Locate(FromQString(text), -1);
        DisplaySearchResults();
        const bool suppress = std::exchange(m_suppress, true);
        m_grid->selectRow(m_dictionary.ResultPosition());
        m_suppress = suppress;
    });
    connect(m_dbVokabel, &QLineEdit::textEdited, this, [this](const QString& text) { HeadwordEdited(text); });
    connect(m_dbBedeutung, &QPlainTextEdit::textChanged, this, [this] {
        if (m_suppress)
            return;
        const std::string text = FromQString(m_dbBedeutung->toPlainText());
        if (text != m_dictionary.Bedeutung())
            m_dictionary.SetBedeutung(-1, text);
    });
    connect(m_dbWortart, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_suppress && index >= 0 && index + 1 != m_dictionary.Wortart())
            m_dictionary.SetWortart(-1, index + 1);
    });
    connect(m_bPlay, &QPushButton::clicked, this, [this] {
        if (m_setup.playRecording && !m_recordingPath.empty())
            m_setup.playRecording(m_recordingPath);
    });
    connect(Button("dFirst"), &QPushButton::clicked, this, [this] { EntryButton(&TXDatabase::First); });
    connect(Button("dPrevious"), &QPushButton::clicked, this, [this] { EntryButton(&TXDatabase::Previous); });
    connect(Button("tXColorButton5"), &QPushButton::clicked, this,
            [this] { EntryButton(&TXDatabase::Next); });
    connect(Button("dLast"), &QPushButton::clicked, this, [this] { EntryButton(&TXDatabase::Last); });
    connect(Button("dAdd"), &QPushButton::clicked, this, [this] {
        if (m_dictionary.CurrentComplete())
            m_dictionary.InsertEntry();
        m_dbVokabel->setFocus();
    });
    connect(Button("dDelete"), &QPushButton::clicked, this, [this] {
        if (ShowAppMessage("Eintrag des Wörterbuchs wirklich löschen?"_cp, kMbIconQuestion | kMbYesNo) !=
            kIdNo)
            m_dictionary.DeleteCurrent();
    });
    connect(m_grid, &QTableWidget::itemSelectionChanged, this, [this] { GridSelected(); });
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { PlayRow(row); });
}

QPushButton* TXWb::Button(std::string_view name) const {
    return findChild<QPushButton*>(QString::fromLatin1(name.data(), static_cast<int>(name.size())));
}

// [SECTION] Display

void TXWb::DBChanged() {
    const QString caption = ToQString(WbCaption(m_dictionary));
    if (windowTitle() != caption)
        setWindowTitle(caption);
    const bool suppress = std::exchange(m_suppress, true);
    if (FromQString(m_dbVokabel->text()) != m_dictionary.Vokabel())
        m_dbVokabel->setText(ToQString(m_dictionary.Vokabel()));
    if (FromQString(m_dbBedeutung->toPlainText()) != m_dictionary.Bedeutung())
        m_dbBedeutung->setPlainText(ToQString(m_dictionary.Bedeutung()));
    m_dbWortart->setCurrentIndex(m_dictionary.Wortart() - 1);
    m_suppress = suppress;
    const QString shortName = ToQString(m_dictionary.ShortDirectionName());
    if (m_direction->text() != shortName)
        m_direction->setText(shortName);
    const QString longName = ToQString(m_dictionary.DirectionName());
    if (m_panelDirection->text() != longName)
        m_panelDirection->setText(longName);
}

void TXWb::DisplaySearchResults() {
    m_ergebnis->setText(ToQString(WbResultCountText(m_dictionary.ResultCount())));
    const bool suppress = std::exchange(m_suppress, true);
    const std::vector<WbRow> rows = WbResultRows(m_dictionary);
    m_grid->clearContents();
    m_grid->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const WbRow& row = rows[static_cast<std::size_t>(r)];
        int column = 0;
        for (const std::string* cell : {&row.number, &row.vokabel, &row.bedeutung, &row.wortart})
            m_grid->setItem(r, column++, new QTableWidgetItem(ToQString(*cell)));
    }
    m_suppress = suppress;
}

// [SECTION] Actions

void TXWb::HeadwordEdited(const QString& text) {
    const std::string headword = FromQString(text);
    if (headword != m_dictionary.Vokabel())
        m_dictionary.SetVokabel(-1, headword);
    if (!isVisible())
        return;
    m_recordingPath.clear();
    if (!m_dictionary.IsGermanFrench() && m_setup.recordingLookup)
        m_recordingPath = m_setup.recordingLookup(headword);
    m_bPlay->setVisible(!m_recordingPath.empty());
}

void TXWb::EntryButton(void (TXDatabase::*move)()) {
    if (m_dictionary.CurrentComplete())
        (m_dictionary.*move)();
}

void TXWb::ShowPage(Page page) {
    m_page = page;
    m_suchenPanel->setVisible(page == Page::Suchen);
    m_stichwortPanel->setVisible(page == Page::Blaettern);
    m_bearbeitenPanel->setVisible(page == Page::Bearbeiten);
    m_xSuchen->setEnabled(page != Page::Suchen);
    m_xBlaettern->setEnabled(page != Page::Blaettern);
    m_xBearbeiten->setEnabled(page != Page::Bearbeiten);
    switch (page) {
    case Page::Suchen:
        m_suchen->setFocus();
        break;
    case Page::Blaettern:
        m_stichwort->setSelection(1, static_cast<int>(m_stichwort->text().size()));
        m_stichwort->setFocus();
        break;
    case Page::Bearbeiten:
        m_dbVokabel->setFocus();
        break;
    }
}

void TXWb::RunSearch() {
    m_dictionary.Search(
        FromQString(m_suchen->text()), m_nurGanze->isChecked() ? WholeWords::Yes : WholeWords::No,
        m_deutsch->isChecked() ? TermLanguage::German : TermLanguage::French, SearchScope::CurrentHalf);
    DisplaySearchResults();
}

void TXWb::GridSelected() {
    if (m_suppress)
        return;
    const int row = m_grid->currentRow();
    if (row < 0 || !m_grid->item(row, 1) || !m_grid->item(row, 2))
        return;
    m_dictionary.GotoEntry(FromQString(m_grid->item(row, 1)->text()),
                           FromQString(m_grid->item(row, 2)->text()));
    if (m_page != Page::Bearbeiten)
        ShowPage(Page::Bearbeiten);
}

void TXWb::PlayRow(int row) {
    if (!m_setup.playAtCaret || row < 0)
        return;
    const QTableWidgetItem* cell = m_grid->item(row, m_dictionary.IsGermanFrench() ? 2 : 1);
    if (cell)
        m_setup.playAtCaret(FromQString(cell->text()), 0, 0, true);
}

void TXWb::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

void TXWb::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_suchenPanel->isVisible()) {
        m_suchen->selectAll();
        m_suchen->setFocus();
    }
}

void TXWb::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int menuHeight = m_menuBar->sizeHint().height();
    m_menuBar->setGeometry(0, 0, width(), menuHeight);
    m_client->setGeometry(0, menuHeight, width(), height() - menuHeight);
    m_bar->setGeometry(0, 2, width(), kBarHeight);
    m_gridPanel->setGeometry(kPageWidth, kPageTop, width() - kPageWidth, kPageHeight);
    const int gridWidth = WbGridWidth(width());
    m_grid->setGeometry(8, 27, gridWidth, 199);
    const std::array<int, 4> columns = WbColumnWidths(gridWidth);
    for (int i = 0; i < 4; ++i)
        m_grid->setColumnWidth(i, columns[static_cast<std::size_t>(i)]);
}

bool TXWb::eventFilter(QObject* watched, QEvent* event) {
    const bool meaning = watched == m_dbBedeutung || watched == m_dbBedeutung->viewport();
    if (meaning && event->type() == QEvent::KeyPress) {
        // The meaning is one line: Enter does not break it.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    if (meaning && event->type() == QEvent::MouseButtonDblClick && m_setup.playAtCaret) {
        const QTextCursor cursor = m_dbBedeutung->textCursor();
        m_setup.playAtCaret(FromQString(m_dbBedeutung->toPlainText()), cursor.position(),
                            static_cast<int>(cursor.selectedText().size()), m_dictionary.IsGermanFrench());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qor
