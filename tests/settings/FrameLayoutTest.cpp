// The editor frames' geometry on resize.

#include "settings/FrameLayout.h"

#include <gtest/gtest.h>
#include <string>

namespace qor {
namespace {

FrameRect PartRect(const std::vector<FramePart>& parts, std::string_view name) {
    for (const FramePart& part : parts)
        if (part.name == name)
            return part.rect;
    ADD_FAILURE() << "no part " << name;
    return {};
}

TEST(FrListeLayout, PanelHeightAndItemHeightFollowTheFrameHeight) {
    struct Case {
        int height, panel, itemHeight;
    };
    const std::vector<Case> cases = {
        {300, 120, 20}, {399, 120, 20}, {400, 120, 20},  {500, 120, 20}, {501, 120, 22},
        {534, 120, 22}, {535, 120, 22}, {538, 121, 22},  {600, 136, 22}, {601, 136, 25},
        {800, 186, 25}, {801, 186, 25}, {1000, 236, 25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        EXPECT_EQ(FrListePanelHeight(c.height), c.panel);
        EXPECT_EQ(FrListeItemHeight(c.height), c.itemHeight);
    }
}

TEST(FrListeLayout, ListAndLabelFillTheRoomAboveThePanel) {
    struct Case {
        int width, height;
        FrameRect panel, list, label;
    };
    const std::vector<Case> cases = {
        // 572 - 129 - 80 = 363 → 16 lines of 22
        {800, 572, {0, 443, 800, 129}, {30, 60, 740, 352}, {0, 419, 800, 20}},
        // 500 - 120 - 80 = 300 → 15 lines of 20
        {640, 500, {0, 380, 640, 120}, {30, 60, 580, 300}, {0, 356, 640, 20}},
        // 768 - 178 - 80 = 510 → 20 lines of 25
        {1024, 768, {0, 590, 1024, 178}, {30, 60, 964, 500}, {0, 566, 1024, 20}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        FrListeLayout layout = LayoutFrListe(c.width, c.height);
        EXPECT_EQ(layout.panel, c.panel);
        EXPECT_EQ(layout.list, c.list);
        EXPECT_EQ(layout.fileLabel, c.label);
        EXPECT_EQ(layout.list.height % layout.itemHeight, 0);
    }
}

TEST(FrListeLayout, ButtonsKeepTheirPlacesFromBothEdgesAndTheMiddle) {
    const int w = 800;
    FrListeLayout layout = LayoutFrListe(w, 572);
    struct Case {
        const char* name;
        bool inPanel;
        int left, top;
    };
    const std::vector<Case> cases = {
        {"bNeu", false, 30, 10},
        {"bLaden", false, 70, 10},
        {"bDazu", false, 110, 10},
        {"bSave", false, 150, 10},
        {"bInfo", false, w - 110, 10},
        {"bDrucken", false, w - 70, 10},
        {"bAlpha", true, w - 150, 17},
        {"bKill", true, w - 110, 17},
        {"bTakeOver", true, w - 70, 17},
        {"bLeft", true, w / 2 - 80, 67},
        {"bRight", true, w / 2 + 40, 67},
        {"Position1", true, w / 2 - 20, 68},
        {"Position2", true, w / 2 - 20, 88},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrameRect rect = PartRect(c.inPanel ? layout.panelButtons : layout.topButtons, c.name);
        EXPECT_EQ(rect.left, c.left);
        EXPECT_EQ(rect.top, c.top);
    }
    FrameRect wider = PartRect(LayoutFrListe(1001, 572).panelButtons, "bRight");
    EXPECT_EQ(wider.left, 1001 / 2 + 40);
}

TEST(FrNavigationLayout, SevenButtonsSpreadOverTheWidth) {
    struct Case {
        int width;
        std::array<int, 7> lefts;
    };
    const std::vector<Case> cases = {
        {800, {20, 130, 240, 350, 460, 570, 680}},  {700, {0, 100, 200, 300, 400, 500, 600}},
        {1024, {64, 196, 328, 460, 592, 724, 856}}, {709, {0, 100, 200, 300, 400, 500, 600}},
        {680, {-4, 94, 192, 290, 388, 486, 584}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        auto rects = LayoutFrNavigation(c.width);
        for (std::size_t i = 0; i < rects.size(); ++i) {
            EXPECT_EQ(rects[i].left, c.lefts[i]) << i;
            EXPECT_EQ(rects[i].top, 4);
            EXPECT_EQ(rects[i].width, 101);
            EXPECT_EQ(rects[i].height, 30);
        }
    }
    EXPECT_EQ(kFrNavigationCaptions[3], "abgedreht ");
    EXPECT_EQ(kFrNavigationCaptions[5], "super dd ");
}

} // namespace
} // namespace qor
