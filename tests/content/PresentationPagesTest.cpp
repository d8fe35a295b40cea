// The presentations on the shipped pages: the game "las vegas" and the typewriter "super dd" run on
// a page control through the page screen, with a virtual clock, so that a whole game is over in
// a moment. They must find their pages, draw inside them and leave the learner on the right page.

#include "app/PageStyleScreen.h"
#include "content/ShippedContent.h"
#include "page/controls/PageControl.h"
#include "page/controls/TestPageControlHost.h"
#include "platform/Fonts.h"
#include "platform/MessageCapture.h"
#include "platform/Random.h"
#include "platform/WinPath.h"
#include "vocab/TVocEinstellungen.h"
#include "vocab/VocabTestSupport.h"
#include "vocab/styles/FakeStyleScreen.h"
#include "vocab/styles/SuperItemSequence.h"
#include "vocab/styles/TBingo.h"
#include "vocab/styles/TSeventies.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace qor::test {
namespace {

// Page folders keep the separators of the names that led to them ("vegas\\start.htx").
std::string Slashes(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

class PresentationPagesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_content = new ShippedContent(); }
    static void TearDownTestSuite() {
        delete s_content;
        s_content = nullptr;
    }

    void SetUp() override {
        SeedRandom(77);
        m_page.SetProgramFolder(s_content->Folder("main.htx"));
        m_page.SetXPath(s_content->Folder("main.htx"));
        std::vector<TVokabel> entries;
        for (int i = 0; i < 12; ++i)
            entries.push_back(Voc("mot" + std::to_string(i), "Wort" + std::to_string(i)));
        Fill(m_library, entries);
        m_settings.Richtung = kBeideRichtungen;
        m_settings.NichtZuSchwer.fill(true);
        m_settings.Von = 0;
        m_settings.Bis = m_library.Count() - 1;
        m_library.SetSettings(&m_settings);
    }

    // Waits move the clock; message processing runs what is due.
    StyleClock VirtualClock() {
        StyleClock clock;
        clock.now = [this] { return m_now; };
        clock.sleep = [this](int milliseconds) {
            m_now += std::max(1, milliseconds);
            if (m_now > kTimeLimit)
                throw std::runtime_error("the presentation did not end");
        };
        return clock;
    }
    void ProcessMessages() {
        while (!m_due.empty() && m_due.begin()->first <= m_now) {
            auto action = std::move(m_due.begin()->second);
            m_due.erase(m_due.begin());
            action();
        }
    }

    BingoEnvironment Game() {
        BingoEnvironment game;
        game.screen = &m_screen;
        game.library = &m_library;
        game.settings = &m_settings;
        game.fonts = &m_fonts;
        game.vegasFaktor = 400; // a quarter of every wait: the same game, fewer frames
        game.drawQuestion = test::SimpleQuestionPick(m_library);
        game.nextRoundLibrary = [] {};
        return game;
    }

    static constexpr std::int64_t kTimeLimit = std::int64_t{6} * 3600 * 1000;
    static ShippedContent* s_content;

    MessageCapture m_messages;
    TestPageControlHost m_host;
    PageControl m_page{m_host};
    std::int64_t m_now = 0;
    std::multimap<std::int64_t, std::function<void()>> m_due;
    PageStyleScreen m_screen{m_page, [this] { ProcessMessages(); }, VirtualClock()};
    FixedAdvanceFonts m_fonts;
    TBibliothek m_library;
    TVocEinstellungen m_settings;
};

ShippedContent* PresentationPagesTest::s_content = nullptr;

TEST_F(PresentationPagesTest, TheGameStartsOnItsPageAndEndsOnTheGameOverPageWhenTheEnergyIsGone) {
    ASSERT_TRUE(m_page.SetXFile("vegas\\intro.htx"));
    std::vector<std::string> shown;
    m_page.OnFileChange = [this, &shown] { shown.push_back(m_page.XFile()); };
    TBingo game(Game());
    game.Run();

    EXPECT_EQ(game.Energy(), 0);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), "start.htx");
    EXPECT_EQ(m_page.XFile(), "again.htx");
    EXPECT_EQ(Slashes(m_page.XPath()), s_content->Folder("vegas/again.htx"));
    // The extra pairs of the game's folder were read.
    EXPECT_GT(game.ExtraPairs().size(), 10);
    EXPECT_TRUE(m_messages.Messages().empty()) << m_messages.Messages().front().text;
}

TEST_F(PresentationPagesTest, TheGameStoppedByTheLearnerGoesBackToTheVocabularyTrainer) {
    ASSERT_TRUE(m_page.SetXFile("vegas\\intro.htx"));
    TBingo game(Game());
    m_due.emplace(20000, [&game] { game.Stop(); });
    game.Run();

    EXPECT_GT(game.Energy(), 0);
    EXPECT_EQ(m_page.XFile(), "vokabeln.htx");
    EXPECT_EQ(Slashes(m_page.XPath()), s_content->Folder("main.htx"));
    EXPECT_TRUE(m_messages.Messages().empty()) << m_messages.Messages().front().text;
}

TEST_F(PresentationPagesTest, TheGameDrawsItsTextsOnTheWhiteFieldsOfItsPage) {
    ASSERT_TRUE(m_page.SetXFile("vegas\\start.htx"));
    // What the page alone shows at the middle of both fields: white.
    const TXBitmap& buffer = m_page.Painter().Buffer();
    const Colour white = MakeColour(255, 255, 255);
    EXPECT_EQ(buffer.Pixel(400, 133), white);
    EXPECT_EQ(buffer.Pixel(400, 400), white);
    // The status line below the fields is the page's black.
    EXPECT_EQ(buffer.Pixel(400, 555), MakeColour(0, 0, 0));
}

TEST_F(PresentationPagesTest, TheTypewriterTypesInsideTheTextAreaOfEachShippedBackground) {
    const std::string folder = s_content->Folder("SuperDD/nacht.htx");
    std::vector<std::string> pages;
    for (const ContentFile& page : s_content->Pages()) {
        if (page.relative.starts_with("SuperDD/"))
            pages.push_back(FileName(page.relative).substr(0, FileName(page.relative).size() - 4));
    }
    ASSERT_GE(pages.size(), 3u);
    ASSERT_TRUE(m_page.SetXFile("vokabeln.htx"));
    const std::string folderBefore = m_page.XPath();

    for (const std::string& chosen : pages) {
        SCOPED_TRACE(chosen);
        SuperItemRange range;
        range.modus = 0;
        range.von = 0;
        range.bis = m_library.Count() - 1;
        SuperItemSequence items(m_library, range, false, {});
        SeventiesSettings settings;
        settings.folder = folder;
        settings.chosenPage = chosen;
        settings.pages = pages;
        TSeventies typewriter(m_screen, nullptr, m_fonts, items, settings, {});
        std::vector<std::pair<int, int>> places;
        // Watch the typing for a while, then stop.
        for (int t = 3000; t < 30000; t += 250)
            m_due.emplace(m_now + t, [&] { places.emplace_back(typewriter.LineX(), typewriter.LineY()); });
        m_due.emplace(m_now + 30000, [&typewriter] { typewriter.Stop(); });
        typewriter.Run();

        EXPECT_EQ(typewriter.BackgroundPage(), chosen);
        const PageRect area = m_page.Document().destination;
        EXPECT_LT(area.right - area.left, 800) << "the page names its text area";
        ASSERT_FALSE(places.empty());
        for (const auto& [x, y] : places) {
            EXPECT_GE(x, area.left);
            EXPECT_LT(x, area.right);
            EXPECT_GE(y, area.top);
            EXPECT_LT(y, area.bottom);
        }
        EXPECT_EQ(m_page.XPath(), folderBefore) << "the page folder is given back";
        m_due.clear();
    }
    EXPECT_TRUE(m_messages.Messages().empty()) << m_messages.Messages().front().text;
}

} // namespace
} // namespace qor::test
