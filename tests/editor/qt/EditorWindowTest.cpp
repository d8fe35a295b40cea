#include "app/qt/QtTestApplication.h"
#include "dictionary/TXDatabase.h"
#include "dictionary/qt/SpecialCharacterMenu.h"
#include "editor/qt/TImport.h"
#include "editor/qt/TVocEditor.h"
#include "page/qt/TXPage.h"
#include "platform/Cp1252.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/Zlib.h"
#include "platform/qt/QtText.h"
#include "settings/MemoryRegistry.h"
#include "settings/QueuedFileChooser.h"
#include "settings/SettingsTestSupport.h"
#include "settings/qt/TFrListe.h"
#include "settings/qt/TXListBox.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <set>

namespace qor {
namespace {

using test::TypeInto;

TVokabel Entry(std::string vokabel, std::string bedeutung) {
    TVokabel entry;
    entry.Vokabel = std::move(vokabel);
    entry.Bedeutung0 = std::move(bedeutung);
    return entry;
}

class FakeRecorder : public EditorRecorder {
public:
    void StartRecording() override { calls.push_back("record"); }
    void StartPlaying() override { calls.push_back("play"); }
    void Stop() override { calls.push_back("stop"); }
    std::optional<int> Position() override { return 0; }
    std::string Mode() override { return "recording"; }
    bool Save(std::string_view) override { return true; }
    std::vector<std::string> calls;
};

class EditorWindowTest : public test::QtApplicationTest {
protected:
    void SetUp() override {
        SetMessagePresenter(&messages);
        library.Clear(BlankLine::Drop);
        library.Add(Entry("maison", "Haus"));
        library.Add(Entry("chat", "Katze"));
        library.AddBlank();
        library.SetChanged(false);
        // The import assistant's help page, packed as the program folder holds it.
        folder.Touch("hqor/_import.htx", DeflateZlib("<TITLE>Import</TITLE>So wird importiert."));
    }
    void TearDown() override { SetMessagePresenter(nullptr); }

    std::unique_ptr<TVocEditor> Open(EditorMode mode = EditorMode::Trainer) {
        EditorWindowSetup setup;
        setup.mode = mode;
        setup.library = &library;
        setup.dictionary = &dictionary;
        setup.environment.vocabularyFolder = folder.Folder();
        setup.environment.registry = &registry;
        setup.pageFolder = folder.Folder() + "hqor/";
        setup.onExit = [this](EditorExit exit) { exits.push_back(exit); };
        setup.onHintsChanged = [this](bool on) { hintChanges.push_back(on); };
        setup.recorder = recorder;
        setup.environment.recordingLookup = [](std::string_view headword) {
            return headword == "chien" ? std::string("/aufnahmen/chien.wav") : std::string();
        };
        setup.playRecording = [this](const std::string& file) { played.push_back(file); };
        setup.openSettings = [this](EditorSettingsDialog which, QWidget* parent) {
            settingsOpened.emplace_back(which, parent);
        };
        setup.playAtCaret = [this](std::string_view text, int caret, int selection, bool french) {
            played.push_back(std::string(text) + "@" + std::to_string(caret) + "+" +
                             std::to_string(selection) + (french ? " fr" : " de"));
        };
        setup.manageRecording = [this](const std::string& headword, const std::string& file, QWidget*) {
            managed.push_back(headword + "=" + file);
        };
        setup.saveChooser = &saveChooser;
        return std::make_unique<TVocEditor>(std::move(setup));
    }

    ScriptedMessagePresenter messages;
    test::TempFolder folder;
    test::MemoryRegistry registry;
    TBibliothek library;
    TXDatabase dictionary;
    std::vector<EditorExit> exits;
    std::vector<bool> hintChanges;
    std::vector<std::pair<EditorSettingsDialog, QWidget*>> settingsOpened;
    EditorRecorder* recorder = nullptr;
    std::vector<std::string> played;
    std::vector<std::string> managed;
    test::QueuedFileChooser saveChooser;
};

QAction* ActionCaptioned(QWidget& window, const QString& caption) {
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

// True when the field asks to keep the key for itself (a shortcut of the window then stays idle).
bool FieldClaims(QWidget* field, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent request(QEvent::ShortcutOverride, key, modifiers);
    request.ignore();
    QApplication::sendEvent(field, &request);
    return request.isAccepted();
}

TEST_F(EditorWindowTest, ShowsTheLibraryAndWritesEditsThrough) {
    std::unique_ptr<TVocEditor> editor = Open();
    EXPECT_EQ(editor->windowTitle(), ToQString("qor französisch - Vokabeleditor"_cp));
    EXPECT_EQ(editor->HeadwordField()->text(), "maison");
    EXPECT_EQ(editor->ListFrame()->Position1()->text(), "1");
    EXPECT_EQ(editor->ListFrame()->Position2()->text(), "2");
    EXPECT_EQ(editor->ListFrame()->Liste()->Selected(), 0);

    editor->HeadwordField()->clear();
    TypeInto(editor->HeadwordField(), QStringLiteral("la maison"));
    EXPECT_EQ(library.Entry(0).Vokabel, "la maison");
    EXPECT_TRUE(library.Changed());
}

TEST_F(EditorWindowTest, ImportOpensTheAssistantWithItsHelpPage) {
    std::unique_ptr<TVocEditor> editor = Open();
    std::string shownPage;
    bool opened = false;
    // The dialog loads its page before it shows; look until it is on the screen.
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<TImport*>(window); dialog && dialog->isVisible()) {
                opened = true;
                shownPage = dialog->HelpPage()->Page().XFile();
                watcher.stop();
                dialog->reject();
            }
        }
    });
    watcher.start(10);
    ASSERT_NE(editor->Action("Importieren1"), nullptr);
    ASSERT_FALSE(library.Changed());
    editor->Action("Importieren1")->trigger();
    EXPECT_TRUE(opened);
    EXPECT_EQ(shownPage, "_import.htx");
    EXPECT_EQ(library.Count(), 2) << "a cancelled import changes nothing";
}

TEST_F(EditorWindowTest, LeavingHandsTheNextWindowToTheProgram) {
    struct Case {
        EditorMode mode;
        const char* action;
        EditorExit expected;
    };
    const Case cases[] = {
        {EditorMode::Trainer, "goHome", EditorExit::MainWindow},
        {EditorMode::Trainer, "goEinstellungen", EditorExit::SettingsWindow},
        {EditorMode::Standalone, "Beenden", EditorExit::EndProgram},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        exits.clear();
        std::unique_ptr<TVocEditor> editor = Open(c.mode);
        ASSERT_NE(editor->Action(c.action), nullptr);
        editor->Action(c.action)->trigger();
        EXPECT_EQ(exits, std::vector<EditorExit>{c.expected});
    }
}

TEST_F(EditorWindowTest, SpecialCharactersGoToTheCaretAndWriteThrough) {
    std::unique_ptr<TVocEditor> editor = Open();
    editor->show();
    QLineEdit* headword = editor->HeadwordField();
    headword->setFocus();
    QApplication::setActiveWindow(editor.get());
    headword->setCursorPosition(3); // "mai|son"
    QAction* eCircumflex = ActionCaptioned(*editor, ToQString("\xEA"));
    ASSERT_NE(eCircumflex, nullptr);
    eCircumflex->trigger();
    EXPECT_EQ(library.Entry(0).Vokabel, "mai\xEAson");

    headword->setSelection(0, 3);
    ActionCaptioned(*editor, QStringLiteral("oe"))->trigger();
    EXPECT_EQ(library.Entry(0).Vokabel, "\x9C\xEAson") << "the selection is replaced";

    QPlainTextEdit block;
    block.setPlainText(QStringLiteral("a"));
    block.moveCursor(QTextCursor::End);
    EXPECT_TRUE(InsertSpecialCharacter(&block, "\xE7"));
    EXPECT_EQ(block.toPlainText(), ToQString("a\xE7"));
    QLineEdit locked(QStringLiteral("fixe"));
    locked.setReadOnly(true);
    EXPECT_FALSE(InsertSpecialCharacter(&locked, "\xE7"));
    EXPECT_EQ(locked.text(), QStringLiteral("fixe"));
    QPushButton notAField;
    EXPECT_FALSE(InsertSpecialCharacter(&notAField, "\xE7"));
}

TEST_F(EditorWindowTest, TheMenusKeysBeatTheFieldsOwnBindings) {
    std::unique_ptr<TVocEditor> editor = Open();
    QLineEdit* headword = editor->HeadwordField();
    // Ctrl+A would select all and Ctrl+Z undo; here they give "â" and "¡".
    EXPECT_FALSE(FieldClaims(headword, Qt::Key_A, Qt::ControlModifier));
    EXPECT_FALSE(FieldClaims(headword, Qt::Key_Z, Qt::ControlModifier));
    EXPECT_FALSE(FieldClaims(headword, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier));
    // Keys the menu does not use stay with the field (Ctrl+Left moves by words).
    EXPECT_TRUE(FieldClaims(headword, Qt::Key_Left, Qt::ControlModifier));
    QLineEdit elsewhere;
    EXPECT_TRUE(FieldClaims(&elsewhere, Qt::Key_A, Qt::ControlModifier)) << "only the editor's own fields";

    // Two items on one key would make the key do nothing at all.
    std::set<QString> keys;
    for (QAction* action : editor->findChildren<QAction*>()) {
        if (action->shortcut().isEmpty())
            continue;
        const QString key = action->shortcut().toString();
        EXPECT_TRUE(keys.insert(key).second) << "the key " << key.toStdString() << " is used twice";
    }
    EXPECT_EQ(ActionCaptioned(*editor, ToQString("\xBF"))->shortcut(), QKeySequence())
        << "Ctrl+F searches in the editor";
    EXPECT_EQ(editor->Action("Suchen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
}

TEST_F(EditorWindowTest, ClipboardItemsActOnTheFocusedField) {
    std::unique_ptr<TVocEditor> editor = Open();
    editor->show();
    QApplication::setActiveWindow(editor.get());
    QLineEdit* headword = editor->HeadwordField();
    headword->setFocus();
    headword->setSelection(0, 3);
    editor->Action("Ausschneiden")->trigger();
    EXPECT_EQ(library.Entry(0).Vokabel, "son");
    headword->setCursorPosition(3);
    editor->Action("Einfuegen")->trigger();
    EXPECT_EQ(library.Entry(0).Vokabel, "sonmai");
    headword->setCursorPosition(0);
    editor->Action("LoeschenText")->trigger();
    EXPECT_EQ(library.Entry(0).Vokabel, "onmai");
}

TEST_F(EditorWindowTest, OnlineHelpSwitchesTheHintsOfTheProgram) {
    std::unique_ptr<TVocEditor> editor = Open();
    QAction* hints = editor->Action("OnlineHilfe");
    ASSERT_NE(hints, nullptr);
    EXPECT_TRUE(hints->isChecked());
    QWidget* field = editor->HeadwordField();
    // The field's own filter runs after the program-wide ones: it sees what they let through.
    struct Witness : QObject {
        bool seen = false;
        bool eventFilter(QObject*, QEvent* event) override {
            seen = seen || event->type() == QEvent::ToolTip;
            return true; // no tooltip window in the test
        }
    } witness;
    field->installEventFilter(&witness);
    const auto tooltipReaches = [&] {
        witness.seen = false;
        QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), field->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(field, &tip);
        return witness.seen;
    };
    EXPECT_TRUE(tooltipReaches());
    hints->trigger();
    EXPECT_EQ(hintChanges, std::vector<bool>{false});
    EXPECT_FALSE(tooltipReaches());
    hints->trigger();
    EXPECT_EQ(hintChanges, (std::vector<bool>{false, true}));
    EXPECT_TRUE(tooltipReaches());
}

TEST_F(EditorWindowTest, OptionsOpenTheProgramsSettingsOverTheEditor) {
    std::unique_ptr<TVocEditor> editor = Open();
    const std::pair<const char*, EditorSettingsDialog> items[] = {
        {"Superlearning", EditorSettingsDialog::Superlearning},
        {"RecSetup", EditorSettingsDialog::RecordingFormat},
        {"WaveDB", EditorSettingsDialog::RecordingsManagement},
    };
    for (const auto& [name, which] : items) {
        SCOPED_TRACE(name);
        settingsOpened.clear();
        ASSERT_NE(editor->Action(name), nullptr);
        editor->Action(name)->trigger();
        EXPECT_EQ(settingsOpened,
                  (std::vector<std::pair<EditorSettingsDialog, QWidget*>>{{which, editor.get()}}));
    }
    // The hidden option: the checks also test the length of the first meaning while it is ticked.
    QAction* multipleChoice = editor->Action("MChkontrollieren");
    ASSERT_NE(multipleChoice, nullptr);
    EXPECT_FALSE(multipleChoice->isVisible());
    EXPECT_TRUE(editor->Core().CheckMultipleChoice());
    multipleChoice->trigger();
    EXPECT_FALSE(editor->Core().CheckMultipleChoice());
}

TEST_F(EditorWindowTest, RecorderButtonsFollowTheTake) {
    {
        std::unique_ptr<TVocEditor> withoutRecorder = Open();
        for (const char* name : {"bRec", "bPlay", "SaveWAV"})
            EXPECT_FALSE(withoutRecorder->ListFrame()->Button(name)->isEnabled()) << name;
    }
    FakeRecorder fake;
    recorder = &fake;
    std::unique_ptr<TVocEditor> editor = Open();
    QPushButton* record = editor->ListFrame()->Button("bRec");
    QPushButton* play = editor->ListFrame()->Button("bPlay");
    QPushButton* save = editor->ListFrame()->Button("SaveWAV");
    struct State {
        bool recordDown, recordEnabled, playDown, playEnabled, saveEnabled;
        bool operator==(const State&) const = default;
    };
    const auto state = [&] {
        return State{record->isChecked(), record->isEnabled(), play->isChecked(), play->isEnabled(),
                     save->isEnabled()};
    };
    EXPECT_EQ(state(), (State{false, true, false, false, false})) << "nothing recorded yet";
    record->click();
    EXPECT_EQ(state(), (State{true, true, false, false, false}));
    record->click();
    EXPECT_EQ(state(), (State{false, true, false, true, true}));
    play->click();
    EXPECT_EQ(state(), (State{false, false, true, true, false})) << "no recording while it plays";
    play->click();
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"record", "stop", "play", "stop"}));
}

TEST_F(EditorWindowTest, AnyWordFieldPlaysByDoubleClickAndASavedTakeGoesToTheRecordingIndex) {
    FakeRecorder fake;
    recorder = &fake;
    std::unique_ptr<TVocEditor> editor = Open();
    editor->show();
    QLineEdit* headword = editor->HeadwordField();
    QMouseEvent press(QEvent::MouseButtonDblClick, QPointF(4, 4), headword->mapToGlobal(QPointF(4, 4)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(headword, &press);
    QApplication::processEvents();
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0], "maison@0+6 fr") << "the double-clicked French word is selected first";

    editor->ListFrame()->Button("bRec")->click();
    editor->ListFrame()->Button("bRec")->click();
    saveChooser.answers.push_back(folder.Folder() + "maison");
    editor->ListFrame()->Button("SaveWAV")->click();
    EXPECT_EQ(managed, (std::vector<std::string>{"maison=" + folder.Folder() + "maison.wav"}));
}

TEST_F(EditorWindowTest, TheSpeakerPlaysTheHeadwordsRecording) {
    std::unique_ptr<TVocEditor> editor = Open();
    editor->show();
    auto* speaker = editor->EntryFrame()->findChild<QPushButton*>(QStringLiteral("bPlay"));
    ASSERT_NE(speaker, nullptr);
    editor->HeadwordField()->clear();
    TypeInto(editor->HeadwordField(), QStringLiteral("chien"));
    ASSERT_TRUE(speaker->isVisible()) << "a recording exists for the headword";
    speaker->click();
    EXPECT_EQ(played, std::vector<std::string>{"/aufnahmen/chien.wav"});
    TypeInto(editor->HeadwordField(), QStringLiteral("s"));
    EXPECT_FALSE(speaker->isVisible()) << "\"chiens\" has none";
}

TEST_F(EditorWindowTest, TypingInTheDictionaryPanelKeepsTheCaret) {
    dictionary.SetDirection(DictionaryDirection::FrenchGerman);
    dictionary.AddEntry("maison", "1", "Haus");
    dictionary.First();
    std::unique_ptr<TVocEditor> editor = Open();
    // As the dictionary window does: every change of the dictionary refreshes the editor's panel.
    dictionary.SetOnChange([&editor] { editor->Core().DictionaryChanged(); });
    auto* headword = editor->findChild<QLineEdit*>(QStringLiteral("DBVokabel"));
    ASSERT_NE(headword, nullptr);
    ASSERT_EQ(headword->text(), "maison");
    headword->setCursorPosition(3);
    TypeInto(headword, QStringLiteral("xy"));
    EXPECT_EQ(dictionary.Vokabel(), "maixyson");
    EXPECT_EQ(headword->text(), "maixyson");
    EXPECT_EQ(headword->cursorPosition(), 5);
    dictionary.SetOnChange(nullptr);
}

TEST_F(EditorWindowTest, FieldsAndButtonsStayInsideTheFrameAtEverySize) {
    // The menu's sizes are the window's with its frame; the smallest leaves the editor at its
    // minimum inside. The trainer's editor has no frame.
    enum class Measured { WithFrame, Inside };
    struct Case {
        EditorMode mode;
        QSize size;
        Measured measured;
    };
    const Case cases[] = {
        {EditorMode::Standalone, {640, 480}, Measured::Inside},
        {EditorMode::Standalone, {1024, 768}, Measured::WithFrame},
        {EditorMode::Trainer, {800, 572}, Measured::Inside},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size.width());
        std::unique_ptr<TVocEditor> editor = Open(c.mode);
        editor->show();
        if (c.mode == EditorMode::Standalone) {
            QAction* size = editor->Action("Size" + std::to_string(c.size.width()));
            ASSERT_NE(size, nullptr);
            size->trigger();
        }
        EXPECT_EQ(c.measured == Measured::WithFrame ? editor->frameGeometry().size() : editor->size(),
                  c.size);
        QWidget* frame = editor->EntryFrame();
        // The fields and buttons of the frame and of the dictionary panel in it, not their insides.
        std::vector<QWidget*> parts;
        for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            parts.push_back(child);
            for (QWidget* inner : child->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (child->metaObject() == &QWidget::staticMetaObject) // the panel
                    parts.push_back(inner);
            }
        }
        ASSERT_GT(parts.size(), 20u);
        for (QWidget* child : parts) {
            if (child->isHidden())
                continue;
            const QRect inFrame(child->mapTo(frame, QPoint(0, 0)), child->size());
            EXPECT_TRUE(frame->rect().contains(inFrame))
                << child->metaObject()->className() << " " << child->objectName().toStdString() << " at "
                << inFrame.x() << "," << inFrame.y() << " " << inFrame.width() << "x" << inFrame.height();
        }
    }
    std::unique_ptr<TVocEditor> trainer = Open(EditorMode::Trainer);
    EXPECT_EQ(trainer->Action("Size640"), nullptr) << "the trainer's editor has the main window's size";
}

} // namespace
} // namespace qor
