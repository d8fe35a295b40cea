#pragma once
// The subsystems that the main window's page commands, special codes and picture codes reach, each
// behind a narrow interface of its own so that the dispatcher can be tested with fakes.
//
// Index:
//   [SECTION] Training: language lab, verb trainer, vocabulary library and query
//   [SECTION] Dictionary and users
//   [SECTION] Windows: dialogs, tool windows, presentation styles and their options
//   [SECTION] Shell: browser, drive search, save-file dialog, end of program
//   [SECTION] The set handed to the dispatcher

#include "app/MainWindowState.h"
#include "page/render/TXBitmap.h"

#include <optional>
#include <string>
#include <string_view>

namespace qor {

enum class Switch { Off, On };

// [SECTION] Training: language lab, verb trainer, vocabulary library and query

class LabService {
public:
    virtual ~LabService() = default;
    virtual void ShowGerman(Switch state) = 0; // "+deutsch" / "-deutsch"
    virtual void Dictation(Switch state) = 0;  // "+diktat" / "-diktat"
    virtual void AutoRead(Switch state) = 0;   // "+autoread" / "-autoread"
    // The page macros of the current sentence; the page stays.
    virtual void SetSentenceMacros() = 0;
    // Draws the next sentence and sets its macros (the caller loads the page).
    virtual void DrawNextSentence() = 0;
    virtual void ShowThemeList() = 0;
    // A different theme forgets the recently drawn sentences and draws a new one; then the macros
    // of the current sentence are set (the caller loads the page).
    virtual void SelectTheme(int theme) = 0;
};

class VerbService {
public:
    virtual ~VerbService() = default;
    // The main window creates the verb trainer; commands arriving before that are dropped.
    virtual bool Exists() const = 0;
    // At least one verb and one tense selected; otherwise the trainer has told the learner which
    // one is missing.
    virtual bool HasVerbsAndTensesSelected() = 0;
    virtual void StartSeries() = 0;
    virtual void NextQuestion() = 0;
    virtual void JudgeAnswer(std::string_view code) = 0;
    virtual void ShowVerbList() = 0;
    virtual void ShowConjugationTable(int verb) = 0;
    virtual void LoadStoredSelection() = 0;
    // "+"/"-" texts, one character per verb and per tense; the trainer pads them.
    virtual void SetSelection(std::string_view verbs, std::string_view tenses) = 0;
    virtual void SelectAll() = 0;
};

class LibraryService {
public:
    virtual ~LibraryService() = default;
    virtual bool HasUnsavedChanges() const = 0;
    // The file the library was loaded from or saved to; empty when it has none.
    virtual std::string FileName() const = 0;
    // Assembles the library from the vocabulary files of `folder`.
    virtual void LoadAreaFolder(const std::string& folder) = 0;
    // Reports its own failures; the library in memory stays as it was.
    virtual void SaveToFile(const std::string& file) = 0;
    // The library's own test before a query: when it holds nothing the learner is told
    // "Noch keine Bibliothek geladen! Was soll ich abfragen???!".
    virtual bool HasEntries() = 0;
    virtual int EntryCount() const = 0;
};

class QueryService {
public:
    virtual ~QueryService() = default;
    // The choice of "s1".."s4" (0..3) for the query settings.
    virtual void SetDirection(int direction) = 0;
    virtual void SetLastIndex(int index) = 0;
    virtual void PrepareQuery() = 0;
    virtual void LoadUserScores() = 0;
    // Starts with the settings' mode.
    virtual void StartQuery() = 0;
    virtual void StopWithEvaluation() = 0;      // "vocaus"
    virtual void ContinueAfterAnswer() = 0;     // "vokabelweiter"
    virtual void ContinueAfterEvaluation() = 0; // "vcontinue"
    virtual void Answer(std::string_view code) = 0;
};

// [SECTION] Dictionary and users

class DictionaryService {
public:
    virtual ~DictionaryService() = default;
    // Shows the dictionary window, creating it when needed.
    virtual void ShowWindow() = 0;
    virtual void CloseWindowIfVisible() = 0;
    virtual void SearchFromPage() = 0;
    // Result pages are counted from 1, twelve results each.
    virtual void ShowResultPage(int page) = 0;
};

// The statistics figures of the logged-in user, as the special codes name them.
enum class UserFigure {
    AverageAbsolute,     // "perfa"
    AverageRelative,     // "perfr"
    AverageGerman,       // "perfd": records asked German to French ("<")
    AverageForeign,      // "perff": records asked French to German (">")
    Records,             // "nr"
    ShareTyping,         // "pe", percent
    ShareMultipleChoice, // "pm"
    ShareVegas,          // "pv"
    GermanRecords,       // "nrd"
    ForeignRecords,      // "nrf"
};

// Times as fractions of a day, like the user database keeps them.
struct LearningTimeParts {
    double logInTime = 0;   // time of day of the log-in
    double accumulated = 0; // learning time before this log-in; may exceed a day
};

enum class Histogram { Absolute = 0, Relative = 1, German = 2, Foreign = 3 };

class UserService {
public:
    virtual ~UserService() = default;
    virtual bool IsLoggedIn() const = 0;
    virtual std::string Name() const = 0;
    virtual int Figure(UserFigure figure) const = 0;
    virtual LearningTimeParts LearningTime() const = 0;
    virtual void DrawHistogram(TXBitmap& bitmap, Histogram histogram) = 0;
};

// [SECTION] Windows: dialogs, tool windows, presentation styles and their options

// Modal dialogs and the user database's own dialog sequences.
class DialogService {
public:
    virtual ~DialogService() = default;
    virtual void RecordingSettings() = 0;
    virtual void RecordingsManagement() = 0;
    // The dispatcher has created the superlearning options before.
    virtual void SuperlearningSettings() = 0;
    virtual void DataPaths() = 0;
    virtual void ChangePassword() = 0;
    virtual void Statistics() = 0;
    virtual void LogIn() = 0;
    virtual void NewUser() = 0;
    virtual void ChangeUser() = 0;
};

// Windows that take the main window's place: each is created at its position, and the main
// window is released; they create a new main window when they close.
class ToolWindowService {
public:
    virtual ~ToolWindowService() = default;
    virtual void OpenEditor() = 0;
    virtual void OpenQuerySettings() = 0;
    virtual void OpenVerbSettings() = 0;
    // Remembers the main window's position first.
    virtual void OpenSuperlearningFade() = 0;
};

// The full-window presentations drawn on the main page's canvas.
class StyleService {
public:
    virtual ~StyleService() = default;
    // Creates the style; the techno style answers whether it found any pictures, the others
    // always can run.
    virtual bool Create(PresentationStyle style) = 0;
    // The techno style prepares its pictures while the page shows "Loading...".
    virtual void Prepare(PresentationStyle style) = 0;
    // Runs until the style ends; pending messages are processed meanwhile.
    virtual void Run(PresentationStyle style) = 0;
    virtual void Stop(PresentationStyle style) = 0;
    // The learner's reaction in the game (a click on the page, the space key).
    virtual void Advance(PresentationStyle style) = 0;
    virtual void Free(PresentationStyle style) = 0;
};

// The superlearning options' display kinds.
enum SuperlearningDisplay : int {
    kDisplayFadeClassic = 0,
    kDisplayFadeTwisted = 1,
    kDisplayTechno = 2,
    kDisplaySeventies = 3,
    kDisplayVegas = 4,
};

class OptionsService {
public:
    virtual ~OptionsService() = default;
    virtual void EnsureCreated() = 0;
    virtual void LoadStyleSettings(int queryStyle) = 0;
    virtual int DisplayKind() const = 0;
};

// [SECTION] Shell: browser, drive search, save-file dialog, end of program

class BrowserService {
public:
    virtual ~BrowserService() = default;
    // Opens `url` in the system browser; false when that failed.
    virtual bool Open(std::string_view url) = 0;
};

class DriveSearchService {
public:
    virtual ~DriveSearchService() = default;
    // The search for the data medium; it updates the wave folder of the settings.
    virtual void Search() = 0;
};

struct SaveFileRequest {
    std::string initialFolder; // empty: the dialog's own choice
    std::string filter;        // "Beschreibung|*.ext" pairs
    std::string fileName;
};

class SaveFileService {
public:
    virtual ~SaveFileService() = default;
    // The chosen file (a program path), or nothing when the learner cancelled.
    virtual std::optional<std::string> Ask(const SaveFileRequest& request) = 0;
};

class ProgramEndService {
public:
    virtual ~ProgramEndService() = default;
    virtual void Beenden() = 0;
};

// [SECTION] The set handed to the dispatcher

// Not owned. The dispatcher refuses a set with an empty entry.
struct CommandServices {
    LabService* lab = nullptr;
    VerbService* verbs = nullptr;
    LibraryService* library = nullptr;
    QueryService* query = nullptr;
    DictionaryService* dictionary = nullptr;
    UserService* users = nullptr;
    DialogService* dialogs = nullptr;
    ToolWindowService* toolWindows = nullptr;
    StyleService* styles = nullptr;
    OptionsService* options = nullptr;
    BrowserService* browser = nullptr;
    DriveSearchService* driveSearch = nullptr;
    SaveFileService* saveFile = nullptr;
    ProgramEndService* programEnd = nullptr;
};

// Every service of one object that implements them all (a test fake).
template <class AllServices> CommandServices ServicesOf(AllServices& all) {
    CommandServices services;
    services.lab = &all;
    services.verbs = &all;
    services.library = &all;
    services.query = &all;
    services.dictionary = &all;
    services.users = &all;
    services.dialogs = &all;
    services.toolWindows = &all;
    services.styles = &all;
    services.options = &all;
    services.browser = &all;
    services.driveSearch = &all;
    services.saveFile = &all;
    services.programEnd = &all;
    return services;
}

// The first service that `services` lacks ("lab", "verbs", ...), or nullptr when it has them all.
const char* MissingService(const CommandServices& services);

} // namespace qor
