// The recording settings window and the recording index window, offscreen.
#include "QtTestApplication.h"
#include "SoundTestSupport.h"
#include "platform/Cp1252.h"
#include "platform/RegistryStore.h"
#include "platform/WinPath.h"
#include "platform/qt/QtText.h"
#include "sound/ManualAudioDevice.h"
#include "sound/MediaCommandEngine.h"
#include "sound/RecordingFormat.h"
#include "sound/TXWaveBase.h"
#include "sound/qt/TRecSetup.h"
#include "sound/qt/TWaveDB.h"
#include "sound/tWaveRec.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace qor {
namespace {

class SoundWindowsTest : public test::QtApplicationTest {
protected:
    // Logs the commands the windows send, and passes them on.
    class Logged : public MediaCommandSender {
    public:
        explicit Logged(MediaCommandSender& next) : m_next(next) {}
        std::string Send(std::string_view command) override {
            commands.emplace_back(command);
            return m_next.Send(command);
        }
        std::string ErrorText(int error) override { return m_next.ErrorText(error); }
        std::vector<std::string> commands;

    private:
        MediaCommandSender& m_next;
    };

    test::ScratchFolder m_folder;
    std::unique_ptr<RegistryStore> m_registry = OpenFileRegistry(m_folder.File("registry.txt"));
    ManualAudioDevice m_device;
    MediaCommandEngine m_engine{m_device};
    Logged m_sender{m_engine};
    test::SteppedTimer m_timer;
};

TEST_F(SoundWindowsTest, RecSetupShowsAndStoresTheFormat) {
    m_registry->WriteInteger("Software\\qor\\Aufnahme", "Bits", 8);
    m_registry->WriteInteger("Software\\qor\\Aufnahme", "Rate", 22050);
    tWaveRec recorder(m_sender, m_timer, *m_registry);
    std::size_t before = m_sender.commands.size();
    TRecSetup setup(recorder);
    EXPECT_EQ(setup.windowTitle(), "Aufnahme-Einstellungen");
    EXPECT_TRUE(setup.Bits8()->isChecked());
    EXPECT_TRUE(setup.Rate22()->isChecked());
    EXPECT_TRUE(setup.Mono()->isChecked());
    // Opening resets the device.
    EXPECT_EQ(std::vector<std::string>(m_sender.commands.begin() + static_cast<std::ptrdiff_t>(before),
                                       m_sender.commands.end()),
              (std::vector<std::string>{"close test", "open new type waveaudio alias test"}));

    EXPECT_TRUE(setup.Speech()->isChecked()) << "speech for unrecorded words is on by default";
    EXPECT_EQ(setup.Speech()->text(), ToQString("Sprachausgabe für Wörter ohne Aufnahme"_cp));
    setup.Bits16()->setChecked(true);
    setup.Rate44()->setChecked(true);
    setup.Stereo()->setChecked(true);
    setup.Speech()->setChecked(false);
    auto* ok = setup.findChild<QPushButton*>();
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "&OK");
    ok->click();
    EXPECT_EQ(setup.result(), QDialog::Accepted);
    EXPECT_EQ(recorder.Format(), (RecordingFormat{16, 44100, 2}));
    EXPECT_EQ(m_sender.commands.back(),
              "set test bitspersample 16 channels 2 alignment 4 samplespersec 44100 bytespersec 176400");
    EXPECT_EQ(m_registry->ReadInteger("Software\\qor\\Aufnahme", "Rate"), 44100);
    EXPECT_EQ(m_registry->ReadInteger("Software\\qor\\Aufnahme", "Kanäle"_cp), 2);
    EXPECT_FALSE(ReadSpeechForUnrecorded(*m_registry));
    EXPECT_FALSE(TRecSetup(recorder).Speech()->isChecked()) << "the choice is read back";
}

class WaveDBTest : public SoundWindowsTest {
protected:
    void SetUp() override {
        for (const char* text : {"pomme", "maison", "arbre"}) {
            m_base.Add();
            m_base.SetCurrentText(text);
            m_base.SetCurrentPath(std::string("XF:\\") + text + ".wav");
        }
        m_base.SetChanged(false);
        m_services.resolve = [this](std::string_view path) {
            return path == "XF:\\arbre.wav" ? m_wave : std::string();
        };
        m_services.ownRecordingsFolder = [this] { return m_ownFolder; };
        m_services.setOwnRecordingsFolder = [this](const std::string& folder) { m_ownFolder = folder; };
        m_services.chooseWaveFile = [this] { return m_chosen; };
        m_wave = m_folder.File("arbre.wav");
        ASSERT_TRUE(WriteFileAtomically(m_wave, "RIFF")); // not decodable: playing it gives an error
    }

    TXWaveBase m_base;
    WaveDBServices m_services;
    std::string m_wave;
    std::string m_ownFolder;
    std::optional<std::string> m_chosen;
};

TEST_F(WaveDBTest, ShowsTheCurrentEntryAndFollowsChanges) {
    test::MessageCapture messages;
    TWaveDB window(m_base, m_sender, m_services);
    EXPECT_EQ(window.windowTitle(), "Verwaltung der Sprachaufnahmen");
    EXPECT_EQ(window.TextField()->text(), "arbre");
    EXPECT_EQ(window.PathField()->text(), "XF:\\arbre.wav");
    EXPECT_EQ(window.Counter()->text(), QString::fromUtf8("3 Einträge"));
    EXPECT_FALSE(window.PlayButton()->isHidden());
    EXPECT_EQ(window.NextButton()->toolTip(), QString::fromUtf8("Zum nächsten Eintrag"));

    window.NextButton()->click();
    EXPECT_EQ(window.TextField()->text(), "maison");
    EXPECT_TRUE(window.PlayButton()->isHidden());
    EXPECT_FALSE(m_base.Changed());

    window.TextField()->setText("la maison");
    EXPECT_EQ(m_base.CurrentText(), "la maison");
    EXPECT_TRUE(m_base.Changed());

    window.SortButton()->click();
    EXPECT_EQ(m_base.Entries()[1].first, "la maison");
    window.SearchField()->setText("p");
    emit window.SearchField()->textEdited("p");
    EXPECT_EQ(window.TextField()->text(), "pomme");
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(WaveDBTest, TypingKeepsTheCaretWhereTheLearnerTypes) {
    TWaveDB window(m_base, m_sender, m_services);
    for (QLineEdit* field : {window.TextField(), window.PathField()}) {
        SCOPED_TRACE(field == window.TextField() ? "Text" : "Datei");
        field->setText("parler");
        field->setCursorPosition(0);
        test::TypeInto(field, "ab");
        EXPECT_EQ(field->text(), "abparler");
        EXPECT_EQ(field->cursorPosition(), 2);
    }
    EXPECT_EQ(m_base.CurrentText(), "abparler");
    EXPECT_EQ(m_base.CurrentPath(), "abparler");
}

TEST_F(WaveDBTest, IncompleteEntryBlocksNavigationAndAdd) {
    test::MessageCapture messages;
    TWaveDB window(m_base, m_sender, m_services);
    window.PathField()->setText("");
    window.NextButton()->click();
    window.AddButton()->click();
    EXPECT_EQ(m_base.CurrentIndex(), 0);
    EXPECT_EQ(m_base.Count(), 3);
    ASSERT_EQ(messages.Messages().size(), 2u);
    EXPECT_EQ(messages.Messages()[0].text, "Der aktuelle Eintrag ist nicht vollständig!"_cp);

    window.PathField()->setText("XF:\\a.wav");
    window.AddButton()->click();
    EXPECT_EQ(m_base.Count(), 4);
    EXPECT_EQ(window.PathField()->text(), ".wav");
    EXPECT_EQ(window.Counter()->text(), QString::fromUtf8("4 Einträge"));
}

TEST_F(WaveDBTest, DeleteAsksFirst) {
    test::MessageCapture messages;
    messages.Presenter().AddAnswer(kIdNo);
    messages.Presenter().AddAnswer(kIdYes);
    TWaveDB window(m_base, m_sender, m_services);
    window.DeleteButton()->click();
    EXPECT_EQ(m_base.Count(), 3);
    window.DeleteButton()->click();
    EXPECT_EQ(m_base.Count(), 2);
    ASSERT_EQ(messages.Messages().size(), 2u);
    EXPECT_EQ(messages.Messages()[0].text, "Diesen Eintrag wirklich löschen?"_cp);
}

TEST_F(WaveDBTest, PlayingResolvedAndMissingRecordings) {
    test::MessageCapture messages;
    TWaveDB window(m_base, m_sender, m_services);
    window.PlayCurrent();
    EXPECT_EQ(m_sender.commands[m_sender.commands.size() - 2], "close satz");
    EXPECT_EQ(m_sender.commands.back(), "open \"" + m_wave + "\" alias satz");
    ASSERT_EQ(messages.Messages().size(), 1u); // the file cannot be decoded: the error is shown
    EXPECT_EQ(messages.Messages()[0].text, m_engine.ErrorText(304) + " - open \"" + m_wave + "\" alias satz");

    window.NextButton()->click();
    window.PlayCurrent();
    ASSERT_EQ(messages.Messages().size(), 2u);
    EXPECT_EQ(
        messages.Messages()[1].text,
        "XF:\\maison.wav konnte nicht gefunden werden. Stellen Sie\nsicher, daß die CD-ROM eingelegt ist "
        "und der korrekte Pfad eingestellt ist."_cp);
}

TEST_F(WaveDBTest, BrowseOffersTheOwnRecordingsFolderAndRewritesThePath) {
    test::MessageCapture messages;
    std::filesystem::create_directories(m_folder.Path() / "eigene");
    std::string file = m_folder.File("eigene/neu.wav");
    ASSERT_TRUE(WriteFileAtomically(file, "RIFF"));
    TWaveDB window(m_base, m_sender, m_services);

    m_chosen = m_folder.File("eigene/fehlt.wav");
    window.Browse();
    EXPECT_EQ(window.PathField()->text(), "XF:\\arbre.wav");
    EXPECT_TRUE(messages.Messages().empty());

    m_chosen = file;
    messages.Presenter().AddAnswer(kIdOk);
    window.Browse();
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(m_ownFolder, m_folder.File("eigene/"));
    EXPECT_EQ(window.PathField()->text(), "XU:/neu.wav");
    EXPECT_EQ(m_base.CurrentPath(), "XU:/neu.wav");

    // With the folder known there is no question, and a file elsewhere keeps its full path.
    std::string outside = m_folder.File("anders.wav");
    ASSERT_TRUE(WriteFileAtomically(outside, "RIFF"));
    m_chosen = outside;
    window.Browse();
    EXPECT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(m_base.CurrentPath(), outside);
}

TEST_F(WaveDBTest, ClosingReleasesTheDeviceAndTheObserver) {
    {
        TWaveDB window(m_base, m_sender, m_services);
        window.close();
        EXPECT_EQ(m_sender.commands.back(), "close satz");
        m_base.Next(); // must not reach the closed window
    }
    m_base.Next();
    EXPECT_EQ(m_base.CurrentIndex(), 2);
}

} // namespace
} // namespace qor
