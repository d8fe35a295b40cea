#pragma once
// JPEG pictures, decoded with libjpeg into a 24-bit bitmap at once. Damaged data fails cleanly
// (libjpeg's errors come back to us instead of ending the program); a picture whose data ends
// early is refused too.

#include "page/render/TXBitmap.h"

#include <string_view>

namespace qor {

bool ReadJpeg(std::string_view bytes, TXBitmap& bitmap);

} // namespace qor
