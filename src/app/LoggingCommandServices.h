#pragma once
// Stands in for the subsystems that do not exist yet: every call writes
// "qor: <what> ist noch nicht verfügbar" to the debug log and answers so that the dispatcher takes
// its quietest path (nothing selected, nothing loaded, nobody logged in, dialogs cancelled).

#include "app/CommandServices.h"

#include <string_view>

namespace qor {

class LoggingCommandServices : public LabService,
                               public VerbService,
                               public LibraryService,
                               public QueryService,
                               public DictionaryService,
                               public UserService,
                               public DialogService,
                               public ToolWindowService,
                               public StyleService,
                               public OptionsService,
                               public BrowserService,
                               public DriveSearchService,
                               public SaveFileService,
                               public ProgramEndService {
public:
    // The process-wide instance that WithStandIns uses.
    static LoggingCommandServices& Instance();

    void ShowGerman(Switch state) override;
    void Dictation(Switch state) override;
    void AutoRead(Switch state) override;
    void SetSentenceMacros() override;
    void DrawNextSentence() override;
    void ShowThemeList() override;
    void SelectTheme(int theme) override;

    // The main window creates the verb trainer before any command can arrive, so the stand-in
    // counts as existing; otherwise no command (not even "end") would get through.
    bool Exists() const override;
    bool HasVerbsAndTensesSelected() override;
    void StartSeries() override;
    void NextQuestion() override;
    void JudgeAnswer(std::string_view code) override;
    void ShowVerbList() override;
    void ShowConjugationTable(int verb) override;
    void LoadStoredSelection() override;
    void SetSelection(std::string_view verbs, std::string_view tenses) override;
    void SelectAll() override;

    bool HasUnsavedChanges() const override;
    std::string FileName() const override;
    void LoadAreaFolder(const std::string& folder) override;
    void SaveToFile(const std::string& file) override;
    bool HasEntries() override;
    int EntryCount() const override;

    void SetDirection(int direction) override;
    void SetLastIndex(int index) override;
    void PrepareQuery() override;
    void LoadUserScores() override;
    void StartQuery() override;
    void StopWithEvaluation() override;
    void ContinueAfterAnswer() override;
    void ContinueAfterEvaluation() override;
    void Answer(std::string_view code) override;

    void ShowWindow() override;
    void CloseWindowIfVisible() override;
    void SearchFromPage() override;
    void ShowResultPage(int page) override;

    bool IsLoggedIn() const override;
    std::string Name() const override;
    int Figure(UserFigure figure) const override;
    LearningTimeParts LearningTime() const override;
    void DrawHistogram(TXBitmap& bitmap, Histogram histogram) override;

    void RecordingSettings() override;
    void RecordingsManagement() override;
    void SuperlearningSettings() override;
    void DataPaths() override;
    void ChangePassword() override;
    void Statistics() override;
    void LogIn() override;
    void NewUser() override;
    void ChangeUser() override;

    void OpenEditor() override;
    void OpenQuerySettings() override;
    void OpenVerbSettings() override;
    void OpenSuperlearningFade() override;

    bool Create(PresentationStyle style) override;
    void Prepare(PresentationStyle style) override;
    void Run(PresentationStyle style) override;
    void Stop(PresentationStyle style) override;
    void Advance(PresentationStyle style) override;
    void Free(PresentationStyle style) override;

    void EnsureCreated() override;
    void LoadStyleSettings(int queryStyle) override;
    // No display kind: the presentation does nothing.
    int DisplayKind() const override;

    bool Open(std::string_view url) override;
    void Search() override;
    std::optional<std::string> Ask(const SaveFileRequest& request) override;
    void Beenden() override;

    // The line written for `what`.
    static std::string LogLine(std::string_view what);
};

} // namespace qor
