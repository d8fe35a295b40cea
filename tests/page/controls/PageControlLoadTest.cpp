// Loading and rendering in the page control: the events around a load, ONSHOW, bad links, the
// auto-jump, the page reset, text shown as a page, the INPUT field, the colour and the feedback.

#include "PageControlTestSupport.h"
#include "page/controls/tTippAufgabenListe.h"

namespace qor::test {
namespace {

class PageControlLoadTest : public PageControlTest {
protected:
    PageControlLoadTest() {
        m_page.OnCommand = [this](const std::string& command) {
            commands.push_back(command);
            events.push_back("command " + command);
        };
    }
};

TEST_F(PageControlLoadTest, EventsAroundALoad) {
    std::vector<bool> busyInEvents;
    m_page.OnFileChange = [&] {
        events.push_back("file");
        busyInEvents.push_back(m_page.Busy());
    };
    m_page.OnCommand = [&](const std::string& command) {
        events.push_back("command " + command);
        // ONSHOW comes once the page is rendered.
        EXPECT_EQ(m_page.Painter().Buffer().Pixel(5, 5), 0x000000);
        busyInEvents.push_back(m_page.Busy());
    };
    Show("start.html", "<TITLE>Willkommen</TITLE><BODY BGCOLOR=#000000 ONSHOW=\"zeige\">Bonjour");
    EXPECT_EQ(events, (std::vector<std::string>{"file", "title Willkommen", "command zeige"}));
    EXPECT_EQ(busyInEvents, (std::vector<bool>{true, true}));
    EXPECT_FALSE(m_page.Busy());
    EXPECT_EQ(m_host.Cursor(), PageCursor::Default);
    EXPECT_EQ(m_host.ScreenImage().Pixel(5, 5), 0x000000) << "the buffer went to the screen";

    // A page without ONSHOW raises nothing.
    events.clear();
    Show("zwei.html", "Zwei");
    EXPECT_EQ(events, (std::vector<std::string>{"file", "title ohne Titel"}));
}

TEST_F(PageControlLoadTest, BadLinks) {
    Write("da.html", "da");
    struct Case {
        const char* what;
        std::string page;
        std::string reported;
    };
    const std::vector<Case> cases = {
        {"all there", "<A HREF=\"da.html\">a</A>", ""},
        {"missing, with its hint", "<A HREF=\"fehlt.htx@Hinweis\">a</A>", "fehlt.htx@Hinweis"},
        {"the first of two", "<A HREF=\"da.html\">a</A><A HREF=\"eins.htx\">b</A><A HREF=\"zwei.htx\">c</A>",
         "eins.htx"},
        {"empty target", "<A HREF=\"\">a</A><A HREF=\"fehlt.htx\">b</A>", "(leeres Ziel)"},
        {"not files",
         std::string(
             "<A HREF=\"§stats\">a</A><A HREF=\"@tip\">b</A><A HREF=\"-\">c</A><A HREF=\"+agb\">d</A>"
             "<A HREF=\"?mot\">e</A><A HREF=\"http://x.de\">f</A><A HREF=\"END\">g</A><A HOT=\"h\">h</A>"_cp),
         ""},
        {"command then a missing page", std::string("<A HREF=\"§[stats]fehlt.html\">a</A>"_cp),
         std::string("§[stats]fehlt.html"_cp)},
        {"command then a page", std::string("<A HREF=\"§[stats]da.html\">a</A>"_cp), ""},
        {"alias to a missing page", "<ALIAS #w=\"fehlt.html\"><A HREF=\"#w\">a</A>", "#w"},
        {"undefined alias", "<A HREF=\"#nichts\">a</A>", ""},
        {"right target missing", std::string("<A HREF=\"da.html°fehlt.html\">a</A>"_cp),
         std::string("da.html°fehlt.html"_cp)},
        {"exercise file missing", "<A HREF=\"ex pick=2 file=fehlt.qor\">a</A>", "ex pick=2 file=fehlt.qor"},
        {"gaps are no links", "<A GAP lsg=\"a\" help=\"\">a</A>", ""},
    };
    std::vector<std::string> reports;
    m_page.OnBadLink = [&](const std::string& bad) { reports.push_back(bad); };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        reports.clear();
        Show("start.html", c.page);
        EXPECT_EQ(reports, (std::vector<std::string>{c.reported}));
    }
}

TEST_F(PageControlLoadTest, AutoJumpAfterTheWait) {
    Write("ziel.html", "Ziel");
    Show("start.html", "<BODY WAIT=\"1000,ziel.html\">Warte");
    EXPECT_TRUE(m_page.AutoJumpPending());
    m_host.Advance(999);
    EXPECT_EQ(m_page.XFile(), "start.html");
    m_host.Advance(1);
    EXPECT_EQ(m_page.XFile(), "ziel.html");
    EXPECT_FALSE(m_page.AutoJumpPending());
    EXPECT_EQ(m_host.ActiveTimers(), 0);
}

TEST_F(PageControlLoadTest, AutoJumpOffOrLeftEarly) {
    Write("ziel.html", "Ziel");
    Write("anders.html", "Anders");
    m_page.SetAutoJump(false);
    Show("start.html", "<BODY WAIT=\"500,ziel.html\">Warte");
    m_host.Advance(600);
    EXPECT_EQ(m_page.XFile(), "start.html") << "AutoJump is off";
    EXPECT_FALSE(m_page.AutoJumpPending());

    m_page.SetAutoJump(true);
    Show("start.html", "<BODY WAIT=\"500,ziel.html\">Warte");
    Show("anders.html", "Anders");
    m_host.Advance(600);
    EXPECT_EQ(m_page.XFile(), "anders.html") << "the new page stopped the old page's timer";
}

TEST_F(PageControlLoadTest, PageResetClosesTheSoundAndForgetsTheHover) {
    Show("start.html", "<A HREF=\"x.html\" FLASH=#FF0000>hier</A>");
    m_page.MouseMove(MouseEvent{PointOf("x.html").x, PointOf("x.html").y, MouseButton::Left, kShiftNone});
    EXPECT_GE(m_page.HoverEntry(), 0);
    m_media.commands.clear();
    Show("zwei.html", "Zwei");
    EXPECT_EQ(m_media.commands, (std::vector<std::string>{"close welle"}));
    EXPECT_EQ(m_page.HoverEntry(), -1);
}

TEST_F(PageControlLoadTest, NewPagesStartAtTheTop) {
    std::string longPage;
    for (int i = 0; i < 80; ++i)
        longPage += "Zeile<BR>";
    Show("start.html", longPage);
    m_page.ScrollTo(200);
    EXPECT_EQ(m_page.ScrollOffset(), 200);
    Show("zwei.html", longPage);
    EXPECT_EQ(m_page.ScrollOffset(), 0);
    EXPECT_EQ(m_host.ScrollBar().position, 0);
}

TEST_F(PageControlLoadTest, MissingAndEmptyFiles) {
    Show("start.html", "Bonjour");
    EXPECT_FALSE(m_page.SetXFile("fehlt.html"));
    EXPECT_EQ(m_page.XFile(), "start.html");
    ASSERT_EQ(m_messages.Texts().size(), 1u);
    EXPECT_EQ(m_messages.Texts()[0], "Die Datei \"" + m_pageFolder + "fehlt.html\" wurde nicht gefunden!");
    EXPECT_FALSE(m_page.Busy());

    events.clear();
    EXPECT_FALSE(m_page.SetXFile(""));
    EXPECT_EQ(events, (std::vector<std::string>{"title ohne Titel"}));
    EXPECT_TRUE(Words().empty());
    EXPECT_TRUE(m_page.XFile().empty());
    EXPECT_FALSE(m_page.Busy());
    EXPECT_EQ(m_page.Layout().Links().Count(), 0);
}

// A page that is found but cannot be shown leaves the page shown in charge: its file and folder
// stay, so a reload reads it and not the broken one.
TEST_F(PageControlLoadTest, APageThatCannotBeShownKeepsTheOldFileAndFolder) {
    m_folder.MakeFolder("hqor/neu");
    Write("neu/kaputt.htx", "kein zlib");
    Write("neu/falsch.qor", "XXXX02<EX>a</EX>");
    Write("neu/leer.qor", "QOR!02 nur ein Kopf");
    Show("start.html", "Bonjour");
    for (const char* name : {"neu/kaputt.htx", "neu/falsch.qor", "neu/leer.qor", "neu/fehlt.html"}) {
        SCOPED_TRACE(name);
        m_messages.Clear();
        EXPECT_FALSE(m_page.SetXFile(name));
        EXPECT_EQ(m_messages.Texts().size(), 1u);
        EXPECT_EQ(m_page.XFile(), "start.html");
        EXPECT_EQ(m_page.XPath(), m_pageFolder);
        EXPECT_EQ(Words(), std::vector<std::string>{"Bonjour"});
        m_messages.Clear();
        m_page.Reload();
        EXPECT_TRUE(m_messages.Texts().empty()) << "the reload reads the page shown";
        EXPECT_EQ(Words(), std::vector<std::string>{"Bonjour"});
    }
}

TEST_F(PageControlLoadTest, AGridWhoseDimensionIsNoNumberIsReportedOnceAndNotShown) {
    Show("wahl.html", "Vorher<MULTIPLE COORDS=\"10,10,120,40\" DIM=\"zwei,2\" TXT=\"un|une|des|le\">");
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{"Fehler in der Seite: MULTIPLE DIM ist keine Zahl."});
    EXPECT_EQ(m_page.Document().MultipleChoice(), nullptr);
    EXPECT_EQ(Words(), std::vector<std::string>{"Vorher"});
}

TEST_F(PageControlLoadTest, ShowTextAndReload) {
    Show("start.html", "Bonjour");
    events.clear();
    m_page.ShowText("<TITLE>Text</TITLE>Hallo Welt");
    EXPECT_EQ(Words(), (std::vector<std::string>{"Hallo", "Welt"}));
    EXPECT_EQ(events, (std::vector<std::string>{"file", "title Text"}));
    EXPECT_FALSE(m_page.Busy());

    Write("start.html", "Salut");
    m_page.Reload();
    EXPECT_EQ(Words(), (std::vector<std::string>{"Salut"}));
}

TEST_F(PageControlLoadTest, BodyFormGivesTheWindowThePageColour) {
    Show("plain.html", "<BODY BGCOLOR=#112233>Ohne");
    EXPECT_FALSE(m_host.parentColour.has_value());
    Show("form.html", "<BODY BGCOLOR=#112233 FORM>Mit");
    EXPECT_EQ(m_host.parentColour, 0x332211) << "#RRGGBB is stored blue-green-red";
}

TEST_F(PageControlLoadTest, TextInputFeedsItsMacroAndSendsItsName) {
    Show("start.html", "<INPUT COORDS=\"10,10,200\" NAME=\"antwort\" VALUE=\"\">");
    ASSERT_TRUE(m_host.TextInput());
    EXPECT_EQ(m_host.TextInput()->name, "antwort");
    m_page.TextInputChanged("le chat");
    EXPECT_EQ(m_page.Macro("antwort"), "le chat");
    const int focusCalls = m_host.PageFocusCalls();
    m_page.TextInputReturn();
    EXPECT_TRUE(commands.empty()) << "delivered after the key event";
    EXPECT_EQ(m_host.RunDeferred(), 1);
    EXPECT_EQ(commands, (std::vector<std::string>{"antwort"}));
    EXPECT_EQ(m_host.PageFocusCalls(), focusCalls + 1);

    Show("zwei.html", "Zwei");
    EXPECT_FALSE(m_host.TextInput()) << "the page reset frees the field";
    EXPECT_EQ(m_page.Macro("antwort"), "le chat") << "macros survive page changes";
}

TEST_F(PageControlLoadTest, GapEditsTakeTheFocusOnlyInAVisibleWindow) {
    const std::string page =
        "Le <A GAP lsg=\"chat\" help=\"\">chat</A> et <A GAP lsg=\"chien\" help=\"\">chien</A>";
    for (const bool visible : {true, false}) {
        SCOPED_TRACE(visible);
        m_host.SetParentVisible(visible);
        Show("start.html", page);
        const tTippAufgabenListe& edits = m_page.Document().GapEdits();
        ASSERT_EQ(edits.Count(), 2);
        EXPECT_TRUE(edits.Edit(0).Visible());
        EXPECT_TRUE(edits.Edit(1).Visible());
        EXPECT_EQ(m_page.FocusReleased(), visible);
        EXPECT_EQ(m_host.FocusedControl() == &edits.Edit(0), visible);
    }
}

TEST_F(PageControlLoadTest, ColourFillsTheScreenAtOnce) {
    Show("start.html", "Bonjour");
    m_page.SetColorBGR(0x0000FF);
    EXPECT_EQ(m_page.ColorBGR(), 0x0000FF);
    for (const auto& [x, y] : {std::pair{0, 0}, {400, 300}, {799, 571}}) {
        EXPECT_EQ(m_host.ScreenImage().Pixel(x, y), 0x0000FF);
    }
}

TEST_F(PageControlLoadTest, FeedbackRunsItsFramesAndRestoresThePage) {
    Show("start.html", "<BODY BGCOLOR=#00FF00>Bonjour");
    const long long start = m_host.NowMs();
    m_page.Feedback("Bravo", 200);
    EXPECT_FALSE(m_page.AnimationRunning());
    EXPECT_GE(m_host.FramesPresented(), 200 / TestPageControlHost::kFrameMs);
    EXPECT_GE(m_host.NowMs() - start, 200);
    EXPECT_EQ(m_host.ScreenImage().Pixel(400, 300), 0x00FF00) << "the page is back";
}

TEST_F(PageControlLoadTest, MouseWaitsWhileTheFeedbackRuns) {
    Write("ziel.html", "Ziel");
    Show("start.html", "<A HREF=\"ziel.html\">ziel</A>");
    // The link is clicked from a timer that fires while the animation runs.
    const ScreenPoint link = PointOf("ziel.html");
    bool clickedDuring = false;
    m_host.StartTimer(40, [&] {
        if (!clickedDuring && m_page.AnimationRunning()) {
            clickedDuring = true;
            ClickAt(link);
        }
    });
    m_page.Feedback("Bravo", 200);
    EXPECT_TRUE(clickedDuring);
    EXPECT_EQ(m_page.XFile(), "start.html");
    ClickAt(link);
    EXPECT_EQ(m_page.XFile(), "ziel.html");
}

} // namespace
} // namespace qor::test
