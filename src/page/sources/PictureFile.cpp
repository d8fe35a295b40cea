#include "page/sources/PictureFile.h"

#include "page/sources/BmpReader.h"
#include "page/sources/EmbeddedData.h"
#include "page/sources/JpegReader.h"
#include "platform/WinPath.h"

#include <string>

namespace qor {

bool ReadPictureFile(std::string_view path, bool jpeg, bool resource, TXBitmap& bitmap) {
    std::string bytes;
    std::string_view data;
    if (resource) {
        const std::optional<std::string_view> embedded = FindEmbeddedData(path);
        if (!embedded)
            return false;
        data = *embedded;
    } else {
        if (!ReadWholeFile(path, bytes, kMaxPictureFileBytes))
            return false;
        data = bytes;
    }
    return jpeg ? ReadJpeg(data, bitmap) : ReadBmp(data, bitmap);
}

} // namespace qor
