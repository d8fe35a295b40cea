#pragma once
// The picture reader of the page's picture cache: files named by pages, and "$" pictures built
// into the program.

#include "page/render/TXBitmap.h"

#include <cstdint>
#include <string_view>

namespace qor {

// Picture files above this size are not read.
inline constexpr std::uintmax_t kMaxPictureFileBytes = std::uintmax_t{64} << 20;

// Fits tPicture_list's PictureReader: `path` is a program path, or with `resource` the name of an
// embedded picture; `jpeg` chooses the JPEG decoder, a bitmap otherwise.
bool ReadPictureFile(std::string_view path, bool jpeg, bool resource, TXBitmap& bitmap);

} // namespace qor
