#include "editor/qt/TVocEditor.h"

#include "dictionary/TXDBEintrag.h"
#include "dictionary/TXDatabase.h"
#include "editor/EditorLayout.h"
#include "platform/Cp1252.h"
#include "platform/qt/QtText.h"
#include "settings/qt/TFrListe.h"
#include "settings/qt/TFrNavigation.h"
#include "settings/qt/TXListBox.h"
#include "vocab/QueryDisplay.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>
#include <algorithm>

namespace qor {

namespace {

constexpr int kNavigationHeight = 36;
constexpr int kMargin = 8;
constexpr int kRowHeight = 24;
constexpr int kLabelWidth = 84;

constexpr std::string_view kDifficultyNames[] = {"Baby", "Leicht", "Mittel", "Schwierig", "Tödlich"};

// The flags are drawn: three vertical bands for French, three horizontal ones for German.
QIcon FlagIcon(bool german) {
    QPixmap picture(30, 20);
    QPainter painter(&picture);
    if (german) {
        painter.fillRect(0, 0, 30, 7, Qt::black);
        painter.fillRect(0, 7, 30, 6, QColor(221, 0, 0));
        painter.fillRect(0, 13, 30, 7, QColor(255, 206, 0));
    } else {
        painter.fillRect(0, 0, 10, 20, QColor(0, 35, 149));
        painter.fillRect(10, 0, 10, 20, Qt::white);
        painter.fillRect(20, 0, 10, 20, QColor(237, 41, 57));
    }
    return QIcon(picture);
}

QColor FromWindowsColour(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

void SetBackground(QWidget* widget, std::int32_t colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, FromWindowsColour(colour));
    palette.setColor(QPalette::Base, FromWindowsColour(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* Caption(QWidget* parent, std::string_view text, int x, int y) {
    auto* label = new QLabel(ToQString(text), parent);
    label->setGeometry(x, y, kLabelWidth, kRowHeight);
    return label;
}

} // namespace

// [SECTION] Building

TVocEditor::TVocEditor(EditorWindowSetup setup, QWidget* parent)
    // In trainer mode the editor takes the main window's place, borderless as that one is.
    : QWidget(parent, setup.mode == EditorMode::Trainer ? Qt::FramelessWindowHint : Qt::WindowFlags()),
      m_setup(std::move(setup)) {
    setWindowTitle(ToQString("qor französisch - Vokabeleditor"_cp));
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    m_listFrame = new TFrListe(this);
    m_entryFrame = new QWidget(this);
    if (m_setup.mode == EditorMode::Trainer) {
        m_navigation = new TFrNavigation(this);
        const LeaveCommand commands[] = {LeaveCommand::Home,      LeaveCommand::Einstellungen,
                                         LeaveCommand::Klassisch, LeaveCommand::Abgedreht,
                                         LeaveCommand::Techno,    LeaveCommand::SuperDD,
                                         LeaveCommand::Abfrage};
        for (int i = 0; i < 7; ++i)
            connect(m_navigation->Button(i), &QPushButton::clicked, this,
                    [this, command = commands[i]] { LeaveBy(command); });
    }
    BuildEntryFrame();
    BuildDictionaryPanel();
    BuildMenus();
    ConnectList();
    ConnectRecorder();
    ApplySchemeColours(m_setup.scheme);
    resize(m_setup.mode == EditorMode::Trainer ? QSize(800, 572) : QSize(kMinimumWidth, kMinimumHeight));
    EditorView& view = *this;
    EditorDialogs& dialogs = *this;
    m_core = std::make_unique<TVocEditorCore>(*m_setup.library, m_setup.dictionary, view, dialogs,
                                              m_setup.mode, m_setup.environment);
    m_core->Start();
    // The learner starts with the headword: typed letters and the special characters go there.
    m_vokabel->setFocus();
    qApp->installEventFilter(this); // hints off hides the tooltips of every field
}

TVocEditor::~TVocEditor() = default;

void TVocEditor::BuildEntryFrame() {
    QWidget* f = m_entryFrame;
    int y = kMargin;
    const int fieldX = kMargin + kLabelWidth;
    Caption(f, "Vokabel:", kMargin, y);
    m_vokabel = new QLineEdit(f);
    m_vokabel->setObjectName(QStringLiteral("eVokabel"));
    m_vokabel->setGeometry(fieldX, y, 220, kRowHeight);
    m_flagTop = new QPushButton(f);
    m_flagTop->setGeometry(fieldX + 228, y, 36, kRowHeight);
    m_flagBottom = new QPushButton(f);
    m_flagBottom->setGeometry(fieldX + 228, y + kRowHeight + 4, 36, kRowHeight);
    m_speaker = new QPushButton(QStringLiteral("\u266A"), f);
    m_speaker->setObjectName(QStringLiteral("bPlay"));
    m_speaker->setGeometry(fieldX + 270, y, 28, kRowHeight);
    m_speaker->hide();
    y += kRowHeight + 4;
    Caption(f, "Bedeutung:", kMargin, y);
    m_bedeutung0 = new QLineEdit(f);
    m_bedeutung0->setObjectName(QStringLiteral("eBedeutung0"));
    m_bedeutung0->setToolTip(ToQString("Bedeutung(en) - Mit Semikolon + Leerzeichen trennen!"_cp));
    m_bedeutung0->setGeometry(fieldX, y, 220, kRowHeight);
    y += kRowHeight + 4;
    Caption(f, "Weitere:", kMargin, y);
    m_bedeutung1 = new QPlainTextEdit(f);
    m_bedeutung1->setObjectName(QStringLiteral("eBedeutung1"));
    m_bedeutung1->setGeometry(fieldX, y, 220, 2 * kRowHeight);
    y += 2 * kRowHeight + 4;
    Caption(f, "Wortart:", kMargin, y);
    m_wortart = new QComboBox(f);
    m_wortart->setToolTip(ToQString("Wortart einstellen"_cp));
    for (int i = 0; i < 6; ++i)
        m_wortart->addItem(ToQString(WortartName(i)));
    m_wortart->setGeometry(fieldX, y, 130, kRowHeight);
    m_schwierigkeit = new QComboBox(f);
    m_schwierigkeit->setToolTip(ToQString("Schwierigkeitsgrad einstellen"_cp));
    for (std::string_view name : kDifficultyNames)
        m_schwierigkeit->addItem(ToQString(Cp1252FromUtf8(name)));
    m_schwierigkeit->setGeometry(fieldX + 136, y, 100, kRowHeight);
    y += kRowHeight + 4;
    Caption(f, "1. Kontext:", kMargin, y);
    m_kontext0 = new QLineEdit(f);
    m_kontext0->setToolTip(ToQString("Platz für einen Satzzusammenhang"_cp));
    m_kontext0->setGeometry(fieldX, y, 220, kRowHeight);
    m_ktxDazu1 = new QCheckBox(ToQString("Bedeutung anzeigen"_cp), f);
    m_ktxDazu1->setToolTip(ToQString("Bedeutung anzeigen"_cp));
    m_ktxDazu1->setGeometry(fieldX + 228, y, 150, kRowHeight);
    y += kRowHeight + 4;
    Caption(f, "2. Kontext:", kMargin, y);
    m_kontext1 = new QLineEdit(f);
    m_kontext1->setToolTip(m_kontext0->toolTip());
    m_kontext1->setGeometry(fieldX, y, 220, kRowHeight);
    m_ktxDazu2 = new QCheckBox(ToQString("Bedeutung anzeigen"_cp), f);
    m_ktxDazu2->setToolTip(ToQString("Bedeutung anzeigen"_cp));
    m_ktxDazu2->setGeometry(fieldX + 228, y, 150, kRowHeight);

    const auto edited = [this](auto call) {
        return [this, call](auto&&... values) {
            if (!m_filling)
                call(values...);
        };
    };
    connect(m_vokabel, &QLineEdit::textEdited, this,
            edited([this](const QString& text) { m_core->VokabelEdited(FromQString(text)); }));
    connect(m_bedeutung0, &QLineEdit::textEdited, this,
            edited([this](const QString& text) { m_core->Bedeutung0Edited(FromQString(text)); }));
    connect(m_bedeutung1, &QPlainTextEdit::textChanged, this,
            edited([this] { m_core->Bedeutung1Edited(FromQString(m_bedeutung1->toPlainText())); }));
    connect(m_kontext0, &QLineEdit::textEdited, this,
            edited([this](const QString& text) { m_core->KontextEdited(0, FromQString(text)); }));
    connect(m_kontext1, &QLineEdit::textEdited, this,
            edited([this](const QString& text) { m_core->KontextEdited(1, FromQString(text)); }));
    connect(m_ktxDazu1, &QCheckBox::toggled, this, edited([this](bool on) { m_core->KtxDazuEdited(0, on); }));
    connect(m_ktxDazu2, &QCheckBox::toggled, this, edited([this](bool on) { m_core->KtxDazuEdited(1, on); }));
    connect(m_wortart, &QComboBox::currentIndexChanged, this,
            edited([this](int index) { m_core->WortartEdited(index); }));
    connect(m_schwierigkeit, &QComboBox::currentIndexChanged, this,
            edited([this](int index) { m_core->SchwierigkeitEdited(index); }));
    connect(m_speaker, &QPushButton::clicked, this, [this] {
        if (m_setup.playRecording && !m_recordingPath.empty())
            m_setup.playRecording(m_recordingPath);
    });
    connect(m_flagTop, &QPushButton::clicked, this, [this] { m_core->ToggleFlag(); });
    connect(m_flagBottom, &QPushButton::clicked, this, [this] { m_core->ToggleFlag(); });
}

void TVocEditor::BuildDictionaryPanel() {
    m_dictionaryPanel = new QWidget(m_entryFrame);
    QWidget* p = m_dictionaryPanel;
    m_dbVokabel = new QLineEdit(p);
    m_dbVokabel->setObjectName(QStringLiteral("DBVokabel"));
    m_dbVokabel->setGeometry(kMargin, kMargin, 220, kRowHeight);
    m_dbWortart = new QComboBox(p);
    for (int i = 1; i <= 6; ++i)
        m_dbWortart->addItem(ToQString(WordClassName(i)));
    m_dbWortart->setGeometry(kMargin + 228, kMargin, 130, kRowHeight);
    m_dbBedeutung = new QPlainTextEdit(p);
    m_dbBedeutung->setGeometry(kMargin, kMargin + kRowHeight + 4, 360, 2 * kRowHeight);
    struct Button {
        const char* name;
        const char* text;
        void (TVocEditorCore::*call)();
    };
    const Button buttons[] = {
        {"dFirst", "|<", &TVocEditorCore::DictionaryFirst},
        {"dPrevious", "<", &TVocEditorCore::DictionaryPrevious},
        {"Direction", "", &TVocEditorCore::DictionaryDirection},
        {"dNext", ">", &TVocEditorCore::DictionaryNext},
        {"dLast", ">|", &TVocEditorCore::DictionaryLast},
        {"dDelete", "-", &TVocEditorCore::DictionaryDelete},
        {"dAdd", "+", &TVocEditorCore::DictionaryAdd},
    };
    int x = kMargin;
    const int y = kMargin + 3 * kRowHeight + 12;
    for (const Button& button : buttons) {
        auto* widget = new QPushButton(QString::fromLatin1(button.text), p);
        widget->setObjectName(QString::fromLatin1(button.name));
        const bool direction = std::string_view(button.name) == "Direction";
        widget->setGeometry(x, y, direction ? 130 : 32, kRowHeight);
        x += (direction ? 130 : 32) + 4;
        connect(widget, &QPushButton::clicked, this, [this, call = button.call] { ((*m_core).*call)(); });
        if (direction)
            m_direction = widget;
    }
    connect(m_dbVokabel, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!m_filling)
            m_core->DictionaryVokabelEdited(FromQString(text));
    });
    connect(m_dbBedeutung, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_filling)
            m_core->DictionaryBedeutungEdited(FromQString(m_dbBedeutung->toPlainText()));
    });
    connect(m_dbWortart, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_filling)
            m_core->DictionaryWortartEdited(index);
    });
}

void TVocEditor::ConnectList() {
    TXListBox* list = m_listFrame->Liste();
    connect(list, &TXListBox::OnChange, this, [this, list] {
        if (!m_filling)
            m_core->ListeChange(list->Selected());
    });
    const auto button = [this](const char* name, std::function<void()> call) {
        if (QPushButton* b = m_listFrame->Button(name))
            connect(b, &QPushButton::clicked, this, [call = std::move(call)] { call(); });
    };
    button("bLaden", [this] { m_core->FileOpen(); });
    button("bDazu", [this] { m_core->FileDazu(); });
    button("bSave", [this] { m_core->FileSave(); });
    button("bNeu", [this] { m_core->FileNeu(); });
    button("bTakeOver", [this] { m_core->TakeOver(); });
    button("bKill", [this] { m_core->Loeschen(); });
    button("bAlpha", [this] { m_core->Sortieren(); });
    button("bLeft", [this] { m_core->GoLeft(); });
    button("bRight", [this] { m_core->GoRight(); });
}

void TVocEditor::ConnectRecorder() {
    if (m_setup.recorder)
        m_recording = std::make_unique<EditorRecording>(*m_setup.recorder);
    m_recordTimer = new QTimer(this);
    connect(m_recordTimer, &QTimer::timeout, this, [this] {
        m_recording->Poll();
        ShowRecorderState();
    });
    const auto button = [this](const char* name, std::function<void()> call) {
        connect(m_listFrame->Button(name), &QPushButton::clicked, this, [this, call = std::move(call)] {
            if (!m_recording)
                return;
            call();
            ShowRecorderState();
        });
    };
    button("bRec", [this] {
        m_recording->RecordClicked();
        m_haveTake = m_haveTake || m_recording->RecordDown();
    });
    button("bPlay", [this] { m_recording->PlayClicked(); });
    button("SaveWAV", [this] {
        const std::optional<std::string> saved = m_recording->SaveWav(SaveFileChooser());
        if (saved && m_setup.manageRecording)
            m_setup.manageRecording(m_setup.library->Vokabel(-1), *saved, this);
    });
    for (const char* name : {"bRec", "bPlay"})
        m_listFrame->Button(name)->setCheckable(true);
    ShowRecorderState();
}

void TVocEditor::ShowRecorderState() {
    QPushButton* record = m_listFrame->Button("bRec");
    QPushButton* play = m_listFrame->Button("bPlay");
    QPushButton* save = m_listFrame->Button("SaveWAV");
    if (!m_recording) {
        for (QPushButton* b : {record, play, save})
            b->setEnabled(false);
        return;
    }
    record->setChecked(m_recording->RecordDown());
    record->setEnabled(m_recording->RecordEnabled());
    play->setChecked(m_recording->PlayDown());
    play->setEnabled(m_haveTake && m_recording->PlayEnabled());
    save->setEnabled(m_haveTake && m_recording->SaveEnabled());
    if (m_recording->TimerInterval() > 0)
        m_recordTimer->start(m_recording->TimerInterval());
    else
        m_recordTimer->stop();
}

// [SECTION] SchemeEditorView

void TVocEditor::ApplySchemeColours(const EditorScheme& scheme) {
    SetBackground(m_listFrame, scheme.colours[0]);
    SetBackground(m_listFrame->Liste(), scheme.colours[1]);
    if (m_listFrame->Panel())
        SetBackground(m_listFrame->Panel(), scheme.colours[2]);
    SetBackground(m_entryFrame, scheme.colours[3]);
    for (QWidget* field : std::initializer_list<QWidget*>{m_vokabel, m_bedeutung0, m_bedeutung1, m_wortart,
                                                          m_schwierigkeit, m_kontext0, m_kontext1})
        SetBackground(field, scheme.colours[4]);
    SetBackground(m_dictionaryPanel, scheme.colours[5]);
    for (QWidget* field : std::initializer_list<QWidget*>{m_dbVokabel, m_dbWortart, m_dbBedeutung})
        SetBackground(field, scheme.colours[6]);
}

void TVocEditor::ApplySchemeFont(const EditorScheme& scheme, int size) {
    QFont font(ToQString(scheme.fontName));
    font.setBold(scheme.bold);
    font.setPointSize(size);
    m_entryFrame->setFont(font);
    LayOutEntryFrame();
}

int TVocEditor::HeightClass() const {
    return SchemeHeightClass(height());
}

bool TVocEditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && !m_setup.hintsOn) {
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->window() == this)
            return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick && m_setup.playAtCaret)
        PlayAtCaretLater(watched);
    return QWidget::eventFilter(watched, event);
}

void TVocEditor::PlayAtCaretLater(QObject* watched) {
    // The word fields play the recording of the meaning under the caret, once the field has
    // selected the double-clicked word as it always does.
    const auto isWordField = [this](QObject* field) {
        return field == m_vokabel || field == m_bedeutung0 || field == m_bedeutung1 || field == m_dbVokabel ||
               field == m_dbBedeutung;
    };
    QObject* field = watched;
    if (!isWordField(field) && watched->parent() && isWordField(watched->parent()))
        field = watched->parent(); // the viewport of a multi-line field
    if (!isWordField(field))
        return;
    // Which side is French follows the entry's direction and the dictionary's half.
    const bool germanEntry = m_setup.library && m_setup.library->Count() > 0 && m_setup.library->Deutsch(-1);
    const bool germanHalf = m_setup.dictionary && m_setup.dictionary->IsGermanFrench();
    bool french = false;
    if (field == m_vokabel)
        french = !germanEntry;
    else if (field == m_bedeutung0 || field == m_bedeutung1)
        french = germanEntry;
    else if (field == m_dbVokabel)
        french = m_setup.dictionary && !germanHalf;
    else
        french = germanHalf;
    QTimer::singleShot(0, this, [this, field, french] {
        if (auto* line = qobject_cast<QLineEdit*>(field)) {
            const int start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
            m_setup.playAtCaret(FromQString(line->text()), start, static_cast<int>(line->selectedText().size()),
                                french);
        } else if (auto* block = qobject_cast<QPlainTextEdit*>(field)) {
            const QTextCursor cursor = block->textCursor();
            m_setup.playAtCaret(FromQString(block->toPlainText()), cursor.selectionStart(),
                                cursor.selectionEnd() - cursor.selectionStart(), french);
        }
    });
}

void TVocEditor::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int menuHeight = m_menuBar->sizeHint().height();
    m_menuBar->setGeometry(0, 0, width(), menuHeight);
    const int bottom = m_navigation ? height() - kNavigationHeight : height();
    const int listWidth = ListFrameWidth(width());
    m_listFrame->setGeometry(0, menuHeight, listWidth, bottom - menuHeight);
    m_entryFrame->setGeometry(listWidth, menuHeight, width() - listWidth, bottom - menuHeight);
    m_dictionaryPanel->setGeometry(0, m_entryFrame->height() - 140, m_entryFrame->width(), 140);
    // The scheme's font size goes with the window's height.
    ApplySchemeFont(m_setup.scheme, m_setup.scheme.sizes[static_cast<std::size_t>(HeightClass())]);
    if (m_navigation)
        m_navigation->setGeometry(0, bottom, width(), kNavigationHeight);
}

void TVocEditor::LayOutEntryFrame() {
    // Only the columns move: each widget keeps the row it was built in.
    const auto place = [](QWidget* widget, int x, int width) {
        widget->setGeometry(x, widget->y(), std::max(width, 16), widget->height());
    };
    const int frameWidth = m_entryFrame->width();
    const int fieldX = kMargin + kLabelWidth;
    constexpr int kFlagWidth = 36;
    constexpr int kSpeakerWidth = 28;
    const int rightEdge = frameWidth - kMargin;
    const int fieldWidth = std::max(120, rightEdge - fieldX - kFlagWidth - kSpeakerWidth - 8);
    for (QWidget* field : std::initializer_list<QWidget*>{m_vokabel, m_bedeutung0, m_bedeutung1})
        place(field, fieldX, fieldWidth);
    const int flagX = fieldX + fieldWidth + 4;
    place(m_flagTop, flagX, kFlagWidth);
    place(m_flagBottom, flagX, kFlagWidth);
    place(m_speaker, flagX + kFlagWidth + 4, kSpeakerWidth);
    const int boxWidth = (rightEdge - fieldX - 6) / 2;
    place(m_wortart, fieldX, std::min(boxWidth, 150));
    place(m_schwierigkeit, fieldX + std::min(boxWidth, 150) + 6, std::min(boxWidth, 120));
    // A narrow frame shows the check boxes without their caption; the tooltip still names them.
    const bool captions = rightEdge - fieldX >= 330;
    const int checkWidth = captions ? 150 : 22;
    for (QCheckBox* check : {m_ktxDazu1, m_ktxDazu2})
        check->setText(captions ? ToQString("Bedeutung anzeigen"_cp) : QString());
    const int checkX = rightEdge - checkWidth;
    for (QWidget* context : std::initializer_list<QWidget*>{m_kontext0, m_kontext1})
        place(context, fieldX, checkX - 6 - fieldX);
    place(m_ktxDazu1, checkX, checkWidth);
    place(m_ktxDazu2, checkX, checkWidth);

    const int panelWidth = frameWidth - 2 * kMargin;
    const int classWidth = std::min(130, panelWidth / 3);
    place(m_dbVokabel, kMargin, panelWidth - classWidth - 6);
    place(m_dbWortart, kMargin + panelWidth - classWidth, classWidth);
    place(m_dbBedeutung, kMargin, panelWidth);
    // The direction button takes the width that the six small ones leave.
    const int directionWidth = std::clamp(panelWidth - 6 * 36, 110, 200);
    const int small = std::clamp((panelWidth - directionWidth) / 6 - 4, 20, 32);
    int x = kMargin;
    for (const char* name : {"dFirst", "dPrevious", "Direction", "dNext", "dLast", "dDelete", "dAdd"}) {
        QWidget* button = m_dictionaryPanel->findChild<QWidget*>(QString::fromLatin1(name));
        const int width = button == m_direction ? directionWidth : small;
        place(button, x, width);
        x += width + 4;
    }
}

void TVocEditor::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_PageUp:
        m_core->GoLeft();
        return;
    case Qt::Key_PageDown:
        m_core->GoRight();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        focusNextChild();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TVocEditor::closeEvent(QCloseEvent* event) {
    if (m_core->Busy() || m_core->Leave(LeaveCommand::Close) == EditorExit::Stay) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_setup.onExit)
        m_setup.onExit(m_setup.mode == EditorMode::Standalone ? EditorExit::EndProgram
                                                              : EditorExit::MainWindow);
}

void TVocEditor::LeaveBy(LeaveCommand command) {
    const EditorExit exit = m_core->Leave(command);
    if (exit == EditorExit::Stay)
        return;
    if (m_setup.onExit)
        m_setup.onExit(exit);
}

QAction* TVocEditor::Action(const std::string& name) const {
    return m_actions.Find(name);
}

// [SECTION] EditorView

QWidget* TVocEditor::Field(EditorField field) const {
    switch (field) {
    case EditorField::Vokabel:
        return m_vokabel;
    case EditorField::Bedeutung0:
        return m_bedeutung0;
    case EditorField::Bedeutung1:
        return m_bedeutung1;
    case EditorField::Kontext0:
        return m_kontext0;
    case EditorField::Kontext1:
        return m_kontext1;
    case EditorField::DBVokabel:
        return m_dbVokabel;
    case EditorField::DBBedeutung:
        return m_dbBedeutung;
    }
    return m_vokabel;
}

void TVocEditor::SetPosition(int position, int count) {
    m_listFrame->Position1()->setText(QString::number(position));
    m_listFrame->Position2()->setText(QString::number(count));
}

void TVocEditor::SetEntryFields(const EntryFieldTexts& fields) {
    const bool filling = std::exchange(m_filling, true);
    m_vokabel->setText(ToQString(fields.vokabel));
    m_bedeutung0->setText(ToQString(fields.bedeutung0));
    m_bedeutung1->setPlainText(ToQString(fields.bedeutung1));
    m_kontext0->setText(ToQString(fields.kontext0));
    m_kontext1->setText(ToQString(fields.kontext1));
    m_ktxDazu1->setChecked(fields.ktxDazu0);
    m_ktxDazu2->setChecked(fields.ktxDazu1);
    m_wortart->setCurrentIndex(fields.wortart);
    m_schwierigkeit->setCurrentIndex(fields.schwierigkeit);
    m_filling = filling;
}

void TVocEditor::SetFieldText(EditorField field, std::string_view text) {
    const bool filling = std::exchange(m_filling, true);
    QWidget* widget = Field(field);
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        line->setText(ToQString(text));
    else if (auto* block = qobject_cast<QPlainTextEdit*>(widget))
        block->setPlainText(ToQString(text));
    m_filling = filling;
}

void TVocEditor::SetWortart(int wortart) {
    const bool filling = std::exchange(m_filling, true);
    m_wortart->setCurrentIndex(wortart);
    m_filling = filling;
}

void TVocEditor::SetGermanFlagOnTop(bool germanOnTop) {
    m_germanOnTop = germanOnTop;
    m_flagTop->setIcon(FlagIcon(germanOnTop));
    m_flagBottom->setIcon(FlagIcon(!germanOnTop));
}

void TVocEditor::FocusField(EditorField field) {
    Field(field)->setFocus();
}

void TVocEditor::SelectFieldText(EditorField field, int start, int length) {
    QWidget* widget = Field(field);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->setSelection(start, length);
    } else if (auto* block = qobject_cast<QPlainTextEdit*>(widget)) {
        QTextCursor cursor = block->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        block->setTextCursor(cursor);
    }
}

void TVocEditor::SetListLines(const std::vector<std::string>& lines) {
    m_listLines = lines;
    const bool filling = std::exchange(m_filling, true);
    m_listFrame->Liste()->SetItems(m_listLines);
    m_filling = filling;
}

void TVocEditor::SetListLine(int index, std::string_view line) {
    if (index < 0 || index >= static_cast<int>(m_listLines.size()))
        return;
    m_listLines[static_cast<std::size_t>(index)] = std::string(line);
    const bool filling = std::exchange(m_filling, true);
    const int selected = m_listFrame->Liste()->Selected();
    m_listFrame->Liste()->SetItems(m_listLines);
    m_listFrame->Liste()->SetSelected(selected);
    m_filling = filling;
}

void TVocEditor::AppendListLine(std::string_view line) {
    m_listLines.emplace_back(line);
    SetListLine(static_cast<int>(m_listLines.size()) - 1, line);
}

int TVocEditor::ListLineCount() const {
    return static_cast<int>(m_listLines.size());
}

void TVocEditor::SelectListLine(int index) {
    const bool filling = std::exchange(m_filling, true);
    m_listFrame->Liste()->SetSelected(index);
    m_filling = filling;
}

void TVocEditor::SetDictionaryPanel(const DictionaryPanelTexts& panel) {
    const bool filling = std::exchange(m_filling, true);
    // The dictionary reports every keystroke made in these fields: an unchanged text keeps its caret.
    if (const QString vokabel = ToQString(panel.vokabel); m_dbVokabel->text() != vokabel)
        m_dbVokabel->setText(vokabel);
    if (const QString bedeutung = ToQString(panel.bedeutung); m_dbBedeutung->toPlainText() != bedeutung)
        m_dbBedeutung->setPlainText(bedeutung);
    m_dbWortart->setCurrentIndex(panel.wortart);
    m_filling = filling;
}

std::string TVocEditor::DirectionCaption() const {
    return FromQString(m_direction->text());
}

void TVocEditor::SetDirectionCaption(std::string_view caption) {
    m_direction->setText(ToQString(caption));
}

void TVocEditor::SetFileLabel(std::string_view name) {
    m_listFrame->FileLabel()->setText(ToQString(name));
}

void TVocEditor::SetRecentFileItems(const std::array<std::string, 4>& captions) {
    for (std::size_t i = 0; i < captions.size(); ++i) {
        m_recentItems[i]->setText(ToQString(captions[i]));
        m_recentItems[i]->setVisible(captions[i].size() > 3);
    }
}

void TVocEditor::SetRecordingPath(std::string_view path) {
    m_recordingPath = std::string(path);
    m_speaker->setToolTip(ToQString(path));
    m_speaker->setVisible(!path.empty());
}

void TVocEditor::ProcessMessages() {
    QCoreApplication::processEvents();
}

} // namespace qor
