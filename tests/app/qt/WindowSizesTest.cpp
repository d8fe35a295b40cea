// Every window and dialog of the program fits the smallest screen it runs on, 800 × 600 pixels.
// What counts is the window's outer size: the largest of the size it asks for (its size hint),
// the size it opens at and its minimum size, plus 30 pixels of title bar unless it has no border.

#include "app/CommandFakes.h"
#include "app/ProgramObjects.h"
#include "app/qt/MainWindow.h"
#include "app/qt/QtIntervalTimer.h"
#include "app/qt/QtTestApplication.h"
#include "app/qt/TXChangePW.h"
#include "app/qt/TXLogInWizard.h"
#include "app/qt/TXPasswort.h"
#include "dictionary/TXDatabase.h"
#include "dictionary/qt/TXWb.h"
#include "editor/EdConfigLogic.h"
#include "editor/qt/TEdConfig.h"
#include "editor/qt/TEdSuchen.h"
#include "editor/qt/TImport.h"
#include "editor/qt/TSchemaDlg.h"
#include "editor/qt/TVocEditor.h"
#include "platform/Cp1252.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/qt/QtText.h"
#include "settings/MemoryRegistry.h"
#include "settings/SettingsTestSupport.h"
#include "settings/TSuperOptions.h"
#include "settings/qt/TSuperSettingsDialog.h"
#include "settings/qt/TXPaths.h"
#include "sound/TXWaveBase.h"
#include "sound/qt/TRecSetup.h"
#include "sound/qt/TWaveDB.h"
#include "sound/tWaveRec.h"
#include "vocab/TBibliothek.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

namespace qor {
namespace {

constexpr QSize kScreen(800, 600);
constexpr int kTitleBar = 30;

class SilentMedia : public MediaCommandSender {
public:
    std::string Send(std::string_view) override { return {}; }
    std::string ErrorText(int) override { return {}; }
};

// The editor's view of the scheme dialog: nothing to show.
class QuietSchemeView : public SchemeEditorView {
public:
    void ApplySchemeColours(const EditorScheme&) override {}
    void ApplySchemeFont(const EditorScheme&, int) override {}
    int HeightClass() const override { return 0; }
};

QSize OuterSize(QWidget& window) {
    window.show();
    QApplication::processEvents();
    QSize size = window.size().expandedTo(window.minimumSize());
    if (window.sizeHint().isValid())
        size = size.expandedTo(window.sizeHint());
    if (!(window.windowFlags() & Qt::FramelessWindowHint))
        size.rheight() += kTitleBar;
    return size;
}

class WindowSizesTest : public test::QtApplicationTest {
protected:
    void SetUp() override {
        SetMessagePresenter(&m_messages);
        m_library.Add(TVokabel{});
        m_options = std::make_unique<TSuperOptions>(m_registry, SuperOptionsEnvironment{
                                                                    .programFolder = m_folder.Folder(),
                                                                    .pageRoot = m_folder.Folder(),
                                                                    .waveFolder = {},
                                                                    .fonts = nullptr,
                                                                });
        m_recorder = std::make_unique<tWaveRec>(m_media, m_timer, m_registry);
        m_objects.SetCreatesRealObjects(true);
        m_objects.CreateVocabularyLibrary();
        m_objects.CreateThemeList();
        m_objects.CreateDictionary();
    }
    void TearDown() override { SetMessagePresenter(nullptr); }

    std::unique_ptr<TVocEditor> Editor(EditorMode mode) {
        EditorWindowSetup setup;
        setup.mode = mode;
        setup.library = &m_library;
        setup.dictionary = &m_dictionary;
        setup.environment.vocabularyFolder = m_folder.Folder();
        setup.environment.registry = &m_registry;
        setup.pageFolder = m_folder.Folder();
        return std::make_unique<TVocEditor>(std::move(setup));
    }

    // The outer size of the dialog that `open` shows modally, closed again once measured.
    QSize ModalDialogSize(const QString& title, const std::function<void()>& open) {
        QSize measured;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QDialog*>(window);
                if (dialog && dialog->isVisible() && dialog->windowTitle() == title) {
                    watcher.stop();
                    measured = OuterSize(*dialog);
                    dialog->reject();
                }
            }
        });
        watcher.start(10);
        open();
        return measured;
    }

    ScriptedMessagePresenter m_messages;
    test::TempFolder m_folder;
    test::MemoryRegistry m_registry;
    SilentMedia m_media;
    QtIntervalTimer m_timer;
    TBibliothek m_library;
    TXDatabase m_dictionary;
    TXWaveBase m_waveBase;
    AppSettings m_settings;
    ProgramObjects m_objects;
    std::vector<std::string> m_calls;
    test::FakeServices m_windows{m_calls};
    FixedAdvanceFonts m_fonts;
    EditorScheme m_scheme;
    QuietSchemeView m_schemeView;
    std::unique_ptr<TSuperOptions> m_options;
    std::unique_ptr<tWaveRec> m_recorder;
};

TEST_F(WindowSizesTest, EveryWindowAndDialogFitsTheSmallestScreen) {
    EdConfigLogic schemes{m_scheme, m_schemeView, m_fonts, m_folder.Folder(), [] {}};
    struct Case {
        const char* name;
        std::function<std::unique_ptr<QWidget>()> make;
    };
    const std::vector<Case> cases = {
        {"MainWindow",
         [&] {
             return std::make_unique<MainWindow>([] {}, m_objects,
                                                 MainWindow::Links{m_windows, m_windows, m_windows});
         }},
        {"TXLogInWizard", [&] { return std::make_unique<TXLogInWizard>(m_folder.Folder()); }},
        {"TXPasswort", [] { return std::make_unique<TXPasswort>(); }},
        {"TXChangePW", [] { return std::make_unique<TXChangePW>(); }},
        {"TSuperSettingsDialog",
         [&] {
             SuperSettingsServices services;
             services.media = &m_media;
             services.fonts = {"Arial", "Courier New", "Times New Roman", "Verdana"};
             return std::make_unique<TSuperSettingsDialog>(*m_options, services);
         }},
        {"TXPaths", [&] { return std::make_unique<TXPaths>(m_settings, TXPathsServices{}); }},
        {"TRecSetup", [&] { return std::make_unique<TRecSetup>(*m_recorder); }},
        {"TWaveDB", [&] { return std::make_unique<TWaveDB>(m_waveBase, m_media, WaveDBServices{}); }},
        {"TXWb",
         [&] {
             WbSetup setup;
             setup.dictionary = &m_dictionary;
             return std::make_unique<TXWb>(std::move(setup));
         }},
        {"TVocEditor trainer", [&] { return Editor(EditorMode::Trainer); }},
        {"TVocEditor editor", [&] { return Editor(EditorMode::Standalone); }},
        {"TEdConfig",
         [&] {
             schemes.Open();
             return std::make_unique<TEdConfig>(schemes, m_scheme, SchemeFontChoices(m_fonts));
         }},
        {"TEdSuchen", [] { return std::make_unique<TEdSuchen>(SearchRequest{}); }},
        {"TImport", [&] { return std::make_unique<TImport>(m_folder.Folder(), ImportSettings{}); }},
        {"TSchemaDlg", [] { return std::make_unique<TSchemaDlg>("default"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<QWidget> window = c.make();
        const QSize outer = OuterSize(*window);
        EXPECT_LE(outer.width(), kScreen.width());
        EXPECT_LE(outer.height(), kScreen.height());
        window->hide();
    }

    // The editor's own small dialog shows only while it runs.
    std::unique_ptr<TVocEditor> editor = Editor(EditorMode::Standalone);
    const QSize random =
        ModalDialogSize(ToQString("Zufällig erzeugen"_cp), [&] { editor->Action("mZufall")->trigger(); });
    ASSERT_TRUE(random.isValid()) << "the dialog was not shown";
    EXPECT_LE(random.width(), kScreen.width());
    EXPECT_LE(random.height(), kScreen.height());
}

} // namespace
} // namespace qor
