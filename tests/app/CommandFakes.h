#pragma once
// Fakes for the main window's dispatcher: a page and a set of services that write every call they
// get as one line into a shared list, so a test can compare the whole sequence at once.

#include "AppTestSupport.h"
#include "app/CommandContext.h"
#include "app/MainWindowState.h"
#include "app/PageCommand.h"

#include <functional>
#include <map>
#include <set>

namespace qor::test {

inline std::string StyleWord(PresentationStyle style) {
    switch (style) {
    case PresentationStyle::Techno:
        return "techno";
    case PresentationStyle::Seventies:
        return "seventies";
    case PresentationStyle::Bingo:
        return "bingo";
    }
    return "?";
}

class RecordingPage : public CommandPage {
public:
    explicit RecordingPage(std::vector<std::string>& calls) : m_calls(calls) {}

    std::string CurrentFile() const override { return currentFile; }
    void LoadPage(std::string_view file) override { Record("page.load " + std::string(file)); }
    void SetPageFolder(std::string_view folder) override { Record("page.folder " + std::string(folder)); }
    void Reload() override { Record("page.reload"); }
    void ShowText(std::string_view markup) override { Record("page.text " + std::string(markup)); }
    void SetCondition(std::string_view name) override {
        conditions.insert(std::string(name));
        Record("page.condition+ " + std::string(name));
    }
    void ClearCondition(std::string_view name) override {
        conditions.erase(std::string(name));
        Record("page.condition- " + std::string(name));
    }
    bool TestCondition(std::string_view name) const override {
        return conditions.count(std::string(name)) > 0;
    }
    void SetMacro(std::string_view name, std::string_view value) override {
        Record("page.macro " + std::string(name) + "=" + std::string(value));
    }
    void SetBackgroundColour(Colour colour) override { Record("page.background " + std::to_string(colour)); }
    void SetSpecialCharacters(std::string_view characters) override {
        Record("page.special " + std::string(characters));
    }
    void ShowNormalCursor() override { Record("page.cursor"); }
    void EnableMouseInput() override { Record("page.mouse"); }

    std::string currentFile = "main.htx";
    std::set<std::string> conditions;

private:
    void Record(std::string call) { m_calls.push_back(std::move(call)); }
    std::vector<std::string>& m_calls;
};

// Questions (is anybody logged in, how many entries) are answered from the public fields and not
// recorded; everything that acts, or tells the learner something, is.
class FakeServices : public LabService,
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
    explicit FakeServices(std::vector<std::string>& calls) : m_calls(calls) {}

    void ShowGerman(Switch state) override { Record("lab.german " + OnOff(state)); }
    void Dictation(Switch state) override { Record("lab.dictation " + OnOff(state)); }
    void AutoRead(Switch state) override { Record("lab.autoread " + OnOff(state)); }
    void SetSentenceMacros() override { Record("lab.macros"); }
    void DrawNextSentence() override { Record("lab.next"); }
    void ShowThemeList() override { Record("lab.themes"); }
    void SelectTheme(int theme) override { Record("lab.theme " + std::to_string(theme)); }

    bool Exists() const override { return verbTrainerExists; }
    bool HasVerbsAndTensesSelected() override {
        Record("verbs.check");
        return verbsSelected;
    }
    void StartSeries() override { Record("verbs.start"); }
    void NextQuestion() override { Record("verbs.next"); }
    void JudgeAnswer(std::string_view code) override { Record("verbs.judge " + std::string(code)); }
    void ShowVerbList() override { Record("verbs.list"); }
    void ShowConjugationTable(int verb) override { Record("verbs.table " + std::to_string(verb)); }
    void LoadStoredSelection() override { Record("verbs.stored"); }
    void SetSelection(std::string_view verbs, std::string_view tenses) override {
        Record("verbs.select " + std::string(verbs) + " " + std::string(tenses));
    }
    void SelectAll() override { Record("verbs.all"); }

    bool HasUnsavedChanges() const override { return unsavedChanges; }
    std::string FileName() const override { return libraryFile; }
    void LoadAreaFolder(const std::string& folder) override { Record("library.load " + folder); }
    void SaveToFile(const std::string& file) override { Record("library.save " + file); }
    bool HasEntries() override {
        Record("library.check");
        return entries > 0;
    }
    int EntryCount() const override { return entries; }

    void SetDirection(int direction) override { Record("query.direction " + std::to_string(direction)); }
    void SetLastIndex(int index) override { Record("query.last " + std::to_string(index)); }
    void PrepareQuery() override { Record("query.prepare"); }
    void LoadUserScores() override { Record("query.scores"); }
    void StartQuery() override { Record("query.start"); }
    void StopWithEvaluation() override { Record("query.stop"); }
    void ContinueAfterAnswer() override { Record("query.continue"); }
    void ContinueAfterEvaluation() override { Record("query.nextround"); }
    void Answer(std::string_view code) override { Record("query.answer " + std::string(code)); }

    void ShowWindow() override { Record("dict.show"); }
    void CloseWindowIfVisible() override { Record("dict.close"); }
    void SearchFromPage() override { Record("dict.search"); }
    void ShowResultPage(int page) override { Record("dict.results " + std::to_string(page)); }

    bool IsLoggedIn() const override { return loggedIn; }
    std::string Name() const override { return userName; }
    int Figure(UserFigure figure) const override {
        auto it = figures.find(figure);
        return it == figures.end() ? 0 : it->second;
    }
    LearningTimeParts LearningTime() const override { return learningTime; }
    void DrawHistogram(TXBitmap& bitmap, Histogram histogram) override {
        Record("users.histogram " + std::to_string(static_cast<int>(histogram)));
        bitmap.Fill(MakeColour(255, 0, 0), ColourOrder::BlueHigh);
    }

    void RecordingSettings() override { Record("dialog.recsetup"); }
    void RecordingsManagement() override { Record("dialog.wavebase"); }
    void SuperlearningSettings() override { Record("dialog.superopts"); }
    void DataPaths() override { Record("dialog.paths"); }
    void ChangePassword() override { Record("dialog.chpw"); }
    void Statistics() override { Record("dialog.stats"); }
    void LogIn() override {
        Record("dialog.login");
        if (onLogIn)
            onLogIn();
    }
    void NewUser() override { Record("dialog.newusr"); }
    void ChangeUser() override { Record("dialog.chusr"); }

    void OpenEditor() override {
        Record("window.editor");
        if (onToolWindow)
            onToolWindow();
    }
    void OpenQuerySettings() override { Record("window.vocein"); }
    void OpenVerbSettings() override { Record("window.verbs"); }
    void OpenSuperlearningFade() override { Record("window.fade"); }

    bool Create(PresentationStyle style) override {
        Record("style.create " + StyleWord(style));
        return style != PresentationStyle::Techno || technoPictures;
    }
    void Prepare(PresentationStyle style) override { Record("style.prepare " + StyleWord(style)); }
    void Run(PresentationStyle style) override {
        Record("style.run " + StyleWord(style));
        if (onRun)
            onRun(style);
    }
    void Stop(PresentationStyle style) override {
        Record("style.stop " + StyleWord(style));
        if (failStop)
            throw std::runtime_error("the style is gone");
    }
    void Advance(PresentationStyle style) override { Record("style.advance " + StyleWord(style)); }
    void Free(PresentationStyle style) override { Record("style.free " + StyleWord(style)); }

    void EnsureCreated() override { Record("options.create"); }
    void LoadStyleSettings(int queryStyle) override { Record("options.load " + std::to_string(queryStyle)); }
    int DisplayKind() const override { return displayKind; }

    bool Open(std::string_view url) override {
        Record("browser " + std::string(url));
        return true;
    }
    void Search() override {
        Record("drive.search");
        if (onDriveSearch)
            onDriveSearch();
    }
    std::optional<std::string> Ask(const SaveFileRequest& request) override {
        Record("save.ask " + request.initialFolder + "|" + request.filter + "|" + request.fileName);
        return savedAs;
    }
    void Beenden() override { Record("end"); }

    bool verbTrainerExists = true;
    bool verbsSelected = true;
    bool unsavedChanges = false;
    std::string libraryFile;
    int entries = 42;
    bool loggedIn = false;
    std::string userName = "Anna";
    std::map<UserFigure, int> figures;
    LearningTimeParts learningTime;
    bool technoPictures = true;
    int displayKind = -1;
    bool failStop = false;
    std::optional<std::string> savedAs;
    std::function<void()> onLogIn;
    std::function<void()> onToolWindow;
    std::function<void()> onDriveSearch;
    std::function<void(PresentationStyle)> onRun;

private:
    static std::string OnOff(Switch state) { return state == Switch::On ? "on" : "off"; }
    void Record(std::string call) { m_calls.push_back(std::move(call)); }
    std::vector<std::string>& m_calls;
};

// A page, the services, state and settings of their own, wired into one context.
class CommandTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        m_settings.vocabularyRoot = Folder("prog/Vokabeln (F)");
        m_settings.vocabularyFolder = m_settings.vocabularyRoot;
        m_context.page = &m_page;
        m_context.services = ServicesOf(m_services);
        m_context.state = &m_state;
        m_context.settings = &m_settings;
        m_context.registry = &m_registryLog;
        m_context.processMessages = [this] { ++m_processed; };
    }

    // The calls of one PageCommand.
    std::vector<std::string> Run(std::string_view text) {
        m_calls.clear();
        PageCommand(m_context, text);
        return m_calls;
    }

    std::vector<std::string> m_calls;
    RecordingPage m_page{m_calls};
    FakeServices m_services{m_calls};
    MainWindowState m_state;
    AppSettings m_settings;
    LoggingRegistry m_registryLog;
    CommandContext m_context;
    int m_processed = 0;
};

} // namespace qor::test
