#include "page/render/BitmapPng.h"

#include "platform/PngWriter.h"

namespace qor {

bool SavePng(const TXBitmap& bitmap, const std::filesystem::path& path) {
    if (bitmap.Empty()) {
        return false;
    }
    return WritePng(path, bitmap.Width(), bitmap.Height(), bitmap.Row(0), bitmap.Stride());
}

} // namespace qor
