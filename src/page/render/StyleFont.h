#pragma once
// The font a text style asks for, and the size of a text in it.

#include "page/markup/TextStyle.h"
#include "platform/Fonts.h"

#include <string_view>

namespace qor {

// Style bits, font name and size of the style: sizes 1-7 are the character heights 11, 13, 16,
// 19, 24, 32 and 48 pixels (a size of 0 or below counts as 1); larger sizes are cell heights.
FontSpec StyleFont(const TextStyle& style);

// The width, height, ascent and descent of `text` in the style's font.
TextMetrics MeasureText(std::string_view text, const TextStyle& style);

} // namespace qor
