#pragma once
// How large a picture a page may name. Larger ones are refused rather than decoded: a damaged or
// hostile header must not make us allocate gigabytes.

#include <cstdint>

namespace qor {

inline constexpr int kMaxPictureSide = 10000;
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{25'000'000};

inline bool PictureSizeAllowed(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

} // namespace qor
