// The windows that take turns, at the end of the program: the editor is asked about its library
// while the library exists, and its scheme is written and kept for the rest of the run.

#include "app/qt/ProgramWindows.h"

#include "app/AppSettings.h"
#include "app/ProgramObjects.h"
#include "app/ScriptedFileChooser.h"
#include "app/qt/QtTestApplication.h"
#include "editor/qt/TEdConfig.h"
#include "editor/qt/TVocEditor.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/WinPath.h"
#include "vocab/TBibliothek.h"

#include <QAction>
#include <QLineEdit>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace qor {
namespace {

namespace fs = std::filesystem;

class ProgramWindowsTest : public test::QtApplicationTest {
protected:
    void SetUp() override {
        m_root = fs::temp_directory_path() / ("qor_windows_test_" + std::to_string(::getpid()));
        fs::remove_all(m_root);
        fs::create_directories(m_root / "editor");
        ResetSettings();
        Settings().programFolder = WithTrailingSeparator(ProgramPath(m_root));
        SetMessagePresenter(&m_messages);
        m_objects.SetCreatesRealObjects(true);
        m_objects.CreateVocabularyLibrary();
    }
    void TearDown() override {
        SetMessagePresenter(nullptr);
        ResetSettings();
        fs::remove_all(m_root);
    }

    // Changes colour 1 in the scheme dialog, as the learner types it.
    static void ChangeFirstColour(TVocEditor& editor, const QString& colour) {
        QTimer::singleShot(0, [colour] {
            auto* dialog = qobject_cast<TEdConfig*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->ColourField(0)->selectAll();
            test::TypeInto(dialog->ColourField(0), colour);
            dialog->accept();
        });
        editor.Action("Anpassen")->trigger();
    }

    fs::path m_root;
    ScriptedMessagePresenter m_messages;
    ProgramObjects m_objects;
    ScriptedFileChooser m_files;
    ProgramWindows m_windows{m_objects, [] {}, ProgramWindows::FileDialogs::Scripted, m_files, m_files};
};

TEST_F(ProgramWindowsTest, AChangedSchemeIsWrittenWhenTheEditorClosesAndLastsForTheRun) {
    TVocEditor* editor = m_windows.ShowEditor(EditorMode::Trainer, std::nullopt);
    ASSERT_NE(editor, nullptr);
    ChangeFirstColour(*editor, "00FF00");
    ASSERT_TRUE(editor->Scheme().changed);
    EXPECT_TRUE(m_windows.CloseWindowsForEnd(EndQuestions::Ask, ProgramWindows::MayStay::Yes));
    EXPECT_EQ(m_windows.Editor(), nullptr);
    std::ifstream written(m_root / "editor" / "default.ed", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(written)), {});
    EXPECT_NE(text.find("00FF00"), std::string::npos) << text;

    editor = m_windows.ShowEditor(EditorMode::Trainer, std::nullopt);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Scheme().colours[0], 0x00FF00);
}

TEST_F(ProgramWindowsTest, TheEditorIsAskedAboutItsLibraryBeforeTheEnd) {
    const struct {
        const char* name;
        int answer;
        ProgramWindows::MayStay mayStay;
        bool ends;
    } cases[] = {
        {"cancelled", kIdCancel, ProgramWindows::MayStay::Yes, false},
        {"not saved", kIdNo, ProgramWindows::MayStay::Yes, true},
        {"a script's end", kIdCancel, ProgramWindows::MayStay::No, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(m_windows.ShowEditor(EditorMode::Trainer, std::nullopt), nullptr);
        m_objects.Library()->SetVokabel(0, "maison");
        m_messages = ScriptedMessagePresenter();
        m_messages.AddAnswer(c.answer);
        EXPECT_EQ(m_windows.CloseWindowsForEnd(EndQuestions::Ask, c.mayStay), c.ends);
        ASSERT_EQ(m_messages.Messages().size(), 1u);
        EXPECT_NE(m_messages.Messages()[0].text.find("verändert"_cp), std::string::npos);
        EXPECT_EQ(m_windows.Editor() == nullptr, c.ends);
        ASSERT_NE(m_objects.Library(), nullptr) << "the library outlives the editor";
        if (m_windows.Editor()) {
            EXPECT_TRUE(m_windows.CloseWindowsForEnd(EndQuestions::None, ProgramWindows::MayStay::No));
        }
    }
}

} // namespace
} // namespace qor
