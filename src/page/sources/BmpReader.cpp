#include "page/sources/BmpReader.h"

#include "page/sources/PictureLimits.h"

#include <array>
#include <bit>
#include <cstdint>
#include <utility>

namespace qor {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kMaxInfoHeaderSize = 124; // BITMAPV5HEADER
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

std::uint32_t U32(std::string_view bytes, std::size_t at) {
    const auto b = [&](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i]));
    };
    return b(0) | (b(1) << 8) | (b(2) << 16) | (b(3) << 24);
}

std::uint16_t U16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

// One colour channel of a bit-field pixel format.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(std::uint32_t channelMask) : mask(channelMask) {
        if (mask != 0) {
            shift = std::countr_zero(mask);
            bits = std::popcount(mask);
        }
    }
    std::uint8_t Extract(std::uint32_t pixel) const {
        if (bits == 0)
            return 0;
        const std::uint32_t value = (pixel & mask) >> shift;
        if (bits >= 8)
            return static_cast<std::uint8_t>(value >> (bits - 8));
        return static_cast<std::uint8_t>(value * 255 / ((1u << bits) - 1));
    }
};

struct BmpHeader {
    std::int64_t width = 0;
    std::int64_t height = 0; // positive
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = 0;
    std::size_t pixelOffset = 0;
    std::size_t stride = 0;
    std::array<std::uint32_t, 3> masks{};        // red, green, blue
    std::array<std::uint8_t, 256 * 3> palette{}; // blue, green, red
    std::size_t paletteSize = 0;
};

bool ReadHeader(std::string_view bytes, BmpHeader& header) {
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const std::uint32_t declaredFileSize = U32(bytes, 2);
    if (declaredFileSize > bytes.size())
        return false; // the file has lost its end
    header.pixelOffset = U32(bytes, 10);
    if (header.pixelOffset > bytes.size())
        return false;
    const std::uint32_t infoSize = U32(bytes, kFileHeaderSize);
    if (infoSize < kInfoHeaderSize || infoSize > kMaxInfoHeaderSize ||
        kFileHeaderSize + infoSize > bytes.size())
        return false;
    const std::size_t info = kFileHeaderSize;
    const auto width = static_cast<std::int32_t>(U32(bytes, info + 4));
    const auto height = static_cast<std::int32_t>(U32(bytes, info + 8));
    header.width = width;
    header.topDown = height < 0;
    header.height = height < 0 ? -static_cast<std::int64_t>(height) : height;
    if (!PictureSizeAllowed(header.width, header.height) || U16(bytes, info + 12) != 1)
        return false;
    header.bitCount = U16(bytes, info + 14);
    header.compression = U32(bytes, info + 16);
    const std::uint32_t imageSize = U32(bytes, info + 20);
    const std::uint32_t coloursUsed = U32(bytes, info + 32);

    std::size_t afterHeader = kFileHeaderSize + infoSize;
    switch (header.bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
        if (header.compression != kBiRgb)
            return false;
        break;
    case 16:
    case 32:
        if (header.compression == kBiRgb) {
            header.masks = header.bitCount == 16 ? std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x001F}
                                                 : std::array<std::uint32_t, 3>{0xFF0000, 0x00FF00, 0x0000FF};
        } else if (header.compression == kBiBitfields) {
            // The masks follow a plain info header; later header versions hold them inside.
            if (infoSize == kInfoHeaderSize)
                afterHeader += 12;
            else if (infoSize < kInfoHeaderSize + 12)
                return false;
            if (kFileHeaderSize + kInfoHeaderSize + 12 > bytes.size())
                return false;
            for (std::size_t i = 0; i < 3; ++i)
                header.masks[i] = U32(bytes, kFileHeaderSize + kInfoHeaderSize + 4 * i);
        } else {
            return false;
        }
        break;
    default:
        return false;
    }

    if (header.bitCount <= 8) {
        const std::size_t maxColours = std::size_t{1} << header.bitCount;
        header.paletteSize = coloursUsed == 0 ? maxColours : coloursUsed;
        if (header.paletteSize > maxColours || afterHeader + 4 * header.paletteSize > header.pixelOffset)
            return false;
        for (std::size_t i = 0; i < header.paletteSize; ++i) {
            for (std::size_t c = 0; c < 3; ++c)
                header.palette[3 * i + c] = static_cast<std::uint8_t>(bytes[afterHeader + 4 * i + c]);
        }
    }
    if (header.pixelOffset < afterHeader)
        return false;
    header.stride = static_cast<std::size_t>((header.width * header.bitCount + 31) / 32 * 4);
    const std::uint64_t pixelBytes =
        static_cast<std::uint64_t>(header.stride) * static_cast<std::uint64_t>(header.height);
    if (pixelBytes > bytes.size() - header.pixelOffset)
        return false;
    if (imageSize > bytes.size() - header.pixelOffset)
        return false;
    return true;
}

void DecodeRow(const BmpHeader& header, const unsigned char* source, std::uint8_t* target) {
    const std::array<Channel, 3> channels{Channel(header.masks[0]), Channel(header.masks[1]),
                                          Channel(header.masks[2])};
    for (std::int64_t x = 0; x < header.width; ++x, target += 3) {
        switch (header.bitCount) {
        case 1:
        case 4:
        case 8: {
            const std::size_t bitOffset = static_cast<std::size_t>(x) * header.bitCount;
            const unsigned byte = source[bitOffset / 8];
            const unsigned index =
                (byte >> (8 - header.bitCount - bitOffset % 8)) & ((1u << header.bitCount) - 1);
            // An index beyond the palette has no colour of its own: black.
            if (index < header.paletteSize) {
                target[0] = header.palette[3 * index];
                target[1] = header.palette[3 * index + 1];
                target[2] = header.palette[3 * index + 2];
            } else {
                target[0] = target[1] = target[2] = 0;
            }
            break;
        }
        case 24:
            target[0] = source[3 * x];
            target[1] = source[3 * x + 1];
            target[2] = source[3 * x + 2];
            break;
        default: {
            const std::size_t width = static_cast<std::size_t>(header.bitCount / 8);
            const unsigned char* p = source + static_cast<std::size_t>(x) * width;
            std::uint32_t pixel = p[0] | (static_cast<std::uint32_t>(p[1]) << 8);
            if (width == 4)
                pixel |= (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
            target[0] = channels[2].Extract(pixel);
            target[1] = channels[1].Extract(pixel);
            target[2] = channels[0].Extract(pixel);
            break;
        }
        }
    }
}

} // namespace

bool ReadBmp(std::string_view bytes, TXBitmap& bitmap) {
    BmpHeader header;
    if (!ReadHeader(bytes, header))
        return false;
    TXBitmap decoded(static_cast<int>(header.width), static_cast<int>(header.height));
    const auto* pixels = reinterpret_cast<const unsigned char*>(bytes.data()) + header.pixelOffset;
    for (int y = 0; y < decoded.Height(); ++y) {
        const std::size_t sourceRow =
            header.topDown ? static_cast<std::size_t>(y) : static_cast<std::size_t>(decoded.Height() - 1 - y);
        DecodeRow(header, pixels + sourceRow * header.stride, decoded.Row(y));
    }
    bitmap = std::move(decoded);
    return true;
}

} // namespace qor
