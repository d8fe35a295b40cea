#include "settings/FrameLayout.h"

namespace qor {

int FrListeItemHeight(int frameHeight) {
    if (frameHeight <= 500)
        return 20;
    if (frameHeight <= 600)
        return 22;
    return 25;
}

int FrListePanelHeight(int frameHeight) {
    return frameHeight >= 535 ? (frameHeight - 534) / 4 + 120 : 120;
}

FrListeLayout LayoutFrListe(int w, int h) {
    constexpr int b = kFrListeButtonSize;
    FrListeLayout layout;
    int panelHeight = FrListePanelHeight(h);
    layout.panel = {0, h - panelHeight, w, panelHeight};
    layout.itemHeight = FrListeItemHeight(h);
    int lines = (h - panelHeight - 80) / layout.itemHeight;
    layout.list = {30, 60, w - 60, layout.itemHeight * lines};
    layout.fileLabel = {0, layout.panel.top - 4 - 20, w, 20};
    layout.topButtons = {
        {"bNeu", {30, 10, b, b}},   {"bLaden", {70, 10, b, b}},     {"bDazu", {110, 10, b, b}},
        {"bSave", {150, 10, b, b}}, {"bInfo", {w - 110, 10, b, b}}, {"bDrucken", {w - 70, 10, b, b}},
    };
    layout.panelButtons = {
        {"bRec", {30, 17, b, b}},
        {"bPlay", {70, 17, b, b}},
        {"SaveWAV", {110, 17, b, b}},
        {"bAlpha", {w - 150, 17, b, b}},
        {"bKill", {w - 110, 17, b, b}},
        {"bTakeOver", {w - 70, 17, b, b}},
        {"bLeft", {w / 2 - 80, 67, b, b}},
        {"bRight", {w / 2 + 40, 67, b, b}},
        {"Position1", {w / 2 - 20, 68, kFrListePositionWidth, 20}},
        {"Position2", {w / 2 - 20, 88, kFrListePositionWidth, 20}},
    };
    return layout;
}

std::array<FrameRect, 7> LayoutFrNavigation(int width) {
    int a = (width - 700) / 10;
    std::array<FrameRect, 7> rects;
    int left = 2 * a;
    for (FrameRect& rect : rects) {
        rect = {left, kFrNavigationButtonTop, kFrNavigationButtonWidth, kFrNavigationButtonHeight};
        left += a + 100;
    }
    return rects;
}

} // namespace qor
