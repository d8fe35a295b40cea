#include "platform/PngWriter.h"

#include "platform/WinPath.h"

#include <limits>
#include <string_view>
#include <zlib.h>

namespace qor {

namespace {

void AppendBigEndian(std::string& out, std::uint32_t value) {
    out.push_back(static_cast<char>((value >> 24) & 0xFF));
    out.push_back(static_cast<char>((value >> 16) & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
    out.push_back(static_cast<char>(value & 0xFF));
}

// Length, type, data and the CRC over type and data.
void AppendChunk(std::string& out, std::string_view type, std::string_view data) {
    AppendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = out.size();
    out.append(type);
    out.append(data);
    uLong crc = crc32(0L, Z_NULL, 0);
    crc = crc32(crc, reinterpret_cast<const Bytef*>(out.data() + typeStart),
                static_cast<uInt>(out.size() - typeStart));
    AppendBigEndian(out, static_cast<std::uint32_t>(crc));
}

} // namespace

std::string EncodePng(int width, int height, const std::uint8_t* bgrRows, std::size_t stride) {
    if (width <= 0 || height <= 0 || bgrRows == nullptr) {
        return {};
    }
    const std::size_t rowBytes = 1 + static_cast<std::size_t>(width) * 3;
    const std::size_t rawSize = rowBytes * static_cast<std::size_t>(height);
    // zlib and the chunk length field count in 32 bits.
    if (rawSize / rowBytes != static_cast<std::size_t>(height) ||
        rawSize > std::numeric_limits<uInt>::max() / 2) {
        return {};
    }
    std::string raw(rawSize, '\0');
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* source = bgrRows + static_cast<std::size_t>(y) * stride;
        char* target = raw.data() + static_cast<std::size_t>(y) * rowBytes;
        *target++ = 0; // filter type "none"
        for (int x = 0; x < width; ++x, source += 3) {
            *target++ = static_cast<char>(source[2]);
            *target++ = static_cast<char>(source[1]);
            *target++ = static_cast<char>(source[0]);
        }
    }
    uLongf compressedSize = compressBound(static_cast<uLong>(rawSize));
    std::string compressed(compressedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(compressed.data()), &compressedSize,
                  reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(rawSize),
                  Z_DEFAULT_COMPRESSION) != Z_OK) {
        return {};
    }
    compressed.resize(compressedSize);

    std::string header;
    AppendBigEndian(header, static_cast<std::uint32_t>(width));
    AppendBigEndian(header, static_cast<std::uint32_t>(height));
    header.push_back(8); // bits per channel
    header.push_back(2); // colour type RGB
    header.push_back(0); // deflate
    header.push_back(0); // adaptive filtering (only "none" is used)
    header.push_back(0); // not interlaced

    std::string png("\x89PNG\r\n\x1a\n", 8);
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "IDAT", compressed);
    AppendChunk(png, "IEND", {});
    return png;
}

bool WritePng(const std::filesystem::path& path, int width, int height, const std::uint8_t* bgrRows,
              std::size_t stride) {
    const std::string png = EncodePng(width, height, bgrRows, stride);
    return !png.empty() && WriteFileAtomically(path, png);
}

} // namespace qor
