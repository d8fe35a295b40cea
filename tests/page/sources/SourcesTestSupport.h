#pragma once
// Shared pieces of the page source tests: picture files made by hand (bitmaps byte by byte, JPEGs
// through libjpeg) and the program path of a temporary file.

#include "page/render/TXBitmap.h"
#include "page/sources/JpegWriter.h"
#include "platform/WinPath.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qor::test {

inline void PutU16(std::string& out, std::size_t at, std::uint32_t value) {
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

inline void PutU32(std::string& out, std::size_t at, std::uint32_t value) {
    PutU16(out, at, value & 0xFFFF);
    PutU16(out, at + 2, value >> 16);
}

// A Windows bitmap file. `rows` are the pixel rows as stored (bottom row first unless the height
// is negative), each already padded to four bytes; `extra` (palette, masks) follows the header.
// A palette counts as the colours used.
inline std::string MakeBmp(std::int32_t width, std::int32_t height, int bits, std::uint32_t compression,
                           const std::string& extra, const std::string& rows) {
    std::string file(14 + 40, '\0');
    file[0] = 'B';
    file[1] = 'M';
    PutU32(file, 10, static_cast<std::uint32_t>(14 + 40 + extra.size()));
    PutU32(file, 14, 40);
    PutU32(file, 18, static_cast<std::uint32_t>(width));
    PutU32(file, 22, static_cast<std::uint32_t>(height));
    PutU16(file, 26, 1);
    PutU16(file, 28, static_cast<std::uint32_t>(bits));
    PutU32(file, 30, compression);
    PutU32(file, 34, static_cast<std::uint32_t>(rows.size()));
    if (bits <= 8)
        PutU32(file, 46, static_cast<std::uint32_t>(extra.size() / 4)); // colours used
    file += extra;
    file += rows;
    PutU32(file, 2, static_cast<std::uint32_t>(file.size()));
    return file;
}

// A palette entry as bitmaps store it: blue, green, red, reserved.
inline std::string PaletteEntry(Colour colour) {
    return {static_cast<char>(BlueOf(colour)), static_cast<char>(GreenOf(colour)),
            static_cast<char>(RedOf(colour)), '\0'};
}

// A JPEG of a bitmap (quality 95), as a camera or an editor writes one.
inline std::string EncodeJpeg(const TXBitmap& bitmap, bool progressive = false) {
    return WriteJpeg(bitmap, 95, progressive ? JpegScan::Progressive : JpegScan::Baseline);
}

// The program path of a file-system path.
inline std::string ProgramPathOf(const std::filesystem::path& path) {
    return ProgramPath(path);
}

} // namespace qor::test
