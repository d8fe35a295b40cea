// The data-folder dialog: fields from the settings, browse buttons with a scripted file chooser,
// "OK" with the mask and the messages, "Abbrechen" storing nothing.

#include "../SettingsTestSupport.h"
#include "app/qt/QtTestApplication.h"
#include "platform/Cp1252.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/qt/QtText.h"
#include "settings/QueuedFileChooser.h"
#include "settings/qt/QtFileChooser.h"
#include "settings/qt/TXPaths.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <memory>

namespace qor {
namespace {

class PathsDialogTest : public test::QtApplicationTest {
protected:
    void SetUp() override {
        SetMessagePresenter(&m_messages);
        m_settings.programFolder = "C:/qor/";
        m_settings.userFolder = "C:/benutzer/";
        m_settings.waveFolder = "D:/wave/";
        m_settings.ownRecordingsFolder = "C:/aufnahmen/";
        m_settings.businessRecordingsFolder = "-";
        m_settings.lawRecordingsFolder = "E:/recht/";
    }
    void TearDown() override { SetMessagePresenter(nullptr); }

    std::unique_ptr<TXPaths> MakeDialog() {
        TXPathsServices services;
        services.chooser = &m_chooser;
        services.saveFolderSettings = [this](int mask) {
            m_savedMasks.push_back(mask);
            m_userFolderWhenSaved = m_settings.userFolder;
        };
        return std::make_unique<TXPaths>(m_settings, services);
    }
    static std::string Text(const QLineEdit* field) { return FromQString(field->text()); }

    AppSettings m_settings;
    test::QueuedFileChooser m_chooser;
    ScriptedMessagePresenter m_messages;
    std::vector<int> m_savedMasks;
    std::string m_userFolderWhenSaved;
};

TEST_F(PathsDialogTest, FieldsShowTheCurrentFolders) {
    auto dialog = MakeDialog();
    EXPECT_EQ(FromQString(dialog->windowTitle()), "*qor französisch Verzeichnisse"_cp);
    ASSERT_EQ(dialog->Tabs()->count(), 2);
    EXPECT_EQ(dialog->Tabs()->tabText(0), QStringLiteral("Programm"));
    EXPECT_EQ(dialog->Tabs()->tabText(1), QStringLiteral("Sprachaufnahmen"));
    EXPECT_EQ(dialog->Tabs()->currentIndex(), 1);
    struct Case {
        const char* field;
        std::string text;
        bool browse;
    };
    const std::vector<Case> cases = {
        {"eInstall", "C:/qor/", false},
        {"eBenutzer", "C:/benutzer/", true},
        {"eWave", "D:/wave/", true},
        {"eUser", "C:/aufnahmen/", true},
        {"eWi", "-", false},
        {"eRE", "E:/recht/", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        QLineEdit* field = dialog->Field(c.field);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(Text(field), c.text);
        QPushButton* browse = dialog->BrowseButton(c.field);
        ASSERT_NE(browse, nullptr);
        EXPECT_EQ(!browse->isHidden(), c.browse);
    }
    EXPECT_TRUE(dialog->Field("eInstall")->isReadOnly());
    EXPECT_EQ(FromQString(dialog->BrowseButton("eUser")->toolTip()), "Definieren Sie hier den Alias XU:");
}

TEST_F(PathsDialogTest, ChangingOnlyTheUserFolderSavesWithMask20AndWarns) {
    auto dialog = MakeDialog();
    dialog->Field("eBenutzer")->setText(QStringLiteral("C:/neu/"));
    dialog->findChild<QPushButton*>(QStringLiteral("OK"))->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(m_savedMasks, std::vector<int>{0x20});
    EXPECT_EQ(m_userFolderWhenSaved, "C:/neu/"); // the writer sees the new folder
    EXPECT_EQ(m_settings.userFolder, "C:/neu/");
    EXPECT_EQ(m_settings.waveFolder, "D:/wave/");
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_TRUE(m_messages.Messages()[0].text.starts_with("Achtung: Das neue Benutzer-Verzeichnis"));
}

TEST_F(PathsDialogTest, CancelStoresNothing) {
    auto dialog = MakeDialog();
    dialog->Field("eWave")->setText(QStringLiteral("X:/"));
    dialog->Field("eBenutzer")->setText(QStringLiteral("Y:/"));
    dialog->findChild<QPushButton*>(QStringLiteral("Abbrechen"))->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(m_savedMasks.empty());
    EXPECT_EQ(m_settings.waveFolder, "D:/wave/");
    EXPECT_EQ(m_settings.userFolder, "C:/benutzer/");
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(PathsDialogTest, OkWithoutChangesSavesNothing) {
    auto dialog = MakeDialog();
    dialog->accept();
    EXPECT_TRUE(m_savedMasks.empty());
    EXPECT_EQ(dialog->SavedMask(), 0);
}

TEST_F(PathsDialogTest, BrowseButtonsTakeACheckedFolder) {
    test::TempFolder temp;
    std::string wave = temp.MakeFolder("cd/Wave");
    temp.Touch("cd/Wave/QOR_F");
    std::string other = temp.MakeFolder("anders");
    std::string otherFile = temp.Touch("anders/QOR_F.txt");
    std::string own = temp.MakeFolder("eigene");
    std::string ownFile = temp.Touch("eigene/satz.wav");

    auto dialog = MakeDialog();
    m_chooser.answers = {wave + "QOR_F", otherFile, std::nullopt, ownFile, otherFile};
    dialog->BrowseButton("eWave")->click();
    EXPECT_EQ(Text(dialog->Field("eWave")), wave);
    dialog->BrowseButton("eWave")->click(); // no marker beside it: unchanged
    EXPECT_EQ(Text(dialog->Field("eWave")), wave);
    dialog->BrowseButton("eWave")->click(); // cancelled
    EXPECT_EQ(Text(dialog->Field("eWave")), wave);
    dialog->BrowseButton("eUser")->click();
    EXPECT_EQ(Text(dialog->Field("eUser")), own);
    dialog->BrowseButton("eBenutzer")->click();
    EXPECT_EQ(Text(dialog->Field("eBenutzer")), other);

    ASSERT_EQ(m_chooser.requests.size(), 5u);
    EXPECT_EQ(m_chooser.requests[0], (FileChoiceRequest{"D:/wave/", "D:/wave/QOR_F", "", ""}));
    EXPECT_EQ(m_chooser.requests[1].proposedName, wave + "QOR_F");
    EXPECT_EQ(m_chooser.requests[3],
              (FileChoiceRequest{"C:/aufnahmen/", "C:/aufnahmen/*.wav", "Wav-Dateien (*.wav)|*.WAV", ""}));
    EXPECT_EQ(m_chooser.requests[4].proposedName, "C:/benutzer/*.txt");
}

TEST(QtFileChooserFilters, ProgramFiltersBecomeQtNameFilters) {
    struct Case {
        std::string filter;
        QString qt;
    };
    const std::vector<Case> cases = {
        {"", QString()},
        {"Wav-Dateien (*.wav)|*.WAV", QStringLiteral("Wav-Dateien (*.wav) (*.WAV)")},
        {"Bilder|*.JPG;*.BMP|Alle|*.*", QStringLiteral("Bilder (*.JPG *.BMP);;Alle (*.*)")},
        {"kaputt", QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        EXPECT_EQ(QtNameFilters(c.filter), c.qt);
    }
}

} // namespace
} // namespace qor
