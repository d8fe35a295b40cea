#include "settings/qt/TVocOptionen.h"

#include "page/qt/TXPage.h"
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/qt/QtText.h"
#include "settings/VocOptionenLogic.h"
#include "settings/qt/FrListeIcons.h"
#include "settings/qt/TFrNavigation.h"
#include "settings/qt/TXListBox.h"
#include "users/TXUserBase.h"
#include "vocab/TBibliothek.h"
#include "vocab/TVocEinstellungen.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <utility>

namespace qor {

namespace {

constexpr std::string_view kCaption = "qor französisch - Einstellungen für den Vokabeltrainer";
constexpr std::string_view kPageFile = "voc_opt1.htx";
constexpr QRgb kBackground = 0x99AABB;

QColor FromWindowsColour(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// The list's line signs as flags: three vertical bands for French, three horizontal ones for German.
QImage FlagPicture(bool german) {
    QImage picture(28, 14, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    if (german) {
        painter.fillRect(4, 1, 18, 4, Qt::black);
        painter.fillRect(4, 5, 18, 4, QColor(221, 0, 0));
        painter.fillRect(4, 9, 18, 4, QColor(255, 206, 0));
    } else {
        painter.fillRect(4, 1, 6, 12, QColor(0, 35, 149));
        painter.fillRect(10, 1, 6, 12, Qt::white);
        painter.fillRect(16, 1, 6, 12, QColor(237, 41, 57));
        painter.setPen(QColor(200, 200, 200));
        painter.drawRect(4, 1, 17, 11);
    }
    return picture;
}

// The status pictures: a green tick for settings that can be asked, a red cross otherwise.
QPixmap StatusPicture(bool ok) {
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ok ? QColor(27, 122, 58) : QColor(215, 38, 61));
    painter.drawEllipse(1, 1, 22, 22);
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    if (ok) {
        painter.drawLine(7, 12, 11, 16);
        painter.drawLine(11, 16, 17, 8);
    } else {
        painter.drawLine(8, 8, 16, 16);
        painter.drawLine(16, 8, 8, 16);
    }
    return picture;
}

QLabel* MakeLabel(QWidget* parent, std::string_view text, const QRect& geometry) {
    auto* label = new QLabel(ToQString(text), parent);
    label->setGeometry(geometry);
    return label;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, std::string_view text, std::string_view hint,
                        const QRect& geometry) {
    auto* box = new QCheckBox(ToQString(text), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(ToQString(hint));
    box->setGeometry(geometry);
    return box;
}

QSlider* MakeSlider(QWidget* parent, const char* name, const QRect& geometry) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QString::fromLatin1(name));
    slider->setGeometry(geometry);
    slider->setTickPosition(QSlider::TicksBelow);
    return slider;
}

QComboBox* MakeChoice(QWidget* parent, const char* name, std::string_view hint, const QRect& geometry) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(ToQString(hint));
    box->setGeometry(geometry);
    return box;
}

// Sets a control's value without taking it for the learner's choice.
class Filling {
public:
    explicit Filling(bool& flag) : m_flag(flag), m_before(std::exchange(flag, true)) {}
    ~Filling() { m_flag = m_before; }
    Filling(const Filling&) = delete;
    Filling& operator=(const Filling&) = delete;

private:
    bool& m_flag;
    bool m_before;
};

} // namespace

// [SECTION] Building

TVocOptionen::TVocOptionen(VocOptionenSetup setup, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), m_setup(std::move(setup)), m_library(*m_setup.library),
      m_settings(*m_setup.settings) {
    if (!m_library.Settings())
        m_library.SetSettings(&m_settings);
    setObjectName(QStringLiteral("TVocOptionen"));
    setFixedSize(kClientWidth, kClientHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(kBackground));
    setPalette(palette);
    setAutoFillBackground(true);
    if (QFontDatabase::families().contains(QStringLiteral("Verdana")))
        setFont(QFont(QStringLiteral("Verdana"), 8));

    BuildMenus();
    const int menuHeight = m_menuBar->sizeHint().height();
    m_menuBar->setGeometry(0, 0, kClientWidth, menuHeight);
    m_navigation = new TFrNavigation(this);
    m_navigation->setGeometry(0, kClientHeight - m_navigation->height(), kClientWidth,
                              m_navigation->height());
    m_page = new TXPage(this);
    m_page->setGeometry(0, menuHeight, kClientWidth, kClientHeight - menuHeight - m_navigation->height());
    m_page->Page().SetXPath(m_setup.pageFolder);

    if (LoggedIn())
        m_library.ComputeScores();
    setWindowTitle(ToQString(Cp1252FromUtf8(kCaption)));
    BuildControls();
    BuildNavigation();
    if (m_setup.registry)
        m_settings.ReadOnce(*m_setup.registry);
    ShowRecentFiles();
    TakeSettings();
    ConnectControls();
    FullDisplay();
    ShowPanel(false);
    qApp->installEventFilter(this); // hints off hides the tooltips of every control
}

TVocOptionen::~TVocOptionen() = default;

void TVocOptionen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A hidden page control learns its size only when shown; the page is laid out at that size.
    if (!std::exchange(m_pageLoaded, true))
        m_page->Page().SetXFile(kPageFile);
}

void TVocOptionen::BuildControls() {
    QWidget* p = m_page;
    BuildFileButtons();
    m_list = new TXListBox(p);
    m_list->setObjectName(QStringLiteral("Liste"));
    m_list->SetListenTyp(ListenTyp::ltViewOnly);
    m_list->SetIcons(FlagPicture(true), FlagPicture(false));
    m_list->setGeometry(20, 72, 364, 340);
    m_fileLabel = MakeLabel(p, "", QRect(20, 420, 364, 20));
    m_fileLabel->setObjectName(QStringLiteral("FileLabel"));
    m_counter = MakeLabel(p, "", QRect(20, 444, 364, 36));
    m_counter->setObjectName(QStringLiteral("Counter"));
    m_counter->setWordWrap(true);
    m_counter->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const std::string_view rangeHint = "Vokabelauswahl begrenzen";
    m_von = MakeChoice(p, "cVon", rangeHint, QRect(416, 40, 180, 26));
    m_bis = MakeChoice(p, "cBis", rangeHint, QRect(604, 40, 176, 26));

    m_panelA = new QPushButton(QStringLiteral("Allgemein"), p);
    m_panelA->setObjectName(QStringLiteral("cPanelA"));
    m_panelA->setCheckable(true);
    m_panelA->setGeometry(416, 85, 140, 24);
    m_panelB = new QPushButton(ToQString("benutzerabhängige Filter"_cp), p);
    m_panelB->setObjectName(QStringLiteral("cPanelB"));
    m_panelB->setCheckable(true);
    m_panelB->setGeometry(560, 85, 200, 24);

    m_generalPanel = new QWidget(p);
    m_generalPanel->setObjectName(QStringLiteral("PanelAllgemein"));
    m_generalPanel->setGeometry(404, 112, 388, 300);
    m_userPanel = new QWidget(p);
    m_userPanel->setObjectName(QStringLiteral("PanelBenutzer"));
    m_userPanel->setGeometry(404, 112, 388, 300);
    BuildGeneralPanel();
    BuildUserPanel();
    BuildStatus();
}

void TVocOptionen::BuildFileButtons() {
    struct Button {
        const char* name;
        std::string_view hint;
        int x;
    };
    const Button buttons[] = {
        {"bNeu", "neue Bibliothek", 20},
        {"bLaden", "Bibliothek laden", 56},
        {"bDazu", "Bibliothek dazuladen", 92},
        {"bSave", "Bibliothek speichern", 128},
        {"bInfo", "Informationen zur Bibliothek", 316},
        {"bDrucken", "Bibliothek drucken", 352},
    };
    for (const Button& button : buttons) {
        auto* b = new QPushButton(m_page);
        b->setObjectName(QString::fromLatin1(button.name));
        b->setToolTip(ToQString(button.hint));
        b->setIcon(FrListeButtonIcon(button.name));
        b->setIconSize(QSize(24, 24));
        b->setGeometry(button.x, 34, 32, 32);
        m_fileButtons[button.name] = b;
    }
}

void TVocOptionen::BuildGeneralPanel() {
    QWidget* g = m_generalPanel;
    MakeLabel(g, "Schwierigkeitsgrade", QRect(12, 6, 360, 20));
    constexpr std::string_view kNames[] = {"Baby", "Leicht", "Mittel", "Schwierig", "Tödlich"};
    constexpr int kX[] = {12, 78, 148, 218, 306};
    constexpr int kWidth[] = {64, 68, 68, 86, 76};
    for (std::size_t i = 0; i < m_schwer.size(); ++i) {
        const std::string name = "Schwer" + std::to_string(i + 1);
        m_schwer[i] = MakeCheckBox(g, name.c_str(), Cp1252FromUtf8(kNames[i]), "Schwierigkeitsgrade",
                                   QRect(kX[i], 28, kWidth[i], 22));
    }
    MakeLabel(g, "Abfrage", QRect(12, 58, 360, 20));
    m_modus = MakeChoice(g, "cModus", "Abfragerichtung", QRect(12, 80, 178, 26));
    for (std::string_view item : {"Vorwärts"_cp, "Rückwärts"_cp, "Kreuz-und-quer"_cp})
        m_modus->addItem(ToQString(item));
    m_richtung = MakeChoice(g, "cRichtung", "", QRect(198, 80, 178, 26));
    m_redewendungen = MakeCheckBox(g, "cRedewendungen", "Redewendungen", "Abfrage von Redewendungen",
                                   QRect(12, 114, 178, 22));
    m_kontext =
        MakeCheckBox(g, "cKontext", "Kontext", "Abfrage im Satzzusammenhang", QRect(198, 114, 178, 22));

    m_proRundeCaption = MakeLabel(g, "Vokabeln pro Runde", QRect(12, 148, 280, 20));
    m_proRundeValue = MakeLabel(g, "", QRect(300, 148, 76, 20));
    m_proRundeValue->setObjectName(QStringLiteral("ProRundeWert"));
    m_proRundeValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_proRunde = MakeSlider(g, "TrackProRunde", QRect(12, 170, 364, 28));
    m_proRunde->setTickInterval(10);

    m_multipleLabel = MakeLabel(g, "", QRect(12, 214, 182, 20));
    m_multipleLabel->setObjectName(QStringLiteral("MultipleChoiceLabel"));
    m_typedLabel = MakeLabel(g, "", QRect(194, 214, 182, 20));
    m_typedLabel->setObjectName(QStringLiteral("EintippenLabel"));
    m_typedLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_multiple = MakeSlider(g, "TrackMultiple", QRect(12, 236, 364, 28));
    m_multiple->setRange(0, 100);
    m_multiple->setTickInterval(10);
}

void TVocOptionen::BuildUserPanel() {
    QWidget* u = m_userPanel;
    MakeLabel(u, "Grenzwert:", QRect(12, 6, 200, 20));
    m_scoreValue = MakeLabel(u, "", QRect(300, 6, 76, 20));
    m_scoreValue->setObjectName(QStringLiteral("ScoreWert"));
    m_scoreValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_score = MakeSlider(u, "TrackScore", QRect(12, 28, 364, 28));
    m_score->setRange(-100, 100);
    m_score->setTickInterval(10);
    m_scoreExplanation = MakeLabel(u, "", QRect(12, 66, 364, 100));
    m_scoreExplanation->setObjectName(QStringLiteral("ScoreErklaerung"));
    m_scoreExplanation->setWordWrap(true);
    m_scoreExplanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QLabel* note =
        MakeLabel(u, "[Es werden keine Vokabeln über diesem Wert abgefragt.]"_cp, QRect(12, 176, 364, 40));
    note->setWordWrap(true);
}

void TVocOptionen::BuildStatus() {
    m_maskOk = MakeLabel(m_page, "", QRect(418, 442, 24, 24));
    m_maskOk->setObjectName(QStringLiteral("Maske0"));
    m_maskOk->setToolTip(ToQString("Einstellungen sind OK!"));
    m_maskOk->setPixmap(StatusPicture(true));
    m_maskNotOk = MakeLabel(m_page, "", QRect(418, 442, 24, 24));
    m_maskNotOk->setObjectName(QStringLiteral("Maske1"));
    m_maskNotOk->setToolTip(ToQString("Einstellungen sind NICHT OK!"));
    m_maskNotOk->setPixmap(StatusPicture(false));
    m_message = MakeLabel(m_page, "", QRect(452, 436, 328, 36));
    m_message->setObjectName(QStringLiteral("Message"));
    QFont bold = m_message->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    m_message->setFont(bold);
}

void TVocOptionen::BuildNavigation() {
    m_navigation->SetCaption(1, "editor");
    const OptionsExit exits[] = {OptionsExit::Home,      OptionsExit::Editor, OptionsExit::Klassisch,
                                 OptionsExit::Abgedreht, OptionsExit::Techno, OptionsExit::SuperDD,
                                 OptionsExit::Query};
    for (int i = 0; i < 7; ++i)
        connect(m_navigation->Button(i), &QPushButton::clicked, this,
                [this, exit = exits[i]] { LeaveBy(exit); });
}

void TVocOptionen::ConnectControls() {
    const auto chosen = [this](auto call) {
        return [this, call](auto&&... values) {
            if (!m_filling)
                call(values...);
        };
    };
    connect(m_von, &QComboBox::currentIndexChanged, this, chosen([this](int) { RangeChosen(); }));
    connect(m_bis, &QComboBox::currentIndexChanged, this, chosen([this](int) { RangeChosen(); }));
    for (std::size_t i = 0; i < m_schwer.size(); ++i)
        connect(m_schwer[i], &QCheckBox::toggled, this, chosen([this, i](bool on) {
                    m_settings.NichtZuSchwer[i] = on;
                    ShowActivity();
                }));
    connect(m_modus, &QComboBox::currentIndexChanged, this, chosen([this](int index) {
                m_settings.Modus = index;
                if (index != kModusKreuzUndQuer && m_library.Count() > 0) {
                    m_von->setEnabled(true);
                    m_bis->setEnabled(true);
                }
                ShowTrackProRunde();
                ShowActivity();
            }));
    connect(m_richtung, &QComboBox::currentIndexChanged, this, chosen([this](int index) {
                m_settings.Richtung = index;
                ShowActivity();
            }));
    connect(m_redewendungen, &QCheckBox::toggled, this, chosen([this](bool on) {
                m_settings.Redewendungen = on;
                ShowActivity();
            }));
    connect(m_kontext, &QCheckBox::toggled, this, chosen([this](bool on) {
                m_settings.Kontext = on;
                ShowActivity();
            }));
    connect(m_proRunde, &QSlider::valueChanged, this, chosen([this](int value) {
                m_settings.ProRunde = value;
                m_proRundeValue->setText(QString::number(value));
                ShowActivity();
            }));
    connect(m_multiple, &QSlider::valueChanged, this, chosen([this](int value) {
                m_settings.MultipleChoiceEintippen = value;
                ShowMultipleChoiceLabels();
            }));
    connect(m_score, &QSlider::valueChanged, this, chosen([this](int value) {
                m_settings.MaxScore = value;
                ShowScoreLimit();
                ShowActivity();
            }));
    connect(m_panelA, &QPushButton::clicked, this, [this] { ShowPanel(false); });
    connect(m_panelB, &QPushButton::clicked, this, [this] {
        if (!LoggedIn()) {
            ShowPanel(false);
            ShowAppMessage("Die Erfolgsanalyse erfordert eine Anmeldung als Benutzer!", kMbOk);
            return;
        }
        ShowPanel(true);
    });
    m_list->installEventFilter(this); // its double click plays the headword
    const auto button = [this](const char* name, std::function<void()> call) {
        connect(m_fileButtons.at(name), &QPushButton::clicked, this, [call = std::move(call)] { call(); });
    };
    button("bNeu", [this] { FileNeu(); });
    button("bLaden", [this] { FileOpen(); });
    button("bDazu", [this] { FileDazu(); });
    button("bSave", [this] { FileSave(); });
    button("bInfo", [this] { ShowInfo(); });
    button("bDrucken", [this] { PrintList(); });
    m_fileButtons.at("bDrucken")->setEnabled(m_setup.printService != nullptr);
}

// The controls take the settings; ProRunde is clamped into the slider's range by ShowTrackProRunde.
void TVocOptionen::TakeSettings() {
    const Filling filling(m_filling);
    m_richtung->clear();
    for (std::string_view item :
         {"Deutsch - Französisch"_cp, "Französisch - Deutsch"_cp, "Beide Richtungen"_cp})
        m_richtung->addItem(ToQString(item));
    m_modus->setCurrentIndex(std::clamp(m_settings.Modus, 0, 2));
    m_richtung->setCurrentIndex(std::clamp(m_settings.Richtung, 0, 2));
    m_redewendungen->setChecked(m_settings.Redewendungen);
    m_kontext->setChecked(m_settings.Kontext);
    m_multiple->setValue(m_settings.MultipleChoiceEintippen);
    m_score->setValue(m_settings.MaxScore);
    ShowMultipleChoiceLabels();
    ShowScoreLimit();
}

bool TVocOptionen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && !m_setup.hintsOn) {
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->window() == this)
            return true;
    }
    if (watched == m_list && event->type() == QEvent::MouseButtonDblClick && m_setup.playRecording &&
        !m_list->LastClickedText().empty()) {
        m_setup.playRecording(m_list->LastClickedText());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// [SECTION] Display

void TVocOptionen::FullDisplay() {
    ShowList();
    ShowRange();
    {
        const Filling filling(m_filling);
        for (std::size_t i = 0; i < m_schwer.size(); ++i)
            m_schwer[i]->setChecked(m_settings.NichtZuSchwer[i]);
    }
    ShowFileLabel();
    m_counter->setText(ToQString(CounterText(m_library.Count(), LoggedIn(), m_library.AverageScore())));
    ShowTrackProRunde();
    ShowActivity();
}

void TVocOptionen::ShowList() {
    m_list->SetItems(OptionsListLines(m_library, LoggedIn()));
}

void TVocOptionen::ShowRange() {
    const Filling filling(m_filling);
    const std::vector<std::string> items = RangeItems(m_library);
    for (QComboBox* box : {m_von, m_bis}) {
        box->clear();
        for (const std::string& item : items)
            box->addItem(ToQString(item));
    }
    const RangeSelection selection =
        SelectRange(m_settings.Von, m_settings.Bis, static_cast<int>(items.size()));
    m_von->setCurrentIndex(selection.von);
    m_bis->setCurrentIndex(selection.bis);
    m_von->setEnabled(selection.enabled);
    m_bis->setEnabled(selection.enabled);
}

void TVocOptionen::ShowTrackProRunde() {
    const Filling filling(m_filling);
    const ProRundeRange range = TrackProRundeRange(m_library.Count(), m_settings.Modus);
    m_proRunde->setRange(range.minimum, range.maximum);
    m_proRunde->setValue(std::clamp(m_settings.ProRunde, range.minimum, range.maximum));
    m_settings.ProRunde = m_proRunde->value();
    m_proRundeValue->setText(QString::number(m_proRunde->value()));
    for (QWidget* widget : std::initializer_list<QWidget*>{m_proRunde, m_proRundeCaption, m_proRundeValue})
        widget->setEnabled(range.enabled);
}

void TVocOptionen::ShowActivity() {
    m_settings.Von = m_von->currentIndex();
    m_settings.Bis = m_bis->currentIndex();
    const ActivityDisplay display =
        Activity(m_library.CountEligible(), m_settings.Modus, m_settings.ProRunde);
    QPalette palette = m_message->palette();
    palette.setColor(QPalette::WindowText, FromWindowsColour(display.colour));
    m_message->setPalette(palette);
    m_message->setText(ToQString(display.text));
    m_maskOk->setVisible(display.ok);
    m_maskNotOk->setVisible(!display.ok);
}

void TVocOptionen::ShowMultipleChoiceLabels() {
    const MultipleChoiceLabels labels = MultipleChoiceTexts(m_multiple->value());
    m_multipleLabel->setText(ToQString(labels.multipleChoice));
    m_typedLabel->setText(ToQString(labels.typed));
}

void TVocOptionen::ShowScoreLimit() {
    m_scoreValue->setText(ToQString(PercentText(m_score->value())));
    m_scoreExplanation->setText(ToQString(ScoreExplanation(m_score->value())));
}

void TVocOptionen::ShowRecentFiles() {
    for (std::size_t i = 0; i < m_recentItems.size(); ++i) {
        const std::string file = m_library.RecentFile(static_cast<int>(i));
        m_recentItems[i]->setText(ToQString("&" + std::to_string(i + 1) + " " + file));
        m_recentItems[i]->setVisible(!file.empty());
    }
}

void TVocOptionen::ShowFileLabel() {
    m_fileLabel->setText(ToQString(m_library.DisplayName()));
}

void TVocOptionen::ShowPanel(bool userPanel) {
    m_generalPanel->setVisible(!userPanel);
    m_userPanel->setVisible(userPanel);
    m_panelA->setChecked(!userPanel);
    m_panelB->setChecked(userPanel);
}

bool TVocOptionen::UserPanelShown() const {
    return !m_userPanel->isHidden();
}

void TVocOptionen::RangeChosen() {
    const RangeSelection ordered = OrderedRange(m_von->currentIndex(), m_bis->currentIndex());
    if (ordered.von != m_von->currentIndex()) {
        const Filling filling(m_filling);
        m_von->setCurrentIndex(ordered.von);
        m_bis->setCurrentIndex(ordered.bis);
    }
    ShowActivity();
}

bool TVocOptionen::LoggedIn() const {
    return m_setup.users && m_setup.users->IsLoggedIn();
}

QAction* TVocOptionen::Action(const std::string& name) const {
    return m_actions.Find(name);
}

} // namespace qor
