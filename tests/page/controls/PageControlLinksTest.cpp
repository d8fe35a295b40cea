// FollowLink through the mouse: check boxes, commands, left and right targets, the history, web
// addresses, sounds, exercise commands, look-ups, the recorder links and END.

#include "PageControlTestSupport.h"
#include "page/controls/PageRecorderControl.h"
#include "page/markup/PageRecorder.h"
#include "platform/MessagePresenter.h"

#include <algorithm>
#include <stdexcept>

namespace qor::test {
namespace {

class PageControlLinksTest : public PageControlTest {};

TEST_F(PageControlLinksTest, CheckBoxLinkTogglesBoxConditionAndCommand) {
    Show("start.html", "<CHECKBOX COORDS=\"14,8\" NAME=\"agb\">Ich <A HREF=\"+agb\">stimme zu</A>");
    const PageCheckBoxRecord& box = m_page.Document().checkBoxes.at(0);
    ASSERT_GE(box.x, 0);
    const int insideX = box.x + box.size / 2;
    const int insideY = box.y + box.size / 2;
    EXPECT_EQ(m_host.ScreenImage().Pixel(insideX, insideY), 0xFFFFFF);

    ClickLink("+agb");
    EXPECT_EQ(commands, (std::vector<std::string>{"+agb"}));
    EXPECT_TRUE(m_page.TestBedingung("agb"));
    EXPECT_TRUE(box.checked);
    EXPECT_EQ(m_host.ScreenImage().Pixel(insideX, insideY), 0x000000) << "drawn on the screen at once";

    ClickLink("+agb");
    EXPECT_EQ(commands, (std::vector<std::string>{"+agb", "-agb"}));
    EXPECT_FALSE(m_page.TestBedingung("agb"));
    EXPECT_FALSE(box.checked);
    EXPECT_EQ(m_host.ScreenImage().Pixel(insideX, insideY), 0xFFFFFF);
}

TEST_F(PageControlLinksTest, CheckBoxLinkWithoutItsBoxDoesNothing) {
    Show("start.html", "<A HREF=\"+fehlt\">nichts</A>");
    ClickLink("+fehlt");
    EXPECT_TRUE(commands.empty());
    EXPECT_FALSE(m_page.TestBedingung("fehlt"));
}

TEST_F(PageControlLinksTest, BracketCommandRaisesThenFollowsTheRest) {
    Write("page2.html", "<TITLE>Zwei</TITLE>Seite zwei");
    Show("start.html", std::string("<A HREF=\"§[stats]page2.html\">weiter</A>"_cp));
    const std::string start = m_page.Source().FullPath();
    events.clear();
    ClickLink("§[stats]page2.html"_cp);
    EXPECT_EQ(commands, (std::vector<std::string>{"stats"}));
    EXPECT_EQ(m_page.XFile(), "page2.html");
    EXPECT_EQ(events, (std::vector<std::string>{"file", "title Zwei"}));
    // The command remembers the page once, the page link once more.
    EXPECT_EQ(m_page.History().Entries(), (std::vector<std::string>{start, start}));
    EXPECT_FALSE(m_page.Busy());
    EXPECT_EQ(m_host.Cursor(), PageCursor::Default);
}

TEST_F(PageControlLinksTest, LeftAndRightButtonsFollowTheirOwnTargets) {
    Write("a.html", "Seite A");
    Write("b.html", "Seite B");
    const std::string start = std::string("<A HREF=\"a.html°b.html\">links oder rechts</A>"_cp);
    m_host.SetHasPopupMenu(true);
    const std::vector<std::pair<MouseButton, std::string>> cases = {{MouseButton::Left, "a.html"},
                                                                    {MouseButton::Right, "b.html"}};
    for (const auto& [button, expected] : cases) {
        SCOPED_TRACE(expected);
        Show("start.html", start);
        ClickLink("a.html°b.html"_cp, button);
        EXPECT_EQ(m_page.XFile(), expected);
    }
    EXPECT_TRUE(m_host.PopupMenus().empty()) << "a link with a right target opens no menu";
}

TEST_F(PageControlLinksTest, RightClickBesideRightTargetsOpensThePopupMenu) {
    m_host.SetHasPopupMenu(true);
    m_host.SetOrigin({100, 20});
    Show("start.html", "<A HREF=\"a.html\">nur links</A>");
    ClickLink("a.html", MouseButton::Right);
    ASSERT_EQ(m_host.PopupMenus().size(), 1u);
    const ScreenPoint point = PointOf("a.html");
    EXPECT_EQ(m_host.PopupMenus()[0], (ScreenPoint{point.x + 100, point.y + 20}));
    EXPECT_EQ(m_page.XFile(), "start.html") << "the right button does not follow a left target";
}

TEST_F(PageControlLinksTest, BackWithEmptyHistoryDoesNothing) {
    Show("start.html", "<A HREF=\"-\">zur&uuml;ck</A>");
    events.clear();
    ClickLink("-");
    EXPECT_EQ(m_page.XFile(), "start.html");
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(m_messages.Texts().empty());
    EXPECT_TRUE(m_page.History().Empty());
}

TEST_F(PageControlLinksTest, HistoryPushRules) {
    Write("zwei.html", "<A HREF=\"start.html\">hin</A> <A HREF=\"-\">zur&uuml;ck</A>");
    Show("start.html", std::string("<A HREF=\"zwei.html\">zwei</A> <A HREF=\"§merk\">merk</A>"_cp));
    const std::string start = m_page.Source().FullPath();
    const std::string zwei = m_pageFolder + "zwei.html";
    struct Step {
        std::string link;
        std::string shownAfter;
        std::vector<std::string> history;
    };
    const std::vector<Step> steps = {
        {"zwei.html", "zwei.html", {start}},
        {"start.html", "start.html", {start, zwei}},
        {std::string("§merk"_cp), "start.html", {start, zwei, start}},
        {std::string("§merk"_cp), "start.html", {start, zwei, start}}, // same as the last: once
        {"zwei.html", "zwei.html", {start, zwei, start, start}},       // a page link: always
        {"-", "start.html", {start, zwei, start}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.link);
        ClickLink(step.link);
        EXPECT_EQ(m_page.XFile(), step.shownAfter);
        EXPECT_EQ(m_page.History().Entries(), step.history);
    }
    EXPECT_EQ(commands, (std::vector<std::string>{"merk", "merk"}));
}

TEST_F(PageControlLinksTest, ExtraHtxIsReadAsAnExerciseCommand) {
    Write("extra.htx", "");
    Show("start.html", "<A HREF=\"extra.htx\">Extra</A>");
    events.clear();
    ClickLink("extra.htx");
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_EQ(m_messages.Messages()[0].text, "EX nicht gefunden");
    EXPECT_EQ(m_messages.Messages()[0].flags, kMbIconInformation | kMbOk);
    EXPECT_EQ(m_messages.Messages()[0].caption, "*qor französisch"_cp);
    EXPECT_EQ(m_page.XFile(), "start.html");
    EXPECT_TRUE(events.empty()) << "nothing loaded";
    EXPECT_EQ(m_page.Source().ContinuationTarget(), "#weiter");
}

TEST_F(PageControlLinksTest, ExerciseSeriesAndItsContinuation) {
    Write("reihe.qor", std::string("QOR!05<TITLE>Reihe</TITLE><EX>Aufgabe eins<EX>Aufgabe zwei</EX> "
                                   "<A HREF=\"EX\">noch eine</A> <A HREF=\"+\">fertig</A>"));
    Write("ende.html", "<TITLE>Ende</TITLE>Geschafft");
    Show("start.html", "<A HREF=\"EX PICK=2 FILE=reihe.qor WEITER=ende.html\">los</A>");
    const std::string start = m_page.Source().FullPath();
    events.clear();
    ClickLink("EX PICK=2 FILE=reihe.qor WEITER=ende.html");
    EXPECT_EQ(events, (std::vector<std::string>{"title Reihe"}));
    EXPECT_EQ(Words().at(0), "Aufgabe");
    EXPECT_EQ(m_page.Source().Exercise().Remaining(), 1);
    EXPECT_EQ(m_page.Source().ContinuationTarget(), "ende.html");
    EXPECT_EQ(m_page.History().Entries(), (std::vector<std::string>{start}));

    ClickLink("EX");
    EXPECT_EQ(m_page.Source().Exercise().Remaining(), 0);
    EXPECT_EQ(m_page.Source().Exercise().Recent().size(), 2u);

    ClickLink("+");
    EXPECT_EQ(m_page.XFile(), "ende.html");
    EXPECT_EQ(Words(), (std::vector<std::string>{"Geschafft"}));
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(PageControlLinksTest, PlusWithoutContinuationDoesNothing) {
    Show("start.html", "<A HREF=\"+\">weiter</A>");
    events.clear();
    ClickLink("+");
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(commands.empty());
}

TEST_F(PageControlLinksTest, WebAddresses) {
    const std::string link = "http://www.example.de/kurs";
    for (const bool opens : {true, false}) {
        SCOPED_TRACE(opens);
        Show("start.html", "<A HREF=\"" + link + "\">im Netz</A>");
        m_host.SetOpenUrlResult(opens);
        const std::size_t before = m_messages.Messages().size();
        ClickLink(link);
        EXPECT_EQ(m_host.OpenedUrls().back(), link);
        if (opens) {
            EXPECT_EQ(m_messages.Messages().size(), before);
        } else {
            ASSERT_EQ(m_messages.Messages().size(), before + 1);
            EXPECT_EQ(m_messages.Messages().back().text,
                      "Internet-Verbindung konnte nicht geöffnet werden!"_cp);
            EXPECT_EQ(m_messages.Messages().back().flags, kMbIconInformation | kMbOk);
        }
    }
}

TEST_F(PageControlLinksTest, SoundLinksGoThroughTheMediaCommands) {
    Write("hund.wav", "RIFF");
    Show("start.html", "<A HREF=\"hund.wav\">Hund</A> <A HREF=\"fehlt.mp3\">fehlt</A>");
    const std::string path = m_pageFolder + "hund.wav";
    m_media.commands.clear();
    ClickLink("hund.wav");
    EXPECT_EQ(m_media.commands, (std::vector<std::string>{"close welle", "open \"" + path + "\" alias welle",
                                                          "play welle from 0"}));
    m_media.commands.clear();
    ClickLink("fehlt.mp3");
    EXPECT_TRUE(m_media.commands.empty()) << "a missing file is not played";
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(PageControlLinksTest, SpeechLinksSpeakQuietly) {
    Show("start.html", "<A HREF=\"sprich:(la) maison (f)\">maison</A>");
    m_media.replies["open"] = "Error266"; // no voice: nothing is shown, nothing plays
    ClickLink("sprich:(la) maison (f)");
    EXPECT_EQ(m_media.commands,
              (std::vector<std::string>{"close welle", "open \"(la) maison (f)\" type sprache alias welle"}));
    m_media.replies.clear();
    m_media.commands.clear();
    ClickLink("sprich:(la) maison (f)");
    EXPECT_EQ(m_media.commands.back(), "play welle from 0");
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(PageControlLinksTest, SoundErrorsAreShown) {
    Write("hund.wav", "RIFF");
    Show("start.html", "<A HREF=\"hund.wav\">Hund</A>");
    const std::string open = "open \"" + m_pageFolder + "hund.wav\" alias welle";
    const std::vector<std::pair<std::string, std::string>> cases = {{open, "Fehler 263"},
                                                                    {"play welle from 0", "Fehler 277"}};
    for (const auto& [failing, message] : cases) {
        SCOPED_TRACE(failing);
        m_media.replies.clear();
        m_media.replies[failing] = "Error" + message.substr(7);
        m_media.commands.clear();
        const std::size_t before = m_messages.Messages().size();
        ClickLink("hund.wav");
        ASSERT_EQ(m_messages.Messages().size(), before + 1);
        EXPECT_EQ(m_messages.Messages().back().text, message);
        const bool played = std::find(m_media.commands.begin(), m_media.commands.end(),
                                      "play welle from 0") != m_media.commands.end();
        EXPECT_EQ(played, failing != open) << "no play after a failed open";
    }
}

TEST_F(PageControlLinksTest, LookUpLinksAskTheRightClickHandler) {
    Show("start.html", "<A HREF=\"?maison\">maison</A>");
    std::vector<std::string> lookUps;
    m_page.OnRightClick = [&](PageControl& sender, const PageRect& rect, const std::string& word) {
        EXPECT_EQ(&sender, &m_page);
        EXPECT_EQ(rect, PageRect{});
        lookUps.push_back("own " + word);
    };
    ClickLink("?maison");
    EXPECT_EQ(lookUps, (std::vector<std::string>{"own maison"}));

    // A child page hands the look-up to its parent page, as the child.
    TestPageControlHost parentHost;
    PageControl parent(parentHost);
    parent.OnRightClick = [&](PageControl& sender, const PageRect&, const std::string& word) {
        EXPECT_EQ(&sender, &m_page);
        lookUps.push_back("parent " + word);
    };
    m_page.SetParentPage(&parent);
    ClickLink("?maison");
    EXPECT_EQ(lookUps.back(), "own maison") << "only a child page asks its parent";
    m_page.SetHTMLChild(true);
    ClickLink("?maison");
    EXPECT_EQ(lookUps.back(), "parent maison");
    EXPECT_EQ(lookUps.size(), 3u);
}

TEST_F(PageControlLinksTest, EndEndsTheApplication) {
    Show("start.html", "<A HREF=\"END\">Ende</A>");
    ClickLink("END");
    EXPECT_EQ(m_host.EndCalls(), 1);
}

TEST_F(PageControlLinksTest, ThrowingCommandHandlerLeavesThePageUsable) {
    Show("start.html", std::string("<A HREF=\"§kaputt\">a</A> <A HREF=\"§gut\">b</A>"_cp));
    m_page.OnCommand = [this](const std::string& command) {
        commands.push_back(command);
        if (command == "kaputt")
            throw std::runtime_error("Fehler im Befehl");
    };
    ClickLink("§kaputt"_cp);
    EXPECT_FALSE(m_page.Busy());
    EXPECT_EQ(m_host.Cursor(), PageCursor::Default);
    ClickLink("§gut"_cp);
    EXPECT_EQ(commands, (std::vector<std::string>{"kaputt", "gut"}));
}

TEST_F(PageControlLinksTest, CommandsRunWhileThePageIsBusy) {
    Show("start.html", std::string("<A HREF=\"§stats\">a</A>"_cp));
    std::vector<std::pair<bool, PageCursor>> seen;
    m_page.OnCommand = [&](const std::string&) {
        seen.emplace_back(m_page.Busy(), m_host.Cursor());
        // The mouse is ignored meanwhile.
        ClickLink("§stats"_cp);
    };
    ClickLink("§stats"_cp);
    EXPECT_EQ(seen, (std::vector<std::pair<bool, PageCursor>>{{true, PageCursor::HourGlass}}));
    EXPECT_FALSE(m_page.Busy());
}

class FakeRecorder : public NullPageRecorder, public PageRecorderControl {
public:
    bool Recording() const override { return recording; }
    void StartRecording() override { calls.push_back("start"), recording = true; }
    void StopRecording() override { calls.push_back("stop"), recording = false; }
    bool Playing() const override { return playing; }
    void Play() override { calls.push_back("play"), playing = true; }
    void StopPlayback() override { calls.push_back("stop playback"), playing = false; }

    bool recording = false;
    bool playing = false;
    std::vector<std::string> calls;
};

TEST_F(PageControlLinksTest, RecorderLinks) {
    const std::string page = std::string("<A HREF=\"§rec\">auf</A> <A HREF=\"§play\">ab</A>"_cp);
    // Without a recorder "§rec" goes to the host and "§play" is ignored.
    Show("start.html", page);
    ClickLink("§rec"_cp);
    ClickLink("§play"_cp);
    EXPECT_EQ(commands, (std::vector<std::string>{"rec"}));

    FakeRecorder* recorder = nullptr;
    m_page.Document().SetRecorderFactory([&recorder] {
        auto made = std::make_unique<FakeRecorder>();
        recorder = made.get();
        return made;
    });
    Show("start.html", page + "<RECORDER>");
    ASSERT_NE(recorder, nullptr);
    for (const std::string_view link : {"§rec"_cp, "§rec"_cp, "§play"_cp, "§play"_cp}) {
        ClickLink(link);
    }
    EXPECT_EQ(recorder->calls, (std::vector<std::string>{"start", "stop", "play", "stop playback"}));
    EXPECT_EQ(commands, (std::vector<std::string>{"rec"}));
}

TEST_F(PageControlLinksTest, AliasTargetsAreReplaced) {
    Write("ziel.html", "Ziel");
    Show("start.html", "<ALIAS #weiter=\"ziel.html@Zum Ziel\"><A HREF=\"#weiter\">weiter</A>");
    ClickLink("#weiter");
    EXPECT_EQ(m_page.XFile(), "ziel.html");
}

} // namespace
} // namespace qor::test
