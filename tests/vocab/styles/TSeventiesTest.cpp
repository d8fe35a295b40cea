#include "vocab/styles/TSeventies.h"

#include "FakeStyleScreen.h"
#include "platform/Random.h"
#include "platform/TempFolder.h"
#include "platform/WinPath.h"
#include "vocab/TVocEinstellungen.h"
#include "vocab/VocabTestSupport.h"
#include "vocab/styles/StyleMusic.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::Voc;

class SeventiesTest : public ::testing::Test {
protected:
    void SetUp() override {
        SeedRandom(5);
        test::Fill(library, {Voc("le chat", "die Katze"), Voc("le chien", "der Hund")});
        folder.MakeFile("tafel.htx");
        settings.folder = WithTrailingSeparator(ProgramPath(folder.Path()));
        settings.pages = {"nacht", "papier", "tafel"};
        settings.textDelay = 2000;
        settings.charDelay = 40;
        settings.backgroundDelay = 0;
    }

    test::TempFolder folder;
    test::FakeStyleScreen screen;
    FixedAdvanceFonts fonts;
    TBibliothek library;
    SeventiesSettings settings;
    std::vector<std::string> played;
};

TEST_F(SeventiesTest, TypesHeadwordThenMeaningOnTheSameLine) {
    SuperItemSequence items(library, {kModusVorwaerts, 0, 1}, true,
                            [](std::string_view text) { return std::string(text) + ".wav"; });
    settings.chosenPage = "tafel";
    TSeventies dd(screen, nullptr, fonts, items, settings,
                  [this](const std::string& f) { played.push_back(f); });
    screen.At(screen.now + 1000, [&] {
        EXPECT_EQ(dd.TypedText(), "*le chat");
        EXPECT_EQ(dd.TypedLength(), 8) << "eight characters at 40 ms each, the blank with the next";
        EXPECT_EQ(played, std::vector<std::string>{"le chat.wav"});
    });
    screen.At(screen.now + 3000, [&] {
        EXPECT_EQ(dd.TypedText(), "die Katze");
        EXPECT_EQ(played.size(), 1u) << "only the headword's recording is played";
    });
    screen.At(screen.now + 4100, [&] { EXPECT_EQ(dd.TypedText(), "*le chien"); });
    screen.At(screen.now + 4200, [&] { dd.Stop(); });
    dd.Run();
    EXPECT_EQ(dd.BackgroundPage(), "tafel");
    ASSERT_GE(screen.folderChanges.size(), 2u);
    EXPECT_EQ(screen.folderChanges.front(), settings.folder);
    EXPECT_EQ(screen.folder, "/prog/hqor/") << "the page folder is given back";
    // The text lies inside the page's text area, its size fits the longer text.
    EXPECT_GE(dd.LineX(), screen.textArea.left);
    EXPECT_GE(dd.LineY(), screen.textArea.top);
    EXPECT_LT(dd.LineY(), screen.textArea.bottom);
    EXPECT_EQ(dd.FontSize(), TSeventies::kStartSize);
}

TEST_F(SeventiesTest, ShrinksLongTextsAndChangesTheBackground) {
    test::Fill(library, {Voc(std::string(60, 'm'), "kurz")});
    SuperItemSequence items(library, {kModusVorwaerts, 0, 0}, false, {});
    settings.chosenPage = "fehlt"; // no such file: a page drawn from the list
    settings.backgroundDelay = 3;
    TSeventies dd(screen, nullptr, fonts, items, settings, {});
    std::vector<std::string> backgrounds;
    screen.everyProcess = [&] {
        if (backgrounds.empty() || backgrounds.back() != dd.BackgroundPage())
            backgrounds.push_back(dd.BackgroundPage());
    };
    screen.At(screen.now + 20000, [&] { dd.Stop(); });
    dd.Run();
    // "*" + 60 characters must fit 600 pixels: 61 × size/2 <= 600 gives size 18 at most.
    EXPECT_LE(dd.FontSize(), 18);
    EXPECT_GE(dd.FontSize(), 16);
    ASSERT_GE(backgrounds.size(), 3u);
    for (std::size_t i = 1; i < backgrounds.size(); ++i)
        EXPECT_NE(backgrounds[i], backgrounds[i - 1]);
}

TEST_F(SeventiesTest, MusicStartsAndStops) {
    struct Music : StyleMusic {
        void Start() override { log += "start "; }
        void Advance() override {}
        void Stop() override { log += "stop"; }
        std::string log;
    } music;
    SuperItemSequence items(library, {kModusVorwaerts, 0, 1}, false, {});
    TSeventies dd(screen, &music, fonts, items, settings, {});
    screen.At(screen.now + 100, [&] { dd.Stop(); });
    dd.Run();
    EXPECT_EQ(music.log, "start stop");
}

TEST_F(SeventiesTest, MusicGoesOnFromFileToFile) {
    test::CountingMusic music;
    SuperItemSequence items(library, {kModusVorwaerts, 0, 1}, false, {});
    TSeventies dd(screen, &music, fonts, items, settings, {});
    screen.At(screen.now + 10000, [&] { dd.Stop(); });
    dd.Run();
    EXPECT_EQ(music.started, 1);
    // Asked about once a second whether the file has ended, as the game asks after each pair.
    EXPECT_GE(music.advanced, 9);
    EXPECT_LE(music.advanced, 11);
    EXPECT_EQ(music.stopped, 1);
}

} // namespace
} // namespace qor
