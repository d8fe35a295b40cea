#pragma once
// One element of the layout list: a copy of a parsed element with its measured size and, once
// its line is ended, its position.

#include "page/render/PageContainers.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace qor {

// Positions and sizes stay within this range: a page may name boxes billions of pixels wide, and
// sums of such values must neither overflow nor reach the drawing routines' own limits.
inline constexpr int kMaxLayoutCoordinate = 1 << 26;

inline int ClampCoordinate(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, -kMaxLayoutCoordinate, kMaxLayoutCoordinate));
}

// Picture alignments as IMG ALIGN stores them.
enum PictureAlignment : std::uint8_t {
    kPictureLeftMargin = 0,
    kPictureCentred = 1,
    kPictureRight = 2,
    kPictureTop = 3,
    kPictureMiddle = 4,
    kPictureBottom = 5,
    kPictureTwoThirds = 6,
};

// What the layout adds to an element.
struct LayoutGeometry {
    int width = 0;
    int height = 0;
    int ascent = 0;
    int descent = 0;
    int runWidth = 0; // the whole glued run's width, on the run's first word (0 elsewhere)
    int x = 0;
    int baseLine = 0;
    int dragBlock = -1;           // drag words: the block the drag task made for this gap
    bool tabbedLineStart = false; // a justified tabbed word that shares the previous line's base line
};

struct LayoutElement : tFormatted_text, LayoutGeometry {
    bool IsWord() const { return kind == ElementKind::Word; }
    bool IsSpace() const { return kind == ElementKind::Space; }
    bool IsGapWord() const {
        return IsWord() && style.gapIndex >= 0 && style.gapIndex < kDragWordGapIndex && text != " ";
    }
    bool IsDragWord() const { return IsWord() && style.gapIndex == kDragWordGapIndex && text != " "; }
    int Top() const { return baseLine - ascent; }
    int Bottom() const { return baseLine + descent; }
};

} // namespace qor
