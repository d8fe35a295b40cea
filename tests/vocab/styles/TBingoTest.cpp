#include "vocab/styles/TBingo.h"

#include "FakeStyleScreen.h"
#include "platform/Random.h"
#include "vocab/TVocEinstellungen.h"
#include "vocab/VocabTestSupport.h"
#include "vocab/styles/BingoRules.h"
#include "vocab/styles/StyleMusic.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace qor {
namespace {

using test::Voc;

struct Recorded {
    std::string vokabel;
    int change;
};

// A library of eight entries, all asked, and a pick that draws one with five other entries as
// wrong choices, as the query's random pick does.
class BingoTest : public ::testing::Test {
protected:
    void SetUp() override {
        SeedRandom(2024);
        std::vector<TVokabel> entries;
        for (int i = 0; i < 8; ++i)
            entries.push_back(Voc("mot" + std::to_string(i), "Wort" + std::to_string(i), "", 0, i % 2 == 0));
        test::Fill(library, entries);
        settings.Richtung = kBeideRichtungen;
        settings.NichtZuSchwer.fill(true);
        settings.Von = 0;
        settings.Bis = library.Count() - 1;
        library.SetSettings(&settings);
        screen.folder = "/keine/seiten/";
    }

    BingoEnvironment Environment() {
        BingoEnvironment env;
        env.screen = &screen;
        env.music = &music;
        env.library = &library;
        env.settings = &settings;
        env.fonts = &fonts;
        env.drawQuestion = test::SimpleQuestionPick(library);
        env.nextRoundLibrary = [this] { ++newLibraries; };
        env.recordResult = [this](const TVokabel& entry, int change) {
            recorded.push_back({entry.Vokabel, change});
        };
        return env;
    }

    // Whether `bottom` is the meaning of the entry `top`.
    bool Belongs(const std::string& top, const std::string& bottom) const {
        return "Wort" + top.substr(3) == bottom;
    }

    test::FakeStyleScreen screen;
    test::CountingMusic music;
    FixedAdvanceFonts fonts;
    TBibliothek library;
    TVocEinstellungen settings;
    std::vector<Recorded> recorded;
    int newLibraries = 0;
};

TEST_F(BingoTest, CountsBothDirectionsOnCreation) {
    TBingo game(Environment());
    EXPECT_EQ(game.GermanEntries(), 4);
    EXPECT_EQ(game.ForeignEntries(), 4);
}

TEST_F(BingoTest, ChosenPairsAreRightExactlyWhenTheMeaningBelongs) {
    TBingo game(Environment());
    int right = 0;
    int wrongInARow = 0;
    for (int i = 0; i < 400; ++i) {
        const BingoPair& pair = game.ChoosePair();
        SCOPED_TRACE(pair.top + " / " + pair.bottom);
        EXPECT_EQ(pair.right, Belongs(pair.top, pair.bottom));
        EXPECT_FALSE(pair.extra);
        wrongInARow = pair.right ? 0 : wrongInARow + 1;
        ASSERT_LE(wrongInARow, 4);
        right += pair.right ? 1 : 0;
    }
    EXPECT_GT(right, 180);
    EXPECT_LT(right, 240);
}

TEST_F(BingoTest, RecentHeadwordsAreNotShownAgain) {
    TBingo game(Environment());
    // Von 0 .. Bis 7: fewer than seven headwords are remembered, so six in a row differ.
    std::vector<std::string> tops;
    for (int i = 0; i < 200; ++i)
        tops.push_back(game.ChoosePair().top);
    for (std::size_t i = 0; i + 7 <= tops.size(); ++i) {
        std::set<std::string> window(tops.begin() + static_cast<long>(i),
                                     tops.begin() + static_cast<long>(i) + 7);
        ASSERT_EQ(window.size(), 7u) << "at pair " << i;
    }
}

TEST_F(BingoTest, ExtraPairsFromThePairFile) {
    TBingo game(Environment());
    game.SetExtraPairs({{"rouge", "#D7263D", "#0055A4"},
                        {"le chat", "die Katze", ".le chien"},
                        {"lundi", "Montag", ""},
                        {"mardi", "Dienstag", ""},
                        {"six", "6", "16"}});
    int extras = 0;
    int wrongExtras = 0;
    for (int i = 0; i < 3000; ++i) {
        const BingoPair& pair = game.ChoosePair();
        if (!pair.extra)
            continue;
        ++extras;
        SCOPED_TRACE(pair.top + " / " + pair.bottom);
        const std::map<std::string, std::string> rightPairs = {{"rouge", "#D7263D"},
                                                               {"le chat", "die Katze"},
                                                               {"lundi", "Montag"},
                                                               {"mardi", "Dienstag"},
                                                               {"six", "6"}};
        const auto found = rightPairs.find(pair.top);
        const bool belongs = found != rightPairs.end() && found->second == pair.bottom;
        EXPECT_EQ(pair.right, belongs);
        if (!pair.right) {
            ++wrongExtras;
            EXPECT_TRUE(pair.top == "le chien" || pair.bottom == "#0055A4" || pair.bottom == "16" ||
                        rightPairs.count(pair.top) == 1)
                << "a wrong extra pair comes from the third text or a neighbouring line";
        }
    }
    // One pair in ten; half of those are made wrong where that is possible.
    EXPECT_GT(extras, 200);
    EXPECT_LT(extras, 400);
    EXPECT_GT(wrongExtras, extras / 4);
    EXPECT_LT(wrongExtras, extras * 3 / 4);
}

TEST_F(BingoTest, JudgingMovesEnergyScoreAndRecords) {
    TBingo game(Environment());
    game.ChoosePair();
    while (!game.CurrentPair().right)
        game.ChoosePair();
    game.Judge();
    EXPECT_EQ(game.Energy(), 100) << "never above 100";
    EXPECT_EQ(game.Score(), 1);
    while (game.CurrentPair().right)
        game.ChoosePair();
    for (int expected : {88, 76, 64, 52, 40, 28, 16, 4, 0, 0}) {
        game.Judge();
        EXPECT_EQ(game.Energy(), expected);
    }
    EXPECT_EQ(game.Score(), 1);
    ASSERT_EQ(recorded.size(), 11u);
    EXPECT_EQ(recorded[0].change, kScoreChangeRight);
    EXPECT_EQ(recorded[1].change, kScoreChangeWrong);
    EXPECT_EQ(recorded[1].vokabel, game.CurrentPair().top);
}

TEST_F(BingoTest, WithoutClicksTheEnergyRunsOutAndTheGameIsOver) {
    TBingo game(Environment());
    game.Run();
    EXPECT_EQ(game.Energy(), 0);
    EXPECT_EQ(game.Score(), 0);
    // Two points a pair, 14 pairs a round: 50 pairs are four rounds.
    EXPECT_EQ(game.Round(), 4);
    EXPECT_EQ(newLibraries, 3);
    EXPECT_TRUE(recorded.empty()) << "not clicking costs nothing but energy";
    ASSERT_EQ(screen.pages.size(), 2u);
    EXPECT_EQ(screen.pages.front(), "start.htx");
    EXPECT_EQ(screen.pages.back(), "again.htx");
    EXPECT_EQ(music.started, 1);
    EXPECT_EQ(music.advanced, 50);
    EXPECT_EQ(music.stopped, 1);
}

TEST_F(BingoTest, ClickingRightPairsScoresAndStopSaysGoodbye) {
    BingoEnvironment env = Environment();
    TBingo game(env);
    // The learner clicks whenever the pair on screen belongs together; "stop" comes later.
    screen.everyProcess = [&] {
        const BingoPair& pair = game.CurrentPair();
        if (!pair.top.empty() && pair.right)
            game.Click();
    };
    screen.At(screen.now + 120000, [&] { game.Stop(); });
    game.Run();
    EXPECT_GT(game.Score(), 5);
    EXPECT_GT(game.Energy(), 0);
    EXPECT_EQ(screen.pages.back(), "..\\vokabeln.htx");
    EXPECT_EQ(static_cast<int>(recorded.size()), game.Score());
    for (const Recorded& r : recorded)
        EXPECT_EQ(r.change, kScoreChangeRight);
}

TEST_F(BingoTest, ClicksBeforeTheFadeInIsHalfDoneDoNotCount) {
    TBingo game(Environment());
    game.Click();
    EXPECT_EQ(game.Score(), 0);
    // Clicks during the first quarter of every fade-in only: nothing is ever judged.
    std::int64_t pairStart = -1;
    std::string lastTop;
    screen.everyProcess = [&] {
        if (game.CurrentPair().top != lastTop) {
            lastTop = game.CurrentPair().top;
            pairStart = screen.now;
        }
        if (pairStart >= 0 && screen.now - pairStart < 100)
            game.Click();
    };
    screen.At(screen.now + 60000, [&] { game.Stop(); });
    game.Run();
    EXPECT_TRUE(recorded.empty());
}

TEST_F(BingoTest, ASlowerGameTakesLonger) {
    std::vector<std::int64_t> durations;
    for (int faktor : {200, 100, 50}) {
        SeedRandom(7);
        test::FakeStyleScreen fresh;
        BingoEnvironment env = Environment();
        env.screen = &fresh;
        env.vegasFaktor = faktor;
        TBingo game(env);
        // The same first pairs at each speed (no clicks, the same seed), then goodbye.
        fresh.everyProcess = [&game] {
            if (game.Energy() <= 80)
                game.Stop();
        };
        const std::int64_t start = fresh.now;
        game.Run();
        durations.push_back(fresh.now - start);
    }
    // Every duration is scaled by 100 / VegasFaktor, so doubling the factor halves the game.
    EXPECT_GT(durations[0], 5000);
    EXPECT_NEAR(static_cast<double>(durations[0]) * 2, static_cast<double>(durations[1]),
                durations[1] * 0.05);
    EXPECT_NEAR(static_cast<double>(durations[1]) * 2, static_cast<double>(durations[2]),
                durations[2] * 0.05);
}

TEST_F(BingoTest, AnEmptyRangeEndsTheGameInsteadOfSearchingForEver) {
    settings.Richtung = kDeutschFranzoesisch;
    settings.NichtZuSchwer.fill(false);
    TBingo game(Environment());
    game.Run();
    EXPECT_EQ(game.Energy(), 100);
    EXPECT_EQ(screen.pages.back(), "..\\vokabeln.htx");
}

TEST_F(BingoTest, LayoutOfTextsSwatchesAndStatus) {
    TBingo game(Environment());
    screen.RedrawPage();
    game.DrawTexts("abc", "#00FF00", 255);
    TXBitmap& surface = screen.Surface();
    // Both areas are white; the swatch is inset by 120 and 40.
    EXPECT_EQ(surface.Pixel(5, 35), 0xFFFFFF);
    EXPECT_EQ(surface.Pixel(5, 300), 0xFFFFFF);
    EXPECT_EQ(surface.Pixel(119, 400), 0xFFFFFF);
    EXPECT_EQ(surface.Pixel(120, 337), MakeColour(0, 255, 0));
    EXPECT_EQ(surface.Pixel(679, 463), MakeColour(0, 255, 0));
    EXPECT_EQ(surface.Pixel(680, 463), 0xFFFFFF);
    EXPECT_EQ(surface.Pixel(400, 464), 0xFFFFFF);
    // Outside the areas the page stays.
    EXPECT_EQ(surface.Pixel(5, 260), screen.pageColour);
    // "abc" centred in the top area at size 36: 54 pixels wide, so from x = 373.
    EXPECT_EQ(surface.Pixel(380, 133), 0x000000);
    EXPECT_EQ(surface.Pixel(300, 133), 0xFFFFFF);

    // Half faded: the swatch lies between white and its colour.
    game.DrawTexts("", "#0000FF", 128);
    EXPECT_EQ(surface.Pixel(400, 400), MakeColour(127, 127, 255));

    game.DrawStatus();
    // Energy 100: a green bar from x 640 to 740.
    EXPECT_EQ(surface.Pixel(640, 550), MakeColour(0, 255, 0));
    EXPECT_EQ(surface.Pixel(739, 560), MakeColour(0, 255, 0));
    EXPECT_NE(surface.Pixel(639, 550), MakeColour(0, 255, 0));
}

} // namespace
} // namespace qor
