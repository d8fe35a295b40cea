#pragma once
// Where the editor's frames put their parts when they are resized: the list frame TFrListe and the
// navigation bar TFrNavigation.

#include <array>
#include <string_view>
#include <vector>

namespace qor {

struct FrameRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const FrameRect&) const = default;
};

// One part of a frame: its component name and its place; parts inside the button panel `NP` are
// placed relative to the panel.
struct FramePart {
    std::string_view name;
    FrameRect rect;
};

inline constexpr int kFrListeButtonSize = 40;
inline constexpr int kFrListePositionWidth = 40;

struct FrListeLayout {
    FrameRect panel;                     // NP, in the frame
    FrameRect list;                      // in the frame
    int itemHeight = 20;                 // of the list
    FrameRect fileLabel;                 // FileLabel, in the frame
    std::vector<FramePart> topButtons;   // in the frame
    std::vector<FramePart> panelButtons; // in NP
};

// The list's line height for a frame of height H: 20 up to 500 (also below 400), 22 up to 600,
// 25 above (also beyond 800).
int FrListeItemHeight(int frameHeight);
int FrListePanelHeight(int frameHeight);
FrListeLayout LayoutFrListe(int frameWidth, int frameHeight);

inline constexpr int kFrNavigationHeight = 38;
inline constexpr int kFrNavigationButtonWidth = 101;
inline constexpr int kFrNavigationButtonHeight = 30;
inline constexpr int kFrNavigationButtonTop = 4;

// The seven buttons' captions, left to right.
inline constexpr std::array<std::string_view, 7> kFrNavigationCaptions = {
    "home", "einstellungen", "klassisch", "abgedreht ", "techno", "super dd ", "abfragen"};

// The buttons' places in the bar for a bar `width` wide.
std::array<FrameRect, 7> LayoutFrNavigation(int width);

} // namespace qor
