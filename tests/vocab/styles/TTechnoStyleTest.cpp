#include "vocab/styles/TTechnoStyle.h"

#include "FakeStyleScreen.h"
#include "platform/Random.h"
#include "platform/TempFolder.h"
#include "platform/WinPath.h"
#include "vocab/TVocEinstellungen.h"
#include "vocab/VocabTestSupport.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::Voc;

class TechnoTest : public ::testing::Test {
protected:
    void SetUp() override {
        SeedRandom(8);
        test::Fill(library, {Voc("le chat", "die Katze"), Voc("le chien", "der Hund")});
        folder.MakeFile("a.jpg");
        folder.MakeFile("unter/b.BMP");
        folder.MakeFile("unter/Vorschau.jpg");
        folder.MakeFile("c.png");
        settings.photoFolder = ProgramPath(folder.Path());
        settings.rand = 100;
    }

    // Every "picture" is a 100 × 50 block of one colour.
    PictureReader Reader() {
        return [this](const std::string& path, TXBitmap& bitmap) {
            read.push_back(FileNamePart(path));
            bitmap.Resize(100, 50);
            bitmap.Fill(0xFFFFFF, ColourOrder::BlueHigh);
            return true;
        };
    }

    test::TempFolder folder;
    test::FakeStyleScreen screen;
    FixedAdvanceFonts fonts;
    TBibliothek library;
    TechnoSettings settings;
    std::vector<std::string> read;
};

TEST_F(TechnoTest, FindsPicturesButNotThePreview) {
    const std::vector<std::string> found = FindTechnoPictures(settings.photoFolder);
    std::vector<std::string> names;
    for (const std::string& file : found)
        names.push_back(FileNamePart(file));
    EXPECT_EQ(names, (std::vector<std::string>{"a.jpg", "b.BMP"}));
    EXPECT_TRUE(FindTechnoPictures(ProgramPath(folder / "fehlt")).empty());
    EXPECT_TRUE(FindTechnoPictures("").empty());
}

TEST_F(TechnoTest, WithoutPicturesNothingRuns) {
    SuperItemSequence items(library, {kModusVorwaerts, 0, 1}, false, {});
    settings.photoFolder = ProgramPath(folder / "unter/leer");
    TTechnoStyle techno(screen, nullptr, fonts, items, settings, Reader(), {});
    EXPECT_FALSE(techno.Create());
}

TEST_F(TechnoTest, PreparesCentredPicturesWithProgress) {
    SuperItemSequence items(library, {kModusVorwaerts, 0, 1}, false, {});
    settings.transparency = 0;
    settings.background = MakeColour(0, 0, 255);
    TTechnoStyle techno(screen, nullptr, fonts, items, settings, Reader(), {});
    ASSERT_TRUE(techno.Create());
    const int before = screen.presented;
    techno.Prepare();
    EXPECT_EQ(screen.presented - before, 2) << "the progress bar grows once a picture";
    ASSERT_EQ(techno.Prepared().size(), 2u);
    const TXBitmap& canvas = techno.Prepared()[0];
    EXPECT_EQ(canvas.Width(), 800);
    EXPECT_EQ(canvas.Height(), 534 - 2 * 100);
    EXPECT_EQ(canvas.Pixel(0, 0), MakeColour(0, 0, 255));
    EXPECT_EQ(canvas.Pixel(350, 142), 0xFFFFFF) << "centred: (800-100)/2, (334-50)/2";
    EXPECT_EQ(canvas.Pixel(349, 142), MakeColour(0, 0, 255));
    EXPECT_EQ(screen.Surface().Pixel(599, 304), 0xFFFFFF) << "the full progress bar";
}

TEST_F(TechnoTest, CrossFadeSteps) {
    struct Case {
        int speed;
        int transparency;
        int steps;
    };
    const std::vector<Case> cases = {{1, 40, 153}, {5, 40, 30}, {0, 0, 255}, {-3, 100, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.speed);
        SuperItemSequence items(library, {kModusVorwaerts, 0, 1}, false, {});
        settings.speed = c.speed;
        settings.transparency = c.transparency;
        TTechnoStyle techno(screen, nullptr, fonts, items, settings, Reader(), {});
        EXPECT_EQ(techno.FadeSteps(), c.steps);
    }
}

TEST_F(TechnoTest, RunsUntilAClickAndPlaysEachText) {
    SuperItemSequence items(library, {kModusVorwaerts, 0, 1}, true,
                            [](std::string_view text) { return std::string(text) + ".wav"; });
    settings.speed = 5;
    settings.scrolling = true;
    settings.rand = 217; // a picture strip 100 rows high: the thousand frames cost less to draw
    std::vector<std::string> played;
    TTechnoStyle techno(screen, nullptr, fonts, items, settings, Reader(),
                        [&played](const std::string& file) { played.push_back(file); });
    ASSERT_TRUE(techno.Create());
    techno.Prepare();
    std::vector<int> currentPictures;
    screen.everyProcess = [&] {
        if (currentPictures.empty() || currentPictures.back() != techno.CurrentPicture())
            currentPictures.push_back(techno.CurrentPicture());
        if (techno.Frames() == 1000)
            techno.Click();
    };
    techno.Run();
    EXPECT_EQ(techno.Frames(), 1000);
    // 30 steps a fade with two pictures: they take turns.
    EXPECT_GE(currentPictures.size(), 30u);
    for (std::size_t i = 1; i < currentPictures.size(); ++i)
        EXPECT_NE(currentPictures[i], currentPictures[i - 1]);
    // 100 rows of picture, one pixel a frame: a pair takes some 160 frames, so several pairs passed.
    ASSERT_GE(played.size(), 4u);
    EXPECT_EQ(played[0], "le chat.wav");
    EXPECT_EQ(played[1], "die Katze.wav");
    EXPECT_EQ(played[2], "le chien.wav");
}

TEST_F(TechnoTest, MusicGoesOnFromFileToFile) {
    test::CountingMusic music;
    SuperItemSequence items(library, {kModusVorwaerts, 0, 1}, false, {});
    settings.rand = 217; // a small picture strip: the frames cost little to draw
    TTechnoStyle techno(screen, &music, fonts, items, settings, Reader(), {});
    ASSERT_TRUE(techno.Create());
    screen.At(screen.now + 5000, [&] { techno.Stop(); });
    techno.Run();
    EXPECT_EQ(music.started, 1);
    // Asked about once a second whether the file has ended, as the game asks after each pair.
    EXPECT_GE(music.advanced, 4);
    EXPECT_LE(music.advanced, 6);
    EXPECT_EQ(music.stopped, 1);
}

} // namespace
} // namespace qor
