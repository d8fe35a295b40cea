#include "page/sources/JpegWriter.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace qor {

std::string WriteJpeg(const TXBitmap& picture, int quality, JpegScan scan) {
    if (picture.Empty())
        return {};
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(picture.Width());
    info.image_height = static_cast<JDIMENSION>(picture.Height());
    info.input_components = 3;
    info.in_color_space = JCS_EXT_BGR; // the bitmap's own byte order
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (scan == JpegScan::Progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(picture.Row(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

} // namespace qor
