// The log-in dialogs on the screen: the wizard's steps and checks, the password dialog and the
// dialog for a new password.

#include "QtTestApplication.h"
#include "app/qt/TXChangePW.h"
#include "app/qt/TXLogInWizard.h"
#include "app/qt/TXPasswort.h"
#include "page/qt/TXPage.h"
#include "platform/Cp1252.h"
#include "platform/WinPath.h"
#include "platform/Zlib.h"
#include "platform/qt/QtFontService.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

namespace qor {
namespace {

class UserDialogsTest : public test::QtApplicationTest {
protected:
    static void SetUpTestSuite() {
        QtApplicationTest::SetUpTestSuite();
        QtFontService::LoadFontFiles();
        static QtFontService fonts;
        SetFontService(&fonts);
    }

    void SetUp() override {
        m_folder = std::filesystem::temp_directory_path() /
                   ("qor_user_dialogs_" + std::to_string(::getpid()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_folder);
        Write("_wizard1.htx", "<TITLE>Willkommen</TITLE>Erste Seite");
        Write("_wizard2.htx", "<TITLE>Erfolgskontrolle</TITLE>Zweite Seite");
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    void Write(const std::string& name, const std::string& page) {
        std::ofstream(m_folder / name, std::ios::binary) << DeflateZlib(page);
    }
    std::string Folder() const { return WithTrailingSeparator(ProgramPath(m_folder)); }

    static std::string Caption(const QPushButton* button) { return FromQString(button->text()); }

    std::filesystem::path m_folder;
};

TEST_F(UserDialogsTest, TheWizardWalksThroughItsStepsAndChecksTheName) {
    TXLogInWizard wizard(Folder());
    EXPECT_EQ(FromQString(wizard.windowTitle()), "*qor französisch"_cp);
    EXPECT_EQ(wizard.size(), QSize(480, 300));

    struct Step {
        const char* what;
        void (*act)(TXLogInWizard&);
        int step;
        bool backVisible;
        const char* next;
        const char* page; // the page shown, or nullptr when the page control is hidden
    };
    const Step steps[] = {
        {"start", [](TXLogInWizard&) {}, 1, false, "Weiter >", "Willkommen"},
        {"next", [](TXLogInWizard& w) { w.NextButton()->click(); }, 2, true, "Weiter >", "Erfolgskontrolle"},
        {"next", [](TXLogInWizard& w) { w.NextButton()->click(); }, 3, true, "Weiter >", nullptr},
        {"not logging in", [](TXLogInWizard& w) { w.NoName()->click(); }, 3, true, "OK", nullptr},
        {"with password", [](TXLogInWizard& w) { w.NamePass()->click(); }, 3, true, "Weiter >", nullptr},
        {"back", [](TXLogInWizard& w) { w.BackButton()->click(); }, 2, true, "Weiter >", "Erfolgskontrolle"},
        {"back", [](TXLogInWizard& w) { w.BackButton()->click(); }, 1, false, "Weiter >", "Willkommen"},
        {"back at the start", [](TXLogInWizard& w) { w.BackButton()->click(); }, 1, false, "Weiter >",
         "Willkommen"},
        {"next", [](TXLogInWizard& w) { w.NextButton()->click(); }, 2, true, "Weiter >", "Erfolgskontrolle"},
        {"next", [](TXLogInWizard& w) { w.NextButton()->click(); }, 3, true, "Weiter >", nullptr},
        {"to the name", [](TXLogInWizard& w) { w.NextButton()->click(); }, 4, true, "OK", nullptr},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(::testing::Message() << step.what << " -> step " << step.step);
        step.act(wizard);
        EXPECT_EQ(wizard.Step(), step.step);
        EXPECT_EQ(!wizard.BackButton()->isHidden(), step.backVisible);
        EXPECT_EQ(Caption(wizard.NextButton()), step.next);
        EXPECT_EQ(!wizard.Page()->isHidden(), step.page != nullptr);
        if (step.page) {
            EXPECT_EQ(wizard.Page()->Page().Document().title, step.page);
        }
    }
    EXPECT_TRUE(wizard.Page()->Page().TestBedingung("f"));
    EXPECT_FALSE(wizard.PasswordField()->isHidden()) << "name and password were chosen";

    wizard.NextButton()->click();
    EXPECT_EQ(wizard.Step(), 4) << "an empty name";
    EXPECT_EQ(FromQString(wizard.NameNote()->text()), "Bitte einen Namen eingaben!");
    wizard.NameField()->setText(QStringLiteral("An:na"));
    wizard.NextButton()->click();
    EXPECT_EQ(wizard.Step(), 4) << "a forbidden character";
    EXPECT_EQ(FromQString(wizard.NameNote()->text()),
              "Der Name darf keines der folgenden Zeichen enthalten: /\\*:<>|?\"");
    EXPECT_NE(wizard.result(), QDialog::Accepted);

    wizard.NameField()->setText(ToQString("Jürgen"_cp));
    wizard.PasswordField()->setText(QStringLiteral("geheim"));
    wizard.NextButton()->click();
    EXPECT_EQ(wizard.result(), QDialog::Accepted);
    EXPECT_EQ(wizard.Name(), "Jürgen"_cp);
    EXPECT_EQ(wizard.Password(), "geheim");
}

TEST_F(UserDialogsTest, TheWizardsOtherChoices) {
    {
        SCOPED_TRACE("name only: no password field, no password");
        TXLogInWizard wizard(Folder());
        wizard.NextButton()->click();
        wizard.NextButton()->click();
        wizard.NamePass()->click();
        wizard.NextButton()->click();
        wizard.PasswordField()->setText(QStringLiteral("alt"));
        wizard.BackButton()->click();
        wizard.NameOnly()->click();
        wizard.NextButton()->click();
        EXPECT_TRUE(wizard.PasswordField()->isHidden());
        wizard.NameField()->setText(QStringLiteral("Anna"));
        wizard.NextButton()->click();
        EXPECT_EQ(wizard.result(), QDialog::Accepted);
        EXPECT_EQ(wizard.Name(), "Anna");
        EXPECT_EQ(wizard.Password(), "");
    }
    {
        SCOPED_TRACE("not logging in: closes with Cancel and no name");
        TXLogInWizard wizard(Folder());
        wizard.NextButton()->click();
        wizard.NextButton()->click();
        wizard.NextButton()->click();
        wizard.NameField()->setText(QStringLiteral("Anna"));
        wizard.BackButton()->click();
        wizard.NoName()->click();
        wizard.NextButton()->click();
        EXPECT_EQ(wizard.result(), QDialog::Rejected);
        EXPECT_EQ(wizard.Name(), "");
    }
    {
        SCOPED_TRACE("names and passwords are limited");
        TXLogInWizard wizard(Folder());
        wizard.NameField()->setText(QString(40, QLatin1Char('a')));
        wizard.PasswordField()->setText(QString(40, QLatin1Char('b')));
        EXPECT_EQ(wizard.Name().size(), 24u);
        EXPECT_EQ(wizard.Password().size(), 12u);
    }
}

TEST_F(UserDialogsTest, ThePasswordDialogOffersTheNames) {
    TXPasswort dialog;
    EXPECT_EQ(FromQString(dialog.windowTitle()), "Passwort");
    EXPECT_EQ(dialog.size(), QSize(240, 120));
    EXPECT_EQ(dialog.PasswordField()->echoMode(), QLineEdit::Password);
    dialog.SetCaption("*qor französisch"_cp);
    EXPECT_EQ(FromQString(dialog.windowTitle()), "*qor französisch"_cp);
    dialog.SetNames({"Anna", std::string("Jürgen"_cp)});
    EXPECT_EQ(dialog.NameField()->count(), 2);
    EXPECT_EQ(dialog.Name(), "Anna") << "the first name is selected";
    dialog.NameField()->setCurrentIndex(1);
    EXPECT_EQ(dialog.Name(), "Jürgen"_cp);
    dialog.SetName("Chloé"_cp);
    dialog.SetNameEnabled(false);
    EXPECT_EQ(dialog.Name(), "Chloé"_cp);
    EXPECT_FALSE(dialog.NameField()->isEnabled());
    dialog.PasswordField()->setText(QStringLiteral("geheim"));
    EXPECT_EQ(dialog.Password(), "geheim");
}

TEST_F(UserDialogsTest, TheNewPasswordDialogHidesEveryPassword) {
    TXChangePW dialog;
    EXPECT_EQ(FromQString(dialog.windowTitle()), "Passwort ändern"_cp);
    EXPECT_EQ(dialog.size(), QSize(271, 180));
    dialog.SetCaption("qor französisch - Passwort ändern"_cp);
    EXPECT_EQ(FromQString(dialog.windowTitle()), "qor französisch - Passwort ändern"_cp);
    dialog.SetName("Anna");
    const QLineEdit* name = dialog.findChild<QLineEdit*>(QStringLiteral("Name"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), QStringLiteral("Anna"));
    EXPECT_FALSE(name->isEnabled());
    struct Field {
        QLineEdit* field;
        const char* hint;
        const char* typed;
        std::string (TXChangePW::*read)() const;
    };
    const Field fields[] = {
        {dialog.OldPasswordField(), "Bisheriges Passwort eingeben", "alt", &TXChangePW::OldPassword},
        {dialog.NewPasswordField(), "Neues Passwort eingeben", "neu", &TXChangePW::NewPassword},
        {dialog.ConfirmationField(), "Neues Passwort zur Bestätigung eingeben", "neu2",
         &TXChangePW::Confirmation},
    };
    for (const Field& field : fields) {
        SCOPED_TRACE(field.hint);
        EXPECT_EQ(field.field->echoMode(), QLineEdit::Password);
        EXPECT_EQ(field.field->toolTip(), QString::fromUtf8(field.hint));
        field.field->setText(QString::fromUtf8(field.typed));
        EXPECT_EQ((dialog.*field.read)(), field.typed);
    }
}

} // namespace
} // namespace qor
