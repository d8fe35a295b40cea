// IMG, MAP and AREA.

#include "MarkupTestSupport.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

// A page whose picture reader knows a few files and records what it was asked for.
struct PicturePage : TestPage {
    std::vector<std::string> requested;

    PicturePage() {
        document.pictures.SetReader([this](std::string_view path, bool, bool resource, TXBitmap& bitmap) {
            requested.push_back((resource ? "resource:" : "") + std::string(path));
            if (path.find("fehlt") != std::string_view::npos) {
                return false;
            }
            bitmap.Resize(4, 3);
            return true;
        });
    }
};

struct ImageCase {
    const char* name;
    std::string markup;
    std::string image; // the description of the first image element
};

TEST(ImageTag, Attributes) {
    const std::vector<ImageCase> cases = {
        {"source only", "<IMG SRC=\"a.bmp\">", "image \"\" picture=0 picalign=5"},
        {"scale with percent", "<IMG SRC=\"a.bmp\" SCALE=50%>", "image \"\" picture=0 scale=50 picalign=5"},
        {"scale that is no number", "<IMG SRC=\"a.bmp\" SCALE=x%>", "image \"\" picture=0 picalign=5"},
        {"align by first letter", "<IMG SRC=\"a.bmp\" ALIGN=middle>", "image \"\" picture=0 picalign=4"},
        {"unknown alignment", "<IMG SRC=\"a.bmp\" ALIGN=left>", "image \"\" picture=0"},
        {"alpha in percent", "<IMG SRC=\"a.bmp\" ALPHA=50>", "image \"\" picture=0 opacity=127 picalign=5"},
        {"transparent", "<IMG SRC=\"a.bmp\" TRANSPARENT=55>", "image \"\" picture=0 opacity=200 picalign=5"},
        {"radius", "<IMG SRC=\"a.bmp\" RADIUS=20000>", "image \"\" picture=0 radius=10000 picalign=5"},
        {"base", "<IMG SRC=\"a.bmp\" BASE=7>", "image \"\" picture=0 base=7 picalign=5"},
        {"mode", "<IMG SRC=\"a.bmp\" MODE=3>", "image \"\" picture=0 mode=3 picalign=5"},
        {"colour sets the tint mode", "<IMG SRC=\"a.bmp\" COLOR=#00FF00>",
         "image \"\" picture=0 mode=7 piccolor=0x00FF00 picalign=5"},
        {"colour keeps a mode", "<IMG SRC=\"a.bmp\" MODE=2 COLOR=#00FF00>",
         "image \"\" picture=0 mode=2 piccolor=0x00FF00 picalign=5"},
        {"flash colour", "<IMG SRC=\"a.bmp\" FCOLOR=#0000FF>",
         "image \"\" picture=0 mode=7 second=0xAFF0000 picalign=5"},
        {"second picture", "<IMG SRC=\"a.bmp\" FLASH=\"b.bmp\">", "image \"\" picture=0 second=1 picalign=5"},
        {"map and alternative text", "<IMG SRC=\"a.bmp\" USEMAP=\"karte\" ALT=\"Ein Bild\">",
         "image \"\" picture=0 picalign=5 alt=\"Ein Bild\" map=\"karte\""},
        {"macro source", "<DEFINE $bild=\"m.bmp\"><IMG SRC=\"$bild\">", "image \"\" picture=0 picalign=5"},
        {"picture that cannot be read", "<IMG SRC=\"fehlt.bmp\">", "image \"\" picalign=5"},
    };
    for (const ImageCase& imageCase : cases) {
        SCOPED_TRACE(imageCase.name);
        MessageCapture messages;
        PicturePage page;
        page.Parse(imageCase.markup);
        ASSERT_EQ(page.document.elements.Count(), 1u);
        EXPECT_EQ(DescribeElement(page.document.elements[0]), imageCase.image);
    }
}

TEST(ImageTag, PicturesAreResolvedAndShared) {
    MessageCapture messages;
    PicturePage page;
    page.Parse("<IMG SRC=\"../bilder/a.bmp\"><IMG SRC=\"../BILDER/A.BMP\"><IMG SRC=\"*$logo.bmp\"><IMG "
               "SRC=\"fehlt.bmp\">");
    EXPECT_EQ(page.requested, (std::vector<std::string>{"C:\\kurs\\bilder\\a.bmp", "resource:logo_bmp",
                                                        std::string(kPageFolder) + "fehlt.bmp"}));
    ASSERT_EQ(page.document.elements.Count(), 4u);
    EXPECT_EQ(page.document.elements[0].style.pictureIndex, 0);
    EXPECT_EQ(page.document.elements[1].style.pictureIndex, 0) << "the same picture loads once";
    EXPECT_EQ(page.document.elements[2].style.pictureIndex, 1);
    EXPECT_EQ(page.document.elements[3].style.pictureIndex, -1);
    EXPECT_TRUE(page.document.pictures.At(1).kept);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Das Bild " + std::string(kPageFolder) +
                                                         "fehlt.bmp konnte nicht geladen werden!"});

    page.Parse("a");
    EXPECT_EQ(page.document.pictures.Count(), 1) << "only the kept picture survives the reset";
}

TEST(ImageTag, PictureFieldsResetAfterTheElement) {
    PicturePage page;
    page.Parse("<IMG SRC=\"a.bmp\" USEMAP=\"k\" FCOLOR=#000000>x");
    ASSERT_EQ(page.document.elements.Count(), 2u);
    const TextStyle& word = page.document.elements[1].style;
    EXPECT_EQ(word.pictureIndex, -1);
    EXPECT_EQ(word.secondPicture, -1);
    EXPECT_EQ(word.imageMapName, "");
}

TEST(ImageTag, EffectsAskForCompositedPainting) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"<IMG SRC=\"a.bmp\">", false},
        {"<IMG SRC=\"a.bmp\" RADIUS=5>", true},
        {"<IMG SRC=\"a.bmp\" ALPHA=99>", true},
        {"<IMG SRC=\"a.bmp\" MODE=1>", true},
        {"<IMG RADIUS=5>", false},
    };
    for (const auto& [markup, composited] : cases) {
        SCOPED_TRACE(markup);
        PicturePage page;
        page.Parse(markup);
        EXPECT_EQ(page.document.compositedPainting, composited);
    }
}

TEST(ImageTag, ModeNineIsOneOfTheTints) {
    PicturePage page;
    for (int i = 0; i < 20; ++i) {
        page.Parse("<IMG SRC=\"a.bmp\" MODE=9>");
        const int mode = page.document.elements[0].style.pictureMode;
        EXPECT_TRUE(mode == 7 || mode == 8) << mode;
    }
}

TEST(ImageMaps, MapsCollectRectangularAreas) {
    TestPage page;
    page.Parse("<AREA SHAPE=RECT COORDS=\"0,0,1,1\" HREF=\"vorher.htx\">"
               "<MAP NAME=\"karte\"><AREA SHAPE=RECT COORDS=\"1,2,3,4\" HREF=\"a.htx\">"
               "<AREA SHAPE=CIRCLE COORDS=\"1,2,3\" HREF=\"b.htx\"><area shape=rect coords=\"-10020,10,0,0\" "
               "href=\"c.htx\">"
               "<AREA COORDS=\"1,2,3,4\" HREF=\"d.htx\"></MAP>");
    ASSERT_EQ(page.document.imageMaps.Count(), 1);
    const tMap& map = page.document.imageMaps.At(0);
    EXPECT_EQ(map.name, "karte");
    ASSERT_EQ(map.areas.size(), 2u);
    EXPECT_EQ(map.areas[0].target, "a.htx");
    EXPECT_EQ(map.areas[0].x, 1);
    EXPECT_EQ(map.areas[0].height, 4);
    EXPECT_EQ(map.areas[1].target, "c.htx");
    EXPECT_EQ(map.areas[1].x, 780);
    EXPECT_EQ(map.areas[1].width, 20);
    EXPECT_EQ(map.areas[1].height, 562);
}

} // namespace
} // namespace qor::test
