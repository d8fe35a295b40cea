#include "app/super/TSuperPresentation.h"

#include "SuperFakes.h"
#include "platform/Random.h"
#include "vocab/TBibliothek.h"
#include "vocab/TVocEinstellungen.h"
#include "vocab/VocabTestSupport.h"

#include <gtest/gtest.h>
#include <memory>

namespace qor {
namespace {

using test::Voc;

class SuperPresentationTest : public ::testing::Test {
protected:
    void SetUp() override {
        SeedRandom(3);
        test::Fill(library, {Voc("le chat", "die Katze"), Voc("der Hund", "le chien", {}, 0, true)});
    }

    TSuperPresentation& Make(SuperMode mode) {
        SuperPresentationParts parts;
        parts.library = &library;
        parts.range = {kModusVorwaerts, 0, 1};
        parts.look.mode = mode;
        parts.look.textDelay = 0;
        parts.look.speech = true;
        parts.canvas = &canvas;
        parts.loop = &loop;
        parts.playRecording = [this](const std::string& text) {
            played.push_back(text);
            return playWorks;
        };
        parts.close = [this] { ++closes; };
        presentation = std::make_unique<TSuperPresentation>(std::move(parts));
        presentation->Open();
        return *presentation;
    }

    // One timer tick, then the rest of its 100 ms on the clock.
    void Tick() {
        const std::int64_t begin = loop.now;
        presentation->Tick();
        loop.now = std::max(loop.now, begin + TSuperPresentation::kTickMs);
    }

    TBibliothek library;
    test::RecordingCanvas canvas;
    test::VirtualLoop loop;
    std::vector<std::string> played;
    bool playWorks = true;
    int closes = 0;
    std::unique_ptr<TSuperPresentation> presentation;
};

TEST_F(SuperPresentationTest, AClickBeforeTheFirstStepDoesNothing) {
    TSuperPresentation& show = Make(SuperMode::Fades);
    show.RequestStop();
    EXPECT_FALSE(show.StopRequested());
    Tick();
    EXPECT_EQ(show.Step(), 0);
    EXPECT_TRUE(show.Started());
    EXPECT_EQ(closes, 0);
}

TEST_F(SuperPresentationTest, AClickDuringAFadeEndsItAndTheNextTickCloses) {
    TSuperPresentation& show = Make(SuperMode::Fades);
    loop.onMessages = [&](std::int64_t now) {
        if (now >= 300)
            show.RequestStop();
    };
    show.Tick();
    EXPECT_LT(loop.now, 400) << "the fade broke off";
    EXPECT_EQ(closes, 0);
    show.Tick();
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(show.Closed());
    show.Tick();
    EXPECT_EQ(closes, 1);
}

TEST_F(SuperPresentationTest, FadesRunTheirStepsWithTheirTexts) {
    TSuperPresentation& show = Make(SuperMode::Fades);
    struct Row {
        int step;
        const char* text;
        std::int64_t fadeMs; // time the tick took
    };
    const Row rows[] = {
        {0, "{ le chat }", 1500},  {1, "{ le chat }", 1500}, {2, "{ le chat }", 1500},
        {3, "{ le chat }", 1500},  {4, "die Katze", 1500},   {5, "die Katze", 1500},
        {6, "die Katze", 1500},    {7, "die Katze", 100},    {-1, "die Katze", 100},
        {0, "{ der Hund }", 1500},
    };
    for (const Row& row : rows) {
        const std::int64_t begin = loop.now;
        Tick();
        EXPECT_EQ(show.Step(), row.step);
        EXPECT_EQ(show.Text(), row.text) << row.step;
        EXPECT_GE(loop.now - begin, row.fadeMs) << row.step;
        EXPECT_LT(loop.now - begin, row.fadeMs + 10) << row.step;
        if (row.step == 6) {
            EXPECT_EQ(show.Colours(), (FadeColours{0, 0})) << "all to black";
        }
        if (row.step == 3) {
            EXPECT_EQ(show.Colours().text, show.Colours().background) << "the text melts away";
        }
    }
    EXPECT_EQ(show.CurrentEntry(), 1);
    EXPECT_GE(show.BandTop(), 0);
    EXPECT_LE(show.BandTop() + show.BandHeight(), canvas.Height());
    // French headword spoken after step 1; the German one's meaning would follow at step 4.
    EXPECT_EQ(played, (std::vector<std::string>{"le chat"}));
}

TEST_F(SuperPresentationTest, LettersWaitByTheirTextsLength) {
    TSuperPresentation& show = Make(SuperMode::Letters);
    struct Row {
        int step;
        int wait;
    };
    // Faktor 100: "{ le chat }" has 11 characters, "die Katze" 9.
    const Row rows[] = {{0, 1000 + 5 * 100}, {1, 800}, {2, 1000 + 9 * 100},
                        {3, 1400},           {-1, 0},  {0, 1000 + 6 * 100}};
    for (const Row& row : rows) {
        Tick();
        ASSERT_EQ(show.Step(), row.step);
        EXPECT_EQ(show.WaitMs(), row.wait) << row.step;
        // The ticks in between only count the wait down.
        for (int left = row.wait - 100; left > 0; left -= 100) {
            Tick();
            ASSERT_EQ(show.Step(), row.step);
            ASSERT_EQ(show.WaitMs(), left);
        }
    }
    EXPECT_EQ(canvas.chars.size(), 11u + 9u + 12u);
    EXPECT_EQ(canvas.clears.size(), 1u + 2u) << "opening, then after each text";
    EXPECT_EQ(canvas.clears.front(), 0xFFFFFF);
}

TEST_F(SuperPresentationTest, ARecordingThatFailsSwitchesSpeechOff) {
    playWorks = false;
    TSuperPresentation& show = Make(SuperMode::Letters);
    for (int i = 0; i < 200; ++i)
        Tick();
    EXPECT_GT(show.CurrentEntry(), 0) << "the presentation went on to the next entry";
    EXPECT_FALSE(show.Speaking());
    EXPECT_EQ(played, (std::vector<std::string>{"le chat"}));
}

TEST_F(SuperPresentationTest, AStopWhileLettersAreDrawnBreaksThemOff) {
    TSuperPresentation& show = Make(SuperMode::Letters);
    loop.onMessages = [&](std::int64_t) {
        if (canvas.chars.size() == 3)
            show.RequestStop();
    };
    Tick();
    EXPECT_EQ(canvas.chars.size(), 3u);
    Tick();
    EXPECT_EQ(closes, 1) << "closed although the wait had not run out";
}

} // namespace
} // namespace qor
