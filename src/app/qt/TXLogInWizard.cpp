#include "app/qt/TXLogInWizard.h"

#include "page/qt/TXPage.h"
#include "platform/Cp1252.h"
#include "platform/FileNames.h"
#include "platform/qt/DialogPlacement.h"
#include "platform/qt/QtText.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qor {

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 300;
constexpr int kPageHeight = 261;
constexpr int kBarHeight = 40;
constexpr int kMaxNameLength = 24;
constexpr int kMaxPasswordLength = 12;

QString NewNameNote() {
    return ToQString("(darf keine Leer- oder Sonderzeichen enthalten - Umlaute sind aber zulässig)"_cp);
}

QFrame* Panel(QWidget* parent, const char* colour) {
    auto* panel = new QFrame(parent);
    panel->setGeometry(0, 0, kWidth, kPageHeight);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(QString::fromLatin1(colour)));
    palette.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(palette);
    return panel;
}

QLabel* Text(QWidget* parent, std::string_view text, int x, int y, int width, int height, bool bold = false) {
    auto* label = new QLabel(ToQString(text), parent);
    label->setGeometry(x, y, width, height);
    label->setWordWrap(true);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QPushButton* BarButton(QWidget* parent, const QString& caption, int x) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(x, kPageHeight + (kBarHeight - 26) / 2, 100, 26);
    button->setFlat(true);
    button->setStyleSheet(
        QStringLiteral("QPushButton { color: white; background: black; border: 1px solid #666666; }"
                       "QPushButton:hover { color: #FF9900; border-color: #FF9900; }"));
    return button;
}

} // namespace

TXLogInWizard::TXLogInWizard(const std::string& pageFolder, QWidget* parent) : QDialog(parent) {
    setWindowTitle(ToQString("*qor französisch"_cp));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(grey);

    m_page = new TXPage(this);
    m_page->setGeometry(0, 0, kWidth, kPageHeight);
    // A hidden widget hears of its size only when it is shown; the first page is laid out before.
    m_page->Page().Resize(kWidth, kPageHeight);
    m_page->Page().SetBedingung("f");
    m_page->Page().SetXPath(pageFolder);

    m_choicePanel = Panel(this, "#FF8000");
    Text(m_choicePanel, "Anmeldung:", 20, 12, 440, 22, true);
    m_nameOnly =
        new QRadioButton(ToQString("Nur mit Namen (ohne Passwort) automatisch anmelden"), m_choicePanel);
    m_nameOnly->setObjectName(QStringLiteral("NameOnly"));
    m_nameOnly->setGeometry(20, 40, 440, 22);
    m_nameOnly->setChecked(true);
    Text(m_choicePanel, "(empfohlen, wenn man das Programm alleine benutzt)", 40, 62, 420, 18);
    m_namePass = new QRadioButton(ToQString("Mit Namen und Passwort anmelden"), m_choicePanel);
    m_namePass->setObjectName(QStringLiteral("NamePass"));
    m_namePass->setGeometry(20, 88, 440, 22);
    Text(m_choicePanel, "(empfohlen, wenn mehrere Personen das Programm benutzen)", 40, 110, 420, 18);
    m_noName = new QRadioButton(ToQString("Nicht anmelden - Erfolgsanalyse deaktivieren"), m_choicePanel);
    m_noName->setObjectName(QStringLiteral("NoName"));
    m_noName->setGeometry(20, 136, 440, 22);
    Text(m_choicePanel, "(nicht empfohlen)", 40, 158, 420, 18);
    Text(m_choicePanel,
         "[Diese Einstellungen lassen sich jederzeit veränden, indem man auf der Seite Home den "
         "Benutzernamen anklickt]"_cp,
         20, 196, 440, 40);
    for (QRadioButton* radio : {m_nameOnly, m_namePass, m_noName})
        connect(radio, &QRadioButton::clicked, this, [this] { UpdateNextCaption(); });

    m_namePanel = Panel(this, "#0080C0");
    Text(m_namePanel, "Neuer Benutzer:", 20, 12, 440, 22, true);
    Text(m_namePanel, "Name:", 20, 48, 90, 22);
    m_name = new QLineEdit(m_namePanel);
    m_name->setObjectName(QStringLiteral("Name"));
    m_name->setMaxLength(kMaxNameLength);
    m_name->setGeometry(110, 46, 200, 24);
    m_newNameNote = new QLabel(NewNameNote(), m_namePanel);
    m_newNameNote->setObjectName(QStringLiteral("lNewName"));
    m_newNameNote->setGeometry(110, 74, 350, 36);
    m_newNameNote->setWordWrap(true);
    m_passwordLabel = Text(m_namePanel, "Passwort:", 20, 122, 90, 22);
    m_password = new QLineEdit(m_namePanel);
    m_password->setObjectName(QStringLiteral("Password"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setMaxLength(kMaxPasswordLength);
    m_password->setGeometry(110, 120, 200, 24);
    m_passwordNote = Text(m_namePanel,
                          "(wenn man das Passwort vergißt, kann man zwar das Programm weiter benutzen, aber "
                          "die bisherigen Daten für die Erfolgskontrolle sind verloren)"_cp,
                          110, 148, 350, 52);

    auto* bar = new QFrame(this);
    bar->setGeometry(0, kPageHeight, kWidth, kHeight - kPageHeight);
    bar->setAutoFillBackground(true);
    QPalette black = bar->palette();
    black.setColor(QPalette::Window, Qt::black);
    bar->setPalette(black);
    m_back = BarButton(this, ToQString("< Zurück"_cp), kWidth - 230);
    m_back->setObjectName(QStringLiteral("cBack"));
    m_next = BarButton(this, ToQString("Weiter >"), kWidth - 120);
    m_next->setObjectName(QStringLiteral("cNext"));
    m_next->setDefault(true);
    connect(m_back, &QPushButton::clicked, this, [this] { Back(); });
    connect(m_next, &QPushButton::clicked, this, [this] { Next(); });

    ShowStep();
    CentreOnScreen(*this);
}

void TXLogInWizard::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The page was drawn before the window had its screen; now it can be shown whole.
    if (m_step <= 2)
        m_page->Page().Reload();
}

std::string TXLogInWizard::Name() const {
    return FromQString(m_name->text());
}

std::string TXLogInWizard::Password() const {
    return FromQString(m_password->text());
}

void TXLogInWizard::Next() {
    switch (m_step) {
    case 1:
    case 2:
        ++m_step;
        ShowStep();
        return;
    case 3:
        if (m_noName->isChecked()) {
            m_name->clear();
            m_password->clear();
            reject();
            return;
        }
        m_step = 4;
        ShowStep();
        return;
    default:
        break;
    }
    const std::string name = Name();
    if (name.empty()) {
        m_newNameNote->setText(QStringLiteral("Bitte einen Namen eingaben!"));
        m_name->setFocus();
        return;
    }
    if (HasInvalidFileNameChar(name)) {
        m_newNameNote->setText(QStringLiteral("Der Name darf keines der folgenden Zeichen enthalten: ") +
                               ToQString(kInvalidFileNameChars));
        m_name->setFocus();
        return;
    }
    accept();
}

void TXLogInWizard::Back() {
    m_step = std::max(1, m_step - 1);
    ShowStep();
}

void TXLogInWizard::ShowStep() {
    m_back->setVisible(m_step > 1);
    m_page->setVisible(m_step <= 2);
    m_choicePanel->setVisible(m_step == 3);
    m_namePanel->setVisible(m_step == 4);
    switch (m_step) {
    case 1:
        m_next->setText(ToQString("Weiter >"));
        m_page->Page().SetXFile("_wizard1.htx");
        break;
    case 2:
        m_next->setText(ToQString("Weiter >"));
        m_page->Page().SetXFile("_wizard2.htx");
        break;
    case 3:
        UpdateNextCaption();
        break;
    default: {
        const bool withPassword = m_namePass->isChecked();
        m_passwordLabel->setVisible(withPassword);
        m_password->setVisible(withPassword);
        m_passwordNote->setVisible(withPassword);
        if (!withPassword)
            m_password->clear();
        m_newNameNote->setText(NewNameNote());
        m_next->setText(QStringLiteral("OK"));
        m_name->setFocus();
        break;
    }
    }
}

void TXLogInWizard::UpdateNextCaption() {
    if (m_step == 3)
        m_next->setText(m_noName->isChecked() ? QStringLiteral("OK") : QStringLiteral("Weiter >"));
}

} // namespace qor
