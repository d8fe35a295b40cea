#include "page/sources/JpegReader.h"

#include "page/sources/PictureLimits.h"

#include <csetjmp>
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>
#include <utility>

namespace qor {

namespace {

// Progressive files can hold any number of scans, each a pass over the whole picture; real ones
// have about ten.
constexpr long kMaxScans = 500;

struct ErrorManager {
    jpeg_error_mgr base{};
    std::jmp_buf escape{};
};

[[noreturn]] void FailDecoding(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

// Warnings are ignored except the one for data that ends early: such a picture is refused.
void OnMessage(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        FailDecoding(info);
}

void OnProgress(j_common_ptr info) {
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > kMaxScans)
        FailDecoding(info);
}

// Everything that the decoding touches after setjmp lives here, outside the jumped-over frame.
struct Decoder {
    jpeg_decompress_struct info{};
    ErrorManager errors;
    jpeg_progress_mgr progress{};
    TXBitmap decoded;

    Decoder() {
        info.err = jpeg_std_error(&errors.base);
        errors.base.error_exit = FailDecoding;
        errors.base.emit_message = OnMessage;
        jpeg_create_decompress(&info);
        progress.progress_monitor = OnProgress;
        info.progress = &progress;
    }
    ~Decoder() { jpeg_destroy_decompress(&info); }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;
};

bool Decode(Decoder& decoder, std::string_view bytes) {
    jpeg_decompress_struct& info = decoder.info;
    if (setjmp(decoder.errors.escape))
        return false;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
        return false;
    if (!PictureSizeAllowed(info.image_width, info.image_height))
        return false;
    info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&info);
    if (info.output_components != 3)
        return false;
    decoder.decoded.Resize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = decoder.decoded.Row(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

bool ReadJpeg(std::string_view bytes, TXBitmap& bitmap) {
    if (bytes.empty())
        return false;
    Decoder decoder;
    if (!Decode(decoder, bytes))
        return false;
    bitmap = std::move(decoder.decoded);
    return true;
}

} // namespace qor
