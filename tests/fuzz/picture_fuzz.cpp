// Any bytes, read as a bitmap and as a JPEG: no crash, and a picture that is read has a size
// within the limits.
#include "page/sources/BmpReader.h"
#include "page/sources/JpegReader.h"
#include "page/sources/PictureLimits.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const bool jpeg : {false, true}) {
        qor::TXBitmap bitmap;
        const bool read = jpeg ? qor::ReadJpeg(bytes, bitmap) : qor::ReadBmp(bytes, bitmap);
        if (read && !qor::PictureSizeAllowed(bitmap.Width(), bitmap.Height()))
            std::abort();
    }
    return 0;
}
