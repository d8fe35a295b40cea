#pragma once
// The score histogram picture of the evaluation pages. It draws through a rectangle-filling
// callback so the user records need no drawing surface of their own; the main window passes one
// that fills its bitmap.

#include "users/UserStatistics.h"

#include <cstdint>
#include <functional>

namespace qor {

// Fills [x1, x2) × [y1, y2) with a Windows colour (0x00BBGGRR).
using FillRectangle = std::function<void(int x1, int y1, int x2, int y2, std::int32_t colour)>;

inline constexpr std::int32_t kHistogramRed = 0x0000FF;
inline constexpr std::int32_t kHistogramGrey = 0x333333;
inline constexpr std::int32_t kHistogramWhite = 0xFFFFFF;

// Left half red, right half dark grey (negative and positive scores), then one white bar per bin
// rising from the bottom edge, as high as the bin's share of `recordCount`. No records: no bars.
void DrawHistogram(int width, int height, const ScoreHistogram& histogram, std::int32_t recordCount,
                   const FillRectangle& fill);

} // namespace qor
