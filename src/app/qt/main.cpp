// The trainer's main block: start-up checks and settings, then the main window (trainer mode) or
// the vocabulary editor (editor mode, first argument "editor"), and the message loop until the
// program ends.
//
// Options of our own, taken out before the program looks at its arguments:
//   --exit-after-start   end right after the windows are shown (headless start-up tests)
//   --screenshot FILE    save a picture of the main window as PNG once it is shown, then end

#include "app/AppSettings.h"
#include "app/Beenden.h"
#include "app/MainBlock.h"
#include "app/PlaceholderObjects.h"
#include "app/Startup.h"
#include "app/qt/MainWindow.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/WinPath.h"
#include "platform/qt/QtFontService.h"
#include "platform/qt/QtMessagePresenter.h"
#include "platform/qt/QtScreenService.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace qor;

namespace {

struct CommandLine {
    std::vector<std::string> arguments; // Windows-1252, without our own options
    bool exitAfterStart = false;
    QString screenshot;
};

CommandLine ReadCommandLine(const QStringList& all) {
    CommandLine line;
    for (qsizetype i = 1; i < all.size(); ++i) {
        if (all[i] == QStringLiteral("--exit-after-start"))
            line.exitAfterStart = true;
        else if (all[i] == QStringLiteral("--screenshot") && i + 1 < all.size())
            line.screenshot = all[++i];
        else
            line.arguments.push_back(FromQString(all[i]));
    }
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
    QApplication application(argc, argv);
    application.setApplicationName(ToQString("qor französisch"_cp));

    QtMessagePresenter screenMessages;
    if (!InstallScriptedPresenterFromEnvironment())
        SetMessagePresenter(&screenMessages);
    QtFontService::LoadFontFiles();
    QtFontService fonts;
    SetFontService(&fonts);
    SeedRandomFromClock();

    CommandLine commandLine = ReadCommandLine(QCoreApplication::arguments());
    std::unique_ptr<ScreenService> screen = MakeScreenService();
    PlaceholderObjects objects;

    StartupEnvironment environment;
    environment.programFile = ProgramPath(QCoreApplication::applicationFilePath().toStdString());
    environment.arguments = commandLine.arguments;
    environment.screen = screen.get();
    environment.objects = &objects;
    if (RunStartupSequence(environment) != StartupResult::Started)
        return 1;

    // The main window, the backdrop and the dictionary window; in editor mode the editor is the
    // main window and the backdrop stays hidden.
    std::unique_ptr<QWidget> mainWindow;
    std::unique_ptr<PlaceholderWindow> dictionaryWindow = std::make_unique<PlaceholderWindow>(
        ToQString("Wörterbuch"_cp), ToQString("Das Wörterbuch folgt."_cp));
    if (Settings().editorMode) {
        application.setApplicationName(ToQString("*qor französisch"_cp));
        mainWindow = std::make_unique<PlaceholderWindow>(ToQString("Vokabel-Editor"_cp),
                                                         ToQString("Der Vokabel-Editor folgt."_cp));
        objects.SetBackdrop(Settings().backdropColour, false);
    } else {
        auto window = std::make_unique<MainWindow>();
        window->move(0, 0);
        window->ShowPage(WithTrailingSeparator(Settings().pageRoot) + "hqor" + kPathSeparator, "main.htx");
        mainWindow = std::move(window);
        objects.SetBackdrop(Settings().backdropColour, IsBackdropVisible(screen->PrimaryScreen()));
    }

    EndOfProgram end;
    end.objects = &objects;
    end.processPendingMessages = [] { QCoreApplication::processEvents(); };
    bool ended = false;
    auto endProgram = [&] {
        if (ended)
            return;
        ended = true;
        Beenden(end);
        QCoreApplication::quit();
    };
    if (auto* window = dynamic_cast<MainWindow*>(mainWindow.get()))
        window->SetOnClose(endProgram);
    QObject::connect(&application, &QApplication::lastWindowClosed, endProgram);

    mainWindow->show();
    if (!commandLine.screenshot.isEmpty()) {
        QTimer::singleShot(0, [&] {
            if (!mainWindow->grab().save(commandLine.screenshot, "PNG"))
                std::fprintf(stderr, "qor: cannot write %s\n", qPrintable(commandLine.screenshot));
            endProgram();
        });
    } else if (commandLine.exitAfterStart) {
        QTimer::singleShot(0, endProgram);
    }
    return application.exec();
}
