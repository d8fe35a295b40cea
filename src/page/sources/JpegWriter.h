#pragma once
// Writes a picture as a JPEG file's bytes (the picture show's own pictures; pictures in tests).

#include "page/render/TXBitmap.h"

#include <string>

namespace qor {

enum class JpegScan { Baseline, Progressive };

// `quality` 1 … 100; an empty picture gives no bytes.
std::string WriteJpeg(const TXBitmap& picture, int quality, JpegScan scan = JpegScan::Baseline);

} // namespace qor
