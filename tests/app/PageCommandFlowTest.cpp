// The command loop and the commands that run in several steps: "go" with its save question, the
// plain query, the presentation styles, and the numbers a page can get wrong.

#include "CommandFakes.h"
#include "app/CommandNumber.h"
#include "app/SettingsKeys.h"

namespace qor::test {
namespace {

using Calls = std::vector<std::string>;

TEST_F(CommandTest, ItemsRunInTheirOrder) {
    m_services.displayKind = kDisplayFadeClassic;
    const std::string area = m_settings.vocabularyRoot + "Grundwortschatz\\";
    const Calls expected = {"library.load " + area, "query.direction 1", "query.last 41", "library.check",
                            "options.create",       "options.load 0",    "window.fade"};
    EXPECT_EQ(Run("gws,s2,klassisch,go"), expected);
    EXPECT_EQ(m_state.returnWindow, "Main");
    EXPECT_EQ(m_state.returnPage, "vokabeln.htx");

    // The area chosen after "go" is too late for it.
    m_state = MainWindowState{};
    EXPECT_EQ(Run("go,gws").front(), "library.load " + m_settings.vocabularyRoot);
}

TEST_F(CommandTest, EmptyItemsAndNotesAreSkipped) {
    EXPECT_EQ(Run("#note,wb"), Calls{"dict.show"});
    EXPECT_EQ(Run(",,wb,"), Calls{"dict.show"});
    EXPECT_EQ(Run("#wb"), Calls{});
    EXPECT_EQ(Run(""), Calls{});
}

TEST_F(CommandTest, CapitalsAreLowerCasedFirst) {
    const Calls wrong = {"page.macro LabErgebnis=Leider daneben!", "page.load laborergebnis.htx"};
    EXPECT_EQ(Run("LAB-"), wrong);
    // Windows-1252 capitals are lower-cased as well: the answer reaches the query as "[schön]-".
    EXPECT_EQ(Run(std::string("VOKABEL[SCHÖN]-"_cp)), Calls{"query.answer " + std::string("[schön]-"_cp)});
}

TEST_F(CommandTest, MessagesArePendingFirstAndNothingRunsWithoutTheVerbTrainer) {
    Run("wb");
    EXPECT_EQ(m_processed, 1);
    m_services.verbTrainerExists = false;
    EXPECT_EQ(Run("wb,end"), Calls{});
    EXPECT_EQ(m_processed, 2);
}

TEST_F(CommandTest, GoOnTheAreaPageAsksForTheDifficultyFirstInThePlainQuery) {
    struct Case {
        const char* name;
        const char* page;
        int style;
        Calls expected;
    };
    const std::string load = "library.load " + m_settings.vocabularyRoot;
    const std::vector<Case> cases = {
        {"plain query on the area page", "v_bereich.htx", kPlainQueryStyle, {"page.load v_schwer.htx"}},
        {"classic style on the area page",
         "v_bereich.htx",
         kClassicStyle,
         {load, "query.direction 0", "query.last 41", "library.check", "options.create", "options.load 0"}},
        {"plain query elsewhere",
         "v_schwer.htx",
         kPlainQueryStyle,
         {load, "query.direction 0", "query.last 41", "library.check", "query.prepare", "query.start"}},
        {"the page name is compared exactly",
         "V_Bereich.htx",
         kPlainQueryStyle,
         {load, "query.direction 0", "query.last 41", "library.check", "query.prepare", "query.start"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_page.currentFile = c.page;
        m_state.queryStyle = c.style;
        EXPECT_EQ(Run("go"), c.expected);
    }
}

TEST_F(CommandTest, TheSaveQuestionBeforeGo) {
    m_services.unsavedChanges = true;
    m_services.displayKind = kDisplayVegas;
    const std::string load = "library.load " + m_settings.vocabularyRoot;
    const std::string ask = "save.ask " + m_settings.vocabularyRoot + "|Vokabel-Bibliotheken (*.asc)|*.asc|";
    const std::string otherFolder = Folder("eigene");
    struct Case {
        const char* name;
        int answer;
        std::string libraryFile;
        std::optional<std::string> savedAs;
        Calls expected;
        std::string vocabularyFolder; // afterwards
    };
    const Calls training = {load,
                            "query.direction 0",
                            "query.last 41",
                            "library.check",
                            "options.create",
                            "options.load 0",
                            "page.load vegas\\intro.htx",
                            "dict.show"};
    auto after = [&training](Calls first) {
        first.insert(first.end(), training.begin(), training.end());
        return first;
    };
    const std::vector<Case> cases = {
        {"Cancel drops the rest", kIdCancel, "", std::nullopt, {}, m_settings.vocabularyRoot},
        {"No goes on without saving", kIdNo, "", std::nullopt, training, m_settings.vocabularyRoot},
        {"Yes without a name, dialog cancelled", kIdYes, "", std::nullopt, after({ask + "OhneNamen.asc"}),
         m_settings.vocabularyRoot},
        {"Yes into the same folder", kIdYes, m_settings.vocabularyRoot + "alt.asc",
         m_settings.vocabularyRoot + "neu.asc",
         after({ask + m_settings.vocabularyRoot + "alt.asc",
                "library.save " + m_settings.vocabularyRoot + "neu.asc"}),
         m_settings.vocabularyRoot},
        {"Yes into another folder", kIdYes, "alt.asc", otherFolder + "neu.asc",
         after({ask + "alt.asc", "library.save " + otherFolder + "neu.asc"}), otherFolder},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_presenter.ClearMessages();
        m_registryLog.writes.clear();
        m_settings.vocabularyFolder = m_settings.vocabularyRoot;
        m_services.libraryFile = c.libraryFile;
        m_services.savedAs = c.savedAs;
        m_presenter.AddAnswer(c.answer);
        EXPECT_EQ(Run("go,wb"), c.expected);
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0].flags, kMbIconQuestion | kMbYesNoCancel);
        EXPECT_EQ(Messages()[0].text, std::string("Die aktuelle Bibliothek wurde verändert.\rSollen die "
                                                  "Veränderungen jetzt gespeichert werden?\r\r[Die "
                                                  "Veränderungen sonst verloren]"_cp));
        EXPECT_EQ(m_settings.vocabularyFolder, c.vocabularyFolder);
        bool folderSaved = c.vocabularyFolder != m_settings.vocabularyRoot;
        EXPECT_EQ(m_registryLog.ReadText(kFoldersKey, "Vokabel-Dateien").has_value(), folderSaved);
    }
}

TEST_F(CommandTest, ThePlainQuery) {
    struct Case {
        const char* name;
        int entries;
        bool loggedIn;
        Calls expected;
    };
    const std::vector<Case> cases = {
        {"nobody logged in", 3, false, {"library.check", "query.prepare", "query.start"}},
        {"a user's scores", 3, true, {"library.check", "query.prepare", "query.scores", "query.start"}},
        {"an empty library opens the settings", 0, true, {"library.check", "window.vocein"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_services.entries = c.entries;
        m_services.loggedIn = c.loggedIn;
        m_state.returnPage = "vokabeln.htx";
        EXPECT_EQ(Run("vabfrage"), c.expected);
        EXPECT_EQ(m_state.returnPage, c.entries ? "vokabeln.htx" : "");
    }
}

TEST_F(CommandTest, VerbTrainingWithoutSelectionOpensTheSelection) {
    m_services.verbsSelected = false;
    EXPECT_EQ(Run("verb"), (Calls{"verbs.check", "window.verbs"}));
}

// [Presentation styles]

TEST_F(CommandTest, ThePresentationStyleChosenByTheOptions) {
    const std::string markup = "page.text " + TechnoLoadingMarkup();
    struct Case {
        const char* name;
        int kind;
        bool pictures;
        Calls expected; // after the options
        std::size_t messages;
    };
    const std::vector<Case> cases = {
        {"classic fade", kDisplayFadeClassic, true, {"window.fade"}, 0},
        {"twisted fade", kDisplayFadeTwisted, true, {"window.fade"}, 0},
        {"techno",
         kDisplayTechno,
         true,
         {"style.create techno", markup, "style.prepare techno", "page.cursor", "page.mouse",
          "style.run techno", "style.free techno", "page.load vokabeln.htx"},
         0},
        {"techno without pictures",
         kDisplayTechno,
         false,
         {"style.create techno", "style.free techno", "page.load vokabeln.htx"},
         1},
        {"seventies",
         kDisplaySeventies,
         true,
         {"style.create seventies", "page.cursor", "page.mouse", "style.run seventies",
          "style.free seventies", "page.load vokabeln.htx"},
         0},
        {"the game's start page", kDisplayVegas, true, {"page.load vegas\\intro.htx"}, 0},
        {"an unknown kind", 5, true, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_presenter.ClearMessages();
        m_state = MainWindowState{};
        m_state.queryStyle = 7;
        m_services.displayKind = c.kind;
        m_services.technoPictures = c.pictures;
        Calls expected = {"library.check", "options.create", "options.load 7"};
        expected.insert(expected.end(), c.expected.begin(), c.expected.end());
        int processedBefore = m_processed;
        EXPECT_EQ(Run("super"), expected);
        EXPECT_GE(m_processed - processedBefore, 2); // before the command and before the style
        ASSERT_EQ(Messages().size(), c.messages);
        if (c.messages) {
            EXPECT_EQ(Messages()[0].text, std::string("Keine Bilder für Techno gefunden!"_cp));
            EXPECT_EQ(Messages()[0].flags, kMbIconExclamation);
        }
        EXPECT_FALSE(m_state.technoRunning || m_state.seventiesRunning || m_state.screenSaverBlocked);
        // The return page of the full-window styles is used once.
        bool returned = c.kind == kDisplayTechno || c.kind == kDisplaySeventies;
        EXPECT_EQ(m_state.returnPage, returned ? "" : "vokabeln.htx");
    }
}

TEST_F(CommandTest, AnEmptyLibraryStartsNoPresentation) {
    m_services.entries = 0;
    m_services.displayKind = kDisplayTechno;
    EXPECT_EQ(Run("super"), Calls{"library.check"});
}

TEST_F(CommandTest, TheLoadingPageOfTheTechnoStyle) {
    EXPECT_EQ(
        TechnoLoadingMarkup(),
        std::string("<body bgcolor=#0 text=#ffffff link=#ffffff><box coords=200,260,400 align=m>"
                    "<font face=\"verdana, arial\" size=2><b>Loading...</b><onclick href=\"§stop\">"_cp));
}

TEST_F(CommandTest, WhileAStyleRunsTheScreenSaverIsBlockedAndStopReachesIt) {
    struct Case {
        const char* text;
        int kind;
        PresentationStyle style;
    };
    const std::vector<Case> cases = {
        {"super", kDisplayTechno, PresentationStyle::Techno},
        {"super", kDisplaySeventies, PresentationStyle::Seventies},
        {"vegas", -1, PresentationStyle::Bingo},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(StyleWord(c.style));
        m_services.displayKind = c.kind;
        bool blocked = false;
        bool running = false;
        Calls nested;
        m_services.onRun = [&](PresentationStyle style) {
            blocked = m_state.screenSaverBlocked;
            running = m_state.Running(style);
            std::size_t before = m_calls.size();
            PageCommand(m_context, "stop");
            nested.assign(m_calls.begin() + static_cast<std::ptrdiff_t>(before), m_calls.end());
        };
        Run(c.text);
        EXPECT_TRUE(blocked);
        EXPECT_TRUE(running);
        EXPECT_EQ(nested, Calls{"style.stop " + StyleWord(c.style)});
        EXPECT_FALSE(m_state.screenSaverBlocked);
        EXPECT_FALSE(m_state.Running(c.style));
    }
}

TEST_F(CommandTest, TheGame) {
    EXPECT_EQ(Run("vegas"),
              (Calls{"style.create bingo", "page.mouse", "style.run bingo", "style.free bingo"}));
}

TEST_F(CommandTest, StopPrefersTechnoThenSeventiesThenTheGame) {
    struct Case {
        bool techno, seventies, bingo;
        Calls expected;
    };
    const std::vector<Case> cases = {
        {true, true, true, {"style.stop techno"}},
        {false, true, true, {"style.stop seventies"}},
        {false, false, true, {"style.stop bingo"}},
        {false, false, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.expected));
        m_state.technoRunning = c.techno;
        m_state.seventiesRunning = c.seventies;
        m_state.bingoRunning = c.bingo;
        EXPECT_EQ(Run("stop"), c.expected);
    }
}

TEST_F(CommandTest, InputDuringThePresentations) {
    struct Case {
        const char* name;
        bool bingo;
        bool techno;
        std::function<bool(CommandContext&)> input; // whether the input was taken
        Calls expected;
    };
    const std::vector<Case> cases = {
        {"space in the game",
         true,
         false,
         [](CommandContext& c) { return PresentationKey(c, kSpaceKey); },
         {"style.advance bingo"}},
        {"escape in the game",
         true,
         false,
         [](CommandContext& c) { return PresentationKey(c, kEscapeKey); },
         {"style.stop bingo"}},
        {"another key in the game",
         true,
         false,
         [](CommandContext& c) { return PresentationKey(c, 'a'); },
         {}},
        {"space without the game",
         false,
         true,
         [](CommandContext& c) { return PresentationKey(c, kSpaceKey); },
         {}},
        {"a click on the page in the game",
         true,
         false,
         [](CommandContext& c) { return PresentationPageClick(c); },
         {"style.advance bingo"}},
        {"a click on the page in the techno style",
         false,
         true,
         [](CommandContext& c) { return PresentationPageClick(c); },
         {"style.stop techno"}},
        {"escape in the techno style",
         false,
         true,
         [](CommandContext& c) { return PresentationKey(c, kEscapeKey); },
         {"style.stop techno"}},
        {"a click on the page without a presentation",
         false,
         false,
         [](CommandContext& c) { return PresentationPageClick(c); },
         {}},
        {"a click beside the page in the techno style",
         false,
         true,
         [](CommandContext& c) {
             PresentationWindowClick(c);
             return !c.state->Running(PresentationStyle::Bingo);
         },
         {"style.stop techno"}},
        {"a click beside the page in the game",
         true,
         false,
         [](CommandContext& c) {
             PresentationWindowClick(c);
             return !c.state->Running(PresentationStyle::Bingo);
         },
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_calls.clear();
        m_state.bingoRunning = c.bingo;
        m_state.technoRunning = c.techno;
        // Input that reaches a presentation is taken from the page; other input is left to it.
        EXPECT_EQ(c.input(m_context), !c.expected.empty());
        EXPECT_EQ(m_calls, c.expected);
    }
    // A techno style that fails to stop is not the click's problem.
    m_services.failStop = true;
    m_state.technoRunning = true;
    EXPECT_NO_THROW(PresentationWindowClick(m_context));
}

// [Numbers, refresh and the drive search]

TEST_F(CommandTest, ABadNumberEndsTheLoopWithAnErrorMessage) {
    struct Case {
        const char* text;
        const char* shown;
    };
    const std::vector<Case> cases = {
        {"sm1x,wb", "1x"},         {"sm,wb", ""},         {"thema,wb", ""},
        {"themaxy,wb", "xy"},      {"srzwei,wb", "zwei"}, {"showverbx,wb", "x"},
        {"showverb 1 ,wb", " 1 "}, {"SM-,wb", "-"},       {"gws,sm9999999999,wb", "9999999999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        m_presenter.ClearMessages();
        Calls calls = Run(c.text);
        EXPECT_EQ(std::count(calls.begin(), calls.end(), "dict.show"), 0);
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0].flags, kMbIconError);
        EXPECT_EQ(Messages()[0].text,
                  "'" + std::string(c.shown) + std::string("' ist kein gültiger ganzzahliger Wert"_cp));
    }
}

TEST(CommandNumberTest, DecimalIntegersWithLeadingBlanks) {
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    const std::vector<Case> cases = {
        {"12", 12},
        {"  12", 12},
        {"+5", 5},
        {"-3", -3},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"12 ", std::nullopt},
        {"1x", std::nullopt},
        {"- 1", std::nullopt},
        {"--1", std::nullopt},
        {"+-1", std::nullopt},
        {"$10", std::nullopt},
        {"0x10", std::nullopt},
        {"1.5", std::nullopt},
        {"\t1", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        if (c.value) {
            EXPECT_EQ(ReadCommandNumber(c.text), *c.value);
        } else {
            EXPECT_THROW(ReadCommandNumber(c.text), CommandNumberError);
        }
    }
}

TEST_F(CommandTest, RefreshFollowsTheLogIn) {
    m_services.onLogIn = [this] { m_services.loggedIn = true; };
    EXPECT_EQ(Run("login"), (Calls{"dialog.login", "page.condition+ login", "page.reload"}));
    EXPECT_TRUE(m_page.TestCondition("login"));
}

TEST_F(CommandTest, TheDriveSearchSetsTheCdromCondition) {
    m_services.onDriveSearch = [this] { m_settings.waveFolder = "/media/cd/wave/"; };
    EXPECT_EQ(Run("seekcd"), (Calls{"drive.search", "page.condition+ cdrom", "page.reload"}));
}

} // namespace
} // namespace qor::test
