// A new main window: its page's settings, what it shows first, the pending command, the screen
// saver; and the dispatcher's refusal of an incomplete set of services.

#include "app/MainWindowShow.h"

#include "CommandFakes.h"
#include "app/Beenden.h"
#include "app/DebugLog.h"
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

// [Incomplete service sets]

class ServiceSetTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        m_context.page = &m_page;
        m_context.services = ServicesOf(m_services);
        m_context.state = &m_state;
        m_context.settings = &m_settings;
        m_context.registry = &m_registryLog;
    }

    std::vector<std::string> m_calls;
    RecordingPage m_page{m_calls};
    FakeServices m_services{m_calls};
    MainWindowState m_state;
    AppSettings m_settings;
    LoggingRegistry m_registryLog;
    CommandContext m_context;
};

// A window that forgot a subsystem is told so at its first command, not by a crash somewhere later.
TEST_F(ServiceSetTest, ASetWithoutOneServiceIsRefusedByName) {
    using Clear = void (*)(CommandServices&);
    const std::vector<std::pair<const char*, Clear>> cases = {
        {"lab", [](CommandServices& s) { s.lab = nullptr; }},
        {"verbs", [](CommandServices& s) { s.verbs = nullptr; }},
        {"library", [](CommandServices& s) { s.library = nullptr; }},
        {"query", [](CommandServices& s) { s.query = nullptr; }},
        {"dictionary", [](CommandServices& s) { s.dictionary = nullptr; }},
        {"users", [](CommandServices& s) { s.users = nullptr; }},
        {"dialogs", [](CommandServices& s) { s.dialogs = nullptr; }},
        {"toolWindows", [](CommandServices& s) { s.toolWindows = nullptr; }},
        {"styles", [](CommandServices& s) { s.styles = nullptr; }},
        {"options", [](CommandServices& s) { s.options = nullptr; }},
        {"browser", [](CommandServices& s) { s.browser = nullptr; }},
        {"driveSearch", [](CommandServices& s) { s.driveSearch = nullptr; }},
        {"saveFile", [](CommandServices& s) { s.saveFile = nullptr; }},
        {"programEnd", [](CommandServices& s) { s.programEnd = nullptr; }},
    };
    EXPECT_EQ(MissingService(m_context.services), nullptr);
    for (const auto& [name, clear] : cases) {
        SCOPED_TRACE(name);
        CommandContext context = m_context;
        clear(context.services);
        ASSERT_NE(MissingService(context.services), nullptr);
        EXPECT_STREQ(MissingService(context.services), name);
        EXPECT_THROW(PageCommand(context, "wb"), std::invalid_argument);
        EXPECT_THROW((void)SpecialCode(context, "user"), std::invalid_argument);
    }
    EXPECT_TRUE(m_calls.empty());
}

// Whatever a page sends, the dispatcher neither crashes nor throws.
TEST_F(ServiceSetTest, AnyCommandTextIsSafe) {
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
