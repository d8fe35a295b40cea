#include "sound/qt/TWaveDB.h"

#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/MediaCommands.h"
#include "platform/WinPath.h"
#include "platform/qt/QtText.h"
#include "sound/TXWaveBase.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

namespace {

QPushButton* Button(std::string_view text, std::string_view hint) {
    auto* button = new QPushButton(ToQString(text));
    button->setToolTip(ToQString(hint));
    return button;
}

// A command whose failure the learner sees (the error text, " - ", the command).
std::string SendShown(MediaCommandSender& sender, const std::string& command) {
    std::string reply = sender.Send(command);
    if (reply.starts_with("Error"))
        ShowAppMessage(sender.ErrorText(std::atoi(reply.c_str() + 5)) + " - " + command, kMbIconError);
    return reply;
}

} // namespace

TWaveDB::TWaveDB(TXWaveBase& base, MediaCommandSender& sender, WaveDBServices services, QWidget* parent)
    : QDialog(parent), m_base(base), m_sender(sender), m_services(std::move(services)) {
    setWindowTitle(ToQString("Verwaltung der Sprachaufnahmen"));
    m_search = new QLineEdit;
    m_text = new QLineEdit;
    m_path = new QLineEdit;
    m_counter = new QLabel;
    m_first = Button("|<", "Zum ersten Eintrag");
    m_previous = Button("<", "Zum vorangehenden Eintrag");
    m_next = Button(">", "Zum nächsten Eintrag"_cp);
    m_last = Button(">|", "Zum letzten Eintrag");
    m_add = Button("+", "Neuen Eintrag erzeugen");
    m_delete = Button("-", "Aktuellen Eintrag löschen"_cp);
    m_browse = Button("Durchsuchen...", "Durchsuchen...");
    m_play = Button("Vorlesen", "Vorlesen");
    m_sort = Button("abc", "Alphabetisch sortieren");

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(ToQString("Suche: ")), 0, 0);
    fields->addWidget(m_search, 0, 1, 1, 2);
    fields->addWidget(new QLabel(ToQString("Text:")), 1, 0);
    fields->addWidget(m_text, 1, 1, 1, 2);
    fields->addWidget(new QLabel(ToQString("Datei:")), 2, 0);
    fields->addWidget(m_path, 2, 1);
    fields->addWidget(m_browse, 2, 2);
    auto* navigation = new QHBoxLayout;
    for (QPushButton* button : {m_first, m_previous, m_next, m_last, m_add, m_delete, m_sort, m_play})
        navigation->addWidget(button);
    navigation->addStretch();
    navigation->addWidget(m_counter);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(navigation);

    connect(m_first, &QPushButton::clicked, this, [this] { Navigate(&TXWaveBase::First); });
    connect(m_previous, &QPushButton::clicked, this, [this] { Navigate(&TXWaveBase::Previous); });
    connect(m_next, &QPushButton::clicked, this, [this] { Navigate(&TXWaveBase::Next); });
    connect(m_last, &QPushButton::clicked, this, [this] { Navigate(&TXWaveBase::Last); });
    connect(m_add, &QPushButton::clicked, this, [this] {
        if (!m_base.CurrentComplete())
            return;
        m_base.Add();
        m_text->setFocus();
    });
    connect(m_delete, &QPushButton::clicked, this, [this] {
        if (ShowAppMessage("Diesen Eintrag wirklich löschen?"_cp, kMbYesNo | kMbIconQuestion) == kIdYes)
            m_base.DeleteCurrent();
    });
    connect(m_sort, &QPushButton::clicked, this, [this] { m_base.Sort(); });
    connect(m_play, &QPushButton::clicked, this, [this] { PlayCurrent(); });
    connect(m_browse, &QPushButton::clicked, this, [this] { Browse(); });
    connect(m_search, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_base.Seek(FromQString(text)); });
    connect(m_text, &QLineEdit::textChanged, this, [this](const QString& text) {
        std::string value = FromQString(text);
        if (value != m_base.CurrentText())
            m_base.SetCurrentText(value);
    });
    connect(m_path, &QLineEdit::textChanged, this, [this](const QString& text) {
        std::string value = FromQString(text);
        if (value != m_base.CurrentPath())
            m_base.SetCurrentPath(value);
    });

    m_base.SetChangeObserver([this] { ShowCurrent(); });
    ShowCurrent();
}

TWaveDB::~TWaveDB() {
    Detach();
}

void TWaveDB::closeEvent(QCloseEvent* event) {
    Detach();
    QDialog::closeEvent(event);
}

void TWaveDB::Detach() {
    if (!m_attached)
        return;
    m_attached = false;
    m_sender.Send("close satz");
    m_base.SetChangeObserver({});
}

void TWaveDB::ShowCurrent() {
    // Setting the fields from the index must not write them back.
    const QSignalBlocker blockText(m_text);
    const QSignalBlocker blockPath(m_path);
    // Each keystroke in a field comes back here through the index: a text the field already shows
    // keeps its caret.
    if (const QString text = ToQString(m_base.CurrentText()); m_text->text() != text)
        m_text->setText(text);
    if (const QString path = ToQString(m_base.CurrentPath()); m_path->text() != path)
        m_path->setText(path);
    bool resolves = m_services.resolve && !m_base.CurrentPath().empty() &&
                    !m_services.resolve(m_base.CurrentPath()).empty();
    m_play->setVisible(resolves);
    m_counter->setText(ToQString(std::to_string(m_base.Count()) + std::string(" Einträge"_cp)));
}

void TWaveDB::Navigate(void (TXWaveBase::*move)()) {
    if (m_base.CurrentComplete())
        (m_base.*move)();
}

void TWaveDB::PlayCurrent() {
    std::string path = m_base.CurrentPath();
    std::string file = m_services.resolve ? m_services.resolve(path) : std::string();
    if (file.empty()) {
        ShowAppMessage(
            path + " konnte nicht gefunden werden. Stellen Sie" + "\n" +
                std::string("sicher, daß die CD-ROM eingelegt ist und der korrekte Pfad eingestellt ist."_cp),
            kMbIconError);
        return;
    }
    m_sender.Send("close satz");
    if (!SendShown(m_sender, "open \"" + file + "\" alias satz").starts_with("Error"))
        SendShown(m_sender, "play satz from 0");
}

void TWaveDB::Browse() {
    std::optional<std::string> chosen;
    if (m_services.chooseWaveFile) {
        chosen = m_services.chooseWaveFile();
    } else {
        QString name = QFileDialog::getOpenFileName(this, QString(), QStringLiteral("*.wav"),
                                                    QStringLiteral("Wave (*.wav)"));
        if (!name.isEmpty())
            chosen = ProgramPath(std::filesystem::path(name.toStdString()));
    }
    if (!chosen || !FileExists(*chosen))
        return;
    std::string file = *chosen;
    std::string folder = m_services.ownRecordingsFolder ? m_services.ownRecordingsFolder() : std::string();
    if (folder.empty()) {
        std::string offered = FolderPart(file);
        int answer = ShowAppMessage(
            "Soll das Verzeichnis " + offered +
                std::string(" als Verzeichnis für eigene Sprachaufnahmen"_cp) + "\r" +
                std::string(
                    "definiert werden (empfohlen)? Bei einer späteren Änderung des Verzeichnisses muß"_cp) +
                "\r" + std::string("dann nicht jede einzelne Verknüpfung von Hand angepaßt werden."_cp),
            kMbOkCancel | kMbIconQuestion);
        if (answer == kIdOk && m_services.setOwnRecordingsFolder) {
            m_services.setOwnRecordingsFolder(offered);
            folder = offered;
        }
    }
    if (!folder.empty() && StartsWithInsensitive(file, folder))
        file = "XU:" + file.substr(folder.size() - 1);
    m_path->setText(ToQString(file));
}

} // namespace qor
