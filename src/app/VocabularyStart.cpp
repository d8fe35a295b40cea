// The commands that start a vocabulary training: "go" (area, direction and style chosen on the
// pages), the plain query, and the presentation styles that take over the page.

#include "app/FolderSettings.h"
#include "app/PageCommand.h"
#include "app/PageCommandRun.h"
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/WinPath.h"

#include <algorithm>

namespace qor {

namespace {

// The area page leads to the difficulty page first when the plain query was chosen.
constexpr std::string_view kAreaPage = "v_bereich.htx";
constexpr std::string_view kDifficultyPage = "v_schwer.htx";

std::string WithForwardSlashes(std::string_view path) {
    std::string result(path);
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

bool SameFolder(std::string_view a, std::string_view b) {
    return WithForwardSlashes(WithTrailingSeparator(a)) == WithForwardSlashes(WithTrailingSeparator(b));
}

void SaveLibraryBeforeLoading(CommandRun& run) {
    LibraryService& library = *run.services.library;
    SaveFileRequest request;
    request.initialFolder = run.settings.vocabularyFolder;
    request.filter = std::string(kLibraryFilter);
    request.fileName = library.FileName();
    if (request.fileName.empty())
        request.fileName = std::string(kUnnamedLibrary);
    std::optional<std::string> chosen = run.services.saveFile->Ask(request);
    if (!chosen)
        return;
    std::string folder = FolderPart(*chosen);
    if (!folder.empty() && !SameFolder(folder, run.settings.vocabularyFolder)) {
        run.settings.vocabularyFolder = folder;
        SaveFolderSettings(kSaveVocabularyFolder, run.settings, run.Registry());
    }
    library.SaveToFile(*chosen);
}

void OpenQuerySettingsInstead(CommandRun& run) {
    run.state.returnPage.clear();
    run.services.toolWindows->OpenQuerySettings();
}

void LoadReturnPage(CommandRun& run) {
    std::string page = std::move(run.state.returnPage);
    run.state.returnPage.clear();
    run.page->LoadPage(page);
}

// Marks the style as running from its creation until it is freed, and lets the screen saver
// start again however the run ends.
class RunningStyle {
public:
    RunningStyle(CommandRun& run, PresentationStyle style) : m_run(run), m_style(style) {
        m_run.state.SetRunning(m_style, true);
    }
    RunningStyle(const RunningStyle&) = delete;
    RunningStyle& operator=(const RunningStyle&) = delete;
    ~RunningStyle() {
        m_run.state.screenSaverBlocked = false;
        m_run.state.SetRunning(m_style, false);
    }

    void RunFullScreen() {
        m_run.state.screenSaverBlocked = true;
        m_run.services.styles->Run(m_style);
        m_run.state.screenSaverBlocked = false;
    }

private:
    CommandRun& m_run;
    PresentationStyle m_style;
};

void RunTechno(CommandRun& run) {
    StyleService& styles = *run.services.styles;
    {
        RunningStyle running(run, PresentationStyle::Techno);
        if (styles.Create(PresentationStyle::Techno)) {
            run.page->ShowText(TechnoLoadingMarkup());
            styles.Prepare(PresentationStyle::Techno);
            run.page->ShowNormalCursor();
            run.page->EnableMouseInput();
            running.RunFullScreen();
        } else {
            ShowAppMessage(NoTechnoPicturesMessage(), kMbIconExclamation);
        }
        styles.Free(PresentationStyle::Techno);
    }
    LoadReturnPage(run);
}

void RunSeventies(CommandRun& run) {
    StyleService& styles = *run.services.styles;
    {
        RunningStyle running(run, PresentationStyle::Seventies);
        styles.Create(PresentationStyle::Seventies);
        run.page->ShowNormalCursor();
        run.page->EnableMouseInput();
        running.RunFullScreen();
        styles.Free(PresentationStyle::Seventies);
    }
    LoadReturnPage(run);
}

} // namespace

std::string LibrarySaveQuestion() {
    return std::string("Die aktuelle Bibliothek wurde verändert.\rSollen die Veränderungen jetzt gespeichert "
                       "werden?\r\r[Die Veränderungen sonst verloren]"_cp);
}

std::string TechnoLoadingMarkup() {
    return std::string("<body bgcolor=#0 text=#ffffff link=#ffffff><box coords=200,260,400 align=m>"
                       "<font face=\"verdana, arial\" size=2><b>Loading...</b><onclick href=\"§stop\">"_cp);
}

std::string NoTechnoPicturesMessage() {
    return std::string("Keine Bilder für Techno gefunden!"_cp);
}

CommandFlow StartVocabularyTraining(CommandRun& run) {
    if (run.page->CurrentFile() == kAreaPage && run.state.queryStyle == kPlainQueryStyle) {
        run.page->LoadPage(kDifficultyPage);
        return CommandFlow::Continue;
    }
    LibraryService& library = *run.services.library;
    if (library.HasUnsavedChanges()) {
        int answer = ShowAppMessage(LibrarySaveQuestion(), kMbIconQuestion | kMbYesNoCancel);
        if (answer == kIdCancel)
            return CommandFlow::EndLoop;
        if (answer == kIdYes)
            SaveLibraryBeforeLoading(run);
    }
    library.LoadAreaFolder(run.settings.vocabularyRoot + run.state.vocabularyArea);
    run.services.query->SetDirection(run.state.queryDirection);
    run.services.query->SetLastIndex(library.EntryCount() - 1);
    if (run.state.queryStyle == kPlainQueryStyle)
        StartPlainQuery(run);
    else
        StartPresentationStyle(run);
    return CommandFlow::Continue;
}

void StartPlainQuery(CommandRun& run) {
    if (!run.services.library->HasEntries()) {
        OpenQuerySettingsInstead(run);
        return;
    }
    QueryService& query = *run.services.query;
    query.PrepareQuery();
    if (run.services.users->IsLoggedIn())
        query.LoadUserScores();
    query.StartQuery();
}

void StartPresentationStyle(CommandRun& run) {
    run.ProcessMessages();
    if (!run.services.library->HasEntries())
        return;
    OptionsService& options = *run.services.options;
    options.EnsureCreated();
    run.state.returnPage = "vokabeln.htx";
    options.LoadStyleSettings(run.state.queryStyle);
    switch (options.DisplayKind()) {
    case kDisplayFadeClassic:
    case kDisplayFadeTwisted:
        run.services.toolWindows->OpenSuperlearningFade();
        run.ProcessMessages();
        break;
    case kDisplayTechno:
        RunTechno(run);
        break;
    case kDisplaySeventies:
        RunSeventies(run);
        break;
    case kDisplayVegas:
        run.page->LoadPage("vegas\\intro.htx");
        break;
    default:
        break;
    }
}

void RunBingo(CommandRun& run) {
    StyleService& styles = *run.services.styles;
    RunningStyle running(run, PresentationStyle::Bingo);
    styles.Create(PresentationStyle::Bingo);
    run.page->EnableMouseInput();
    running.RunFullScreen();
    styles.Free(PresentationStyle::Bingo);
}

void StopRunningStyle(CommandRun& run) {
    for (PresentationStyle style :
         {PresentationStyle::Techno, PresentationStyle::Seventies, PresentationStyle::Bingo}) {
        if (run.state.Running(style)) {
            run.services.styles->Stop(style);
            return;
        }
    }
}

} // namespace qor
