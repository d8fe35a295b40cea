#include "settings/qt/TXPaths.h"

#include "platform/Cp1252.h"
#include "platform/qt/QtText.h"
#include "settings/qt/QtFileChooser.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

namespace qor {

namespace {

struct Row {
    const char* field;
    std::string_view label;
    std::string_view prefix; // "XF:" etc., empty for none
    bool browse;
    std::string_view hint;
};

QLineEdit* AddRow(QWidget* page, int top, const Row& row) {
    auto* label = new QLabel(ToQString(row.label), page);
    label->setGeometry(10, top, 380, 18);
    int left = 10;
    if (!row.prefix.empty()) {
        auto* prefix = new QLabel(ToQString(row.prefix), page);
        prefix->setGeometry(10, top + 22, 28, 22);
        left = 40;
    }
    auto* field = new QLineEdit(page);
    field->setObjectName(QString::fromLatin1(row.field));
    field->setGeometry(left, top + 20, 290 - (left - 10), 24);
    auto* browse = new QPushButton(QStringLiteral("durchsuchen..."), page);
    browse->setObjectName(QString::fromLatin1(row.field) + QStringLiteral("Browse"));
    browse->setGeometry(306, top + 19, 90, 26);
    browse->setVisible(row.browse);
    if (!row.hint.empty()) {
        field->setToolTip(ToQString(row.hint));
        browse->setToolTip(ToQString(row.hint));
    }
    return field;
}

const char* FieldName(PathsBrowseField field) {
    switch (field) {
    case PathsBrowseField::Wave:
        return "eWave";
    case PathsBrowseField::OwnRecordings:
        return "eUser";
    case PathsBrowseField::User:
        return "eBenutzer";
    }
    return "";
}

} // namespace

PathFolders PathFoldersOf(const AppSettings& settings) {
    return {settings.programFolder,
            settings.userFolder,
            settings.waveFolder,
            settings.ownRecordingsFolder,
            settings.businessRecordingsFolder,
            settings.lawRecordingsFolder};
}

void StorePathFolders(const PathFolders& folders, AppSettings& settings) {
    settings.userFolder = folders.user;
    settings.waveFolder = folders.wave;
    settings.ownRecordingsFolder = folders.ownRecordings;
    settings.businessRecordingsFolder = folders.business;
    settings.lawRecordingsFolder = folders.law;
}

TXPaths::TXPaths(AppSettings& settings, TXPathsServices services, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_services(std::move(services)), m_tabs(new QTabWidget(this)) {
    setWindowTitle(ToQString("*qor französisch Verzeichnisse"_cp));
    setFixedSize(420, 300);
    m_tabs->setGeometry(8, 8, 404, 244);

    auto* program = new QWidget;
    AddRow(program, 10, {"eInstall", "Installationsverzeichnis:", "", false, ""})->setReadOnly(true);
    AddRow(program, 60,
           {"eBenutzer", "Benutzerverzeichnis:", "", true,
            "Verzeichnis, in dem sich die Daten der Benutzerverwaltung befinden"});
    auto* recordings = new QWidget;
    AddRow(recordings, 6,
           {"eWave", "Sprachaufnahmen von *qor: (Verzeichnis Wave auf der CD):", "XF:", true, ""});
    AddRow(recordings, 56,
           {"eUser", "Eigene Sprachaufnahmen:", "XU:", true, "Definieren Sie hier den Alias XU:"});
    AddRow(recordings, 106, {"eWi", "*qor Erweiterungen:", "XW:", false, ""});
    AddRow(recordings, 146, {"eRE", "", "XR:", false, ""});
    m_tabs->addTab(program, QStringLiteral("Programm"));
    m_tabs->addTab(recordings, QStringLiteral("Sprachaufnahmen"));
    m_tabs->setCurrentIndex(1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    ok->setGeometry(240, 262, 80, 26);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("Abbrechen"));
    cancel->setGeometry(328, 262, 84, 26);
    connect(ok, &QPushButton::clicked, this, &TXPaths::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    for (PathsBrowseField field :
         {PathsBrowseField::Wave, PathsBrowseField::OwnRecordings, PathsBrowseField::User})
        connect(BrowseButton(FieldName(field)), &QPushButton::clicked, this,
                [this, field] { Browse(field); });

    PathFolders folders = PathFoldersOf(m_settings);
    Field("eInstall")->setText(ToQString(folders.program));
    Field("eBenutzer")->setText(ToQString(folders.user));
    Field("eWave")->setText(ToQString(folders.wave));
    Field("eUser")->setText(ToQString(folders.ownRecordings));
    Field("eWi")->setText(ToQString(folders.business));
    Field("eRE")->setText(ToQString(folders.law));

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

TXPaths::~TXPaths() = default;

QLineEdit* TXPaths::Field(std::string_view name) const {
    return findChild<QLineEdit*>(QString::fromLatin1(name.data(), static_cast<int>(name.size())));
}

QPushButton* TXPaths::BrowseButton(std::string_view fieldName) const {
    return findChild<QPushButton*>(QString::fromLatin1(fieldName.data(), static_cast<int>(fieldName.size())) +
                                   QStringLiteral("Browse"));
}

PathFolders TXPaths::Entered() const {
    return {FromQString(Field("eInstall")->text()), FromQString(Field("eBenutzer")->text()),
            FromQString(Field("eWave")->text()),    FromQString(Field("eUser")->text()),
            FromQString(Field("eWi")->text()),      FromQString(Field("eRE")->text())};
}

void TXPaths::Browse(PathsBrowseField field) {
    QLineEdit* edit = Field(FieldName(field));
    std::string text = FromQString(edit->text());
    QtFileChooser onScreen(this);
    FileChooser& chooser = m_services.chooser ? *m_services.chooser : onScreen;
    std::optional<std::string> chosen = chooser.ChooseFile(PathsBrowseRequest(field, text));
    if (!chosen)
        return;
    if (std::optional<std::string> folder = AcceptPathsChoice(field, text, *chosen))
        edit->setText(ToQString(*folder));
}

void TXPaths::accept() {
    PathFolders stored = PathFoldersOf(m_settings);
    m_mask = ApplyPathsDialog(stored, Entered(), m_services.recordings, [&](int mask) {
        // The writer reads the settings, so they take the new folders first.
        StorePathFolders(stored, m_settings);
        if (m_services.saveFolderSettings)
            m_services.saveFolderSettings(mask);
    });
    StorePathFolders(stored, m_settings);
    QDialog::accept();
}

} // namespace qor
