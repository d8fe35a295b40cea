// The mouse over a page: cursors, anchor and hint events, tooltips on the virtual clock, hover
// sounds, group highlighting on the screen, the anchor label, right clicks, child controls; and
// the keyboard: Enter targets and the scrolling keys.

#include "PageControlTestSupport.h"
#include "page/controls/TXMultipleChoice.h"
#include "page/controls/tButtonListe.h"
#include "page/controls/tTippAufgabenListe.h"

#include <set>

namespace qor::test {
namespace {

class PageControlPointerTest : public PageControlTest {
protected:
    // Whether the screen shows `image` with its top-left corner at (x, y).
    bool ScreenShows(const TXBitmap& image, int x, int y) const {
        for (int row = 0; row < image.Height(); ++row) {
            for (int column = 0; column < image.Width(); ++column) {
                if (m_host.ScreenImage().Pixel(x + column, y + row) != image.Pixel(column, row))
                    return false;
            }
        }
        return true;
    }
    // A page of `lines` numbered lines.
    static std::string LongPage(int lines) {
        std::string page;
        for (int i = 0; i < lines; ++i)
            page += "Zeile " + std::to_string(i) + "<BR>";
        return page;
    }
};

TEST_F(PageControlPointerTest, LinkHintBecomesATooltipForTwoSeconds) {
    m_host.SetOrigin({50, 30});
    std::vector<std::string> ankers;
    m_page.OnAnkerChange = [&](const std::string& anker) { ankers.push_back(anker); };
    Show("start.html", "Hier <A HREF=\"seite.htx@Weiter zur Seite 2\">weiter</A>");
    const ScreenPoint link = PointOf("seite.htx@Weiter zur Seite 2");
    MoveTo(link);
    EXPECT_EQ(m_host.Cursor(), PageCursor::Hand);
    EXPECT_EQ(ankers, (std::vector<std::string>{"seite.htx"}));

    m_host.Advance(499);
    EXPECT_FALSE(m_host.CurrentTooltip());
    m_host.Advance(1);
    ASSERT_TRUE(m_host.CurrentTooltip());
    EXPECT_EQ(m_host.CurrentTooltip()->text, "Weiter zur Seite 2");
    EXPECT_EQ(m_host.CurrentTooltip()->position, (ScreenPoint{link.x + 50 + 12, link.y + 30 + 16}));
    EXPECT_EQ(m_host.CurrentTooltip()->maxWidth, 120);
    m_host.Advance(1999);
    EXPECT_TRUE(m_host.CurrentTooltip());
    m_host.Advance(1);
    EXPECT_FALSE(m_host.CurrentTooltip());
    m_host.Advance(5000);
    EXPECT_EQ(m_host.TooltipsShown(), 1);
    EXPECT_FALSE(m_page.TooltipTimerRunning());

    // Moving within the link changes nothing; leaving it tells the host.
    MoveTo({link.x + 1, link.y});
    EXPECT_EQ(ankers.size(), 1u);
    MoveTo({link.x, 400});
    EXPECT_EQ(m_host.Cursor(), PageCursor::Default);
    EXPECT_EQ(ankers, (std::vector<std::string>{"seite.htx", ""}));
}

TEST_F(PageControlPointerTest, LeavingTheLinkEarlyCancelsTheTooltip) {
    Show("start.html", "<A HREF=\"seite.htx@Hinweis\">weiter</A>");
    MoveTo(PointOf("seite.htx@Hinweis"));
    m_host.Advance(300);
    MoveTo({400, 400});
    m_host.Advance(1000);
    EXPECT_EQ(m_host.TooltipsShown(), 0);
}

TEST_F(PageControlPointerTest, HintHandlerTakesTheHintsInsteadOfTooltips) {
    std::vector<std::string> hints;
    m_page.OnHintChange = [&](const std::string& hint) { hints.push_back(hint); };
    Show("start.html", "<A HREF=\"a.htx@Erster\">a</A> <A HREF=\"b.htx@Erster\">b</A> "
                       "<A HREF=\"c.htx\">c</A> <A HREF=\"@Nur Hinweis\">d</A>");
    MoveTo(PointOf("a.htx@Erster"));
    MoveTo(PointOf("b.htx@Erster"));  // the same hint is not repeated
    MoveTo(PointOf("c.htx"));         // no hint
    MoveTo(PointOf("%@Nur Hinweis")); // a tooltip region
    m_host.Advance(3000);
    EXPECT_EQ(hints, (std::vector<std::string>{"Erster", "", "Nur Hinweis"}));
    EXPECT_EQ(m_host.TooltipsShown(), 0);
    EXPECT_EQ(m_host.Cursor(), PageCursor::Default) << "a tooltip region shows no hand";
}

TEST_F(PageControlPointerTest, HintWithSoundPlaysItAndIsNotReported) {
    Write("hund.wav", "RIFF");
    const std::string page = std::string("<A HREF=\"tier.htx@Hund°hund.wav\">le chien</A> "
                                         "<A HREF=\"tier.htx@Katze°katze.wav\">le chat</A>"_cp);
    std::vector<std::string> hints;
    m_page.OnHintChange = [&](const std::string& hint) { hints.push_back(hint); };
    Show("start.html", page);
    MoveTo(PointOf("tier.htx@Hund°hund.wav"_cp));
    EXPECT_EQ(m_host.SoundsPlayed(), (std::vector<std::string>{m_pageFolder + "hund.wav"}));
    MoveTo(PointOf("tier.htx@Katze°katze.wav"_cp));
    EXPECT_EQ(m_host.SoundsPlayed().size(), 1u) << "katze.wav does not exist";
    EXPECT_TRUE(hints.empty());

    // Without a hint handler the text before the sound becomes the tooltip.
    m_page.OnHintChange = nullptr;
    MoveTo({400, 400});
    MoveTo(PointOf("tier.htx@Hund°hund.wav"_cp));
    m_host.Advance(500);
    ASSERT_TRUE(m_host.CurrentTooltip());
    EXPECT_EQ(m_host.CurrentTooltip()->text, "Hund");
    EXPECT_EQ(m_host.SoundsPlayed().size(), 2u);
}

TEST_F(PageControlPointerTest, HoverGroupIsHighlightedOnTheScreen) {
    Show("start.html", "Text <A HREF=\"x.html\" FLASH=#FF0000>zwei Worte</A> <A HREF=\"y.html\">y</A>");
    const LinkRectangles& links = m_page.Layout().Links();
    const int first = Entry("x.html");
    ASSERT_GE(first, 0);
    const auto [groupFirst, groupLast] = links.Group(first);
    std::vector<int> hovers;
    for (int i = groupFirst; i <= groupLast; ++i) {
        if (links.At(i).hover && !links.At(i).highlightImage.Empty())
            hovers.push_back(i);
    }
    ASSERT_GE(hovers.size(), 2u) << "both words light up";
    const auto showsAll = [&](bool highlighted) {
        for (int i : hovers) {
            const LinkRectangle& entry = links.At(i);
            if (!ScreenShows(highlighted ? entry.highlightImage : entry.normalImage, entry.rect.left,
                             entry.rect.top))
                return false;
        }
        return true;
    };
    EXPECT_TRUE(showsAll(false));
    EXPECT_FALSE(showsAll(true)) << "the images differ";

    MoveTo(PointOf("x.html"));
    EXPECT_EQ(m_page.HoverEntry(), first);
    EXPECT_TRUE(showsAll(true));
    MoveTo(PointOf("y.html"));
    EXPECT_TRUE(showsAll(false));
    MoveTo(PointOf("x.html"));
    EXPECT_TRUE(showsAll(true));
    m_page.MouseLeave();
    EXPECT_TRUE(showsAll(false));
    EXPECT_EQ(m_page.HoverEntry(), -1);
}

TEST_F(PageControlPointerTest, HotSpotNoteOpensClosesAndOpensAgain) {
    Show("start.html", "Das Wort <A HOT=\"le chat: die Katze\">chat</A> und mehr.");
    const ScreenPoint hotSpot = PointOf("@le chat: die Katze");
    const PageRect rect = m_page.Layout().Links().At(Entry("@le chat: die Katze")).rect;
    const std::vector<bool> shownAfterClick = {true, false, true, false, true};
    for (std::size_t i = 0; i < shownAfterClick.size(); ++i) {
        SCOPED_TRACE(i);
        ClickAt(hotSpot);
        EXPECT_EQ(m_host.Label().has_value(), shownAfterClick[i]);
        EXPECT_EQ(m_page.AnchorLabelVisible(), shownAfterClick[i]);
    }
    EXPECT_EQ(m_host.LabelsShown(), 3);
    ASSERT_TRUE(m_host.Label());
    EXPECT_EQ(m_host.Label()->text, "le chat: die Katze");
    EXPECT_EQ(m_host.Label()->rect.left, rect.left + 8);
    EXPECT_EQ(m_host.Label()->rect.top, rect.bottom + 8);
    EXPECT_GE(m_host.PageFocusCalls(), 1) << "the page takes the focus for the note";

    // A click beside every link closes it, and a click on the note itself too.
    ClickAt({400, 400});
    EXPECT_FALSE(m_host.Label());
    ClickAt(hotSpot);
    ASSERT_TRUE(m_host.Label()) << "hidden by a click elsewhere, the next click shows it";
    m_page.AnchorLabelClicked();
    EXPECT_FALSE(m_host.Label());
}

TEST_F(PageControlPointerTest, HotSpotNoteMovesAboveNearTheBottom) {
    m_page.Resize(800, 300);
    Show("start.html", LongPage(14) + "<A HOT=\"unten\">Merkpunkt</A>");
    const PageRect rect = m_page.Layout().Links().At(Entry("@unten")).rect;
    ASSERT_GT(rect.bottom + 8 + 20, 300 - 24) << "the test needs a spot near the bottom";
    ClickAt(PointOf("@unten"));
    ASSERT_TRUE(m_host.Label());
    const PageRect& label = m_host.Label()->rect;
    EXPECT_EQ(label.bottom, rect.top - 8);
    EXPECT_EQ(label.left, rect.left + 8);
}

TEST_F(PageControlPointerTest, RightClickOnAWordLooksItUp) {
    m_host.SetHasPopupMenu(true);
    Show("start.html", "Das ist (maison). Und <W>pomme de terre</W>.");
    std::vector<std::string> words;
    m_page.OnRightClick = [&](PageControl&, const PageRect& rect, const std::string& word) {
        EXPECT_LT(rect.left, rect.right);
        words.push_back(word);
    };
    // Presses on the last rectangle of a lookup string ("terre" for the phrase).
    const auto pressOn = [&](const std::string& text) {
        const TWordList& index = m_page.Painter().Words();
        const TWordList::Entry* last = nullptr;
        for (const TWordList::Entry& entry : index.Entries()) {
            if (index.Strings()[static_cast<std::size_t>(entry.string)] == text)
                last = &entry;
        }
        ASSERT_NE(last, nullptr) << text;
        Press({(last->rect.left + last->rect.right) / 2, (last->rect.top + last->rect.bottom) / 2},
              MouseButton::Right);
    };
    pressOn("maison");
    pressOn("pomme de terre");
    EXPECT_EQ(words, (std::vector<std::string>{"maison", "pomme de terre"}));
    EXPECT_TRUE(m_host.PopupMenus().empty());

    // Beside the words the popup menu opens.
    Press({400, 400}, MouseButton::Right);
    EXPECT_EQ(m_host.PopupMenus().size(), 1u);
    EXPECT_EQ(words.size(), 2u);
}

TEST_F(PageControlPointerTest, ScrollingKeysAndWheel) {
    Show("start.html", LongPage(80));
    const int documentHeight = m_page.Layout().DocumentHeight();
    ASSERT_GT(documentHeight, 572);
    const int maximum = documentHeight - 572 + 16;
    struct Step {
        int key;
        int offset;
    };
    const std::vector<Step> steps = {
        {VirtualKey::Up, 0},        {VirtualKey::Down, 5},       {VirtualKey::Down, 10},
        {VirtualKey::Up, 5},        {VirtualKey::PageDown, 561}, {VirtualKey::PageUp, 5},
        {VirtualKey::End, maximum}, {VirtualKey::Down, maximum}, {VirtualKey::Home, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.key);
        Key(step.key);
        EXPECT_EQ(m_page.ScrollOffset(), step.offset);
        EXPECT_EQ(m_host.ScrollBar().position, step.offset);
    }
    EXPECT_TRUE(m_host.ScrollBar().visible);
    m_page.Wheel(-120);
    EXPECT_EQ(m_page.ScrollOffset(), PageControl::kWheelStep);
    // The screen shows the buffer from the new offset.
    const TXBitmap& buffer = m_page.Painter().Buffer();
    for (int y : {0, 100, 300}) {
        for (int x : {0, 20, 40, 60}) {
            EXPECT_EQ(m_host.ScreenImage().Pixel(x, y), buffer.Pixel(x, y + PageControl::kWheelStep));
        }
    }
    m_page.Wheel(240);
    EXPECT_EQ(m_page.ScrollOffset(), 0);
}

TEST_F(PageControlPointerTest, ShortPagesDoNotScroll) {
    Show("start.html", "Kurz");
    for (int key : {VirtualKey::Down, VirtualKey::PageDown, VirtualKey::End}) {
        Key(key);
        EXPECT_EQ(m_page.ScrollOffset(), 0);
    }
    EXPECT_FALSE(m_host.ScrollBar().visible);
}

TEST_F(PageControlPointerTest, KeyDownHandlerComesFirstAndMaySwallowTheKey) {
    Show("start.html", LongPage(80));
    std::vector<int> keys;
    m_page.OnKeyDown = [&](KeyEvent& event) {
        keys.push_back(event.key);
        if (event.key == VirtualKey::End)
            event.key = 0;
    };
    Key(VirtualKey::End);
    Key(VirtualKey::Down);
    EXPECT_EQ(keys, (std::vector<int>{VirtualKey::End, VirtualKey::Down}));
    EXPECT_EQ(m_page.ScrollOffset(), 5);
}

TEST_F(PageControlPointerTest, EnterFollowsTheEnterTargetOnce) {
    Write("ziel.html", "<A HREF=\"weiter.html\">nicht RETURN</A>");
    Show("start.html", "<A HREF=\"ziel.html\" RETURN>ziel</A>");
    Key(VirtualKey::Return);
    EXPECT_EQ(m_page.XFile(), "ziel.html");
    Key(VirtualKey::Return);
    EXPECT_EQ(m_page.XFile(), "ziel.html");
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(PageControlPointerTest, PageClickTarget) {
    Write("ziel.html", "Ziel");
    Show("start.html", "<ONCLICK HREF=\"ziel.html\">Irgendwo klicken");
    int clicks = 0;
    int presses = 0;
    m_page.OnClick = [&] { ++clicks; };
    m_page.OnMouseDown = [&](const MouseEvent&) { ++presses; };
    ClickAt({400, 300});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(m_page.XFile(), "ziel.html");
}

TEST_F(PageControlPointerTest, ChildPageHidesWhenClickedBesideItsLinks) {
    Show("start.html", "<A HREF=\"x.html\">x</A>");
    m_page.SetHTMLChild(true);
    ClickAt(PointOf("x.html"));
    EXPECT_EQ(m_host.HidePageCalls(), 0);
    ClickAt({400, 400});
    EXPECT_EQ(m_host.HidePageCalls(), 1);
}

TEST_F(PageControlPointerTest, ButtonClickFollowsItsCommandAfterTheEvent) {
    Write("ziel.html", "Ziel");
    Show("start.html", "<BUTTON COORDS=\"100,300,120,30\" CAPTION=\"Weiter\" HREF=\"ziel.html\">Text");
    int presses = 0;
    m_page.OnMouseDown = [&](const MouseEvent&) { ++presses; };
    ASSERT_EQ(m_page.Document().Buttons().Count(), 1);
    EXPECT_TRUE(m_page.Document().Buttons().Button(0).Visible());
    ClickAt({150, 310});
    EXPECT_EQ(presses, 0) << "the button took the press";
    EXPECT_EQ(m_page.XFile(), "start.html");
    EXPECT_EQ(m_host.RunDeferred(), 1);
    EXPECT_EQ(m_page.XFile(), "ziel.html");
}

TEST_F(PageControlPointerTest, GapEditShowsItsHintAndTakesKeys) {
    Show("start.html", "Le <A GAP lsg=\"chat\" help=\"c\" tip=\"Katze\">chat</A> dort.");
    TPageEdit& edit = m_page.Document().GapEdits().Edit(0);
    ASSERT_TRUE(edit.Visible());
    EXPECT_EQ(m_host.FocusedControl(), &edit) << "the first gap takes the focus";
    EXPECT_TRUE(m_page.FocusReleased());
    MoveTo({edit.Left() + 2, edit.Top() + 2});
    m_host.Advance(500);
    ASSERT_TRUE(m_host.CurrentTooltip());
    EXPECT_EQ(m_host.CurrentTooltip()->text, "Katze");

    char typed = 'c';
    m_page.KeyPress(typed);
    EXPECT_EQ(edit.Text(), "c");
}

TEST_F(PageControlPointerTest, MouseMoveAfterLoadRefreshesTheHover) {
    std::vector<std::string> ankers;
    m_page.OnAnkerChange = [&](const std::string& anker) { ankers.push_back(anker); };
    Write("zwei.html", "<A HREF=\"drei.html\">dort</A>");
    Show("start.html", "<A HREF=\"zwei.html\">hier</A>");
    const ScreenPoint point = PointOf("zwei.html");
    MoveTo(point);
    ClickAt(point);
    ASSERT_EQ(m_page.XFile(), "zwei.html");
    // The new page's link lies under the mouse that has not moved.
    EXPECT_EQ(ankers, (std::vector<std::string>{"zwei.html", "drei.html"}));
    EXPECT_EQ(m_host.Cursor(), PageCursor::Hand);
}

TEST_F(PageControlPointerTest, StandardEventsComeBeforeThePagesOwnHandling) {
    Show("start.html", "<A HREF=\"ziel.html\">weiter</A>");
    Write("ziel.html", "<TITLE>Ziel</TITLE>Ziel");
    std::vector<std::string> seen;
    m_page.OnEnter = [&] { seen.push_back("enter"); };
    m_page.OnExit = [&] { seen.push_back("exit"); };
    m_page.OnDblClick = [&] { seen.push_back("dblclick " + m_page.XFile()); };
    m_page.FocusEntered();
    // The second press of a double click on a link is a press like the first: the release follows it.
    m_page.DoubleClick(
        MouseEvent{PointOf("ziel.html").x, PointOf("ziel.html").y, MouseButton::Left, kShiftNone});
    Release(PointOf("ziel.html"));
    m_page.FocusLeft();
    EXPECT_EQ(seen, (std::vector<std::string>{"enter", "dblclick start.html", "exit"}));
    EXPECT_EQ(m_page.XFile(), "ziel.html");
}

TEST_F(PageControlPointerTest, MultipleChoiceIsShuffledOncePerPageBuild) {
    // Over several builds the right answer ("un", written first) must leave the first cell at least
    // once, and the items stay the same set.
    std::set<std::string> firstCells;
    for (int build = 0; build < 12; ++build) {
        SeedRandom(static_cast<std::uint32_t>(build + 1));
        Show("wahl.html", "<MULTIPLE COORDS=\"10,10,120,40\" DIM=\"2,2\" TXT=\"un|une|des|le\">");
        const TXMultipleChoice* grid = m_page.Document().MultipleChoice();
        ASSERT_NE(grid, nullptr);
        std::multiset<std::string> items;
        for (int cell = 0; cell < 4; ++cell)
            items.insert(grid->CellCaption(cell));
        EXPECT_EQ(items, (std::multiset<std::string>{"des", "le", "un", "une"}));
        firstCells.insert(grid->CellCaption(0));
    }
    EXPECT_GT(firstCells.size(), 1u);
}

TEST_F(PageControlPointerTest, TabMovesBetweenTheVisibleGapsAndShiftTabBack) {
    Show("start.html",
         "<A GAP lsg=\"un\" help=\"*\">un</A> <A GAP lsg=\"deux\" help=\"*\">deux</A> "
         "<A GAP lsg=\"trois\" help=\"*\">trois</A> <A GAP lsg=\"quatre\" help=\"*\">quatre</A>");
    tTippAufgabenListe& gaps = m_page.Document().GapEdits();
    ASSERT_EQ(gaps.Count(), 4);
    gaps.Edit(2).SetVisible(false); // a finished gap is left out
    const auto focusedGap = [&] {
        for (int i = 0; i < gaps.Count(); ++i) {
            if (m_host.FocusedControl() == &gaps.Edit(i))
                return i;
        }
        return -1;
    };
    const struct {
        int key;
        ShiftState shift;
        int expected;
    } steps[] = {
        {VirtualKey::Tab, kShiftNone, 1}, {VirtualKey::Tab, kShiftNone, 3}, {VirtualKey::Tab, kShiftNone, 0},
        {VirtualKey::Tab, kShiftKey, 3},  {VirtualKey::Tab, kShiftKey, 1},  {VirtualKey::Tab, kShiftKey, 0},
    };
    ASSERT_EQ(focusedGap(), 0);
    for (const auto& step : steps) {
        KeyEvent event{step.key, step.shift};
        m_page.KeyDown(event);
        EXPECT_EQ(event.key, 0) << "the gap edit must not see the Tab";
        EXPECT_EQ(focusedGap(), step.expected);
    }
    // Typing goes to the gap that has the focus now.
    char typed = 'u';
    m_page.KeyPress(typed);
    EXPECT_EQ(gaps.Edit(0).Text(), "u");
    EXPECT_EQ(gaps.Edit(1).Text(), "");
}

// Enter and typed letters go to the gap that has the focus; once a gap is finished (and hidden) the
// next open gap takes the keyboard, or, when none is left, no gap.
TEST_F(PageControlPointerTest, AFinishedGapGivesUpTheKeyboard) {
    Show("start.html", "<A GAP lsg=\"un\" help=\"\">un</A> <A GAP lsg=\"deux\" help=\"\">deux</A> "
                       "<A GAP lsg=\"trois\" help=\"\">trois</A>");
    tTippAufgabenListe& gaps = m_page.Document().GapEdits();
    ASSERT_EQ(gaps.Count(), 3);
    const auto focusedGap = [&] {
        for (int i = 0; i < gaps.Count(); ++i) {
            if (m_host.FocusedControl() == &gaps.Edit(i))
                return i;
        }
        return -1;
    };
    Key(VirtualKey::Tab);
    ASSERT_EQ(focusedGap(), 1);
    const struct {
        const char* typed; // then Enter
        int finished;      // the gap this answer finishes
        int focusAfter;
    } answers[] = {
        {"deux", 1, 2}, // right
        {"", 2, 0},     // an empty answer ends the gap as wrong; the focus goes round to the first
        {"un", 0, -1},  // the last open gap: no gap keeps the keyboard
    };
    for (const auto& answer : answers) {
        SCOPED_TRACE(answer.typed);
        for (const char* c = answer.typed; *c != 0; ++c) {
            char typed = *c;
            m_page.KeyPress(typed);
        }
        Key(VirtualKey::Return);
        EXPECT_FALSE(gaps.Edit(answer.finished).Visible());
        EXPECT_EQ(focusedGap(), answer.focusAfter);
    }
    EXPECT_EQ(m_page.LastFeedback(), "Unglaublich!");
    m_page.ClearLastFeedback();
    Key(VirtualKey::Return);
    char typed = 'x';
    m_page.KeyPress(typed);
    EXPECT_EQ(gaps.Edit(0).AttemptCount(), 1) << "a finished gap is not evaluated again";
    EXPECT_EQ(gaps.Edit(0).Text(), "un");
    EXPECT_EQ(m_page.LastFeedback(), "") << "the praise is not given again";
}

} // namespace
} // namespace qor::test
