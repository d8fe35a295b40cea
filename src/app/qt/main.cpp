// The trainer's main block: start-up checks and settings, then the main window (trainer mode) or
// the vocabulary editor (editor mode, first argument "editor"), and the message loop until the
// program ends.
//
// Options of our own, taken out before the program looks at its arguments (an unknown one ends it
// with exit code 2):
//   --help, --version    print the usage or the version ("3.040") and end
//   --exit-after-start   end right after the windows are shown (headless start-up tests)
//   --screenshot FILE    save a picture of the main window as PNG once it is shown, then end
//   --script FILE        run a script of learner actions and checks (docs/script.md), then end;
//                        exit code 1 when a check failed, 2 when the script cannot be read

#include "app/AppSettings.h"
#include "app/Beenden.h"
#include "app/DictionaryEndSave.h"
#include "app/FileDialogAdapters.h"
#include "app/MainBlock.h"
#include "app/MainWindowShow.h"
#include "app/MainWindowState.h"
#include "app/ProgramObjects.h"
#include "app/ProgramOptions.h"
#include "app/RecordingPlayback.h"
#include "app/RecoveryCopies.h"
#include "app/ScriptDriver.h"
#include "app/ScriptedFileChooser.h"
#include "app/ScriptedUserDialogs.h"
#include "app/Startup.h"
#include "app/qt/MainWindow.h"
#include "app/qt/ProgramEnd.h"
#include "app/qt/ProgramWalk.h"
#include "app/qt/ProgramWindows.h"
#include "app/qt/QtIntervalTimer.h"
#include "app/qt/QtScriptTarget.h"
#include "app/qt/QtUserDialogs.h"
#include "app/qt/TerminationRequests.h"
#include "editor/qt/TVocEditor.h"
#include "page/controls/PageLinkNames.h"
#include "page/qt/TXPage.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/Shell.h"
#include "platform/Version.h"
#include "platform/WinPath.h"
#include "platform/qt/AccentKeyFilter.h"
#include "platform/qt/QtFontService.h"
#include "platform/qt/QtMessagePresenter.h"
#include "platform/qt/QtScreenService.h"
#include "platform/qt/QtText.h"
#include "settings/qt/QtFileChooser.h"
#include "sound/EspeakSynthesizer.h"
#include "sound/MediaCommandEngine.h"
#include "sound/SdlAudioDevice.h"
#include "vocab/TBibliothek.h"

#include <QApplication>
#include <QDesktopServices>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using namespace qor;

namespace {

struct CommandLine {
    std::vector<std::string> arguments; // Windows-1252, without our own options
    bool exitAfterStart = false;
    QString screenshot;
    QString script;
};

CommandLine FromOptions(const ProgramOptions& options) {
    CommandLine line;
    for (const std::string& argument : options.arguments)
        line.arguments.push_back(FromQString(QString::fromLocal8Bit(argument)));
    line.exitAfterStart = options.exitAfterStart;
    line.screenshot = QString::fromLocal8Bit(options.screenshot);
    line.script = QString::fromLocal8Bit(options.script);
    return line;
}

std::unique_ptr<ScreenService> MakeScreenService() {
    ScreenInfo info;
    if (const char* screenText = std::getenv("QOR_SCREEN"); screenText && ParseScreenSpec(screenText, info))
        return std::make_unique<FixedScreen>(info);
    return std::make_unique<QtScreenService>();
}

} // namespace

int main(int argc, char** argv) {
    // Before Qt: "--help" and "--version" need no display.
    const ProgramOptions options =
        ReadProgramOptions(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    if (!options.error.empty()) {
        std::fprintf(stderr, "qor: %s (qor --help lists the options)\n", options.error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(ProgramUsage().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("%s\n", VersionText(CurrentVersion()).c_str());
        return 0;
    }
    QApplication application(argc, argv);
    application.setApplicationName(ToQString("qor französisch"_cp));

    CommandLine commandLine = FromOptions(options);
    // A script answers every message box itself, from the very first one.
    QtMessagePresenter screenMessages;
    ScriptedMessagePresenter scriptMessages;
    std::vector<ScriptStep> scriptSteps;
    if (!commandLine.script.isEmpty()) {
        std::string text;
        std::string error;
        if (!ReadWholeFile(ProgramPath(commandLine.script.toStdString()), text)) {
            std::fprintf(stderr, "qor: cannot read the script %s\n", qPrintable(commandLine.script));
            return 2;
        }
        if (!ParseScript(text, scriptSteps, error)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(commandLine.script), error.c_str());
            return 2;
        }
        SetMessagePresenter(&scriptMessages);
    } else if (!InstallScriptedPresenterFromEnvironment()) {
        SetMessagePresenter(&screenMessages);
    }
    // F1 cycles the accents in every text field of every window and dialog.
    AccentKeyFilter::InstallForApplication();
    QtFontService::LoadFontFiles();
    QtFontService fonts;
    SetFontService(&fonts);
    SeedRandomFromClock();

    // Sound: the multimedia command strings run on the audio device. Without a device every
    // command answers with an error, which playback treats as silence.
    SdlAudioDevice audioDevice;
    MediaCommandEngine mediaEngine(audioDevice);
    // Texts without a recording are spoken; the voice starts with the first of them.
    mediaEngine.SetSpeech(&EspeakSynthesizer::Instance());
    // A page's speech link plays the text's recording when the index has one.
    SetSpeechLinkPlayer([](std::string_view text) { PlayListenTarget(ListenTarget(text)); });
    SetMediaCommandSender(&mediaEngine);
    struct SenderReset {
        ~SenderReset() { SetMediaCommandSender(nullptr); }
    } senderReset;

    std::unique_ptr<ScreenService> screen = MakeScreenService();
    // The program-wide recorder polls on these timers; they outlive the objects.
    QtIntervalTimer recorderTimer;
    ProgramObjects objects;
    objects.SetCreatesRealObjects(true);
    objects.SetRecorderTimer(&recorderTimer);
    // A script answers the log-in dialogs too; its opening answer-dialog steps answer the log-in
    // at the start. The other runs without a learner (a picture, a start-up check) cancel them,
    // so that nobody logs in and nothing waits.
    ScriptedUserDialogs scriptDialogs;
    QtUserDialogs screenDialogs([] { return MainPageFolder(Settings()); });
    std::size_t firstStep = 0;
    ProgramWindows::FileDialogs dialogMode = ProgramWindows::FileDialogs::OnScreen;
    if (!commandLine.script.isEmpty() || !commandLine.screenshot.isEmpty() || commandLine.exitAfterStart) {
        dialogMode = ProgramWindows::FileDialogs::Scripted;
        firstStep = TakeLeadingDialogAnswers(scriptSteps, scriptDialogs);
        objects.SetUserDialogs(&scriptDialogs);
    } else {
        objects.SetUserDialogs(&screenDialogs);
    }
    // Web addresses open in the desktop's browser; a script only notes them.
    std::vector<std::string> scriptedWebAddresses;
    if (dialogMode == ProgramWindows::FileDialogs::OnScreen) {
        SetWebAddressOpener(
            [](std::string_view url) { return QDesktopServices::openUrl(QUrl(ToQString(url))); });
    } else {
        SetWebAddressOpener([&scriptedWebAddresses](std::string_view url) {
            scriptedWebAddresses.emplace_back(url);
            return true;
        });
    }
    // The file dialogs: the Qt ones on screen; a script answers them itself, and the other runs
    // without a screen find them cancelled.
    QtFileChooser screenOpenChooser;
    QtSaveFileChooser screenSaveChooser;
    ScriptedFileChooser scriptFiles;
    const bool onScreen = dialogMode == ProgramWindows::FileDialogs::OnScreen;
    FileChooser& openChooser = onScreen ? static_cast<FileChooser&>(screenOpenChooser) : scriptFiles;
    FileChooser& saveChooser = onScreen ? static_cast<FileChooser&>(screenSaveChooser) : scriptFiles;
    // Saves at the end may ask for another place.
    EndSaveDialogs endSaveDialogs(openChooser, saveChooser);
    endSaveDialogs.ConnectTo(objects);

    StartupEnvironment environment;
    environment.programFile = ProgramPath(QCoreApplication::applicationFilePath().toStdString());
    environment.arguments = commandLine.arguments;
    environment.screen = screen.get();
    environment.objects = &objects;
    if (RunStartupSequence(environment) != StartupResult::Started)
        return 1;

    ReportRecoveryCopiesOfLastRun();

    ProgramEnd programEnd(objects, commandLine.script.isEmpty() ? ProgramEnd::Learner::MayStay
                                                                : ProgramEnd::Learner::MustGo);
    auto endProgram = [&programEnd] { programEnd.EndAsked(); };
    TerminationRequests outsideEnd([&programEnd] { programEnd.EndWithoutQuestions(); });

    // The main window and the backdrop (the dictionary window follows when "wb" first shows it);
    // in editor mode the editor is the main window and the backdrop stays hidden.
    ProgramWindows windows(objects, endProgram, dialogMode, openChooser, saveChooser);
    programEnd.SetWindows(&windows);
    QWidget* shown = nullptr;
    if (Settings().editorMode) {
        application.setApplicationName(ToQString("*qor französisch"_cp));
        objects.SetBackdrop(Settings().backdropColour, false);
        objects.EnsureQueryObjects();
        shown = windows.ShowEditor(EditorMode::Standalone, std::nullopt);
        if (!shown)
            return 1;
    } else {
        const bool backdropVisible = IsBackdropVisible(screen->PrimaryScreen());
        objects.SetBackdrop(Settings().backdropColour, backdropVisible);
        if (backdropVisible)
            windows.ShowBackdrop(Settings().backdropColour);
        ResetMainState();
        shown = windows.ShowMainWindow(
            std::nullopt, backdropVisible ? std::optional<Colour>(Settings().backdropColour) : std::nullopt);
        if (!shown)
            return 1;
    }
    QObject::connect(&application, &QApplication::lastWindowClosed, endProgram);

    if (!commandLine.script.isEmpty() && !Settings().editorMode) {
        QTimer::singleShot(0, [&] {
            QtScriptTarget target([&windows] { return windows.CurrentPage(); }, MainPageFolder(Settings()));
            WalkEnvironment walkEnvironment;
            walkEnvironment.pageRoot = MainPageFolder(Settings());
            walkEnvironment.mainPage = [&windows] { return windows.CurrentPage(); };
            walkEnvironment.shownWindow = [&windows] { return windows.ShownWindow(); };
            walkEnvironment.returnToMainWindow = [&windows] { windows.ReturnToMainWindow(); };
            walkEnvironment.loadLibrary = [&objects](const std::string& file) {
                TBibliothek* library = objects.Library();
                return library && library->Load(file, LoadMode::Replace);
            };
            walkEnvironment.messages = &scriptMessages;
            walkEnvironment.files = &scriptFiles;
            walkEnvironment.userDialogs = &scriptDialogs;
            walkEnvironment.webAddresses = &scriptedWebAddresses;
            ProgramWalk walk(std::move(walkEnvironment));
            target.SetWalk(&walk);
            ScriptRunner runner(target, scriptMessages, commandLine.script.toStdString());
            runner.SetUserDialogs(&scriptDialogs);
            runner.SetFileChooser(&scriptFiles);
            const ScriptResult result = runner.Run(std::vector<ScriptStep>(
                scriptSteps.begin() + static_cast<std::ptrdiff_t>(firstStep), scriptSteps.end()));
            if (!result.ok) {
                std::fprintf(stderr, "%s\n", result.failure.c_str());
                programEnd.SetExitCode(1);
            }
            endProgram();
        });
    } else if (!commandLine.screenshot.isEmpty()) {
        QTimer::singleShot(0, [&] {
            if (!shown->grab().save(commandLine.screenshot, "PNG"))
                std::fprintf(stderr, "qor: cannot write %s\n", qPrintable(commandLine.screenshot));
            endProgram();
        });
    } else if (commandLine.exitAfterStart) {
        QTimer::singleShot(0, endProgram);
    }
    const int loopResult = application.exec();
    return programEnd.ExitCode() != 0 ? programEnd.ExitCode() : loopResult;
}
