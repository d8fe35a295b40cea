// The settings dialog's conversions between options and controls, and the techno preview text.

#include "settings/SuperDialogConversions.h"

#include "settings/SuperOptionTable.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(SuperDialogPictureInterval, PositionsAndMilliseconds) {
    struct Case {
        int position, ms, back;
    };
    const std::vector<Case> cases = {
        {1, 20, 1},     {49, 980, 49},     {50, 1000, 50},  {90, 5000, 90},
        {91, 5500, 91}, {140, 30000, 146}, {141, 5000, 90}, /* the rule jumps back here */ {188, 240000, 188},
        {60, 2000, 60}, {100, 10000, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        EXPECT_EQ(PictureIntervalMs(c.position), c.ms);
        EXPECT_EQ(PictureIntervalPosition(c.ms), c.back);
    }
    // The stored default of 4000 ms sits at position 80.
    EXPECT_EQ(PictureIntervalPosition(4000), 80);
}

TEST(SuperDialogPictureInterval, Labels) {
    struct Case {
        int ms;
        std::string label;
    };
    const std::vector<Case> cases = {
        {20, "20 ms"},       {999, "999 ms"},    {1000, "1 s"},       {4500, "4.5 s"},
        {59999, "59.999 s"}, {60000, "1:0 min"}, {90000, "1:30 min"}, {240000, "4:0 min"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ms);
        EXPECT_EQ(PictureIntervalLabel(c.ms), c.label);
    }
}

TEST(SuperDialogTextInterval, TextsAndReading) {
    EXPECT_EQ(TextIntervalText(3000, ','), "3,0");
    EXPECT_EQ(TextIntervalText(2500, '.'), "2.5");
    EXPECT_EQ(TextIntervalText(1234, ','), "1,2");
    auto items = TextIntervalItems(',');
    ASSERT_EQ(items.size(), 16u);
    EXPECT_EQ(items.front(), "0,5");
    EXPECT_EQ(items.back(), "8,0");

    struct Case {
        std::string text;
        char separator;
        int ms;
    };
    const std::vector<Case> cases = {
        {"3,0", ',', 3000}, {"3.5", ',', 3500},   {"2,25", ',', 2250}, {"1.0005", '.', 1001},
        {"12", ',', 12000}, {" 4,5 ", ',', 4500}, {"abc", ',', 0},     {"", ',', 0},
        {"1,2.3", ',', 0},  {"2,5", '.', 2500},   {"-1", ',', -1000},  {"1e99", ',', 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TextIntervalMs(c.text, c.separator), c.ms);
    }
}

TEST(SuperDialogDDInterval, TextsAndSeconds) {
    struct Case {
        int seconds;
        std::string text;
    };
    const std::vector<Case> cases = {{30, "30 Sekunden"}, {60, "1 Minute"},     {120, "2 Minuten"},
                                     {600, "10 Minuten"}, {1200, "20 Minuten"}, {59, "59 Sekunden"},
                                     {90, "1 Minuten"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        EXPECT_EQ(DDIntervalText(c.seconds), c.text);
    }
    for (const std::string& item : DDIntervalItems())
        EXPECT_EQ(DDIntervalText(DDIntervalSeconds(item)), item);
    EXPECT_EQ(DDIntervalSeconds("20 Minuten"), 1200);
    // The longest choice is more than is read back.
    EXPECT_EQ(ClampToRange(EntryOf(SuperInt::DDBGRDelay), DDIntervalSeconds("20 Minuten")), 600);
    for (std::string bad : {"", "Minuten", "x Minuten", "5 Stunden", "5"})
        EXPECT_EQ(DDIntervalSeconds(bad), 0) << bad;
}

TEST(SuperDialogLabels, SliderLabels) {
    EXPECT_EQ(DDTextDelayLabel(20), "2 s");
    EXPECT_EQ(DDTextDelayLabel(15), "1.5 s");
    EXPECT_EQ(DDCharDelayLabel(40), "40 ms");
    EXPECT_EQ(VegasLabel(120), "120%");
}

TEST(SuperDialogPreview, MarkupFollowsTheTechnoControls) {
    TechnoPreview preview;
    preview.background = 0x000000;
    preview.text = 0xFFFFFF;
    preview.picture = 0x990099;
    preview.pictureFolder = "C:/techno/";
    preview.effect = 3;
    preview.transparency = 40;
    preview.frame = 100;
    preview.previewHeight = 100;
    preview.font = "Verdana";

    struct Case {
        const char* name;
        bool picture;
        int frame;
        std::string markup;
    };
    const std::string head = "<body bgcolor=#000000 text=#FFFFFF>";
    const std::string tail =
        "<box coords=0,40,160 align=m><font face=\"Verdana, courier new\" size=2>*qor techno";
    const std::vector<Case> cases = {
        {"picture and frame", true, 100,
         head +
             "<box coords=0,0,160><img src=\"C:/techno/vorschau.jpg\" color=#990099 mode=3 transparent=102>" +
             "<box coords=0,0,160,18 color=#0 top><box coords=0,82,160,18 color=#0 top>" + tail},
        {"no preview picture", false, 100,
         head + "<box coords=0,0,160,18 color=#0 top><box coords=0,82,160,18 color=#0 top>" + tail},
        {"frame too small to show", true, 5,
         head +
             "<box coords=0,0,160><img src=\"C:/techno/vorschau.jpg\" color=#990099 mode=3 transparent=102>" +
             tail},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        preview.hasPreviewPicture = c.picture;
        preview.frame = c.frame;
        EXPECT_EQ(TechnoPreviewMarkup(preview), c.markup);
    }
}

} // namespace
} // namespace qor
