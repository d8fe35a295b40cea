// The superlearning settings dialog: controls filled from the options, stored back on "OK",
// nothing stored on "Abbrechen", reset, the slider couplings, the music test and the preview.

#include "../MemoryRegistry.h"
#include "../SettingsTestSupport.h"
#include "app/qt/QtTestApplication.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/qt/QtText.h"
#include "settings/qt/TSuperSettingsDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <memory>

namespace qor {
namespace {

class RecordingMedia : public MediaCommandSender {
public:
    std::vector<std::string> sent;
    std::string modeReply = "stopped";
    std::string Send(std::string_view command) override {
        sent.emplace_back(command);
        return command.starts_with("status mp3 mode") ? modeReply : "";
    }
    std::string ErrorText(int) override { return "Fehler"; }
};

class SuperSettingsDialogTest : public test::QtApplicationTest {
protected:
    void SetUp() override {
        SetMessagePresenter(&m_messages);
        m_temp.Touch("hqor/SuperDD/wolken.htx");
        m_temp.Touch("hqor/SuperDD/meer.htx");
        m_temp.MakeFolder("MP3"); // "OK" refuses a music folder that does not exist
    }
    void TearDown() override { SetMessagePresenter(nullptr); }

    std::unique_ptr<TSuperOptions> CreateOptions() {
        SuperOptionsEnvironment environment;
        environment.programFolder = m_temp.Folder();
        environment.pageRoot = m_temp.Folder();
        environment.fonts = &m_fonts;
        return std::make_unique<TSuperOptions>(m_registry, environment);
    }
    std::unique_ptr<TSuperSettingsDialog> MakeDialog(TSuperOptions& options,
                                                     SuperSettingsTab tab = SuperSettingsTab::Klassisch) {
        SuperSettingsServices services;
        services.media = &m_media;
        services.fonts = {"Arial", "Courier New", "Verdana"};
        services.chooseColour = [](std::int32_t) { return std::optional<std::int32_t>(0x112233); };
        services.showPreview = [this](const std::string& markup) { m_previews.push_back(markup); };
        return std::make_unique<TSuperSettingsDialog>(options, services, tab);
    }

    test::TempFolder m_temp;
    test::MemoryRegistry m_registry;
    FixedAdvanceFonts m_fonts;
    ScriptedMessagePresenter m_messages;
    RecordingMedia m_media;
    std::vector<std::string> m_previews;
};

TEST_F(SuperSettingsDialogTest, TabsAndTheFirstOne) {
    auto options = CreateOptions();
    for (SuperSettingsTab tab : {SuperSettingsTab::Klassisch, SuperSettingsTab::Abgedreht}) {
        auto dialog = MakeDialog(*options, tab);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("QOR Superlearning - Einstellungen"));
        const std::vector<QString> names = {"klassisch", "abgedreht", "techno - optik", "techno - animation",
                                            "DD",        "las vegas", "audio"};
        ASSERT_EQ(dialog->Tabs()->count(), 7);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(dialog->Tabs()->tabText(i), names[static_cast<std::size_t>(i)]);
        EXPECT_EQ(dialog->Tabs()->currentIndex(), static_cast<int>(tab));
    }
}

TEST_F(SuperSettingsDialogTest, ControlsShowTheOptions) {
    auto options = CreateOptions();
    options->SetInteger(SuperInt::DDBGRDelay, 60);
    auto dialog = MakeDialog(*options);
    EXPECT_EQ(dialog->Control<QSlider>("sKlassik")->value(), 100);
    EXPECT_EQ(dialog->Control<QLabel>("sKlassikLabel")->text(), QStringLiteral("100"));
    EXPECT_EQ(dialog->Control<QSlider>("sFrameDelay")->value(), 80); // 4000 ms
    EXPECT_EQ(dialog->Control<QLabel>("sFrameDelayLabel")->text(), QStringLiteral("4 s"));
    EXPECT_TRUE(dialog->Control<QRadioButton>("rbFading")->isChecked());
    EXPECT_TRUE(dialog->Control<QRadioButton>("rbStatisch")->isChecked());
    EXPECT_EQ(dialog->Control<QComboBox>("cTextDelay")->currentText(), QStringLiteral("3,0"));
    EXPECT_EQ(dialog->Control<QSlider>("sDDText")->value(), 20);
    EXPECT_EQ(dialog->Control<QLabel>("sDDTextLabel")->text(), QStringLiteral("2 s"));
    EXPECT_TRUE(dialog->Control<QCheckBox>("cbAuto")->isChecked());
    EXPECT_EQ(dialog->Control<QComboBox>("cDDInterval")->currentText(), QStringLiteral("1 Minute"));
    QComboBox* pages = dialog->Control<QComboBox>("cDDPage");
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->itemText(0), QStringLiteral("<nach Zufallsprinzip>"));
    EXPECT_EQ(pages->itemText(1), QStringLiteral("meer"));
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(FromQString(dialog->Control<QListWidget>("lTechnoSchrift")->currentItem()->text()), "Verdana");
    EXPECT_TRUE(dialog->Control<QRadioButton>("rbKeine")->isChecked());
    EXPECT_EQ(dialog->Control<QLabel>("lStatus")->text(), QStringLiteral("0 MP3-Dateien"));
}

TEST_F(SuperSettingsDialogTest, OkStoresTheControlsAndTheStoredValuesReadBackClamped) {
    {
        auto options = CreateOptions();
        auto dialog = MakeDialog(*options);
        dialog->Control<QSlider>("sKlassik")->setValue(300);
        dialog->Control<QSlider>("sFrameDelay")->setValue(60);
        dialog->Control<QComboBox>("cTextDelay")->setEditText(QStringLiteral("1.5"));
        dialog->Control<QCheckBox>("cbAuto")->setChecked(true);
        dialog->Control<QComboBox>("cDDInterval")->setCurrentIndex(7); // "20 Minuten"
        dialog->Control<QComboBox>("cDDPage")->setCurrentIndex(2);
        dialog->Control<QSlider>("sDDText")->setValue(35);
        dialog->Control<QRadioButton>("rbMP3")->setChecked(true); // no MP3 files
        dialog->Control<QPushButton>("bTechnoBMP")->click();      // the chooser gives 0x112233
        dialog->Control<QPushButton>("bCarsonTXT")->click();
        dialog->Control<QPushButton>("bOK")->click();
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(options->Integer(SuperInt::KlassikFaktor), 300);
        EXPECT_EQ(options->Integer(SuperInt::TechnoFrameDelay), 2000);
        EXPECT_FALSE(options->Flag(SuperFlag::TechnoFading)); // moving the interval picks "harter Schnitt"
        EXPECT_EQ(options->Integer(SuperInt::TechnoTextDelay), 1500);
        EXPECT_EQ(options->Integer(SuperInt::DDBGRDelay), 1200);
        EXPECT_EQ(options->Integer(SuperInt::DDTextDelay), 3500);
        EXPECT_EQ(options->Text(SuperText::DD), options->DDFolder() + "wolken.htx");
        EXPECT_EQ(options->Integer(SuperInt::Musik), kMusicNone);
        EXPECT_EQ(options->Colour(SuperColour::TechnoBMPColor), 0x332211); // stored in the other order
        EXPECT_EQ(options->Colour(SuperColour::CarsonTXTColor), 0x112233);
        EXPECT_TRUE(options->Changed());
    } // freeing the options saves them
    auto options = CreateOptions();
    EXPECT_EQ(options->Integer(SuperInt::KlassikFaktor), 180);
    EXPECT_EQ(options->Integer(SuperInt::DDBGRDelay), 600);
    auto dialog = MakeDialog(*options);
    EXPECT_EQ(dialog->Control<QComboBox>("cDDInterval")->currentText(), QStringLiteral("10 Minuten"));
    EXPECT_EQ(dialog->Control<QComboBox>("cDDPage")->currentText(), QStringLiteral("wolken"));
}

TEST_F(SuperSettingsDialogTest, AMissingMusicFolderKeepsTheDialogOpen) {
    auto options = CreateOptions();
    auto dialog = MakeDialog(*options);
    dialog->Control<QLineEdit>("eMP3")->setText(ToQString(m_temp.Folder() + "fehlt"));
    dialog->Control<QSlider>("sVegas")->setValue(150);
    dialog->Ok();
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(options->Integer(SuperInt::VegasFaktor), 100);
    ASSERT_FALSE(m_messages.Messages().empty());
    EXPECT_TRUE(m_messages.Messages()[0].text.starts_with("MP3 : Das Verzeichnis"));
}

TEST_F(SuperSettingsDialogTest, CancelStoresNothingAndResetRefills) {
    auto options = CreateOptions();
    auto dialog = MakeDialog(*options);
    dialog->Control<QSlider>("sMadness")->setValue(2);
    dialog->Cancel();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(options->Integer(SuperInt::Madness), 9);
    EXPECT_FALSE(options->Changed());

    options->SetInteger(SuperInt::Madness, 4);
    auto second = MakeDialog(*options);
    EXPECT_EQ(second->Control<QSlider>("sMadness")->value(), 4);
    second->Control<QPushButton>("bReset")->click();
    EXPECT_EQ(second->Control<QSlider>("sMadness")->value(), 9);
    EXPECT_EQ(options->Integer(SuperInt::Madness), 9);
}

TEST_F(SuperSettingsDialogTest, TheSpeedSliderPicksFading) {
    auto options = CreateOptions();
    options->SetFlag(SuperFlag::TechnoFading, false);
    auto dialog = MakeDialog(*options);
    EXPECT_TRUE(dialog->Control<QRadioButton>("rbHart")->isChecked());
    dialog->Control<QSlider>("sSpeed")->setValue(10);
    EXPECT_TRUE(dialog->Control<QRadioButton>("rbFading")->isChecked());
}

TEST_F(SuperSettingsDialogTest, TestingTheMusic) {
    m_temp.Touch("MP3/lied.mp3");
    auto options = CreateOptions();
    auto dialog = MakeDialog(*options);
    QPushButton* test = dialog->Control<QPushButton>("bTesten");
    test->click();
    EXPECT_EQ(test->text(), QStringLiteral("Stop"));
    EXPECT_EQ(FromQString(dialog->Control<QLabel>("lStatus")->text()),
              "Es sollte nun Musik zu hören sein."_cp);
    EXPECT_EQ(m_media.sent,
              (std::vector<std::string>{
                  "status mp3 mode", "open \"" + m_temp.Folder() + "MP3/lied.mp3\" alias mp3", "play mp3"}));
    m_media.sent.clear();
    m_media.modeReply = "playing";
    test->click();
    EXPECT_EQ(test->text(), QStringLiteral("Testen"));
    EXPECT_EQ(dialog->Control<QLabel>("lStatus")->text(), QStringLiteral("1 MP3-Dateien"));
    EXPECT_EQ(m_media.sent, (std::vector<std::string>{"status mp3 mode", "stop mp3", "close mp3"}));
}

TEST_F(SuperSettingsDialogTest, TheMusicTestStopsWhenTheDialogCloses) {
    m_temp.Touch("MP3/lied.mp3");
    auto options = CreateOptions();
    auto dialog = MakeDialog(*options);
    dialog->TestMusic();
    m_media.sent.clear();
    dialog->Cancel();
    EXPECT_EQ(m_media.sent, (std::vector<std::string>{"stop mp3", "close mp3"}));
}

TEST_F(SuperSettingsDialogTest, ThePreviewFollowsTheTechnoControls) {
    std::string pictures = m_temp.MakeFolder("Techno");
    m_temp.Touch("Techno/vorschau.jpg");
    auto options = CreateOptions();
    auto dialog = MakeDialog(*options);
    const std::string& markup = dialog->PreviewMarkup();
    EXPECT_TRUE(markup.starts_with("<body bgcolor=#000000 text=#FFFFFF>")) << markup;
    EXPECT_NE(markup.find("<img src=\"" + pictures + "vorschau.jpg\" color=#990099 mode=0 transparent=102>"),
              std::string::npos)
        << markup;
    EXPECT_NE(markup.find("<box coords=0,0,160,18 color=#0 top>"), std::string::npos) << markup;
    std::size_t shown = m_previews.size();
    dialog->Control<QSlider>("sRand")->setValue(0);
    EXPECT_GT(m_previews.size(), shown);
    EXPECT_EQ(dialog->PreviewMarkup().find("color=#0 top"), std::string::npos);
}

TEST_F(SuperSettingsDialogTest, ColourButtonCaptionsStandOutFromTheirColour) {
    auto options = CreateOptions();
    auto dialog = MakeDialog(*options);
    dialog->show();
    const auto brightness = [](QColor c) {
        return (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000;
    };
    // The defaults: white and black, black, white and purple.
    for (const char* name : {"bCarsonBGR", "bCarsonTXT", "bTechnoBGR", "bTechnoText", "bTechnoBMP"}) {
        SCOPED_TRACE(name);
        QPushButton* button = dialog->Control<QPushButton>(name);
        const QImage image = button->grab().toImage();
        const int fill = brightness(image.pixelColor(image.width() / 2, 3 * image.height() / 4 - 1));
        // The caption lies in the button's middle: some of its pixels differ clearly from the fill.
        int contrast = 0;
        for (int y = image.height() / 3; y < 2 * image.height() / 3; ++y)
            for (int x = image.width() / 4; x < 3 * image.width() / 4; ++x)
                contrast = std::max(contrast, std::abs(brightness(image.pixelColor(x, y)) - fill));
        EXPECT_GE(contrast, 100);
    }
}

} // namespace
} // namespace qor
