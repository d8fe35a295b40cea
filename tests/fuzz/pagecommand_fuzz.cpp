// Any command text a page can send goes through the dispatcher without a crash or a hang: the
// subsystems and the page do nothing, every message is answered.
#include "app/CommandContext.h"
#include "app/CommandPage.h"
#include "app/PageCommand.h"
#include "app/SpecialCodes.h"
#include "platform/MessagePresenter.h"
#include "platform/ScriptedMessagePresenter.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

class QuietPage : public qor::CommandPage {
public:
    std::string CurrentFile() const override { return "v_bereich.htx"; }
    void LoadPage(std::string_view) override {}
    void SetPageFolder(std::string_view) override {}
    void Reload() override {}
    void ShowText(std::string_view) override {}
    void SetCondition(std::string_view) override {}
    void ClearCondition(std::string_view) override {}
    bool TestCondition(std::string_view) const override { return false; }
    void SetMacro(std::string_view, std::string_view) override {}
    void SetBackgroundColour(qor::Colour) override {}
    void SetSpecialCharacters(std::string_view) override {}
    void ShowNormalCursor() override {}
    void EnableMouseInput() override {}
};

// Every subsystem answers as an empty one would: nothing selected, nothing loaded, nobody logged
// in, dialogs cancelled.
class QuietServices : public qor::LabService,
                      public qor::VerbService,
                      public qor::LibraryService,
                      public qor::QueryService,
                      public qor::DictionaryService,
                      public qor::UserService,
                      public qor::DialogService,
                      public qor::ToolWindowService,
                      public qor::StyleService,
                      public qor::OptionsService,
                      public qor::BrowserService,
                      public qor::DriveSearchService,
                      public qor::SaveFileService,
                      public qor::ProgramEndService {
public:
    void ShowGerman(qor::Switch) override {}
    void Dictation(qor::Switch) override {}
    void AutoRead(qor::Switch) override {}
    void SetSentenceMacros() override {}
    void DrawNextSentence() override {}
    void ShowThemeList() override {}
    void SelectTheme(int) override {}
    bool Exists() const override { return true; }
    bool HasVerbsAndTensesSelected() override { return false; }
    void StartSeries() override {}
    void NextQuestion() override {}
    void JudgeAnswer(std::string_view) override {}
    void ShowVerbList() override {}
    void ShowConjugationTable(int) override {}
    void LoadStoredSelection() override {}
    void SetSelection(std::string_view, std::string_view) override {}
    void SelectAll() override {}
    bool HasUnsavedChanges() const override { return false; }
    std::string FileName() const override { return {}; }
    void LoadAreaFolder(const std::string&) override {}
    void SaveToFile(const std::string&) override {}
    bool HasEntries() override { return false; }
    int EntryCount() const override { return 0; }
    void SetDirection(int) override {}
    void SetLastIndex(int) override {}
    void PrepareQuery() override {}
    void LoadUserScores() override {}
    void StartQuery() override {}
    void StopWithEvaluation() override {}
    void ContinueAfterAnswer() override {}
    void ContinueAfterEvaluation() override {}
    void Answer(std::string_view) override {}
    void ShowWindow() override {}
    void CloseWindowIfVisible() override {}
    void SearchFromPage() override {}
    void ShowResultPage(int) override {}
    bool IsLoggedIn() const override { return false; }
    std::string Name() const override { return {}; }
    int Figure(qor::UserFigure) const override { return 0; }
    qor::LearningTimeParts LearningTime() const override { return {}; }
    void DrawHistogram(qor::TXBitmap&, qor::Histogram) override {}
    void RecordingSettings() override {}
    void RecordingsManagement() override {}
    void SuperlearningSettings() override {}
    void DataPaths() override {}
    void ChangePassword() override {}
    void Statistics() override {}
    void LogIn() override {}
    void NewUser() override {}
    void ChangeUser() override {}
    void OpenEditor() override {}
    void OpenQuerySettings() override {}
    void OpenVerbSettings() override {}
    void OpenSuperlearningFade() override {}
    bool Create(qor::PresentationStyle) override { return false; }
    void Prepare(qor::PresentationStyle) override {}
    void Run(qor::PresentationStyle) override {}
    void Stop(qor::PresentationStyle) override {}
    void Advance(qor::PresentationStyle) override {}
    void Free(qor::PresentationStyle) override {}
    void EnsureCreated() override {}
    void LoadStyleSettings(int) override {}
    int DisplayKind() const override { return -1; }
    bool Open(std::string_view) override { return false; }
    void Search() override {}
    std::optional<std::string> Ask(const qor::SaveFileRequest&) override { return std::nullopt; }
    void Beenden() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static qor::ScriptedMessagePresenter messages;
    qor::SetMessagePresenter(&messages);
    messages.ClearMessages();
    QuietPage page;
    qor::CommandContext context;
    context.page = &page;
    static QuietServices services;
    context.services = qor::ServicesOf(services);
    const std::string text(reinterpret_cast<const char*>(data), size);
    qor::PageCommand(context, text);
    (void)qor::SpecialCode(context, text);
    return 0;
}
