// A new main window: its page's settings, what it shows first, the pending command, the screen
// saver; and the stand-ins that answer for the subsystems still missing.

#include "app/MainWindowShow.h"

#include "CommandFakes.h"
#include "app/Beenden.h"
#include "app/DebugLog.h"
#include "app/LoggingCommandServices.h"
#include "app/ProgramObjects.h"
#include "app/ShellCommandServices.h"
#include "app/SpecialCodes.h"

#include <random>

namespace qor::test {
namespace {

using Calls = std::vector<std::string>;

const std::string kSpecial = "page.special " + std::string("â;ê;î;ï;ô;û;ç;œ;-;Â;Ê;Î;Ô;Œ;Û;Ç"_cp);

TEST_F(CommandTest, TheNewMainPage) {
    struct Case {
        const char* name;
        std::string waveFolder;
        bool loggedIn;
        Calls expected;
    };
    const std::vector<Case> cases = {
        {"no medium, nobody", "", false, {kSpecial, "page.condition+ f"}},
        {"medium", "/media/cd/wave/", false, {kSpecial, "page.condition+ f", "page.condition+ cdrom"}},
        {"user", "", true, {kSpecial, "page.condition+ f", "page.condition+ login"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_calls.clear();
        m_settings.waveFolder = c.waveFolder;
        m_services.loggedIn = c.loggedIn;
        m_state.currentVerb = 5;
        m_state.bingoRunning = true;
        m_state.screenSaverBlocked = true;
        m_state.vocabularyArea = "Pool\\";
        SetUpMainPage(m_context);
        EXPECT_EQ(m_calls, c.expected);
        EXPECT_EQ(m_state.currentVerb, 0);
        EXPECT_FALSE(m_state.bingoRunning);
        EXPECT_FALSE(m_state.screenSaverBlocked);
        EXPECT_EQ(m_state.vocabularyArea, "Pool\\"); // the learner's choices outlive the window
    }
}

class ShowingTest : public CommandTest {
protected:
    void SetUp() override {
        CommandTest::SetUp();
        m_settings.pageRoot = Folder("prog");
        m_folder = m_settings.pageRoot + "hqor" + kPathSeparator;
    }
    void InstallMainPage() { File("prog/hqor/main.htx", "<html>"); }

    std::string m_folder;
};

TEST_F(ShowingTest, WhatANewMainWindowShowsFirst) {
    InstallMainPage();
    struct Case {
        const char* name;
        std::string pending;
        std::string returnPage;
        std::optional<Colour> backdrop;
        ShowAction action;
        std::string page;
        std::optional<Colour> background;
    };
    const std::vector<Case> cases = {
        {"the main page", "", "", std::nullopt, ShowAction::LoadPage, m_folder + "main.htx", std::nullopt},
        {"the return page", "", "verben.htx", 255, ShowAction::LoadPage, m_folder + "verben.htx",
         std::nullopt},
        {"a pending command before the return page", "verb", "verben.htx", std::nullopt,
         ShowAction::RunPendingCommand, "", std::nullopt},
        {"a pending command on the backdrop's colour", "super", "", 12632256, ShowAction::RunPendingCommand,
         "", 12632256},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_state.pendingCommand = c.pending;
        m_state.returnPage = c.returnPage;
        ShowPlan plan = PlanShowing(m_context, c.backdrop);
        EXPECT_EQ(plan.action, c.action);
        EXPECT_EQ(plan.page, c.page);
        EXPECT_EQ(plan.background, c.background);
        // The return page is used up by loading it; the pending command only when it runs.
        EXPECT_EQ(m_state.returnPage, c.action == ShowAction::LoadPage ? "" : c.returnPage);
        EXPECT_EQ(m_state.pendingCommand, c.pending);
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ShowingTest, AMissingMainPageIsAskedForUntilItAppearsOrTheLearnerCancels) {
    const std::string question =
        std::string("Eine Datei konnte nicht gefunden werden!\nBitte überprüfen Sie, "
                    "ob die CD-ROM eingelegt ist!"_cp);
    // Retry twice; the medium is inserted while the second answer's messages are processed.
    m_presenter.AddAnswer(kIdRetry);
    m_presenter.AddAnswer(kIdRetry);
    m_context.processMessages = [this] {
        if (++m_processed == 2)
            InstallMainPage();
    };
    ShowPlan plan = PlanShowing(m_context, std::nullopt);
    EXPECT_EQ(plan.action, ShowAction::LoadPage);
    EXPECT_EQ(plan.page, m_folder + "main.htx");
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[0].text, question);
    EXPECT_EQ(Messages()[0].flags, kMbIconError | kMbRetryCancel);

    fs::remove(m_root / "prog" / "hqor" / "main.htx");
    m_presenter.ClearMessages();
    m_presenter.AddAnswer(kIdCancel);
    m_state.returnPage = "verben.htx";
    EXPECT_EQ(PlanShowing(m_context, std::nullopt).action, ShowAction::Close);
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_EQ(m_state.returnPage, "verben.htx");
}

TEST_F(ShowingTest, ThePendingCommandRunsOnceInThePageFolder) {
    m_state.pendingCommand = "WB,editor";
    // The editor hands over a command for the main window it will create later.
    m_services.onToolWindow = [this] { m_state.pendingCommand = "vabfrage"; };
    RunPendingCommand(m_context);
    EXPECT_EQ(m_calls, (Calls{"page.folder " + m_folder, "dict.show", "dict.close", "window.editor"}));
    EXPECT_EQ(m_state.pendingCommand, "vabfrage");
}

TEST(MainWindowStateTest, TheScreenSaverIsHeldOffOnlyWhileBlocked) {
    struct Case {
        bool blocked;
        int command;
        bool swallowed;
    };
    const std::vector<Case> cases = {
        {true, 0xF140, true},   {true, 0xF142, true},  {true, 0xF060, false},
        {false, 0xF140, false}, {true, 0xF170, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.command << (c.blocked ? " blocked" : " free"));
        MainWindowState state;
        state.screenSaverBlocked = c.blocked;
        EXPECT_EQ(SwallowsSystemCommand(state, c.command), c.swallowed);
    }
}

TEST(MainWindowStateTest, OnlyAScreenOfExactly800PixelsLeavesThePlaceToTheSystem) {
    const std::vector<std::pair<int, WindowPlacement>> cases = {
        {800, WindowPlacement::SystemDefault},
        {801, WindowPlacement::Centred},
        {1920, WindowPlacement::Centred},
        {640, WindowPlacement::Centred},
    };
    for (const auto& [width, placement] : cases) {
        SCOPED_TRACE(width);
        EXPECT_EQ(MainWindowPlacement(width), placement);
    }
}

TEST(MainWindowStateTest, OneProcessWideState) {
    MainState().queryStyle = kPlainQueryStyle;
    MainState().SetRunning(PresentationStyle::Seventies, true);
    EXPECT_TRUE(MainState().seventiesRunning);
    ResetMainState();
    EXPECT_EQ(MainState().queryStyle, kClassicStyle);
    EXPECT_FALSE(MainState().Running(PresentationStyle::Seventies));
}

// [Stand-ins]

class StandInTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        ClearDebugLog();
        m_context.page = &m_page;
        m_context.state = &m_state;
        m_context.settings = &m_settings;
        m_context.registry = &m_registryLog;
    }

    static bool IsStandInLine(const std::string& line) {
        return line.starts_with("qor: ") && line.ends_with(std::string(" ist noch nicht verfügbar"_cp));
    }

    std::vector<std::string> m_calls;
    RecordingPage m_page{m_calls};
    MainWindowState m_state;
    AppSettings m_settings;
    LoggingRegistry m_registryLog;
    CommandContext m_context;
};

TEST_F(StandInTest, EveryMissingServiceSaysSoAndTheQuietestPathIsTaken) {
    struct Case {
        const char* text;
        Calls page;        // what the page still gets
        std::size_t lines; // stand-in lines after the verb trainer's own
    };
    const std::vector<Case> cases = {
        {"wb", {}, 1},
        {"verb", {}, 2},     // nothing selected: the selection window
        {"vabfrage", {}, 2}, // no entries: the query settings window
        {"super", {}, 1},    // no entries: nothing
        {"login", {"page.condition- login", "page.reload"}, 2},
        {"chpw", {}, 1}, // nobody logged in
        {"lab+",
         {"page.macro LabErgebnis=" + std::string("Sehr schön!"_cp), "page.load laborergebnis.htx"},
         0},
        {"go", {}, 6}, // changes, load, direction, count, last index, entries
        {"end", {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ClearDebugLog();
        m_calls.clear();
        PageCommand(m_context, c.text);
        EXPECT_EQ(m_calls, c.page);
        std::vector<std::string> lines = RecentDebugLog();
        ASSERT_EQ(lines.size(), c.lines + 1);
        EXPECT_EQ(lines[0], std::string("qor: Verbtrainer ist noch nicht verfügbar"_cp));
        for (const std::string& line : lines)
            EXPECT_TRUE(IsStandInLine(line)) << line;
    }
    EXPECT_EQ(SpecialCode(m_context, "user"), "");
}

TEST_F(StandInTest, OnlyTheMissingServicesAreFilledIn) {
    std::vector<std::string> calls;
    FakeServices fake(calls);
    CommandServices services;
    services.dictionary = &fake;
    CommandServices filled = WithStandIns(services);
    EXPECT_EQ(filled.dictionary, static_cast<DictionaryService*>(&fake));
    EXPECT_EQ(filled.lab, static_cast<LabService*>(&LoggingCommandServices::Instance()));
    EXPECT_EQ(filled.programEnd, static_cast<ProgramEndService*>(&LoggingCommandServices::Instance()));

    m_context.services = services;
    PageCommand(m_context, "wb,+diktat");
    EXPECT_EQ(calls, Calls{"dict.show"});
    EXPECT_EQ(RecentDebugLog().back(),
              std::string("qor: Sprachlabor: Diktat an ist noch nicht verfügbar"_cp));
}

// Whatever a page sends, the stand-ins neither crash nor throw.
TEST_F(StandInTest, AnyCommandTextIsSafe) {
    const std::vector<std::string> pieces = {
        "go",
        "super",
        "vegas",
        "stop",
        "lab+",
        "thema",
        "thema1",
        "sr",
        "sr-1",
        "showverb 3",
        "sm",
        "sm100",
        "verb",
        "vokabel",
        "vt4",
        "www.",
        "http://",
        "seekcd",
        "end",
        "#",
        ",",
        "",
        "login",
        "editor",
        std::string("\xC4\xD6\xDC"),
        std::string("\0", 1),
        "LAB-",
        "s3",
        "abfrage",
    };
    std::mt19937 random(1234);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(1, 6);
    for (int round = 0; round < 500; ++round) {
        std::string text;
        for (int i = length(random); i > 0; --i)
            text += pieces[pick(random)] + (i > 1 ? "," : "");
        SCOPED_TRACE(text);
        ASSERT_NO_THROW(PageCommand(m_context, text));
    }
    EXPECT_LE(RecentDebugLog().size(), kKeptDebugLines);
}

TEST(DebugLogTest, KeepsTheNewestLines) {
    ClearDebugLog();
    for (std::size_t i = 0; i < kKeptDebugLines + 5; ++i)
        DebugLog("Zeile " + std::to_string(i));
    std::vector<std::string> lines = RecentDebugLog();
    ASSERT_EQ(lines.size(), kKeptDebugLines);
    EXPECT_EQ(lines.front(), "Zeile 5");
    EXPECT_EQ(lines.back(), "Zeile " + std::to_string(kKeptDebugLines + 4));
}

TEST_F(AppTest, TheEndOfProgramRunsOnce) {
    ProgramObjects objects;
    objects.CreateVocabularyLibrary();
    LoggingRegistry registry;
    int quits = 0;
    EndOfProgramService end(EndOfProgram{&objects, &registry, {}, ApplicationState::Running},
                            [&quits] { ++quits; });
    end.Beenden();
    end.Beenden();
    EXPECT_TRUE(end.Ended());
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(std::count(objects.Calls().begin(), objects.Calls().end(), "FreeVocabularyLibrary"), 1);
}

} // namespace
} // namespace qor::test
