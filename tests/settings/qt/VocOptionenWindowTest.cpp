// The vocabulary trainer's settings window: it fits the screen, its controls take and store the
// query settings, the activity display follows, the user panel needs a learner, and each way out
// writes the settings and says where it leads (or refuses with the program's message).

#include "../MemoryRegistry.h"
#include "../QueuedFileChooser.h"
#include "../SettingsTestSupport.h"
#include "app/qt/QtTestApplication.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/Zlib.h"
#include "platform/qt/QtText.h"
#include "settings/qt/TBInfo.h"
#include "settings/qt/TFrNavigation.h"
#include "settings/qt/TVocOptionen.h"
#include "settings/qt/TXListBox.h"
#include "users/TXUserBase.h"
#include "vocab/TBibliothek.h"
#include "vocab/TVocEinstellungen.h"
#include "vocab/qt/PrintService.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace qor {
namespace {

class NoUserDialogs : public UserDialogs {
public:
    std::optional<UserCredentials> ShowTXPasswort(const PasswordRequest&) override { return std::nullopt; }
    std::optional<PasswordChange> ShowTXChangePW(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<UserCredentials> ShowTXLogInWizard() override { return std::nullopt; }
};

class CountingPrints : public PrintService {
public:
    std::vector<std::string> calls;
    void PrintList(TBibliothek&, QWidget*) override { calls.push_back("list"); }
    void PrintFlashCards(TBibliothek&, QWidget*) override { calls.push_back("cards"); }
    void SetUpPrinter(QWidget*) override { calls.push_back("setup"); }
};

TVokabel Noun(const std::string& vokabel, int schwierigkeit = 0) {
    TVokabel entry;
    entry.Vokabel = vokabel;
    entry.Bedeutung0 = "Wort";
    entry.Schwierigkeit = schwierigkeit;
    return entry;
}

class VocOptionenWindowTest : public test::QtApplicationTest {
protected:
    void SetUp() override {
        SetMessagePresenter(&m_messages);
        m_temp.Touch("hqor/voc_opt1.htx", DeflateZlib("<TITLE>Vokabeltrainer - Einstellungen</TITLE>"));
        m_library.Clear(BlankLine::Drop);
        m_library.SetSettings(&m_settings);
        m_library.SetUserBase(&m_users);
        m_settings.Read(m_registry); // the registry's defaults: every difficulty, both directions
    }
    void TearDown() override {
        m_window.reset();
        SetMessagePresenter(nullptr);
    }

    void Fill(int count) {
        for (int i = 0; i < count; ++i)
            m_library.Add(Noun("mot" + std::to_string(i), i % 5));
        m_library.AddBlank();
    }
    TVocOptionen& Open() {
        VocOptionenSetup setup;
        setup.library = &m_library;
        setup.settings = &m_settings;
        setup.users = &m_users;
        setup.registry = &m_registry;
        setup.pageFolder = WithTrailingSeparator(m_temp.Folder() + "hqor");
        setup.vocabularyFolder = m_temp.Folder();
        setup.openChooser = &m_chooser;
        setup.saveChooser = &m_chooser;
        setup.editorExists = [this] { return m_editorExists; };
        setup.onExit = [this](OptionsExit exit) { m_exits.push_back(exit); };
        setup.printService = m_printService;
        setup.playRecording = [this](const std::string& headword) { m_played.push_back(headword); };
        setup.changeVocabularyFolder = [this](const std::string& folder) { m_changedFolder = folder; };
        m_window = std::make_unique<TVocOptionen>(std::move(setup));
        return *m_window;
    }
    template <typename T> T* Child(const char* name) const {
        T* child = m_window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    std::string Text(const char* name) const { return FromQString(Child<QLabel>(name)->text()); }
    bool Shown(const char* name) const { return !Child<QWidget>(name)->isHidden(); }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const LoggedMessage& message : m_messages.Messages())
            texts.push_back(message.text);
        return texts;
    }

    ScriptedMessagePresenter m_messages;
    test::TempFolder m_temp;
    test::MemoryRegistry m_registry;
    test::QueuedFileChooser m_chooser;
    NoUserDialogs m_dialogs;
    TXUserBase m_users{m_temp.Folder(), m_dialogs};
    TBibliothek m_library;
    TVocEinstellungen m_settings;
    bool m_editorExists = false;
    std::string m_changedFolder;
    std::vector<std::string> m_played;
    PrintService* m_printService = nullptr;
    std::vector<OptionsExit> m_exits;
    std::unique_ptr<TVocOptionen> m_window;
};

TEST_F(VocOptionenWindowTest, FitsTheScreenAndNamesEveryControlAndItem) {
    TVocOptionen& window = Open();
    EXPECT_EQ(window.size(), QSize(800, 553));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(FromQString(window.windowTitle()), "qor französisch - Einstellungen für den Vokabeltrainer"_cp);
    for (const char* name :
         {"Liste",     "cVon",           "cBis",     "Counter",       "Schwer1",       "Schwer5", "cModus",
          "cRichtung", "cRedewendungen", "cKontext", "TrackProRunde", "TrackMultiple", "Message", "Maske0",
          "Maske1",    "cPanelA",        "cPanelB",  "TrackScore",    "bNeu",          "bLaden",  "bDazu",
          "bSave",     "bInfo",          "bDrucken", "FileLabel"}) {
        QWidget* widget = Child<QWidget>(name);
        if (widget) {
            EXPECT_TRUE(
                QRect(0, 0, 800, 553).contains(QRect(widget->mapTo(&window, QPoint()), widget->size())))
                << name;
        }
    }
    const char* captions[] = {"home", "editor", "klassisch", "abgedreht ", "techno", "super dd ", "abfragen"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(window.Navigation()->Button(i)->text().toStdString(), captions[i]);
    EXPECT_EQ(window.Action("goHome")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
    EXPECT_EQ(window.Action("DoppelteRaus")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    EXPECT_FALSE(window.Action("Drucken")->isEnabled()) << "no printing given";
    EXPECT_EQ(Text("Counter"), "0 Vokabeln");
    EXPECT_FALSE(Child<QComboBox>("cVon")->isEnabled());
}

TEST_F(VocOptionenWindowTest, ControlsTakeTheSettings) {
    Fill(8);
    m_settings.Modus = kModusRueckwaerts;
    m_settings.Richtung = kFranzoesischDeutsch;
    m_settings.NichtZuSchwer = {true, false, true, false, true};
    m_settings.MultipleChoiceEintippen = 30;
    m_settings.Von = 2;
    m_settings.Bis = 5;
    Open();
    EXPECT_EQ(Child<QComboBox>("cModus")->currentIndex(), kModusRueckwaerts);
    EXPECT_EQ(Child<QComboBox>("cRichtung")->currentIndex(), kFranzoesischDeutsch);
    EXPECT_FALSE(Child<QCheckBox>("Schwer2")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>("Schwer3")->isChecked());
    EXPECT_EQ(Text("MultipleChoiceLabel"), "Multiple Choice 30%");
    EXPECT_EQ(Text("EintippenLabel"), "70% Eintippen");
    EXPECT_EQ(FromQString(Child<QComboBox>("cVon")->currentText()), "3   mot2");
    EXPECT_EQ(FromQString(Child<QComboBox>("cBis")->currentText()), "6   mot5");
    // mot2, mot4 and mot5 (difficulties 2, 4 and 0) of the range are asked.
    EXPECT_EQ(Text("Message"), "3 davon aktiv");
    EXPECT_EQ(Text("Counter"), "8 Vokabeln");
}

TEST_F(VocOptionenWindowTest, ThreeEntriesInRandomRoundsAreNotEnoughForTheSlider) {
    Fill(3);
    m_settings.Modus = kModusKreuzUndQuer;
    Open();
    auto* slider = Child<QSlider>("TrackProRunde");
    EXPECT_EQ(slider->minimum(), 5);
    EXPECT_EQ(slider->maximum(), 6);
    EXPECT_TRUE(slider->isEnabled());
    EXPECT_EQ(Text("Message"), "3 davon aktiv");
    EXPECT_TRUE(Shown("Maske1"));
    EXPECT_FALSE(Shown("Maske0"));
    EXPECT_EQ(Child<QLabel>("Message")->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    Child<QComboBox>("cModus")->setCurrentIndex(kModusVorwaerts);
    EXPECT_EQ(m_settings.Modus, kModusVorwaerts);
    EXPECT_FALSE(slider->isEnabled());
    EXPECT_TRUE(Shown("Maske0"));
    EXPECT_EQ(Child<QLabel>("Message")->palette().color(QPalette::WindowText), QColor(255, 255, 0));
}

TEST_F(VocOptionenWindowTest, EachChangeStoresItsSettingAndRedoesTheActivity) {
    Fill(10); // difficulties 0,1,2,3,4,0,1,2,3,4
    Open();
    ASSERT_EQ(Text("Message"), "10 davon aktiv");
    Child<QCheckBox>("Schwer1")->click();
    EXPECT_FALSE(m_settings.NichtZuSchwer[0]);
    EXPECT_EQ(Text("Message"), "8 davon aktiv");
    Child<QComboBox>("cRichtung")->setCurrentIndex(kDeutschFranzoesisch);
    EXPECT_EQ(m_settings.Richtung, kDeutschFranzoesisch);
    EXPECT_EQ(Text("Message"), "0 davon aktiv") << "no German entries";
    Child<QComboBox>("cRichtung")->setCurrentIndex(kBeideRichtungen);
    Child<QCheckBox>("cKontext")->click();
    EXPECT_EQ(m_settings.Kontext, Child<QCheckBox>("cKontext")->isChecked());
    Child<QCheckBox>("cRedewendungen")->click();
    EXPECT_EQ(m_settings.Redewendungen, Child<QCheckBox>("cRedewendungen")->isChecked());
    Child<QSlider>("TrackMultiple")->setValue(80);
    EXPECT_EQ(m_settings.MultipleChoiceEintippen, 80);
    EXPECT_EQ(Text("EintippenLabel"), "20% Eintippen");
    Child<QComboBox>("cModus")->setCurrentIndex(kModusKreuzUndQuer);
    Child<QSlider>("TrackProRunde")->setValue(9);
    EXPECT_EQ(m_settings.ProRunde, 9);
    EXPECT_EQ(Text("Message"), "8 davon aktiv");
    EXPECT_TRUE(Shown("Maske1")) << "8 active, 9 per round";
}

TEST_F(VocOptionenWindowTest, ChoosingTheEndBeforeTheStartSwapsThem) {
    Fill(6);
    Open();
    Child<QComboBox>("cVon")->setCurrentIndex(3);
    Child<QComboBox>("cBis")->setCurrentIndex(1);
    EXPECT_EQ(Child<QComboBox>("cVon")->currentIndex(), 1);
    EXPECT_EQ(Child<QComboBox>("cBis")->currentIndex(), 3);
    EXPECT_EQ(m_settings.Von, 1);
    EXPECT_EQ(m_settings.Bis, 3);
    EXPECT_EQ(Text("Message"), "3 davon aktiv");
}

TEST_F(VocOptionenWindowTest, WithoutALearnerThereAreNoScoresAndNoUserPanel) {
    Fill(2);
    TVocOptionen& window = Open();
    EXPECT_EQ(window.findChild<TXListBox*>("Liste")->Items(), (std::vector<std::string>{"$mot0", "$mot1"}));
    Child<QPushButton>("cPanelB")->click();
    EXPECT_FALSE(window.UserPanelShown());
    EXPECT_EQ(MessageTexts(),
              std::vector<std::string>{"Die Erfolgsanalyse erfordert eine Anmeldung als Benutzer!"});
}

TEST_F(VocOptionenWindowTest, ALearnerSeesScoresAndSetsTheScoreLimit) {
    Fill(2);
    m_users.LogIn("Anna", "");
    ASSERT_TRUE(m_users.IsLoggedIn());
    TVocOptionen& window = Open();
    EXPECT_EQ(window.findChild<TXListBox*>("Liste")->Items(),
              (std::vector<std::string>{"$mot0&0%", "$mot1&0%"}));
    EXPECT_EQ(Text("Counter"), "2 Vokabeln - Durchschnittliche Performance: 0%");
    Child<QPushButton>("cPanelB")->click();
    EXPECT_TRUE(window.UserPanelShown());
    Child<QSlider>("TrackScore")->setValue(-5);
    EXPECT_EQ(m_settings.MaxScore, -5);
    EXPECT_EQ(Text("ScoreWert"), "-5%");
    EXPECT_EQ(Text("Message"), "0 davon aktiv") << "new entries score 0, above the limit";
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(VocOptionenWindowTest, EachWayOutWritesTheSettingsOrRefusesWithItsMessage) {
    struct Case {
        const char* button;
        int entries;
        bool editorExists;
        std::optional<OptionsExit> exit;
        std::string message;
    };
    const std::string noLibrary = "Noch keine Bibliothek geladen! Was soll ich abfragen???"
                                  "!";
    const Case cases[] = {
        {"home", 0, false, OptionsExit::Home, ""},
        {"editor", 0, false, OptionsExit::Editor, ""},
        {"editor", 0, true, std::nullopt, ""},
        {"abfragen", 8, false, OptionsExit::Query, ""},
        {"abfragen", 0, false, std::nullopt, noLibrary},
        {"klassisch", 3, false, OptionsExit::Klassisch, ""},
        {"abgedreht", 3, false, OptionsExit::Abgedreht, ""},
        {"techno", 3, false, OptionsExit::Techno, ""},
        {"super dd", 3, false, OptionsExit::SuperDD, ""},
        {"super dd", 0, false, std::nullopt, noLibrary},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " with " + std::to_string(c.entries));
        m_library.Clear(BlankLine::Drop);
        Fill(c.entries);
        m_registry = test::MemoryRegistry();
        m_editorExists = c.editorExists;
        m_exits.clear();
        m_messages.ClearMessages();
        Open();
        m_settings.MaxScore = 42;
        Child<QPushButton>(c.button)->click();
        if (c.exit) {
            EXPECT_EQ(m_exits, std::vector<OptionsExit>{*c.exit});
            EXPECT_EQ(m_registry.ReadInteger(QuerySettingsKey(), "MaxScore"), 42);
        } else {
            EXPECT_TRUE(m_exits.empty());
            EXPECT_EQ(m_registry.ReadInteger(QuerySettingsKey(), "MaxScore"), std::nullopt);
        }
        EXPECT_EQ(MessageTexts(), c.message.empty() ? std::vector<std::string>{} : std::vector{c.message});
        m_window->close(); // a window that was left is not left a second time
        EXPECT_EQ(m_exits.size(), 1u) << "closing leads home, once";
    }
}

TEST_F(VocOptionenWindowTest, AnotherFolderBecomesTheVocabularyFolderAndAddingExtendsTheRange) {
    const std::string file = m_temp.Touch("andere/a.asc", "maison\t(la) Haus\r\n");
    m_chooser.answers = {file};
    Fill(3);
    m_settings.Bis = 1;
    Open();
    m_window->Action("FileDazu")->trigger();
    ASSERT_EQ(m_chooser.requests.size(), 1u);
    EXPECT_EQ(m_chooser.requests[0].startFolder, m_temp.Folder());
    EXPECT_EQ(m_changedFolder, m_temp.MakeFolder("andere"));
    EXPECT_EQ(m_settings.Bis, m_library.Count() - 1);
}

TEST_F(VocOptionenWindowTest, ADoubleClickOnTheListPlaysTheHeadword) {
    Fill(3);
    TVocOptionen& window = Open();
    auto* list = window.findChild<TXListBox*>("Liste");
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick}) {
        QMouseEvent event(type, QPointF(50, 30), list->mapToGlobal(QPointF(50, 30)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list, &event);
    }
    EXPECT_EQ(m_played, std::vector<std::string>{"mot1"});
}

TEST_F(VocOptionenWindowTest, LibraryCommandsRedisplayAndAChangedLibraryIsNotDroppedUnasked) {
    for (const char* word : {"chat", "chat", "chien"})
        m_library.Add(Noun(word));
    m_library.AddBlank();
    Open();
    m_window->Action("DoppelteRaus")->trigger();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"1 doppelte Vokabeln wurden entfernt!"});
    EXPECT_EQ(Text("Counter"), "2 Vokabeln");
    ASSERT_TRUE(m_library.Changed());
    m_messages.AddAnswer(kIdCancel);
    m_window->Action("FileNeu")->trigger();
    EXPECT_EQ(m_library.Count(), 2);
    m_messages.AddAnswer(kIdNo);
    m_window->Action("FileNeu")->trigger();
    EXPECT_EQ(m_library.Count(), 0);
    EXPECT_EQ(Text("Counter"), "0 Vokabeln");
    EXPECT_EQ(m_messages.Messages().size(), 3u);
}

TEST_F(VocOptionenWindowTest, PrintingGoesToTheProgramsPrintService) {
    CountingPrints prints;
    m_printService = &prints;
    Fill(2);
    Open();
    Child<QPushButton>("bDrucken")->click();
    for (const char* item : {"Drucken", "Karteikarten", "DruckerEinrichten"})
        m_window->Action(item)->trigger();
    EXPECT_EQ(prints.calls, (std::vector<std::string>{"list", "list", "cards", "setup"}));
}

TEST(TBInfoTest, ShowsTheCountsOfBothDirections) {
    auto application = test::MakeTestApplication();
    BInfoTable table;
    table.franzoesischDeutsch.wortarten = {3, 1, 0, 0, 0, 2};
    table.franzoesischDeutsch.total = 6;
    table.franzoesischDeutsch.withContext = 4;
    table.franzoesischDeutsch.difficulties = {1, 2, 3, 0, 0};
    table.deutschFranzoesisch.difficulties = {0, 0, 0, 0, 7};
    TBInfo info(table);
    EXPECT_EQ(info.windowTitle(), QStringLiteral("Infos zur Bibliothek"));
    EXPECT_LE(info.sizeHint().width(), 800);
    EXPECT_LE(info.sizeHint().height(), 600);
    const std::pair<const char*, const char*> expected[] = {
        {"FDWortart0", "3"}, {"FDWortart5", "2"},     {"FDGesamt", "6"},  {"FDKontext", "4"},
        {"FDSchwer2", "3"},  {"FDSchwerGesamt", "6"}, {"DFSchwer4", "7"}, {"DFGesamt", "0"},
    };
    for (const auto& [name, value] : expected) {
        auto* label = info.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text().toStdString(), value) << name;
    }
}

} // namespace
} // namespace qor
