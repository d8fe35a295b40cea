#pragma once
// Small drawing helpers shared by the painter's parts.

#include "page/markup/PageRecords.h"
#include "page/render/TXBitmap.h"
#include "platform/Fonts.h"

#include <string_view>

namespace qor {

// The area [left, right) × [top, bottom) of `source` as a bitmap of its own (black where it lies
// outside the source). Empty when the area is empty or larger than kMaxCopiedPixels.
TXBitmap CopyArea(const TXBitmap& source, const PageRect& area);
inline constexpr long long kMaxCopiedPixels = 4'000'000;

// Draws `image` with its top-left corner at (x, y), plainly.
void PutArea(TXBitmap& target, const TXBitmap& image, int x, int y);

// `source` scaled to width × height (nearest neighbour) and drawn at (x, y); only the part
// inside the target is computed, so a huge scale costs no more than the target's size.
void StretchClipped(TXBitmap& target, int x, int y, int width, int height, const TXBitmap& source);
// The part of that scaled picture that lies inside the target, as a bitmap of its own; `x` and
// `y` move to where it goes.
TXBitmap ScaledVisiblePart(const TXBitmap& target, int& x, int& y, int width, int height,
                           const TXBitmap& source);

// `area` with its dark parts turned towards `dark` and its bright parts towards `bright` (a
// colour of -1 leaves that side).
TXBitmap Tinted(const TXBitmap& area, Colour dark, Colour bright);

// Text with its cell's top-left corner at (x, y), with `tracking` extra pixels after every
// character.
void DrawTextAt(TXBitmap& target, int x, int y, const FontSpec& font, std::string_view text, Colour colour,
                int tracking);

} // namespace qor
