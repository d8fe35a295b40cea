#pragma once
// Windows bitmap files (BITMAPFILEHEADER + BITMAPINFOHEADER or a later version of it): 1, 4 and
// 8 bits with a palette, 16 and 32 bits plain or with bit fields, 24 bits; bottom-up and top-down.
// Every size field is checked against the data; a file that claims more than it holds is refused.

#include "page/render/TXBitmap.h"

#include <string_view>

namespace qor {

// Decodes `bytes` into a 24-bit bitmap; false (and `bitmap` unchanged) when it is not a bitmap we
// can read.
bool ReadBmp(std::string_view bytes, TXBitmap& bitmap);

} // namespace qor
