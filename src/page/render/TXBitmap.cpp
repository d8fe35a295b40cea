#include "page/render/TXBitmap.h"

#include "page/render/AntiAliasMask.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>

namespace qor {

namespace {

int ClampSide(int side) {
    return std::clamp(side, 0, TXBitmap::kMaxSide);
}

// The alpha a blend mode takes from a pixel's brightness (0-255) and the opacity.
template <int Mode> inline int ModeAlpha(int brightness, int opacity) {
    if constexpr (Mode == 1 || Mode == 3 || Mode == 6 || Mode == 8) {
        return brightness * opacity / 256;
    } else if constexpr (Mode == 2 || Mode == 4 || Mode == 5 || Mode == 7) {
        return (255 - brightness) * opacity / 256;
    } else {
        return opacity;
    }
}

// One target channel t under blend mode `Mode` with the mode's alpha a. With `Brush`, the source
// is a brush colour and modes 7 and 8 add it instead of mixing towards the tint.
template <int Mode, bool Brush> inline int BlendChannel(int t, int s, int tint, int a) {
    if constexpr (Mode == 3 || Mode == 5) {
        return t + (((255 - t) * a) >> 8);
    } else if constexpr (Mode == 4 || Mode == 6) {
        return t - ((a * t) >> 8);
    } else if constexpr ((Mode == 7 || Mode == 8) && Brush) {
        return std::min(255, t + ((s * a) >> 8));
    } else if constexpr (Mode == 7 || Mode == 8) {
        return t + (((tint - t) * a) >> 8);
    } else {
        // Full opacity is a plain copy; the shifted formula would leave 255 one short.
        return a >= 255 ? s : t + ((a * (s - t)) >> 8);
    }
}

// Blends `count` pixels of `source` (or, with `Brush`, the one brush pixel at `source`) into
// `target`. `coverage`, when given, holds the anti-aliasing coverage 0-16 of each pixel.
template <int Mode, bool Brush>
void BlendRow(std::uint8_t* target, const std::uint8_t* source, int count, int opacity, const int* tint,
              const std::uint8_t* coverage) {
    for (int i = 0; i < count; ++i, target += 3) {
        const std::uint8_t* s = Brush ? source : source + 3 * i;
        int a = ModeAlpha<Mode>((s[0] + s[1] + s[2]) / 3, opacity);
        if (coverage != nullptr) {
            a = 16 * coverage[i] * a / 256;
        }
        if (a == 0) {
            continue;
        }
        target[0] = static_cast<std::uint8_t>(BlendChannel<Mode, Brush>(target[0], s[0], tint[0], a));
        target[1] = static_cast<std::uint8_t>(BlendChannel<Mode, Brush>(target[1], s[1], tint[1], a));
        target[2] = static_cast<std::uint8_t>(BlendChannel<Mode, Brush>(target[2], s[2], tint[2], a));
    }
}

using BlendRowFunction = void (*)(std::uint8_t*, const std::uint8_t*, int, int, const int*,
                                  const std::uint8_t*);

template <bool Brush> BlendRowFunction PickBlendRow(int mode) {
    switch (mode) {
    case 1:
        return &BlendRow<1, Brush>;
    case 2:
        return &BlendRow<2, Brush>;
    case 3:
        return &BlendRow<3, Brush>;
    case 4:
        return &BlendRow<4, Brush>;
    case 5:
        return &BlendRow<5, Brush>;
    case 6:
        return &BlendRow<6, Brush>;
    case 7:
        return &BlendRow<7, Brush>;
    case 8:
        return &BlendRow<8, Brush>;
    default:
        return &BlendRow<0, Brush>;
    }
}

// t + k × (colour − t) / 16 on one pixel.
inline void CoverPixel(std::uint8_t* target, const int* colour, int k) {
    for (int c = 0; c < 3; ++c) {
        target[c] = static_cast<std::uint8_t>(target[c] + k * (colour[c] - target[c]) / 16);
    }
}

void ColourChannels(Colour colour, int* channels) {
    channels[0] = BlueOf(colour);
    channels[1] = GreenOf(colour);
    channels[2] = RedOf(colour);
}

struct ClippedRange {
    int first = 0; // first target column (or row) inside the bitmap
    int count = 0; // how many
};

// The part of [start, start + length) that lies inside [0, limit).
ClippedRange Clip(long long start, long long length, int limit) {
    const long long first = std::max(0LL, start);
    const long long last = std::min(static_cast<long long>(limit), start + std::max(0LL, length));
    if (last <= first) {
        return {};
    }
    return {static_cast<int>(first), static_cast<int>(last - first)};
}

// Brush over the inner shape, pen over the ring between the shapes, each t + k × (colour − t) / 16.
void DrawShape(TXBitmap& bitmap, const RoundRectShape& outer, const RoundRectShape& inner, bool outlined,
               const PenAndBrush& pen) {
    if (outer.Empty() || (!outlined && !pen.filled)) {
        return;
    }
    const ClippedRange columns = Clip(
        outer.PixelLeft(), static_cast<long long>(outer.PixelRight()) - outer.PixelLeft(), bitmap.Width());
    const ClippedRange rows = Clip(
        outer.PixelTop(), static_cast<long long>(outer.PixelBottom()) - outer.PixelTop(), bitmap.Height());
    if (columns.count == 0 || rows.count == 0) {
        return;
    }
    int brush[3];
    int penColour[3];
    ColourChannels(pen.brushColour, brush);
    ColourChannels(pen.penColour, penColour);
    const int x0 = columns.first;
    const int x1 = columns.first + columns.count;
    CoverageRow outerMask;
    CoverageRow innerMask;
    for (int y = rows.first; y < rows.first + rows.count; ++y) {
        outerMask.Rasterise(outer, y, x0, x1);
        const bool innerEmpty = !outlined || inner.Empty();
        if (!innerEmpty) {
            innerMask.Rasterise(inner, y, x0, x1);
        }
        std::uint8_t* target = bitmap.Row(y) + 3 * x0;
        for (int x = x0; x < x1; ++x, target += 3) {
            const std::uint16_t outerBits = outerMask.Block(x);
            const std::uint16_t innerBits = !outlined ? outerBits : innerEmpty ? 0 : innerMask.Block(x);
            if (pen.filled) {
                const int k = CoverageRow::Coverage(innerBits);
                if (k > 0) {
                    CoverPixel(target, brush, k);
                }
            }
            if (outlined) {
                const int k = CoverageRow::Coverage(static_cast<std::uint16_t>(outerBits & ~innerBits));
                if (k > 0) {
                    CoverPixel(target, penColour, k);
                }
            }
        }
    }
}

} // namespace

PixelRun::PixelRun(std::uint8_t blue, std::uint8_t green, std::uint8_t red) {
    // Boxes and frames make many small runs, so the block is built from three 64-bit words of
    // eight pixels (24 bytes) rather than 48 byte stores; this needs little-endian byte order.
    if constexpr (std::endian::native == std::endian::little) {
        const std::uint64_t pixel = blue | (std::uint64_t{green} << 8) | (std::uint64_t{red} << 16);
        const std::uint64_t words[3] = {
            pixel | pixel << 24 | pixel << 48,                    // B G R B G R B G
            pixel >> 16 | pixel << 8 | pixel << 32 | pixel << 56, // R B G R B G R B
            pixel >> 8 | pixel << 16 | pixel << 40,               // G R B G R B G R
        };
        std::memcpy(m_block, words, sizeof words);
        std::memcpy(m_block + sizeof words, words, sizeof words);
    } else {
        for (int i = 0; i < kBlockPixels; ++i) {
            m_block[3 * i] = blue;
            m_block[3 * i + 1] = green;
            m_block[3 * i + 2] = red;
        }
    }
}

PixelRun::PixelRun(Colour colour)
    : PixelRun(static_cast<std::uint8_t>(BlueOf(colour)), static_cast<std::uint8_t>(GreenOf(colour)),
               static_cast<std::uint8_t>(RedOf(colour))) {}

void PixelRun::Fill(std::uint8_t* target, int count) const {
    for (; count >= kBlockPixels; count -= kBlockPixels, target += sizeof m_block) {
        std::memcpy(target, m_block, sizeof m_block);
    }
    if (count > 0) {
        std::memcpy(target, m_block, static_cast<std::size_t>(count) * 3);
    }
}

TXBitmap::TXBitmap(int width, int height) {
    Resize(width, height);
}

void TXBitmap::Resize(int width, int height) {
    m_width = ClampSide(width);
    m_height = ClampSide(height);
    if (m_width == 0 || m_height == 0) {
        m_width = m_height = 0;
    }
    m_stride = (static_cast<std::size_t>(m_width) * 3 + 3) & ~std::size_t{3};
    m_pixels.assign(m_stride * static_cast<std::size_t>(m_height), 0);
}

void TXBitmap::SetXAlpha(int alpha) {
    m_alpha = std::clamp(alpha, 0, 255);
}

Colour TXBitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return 0;
    }
    const std::uint8_t* p = Row(y) + 3 * x;
    return MakeColour(p[2], p[1], p[0]);
}

void TXBitmap::SetPixel(int x, int y, Colour colour) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return;
    }
    std::uint8_t* p = Row(y) + 3 * x;
    p[0] = static_cast<std::uint8_t>(BlueOf(colour));
    p[1] = static_cast<std::uint8_t>(GreenOf(colour));
    p[2] = static_cast<std::uint8_t>(RedOf(colour));
}

void TXBitmap::Fill(std::int32_t value, ColourOrder order) {
    if (Empty()) {
        return;
    }
    const auto high = static_cast<std::uint8_t>((value >> 16) & 0xFF);
    const auto green = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    const auto low = static_cast<std::uint8_t>(value & 0xFF);
    const std::uint8_t blue = order == ColourOrder::RedHigh ? low : high;
    const std::uint8_t red = order == ColourOrder::RedHigh ? high : low;
    // Pages are mostly white: a grey is one byte value, and one memset over rows without padding
    // is the fastest way through a page-sized buffer.
    if (blue == green && green == red && m_stride == static_cast<std::size_t>(m_width) * 3) {
        std::memset(m_pixels.data(), blue, m_pixels.size());
        return;
    }
    const PixelRun run(blue, green, red);
    for (int y = 0; y < m_height; ++y) {
        run.Fill(Row(y), m_width);
    }
}

void TXBitmap::BlendedDraw(int x, int y, int mode, const TXBitmap& source) {
    const ClippedRange columns = Clip(x, source.Width(), m_width);
    const ClippedRange rows = Clip(y, source.Height(), m_height);
    if (columns.count == 0 || rows.count == 0 || m_alpha == 0 || &source == this) {
        return;
    }
    const int sourceX = columns.first - x;
    const int sourceY = rows.first - y;
    if ((mode <= 0 || mode >= 9) && m_alpha == 255) {
        for (int row = 0; row < rows.count; ++row) {
            std::memcpy(Row(rows.first + row) + 3 * columns.first, source.Row(sourceY + row) + 3 * sourceX,
                        static_cast<std::size_t>(columns.count) * 3);
        }
        return;
    }
    int tint[3];
    ColourChannels(m_tint, tint);
    const BlendRowFunction blend = PickBlendRow<false>(mode);
    for (int row = 0; row < rows.count; ++row) {
        blend(Row(rows.first + row) + 3 * columns.first, source.Row(sourceY + row) + 3 * sourceX,
              columns.count, m_alpha, tint, nullptr);
    }
}

void TXBitmap::RoundedBlendedDraw(int x, int y, const TXBitmap& source, int mode, int radiusX, int radiusY,
                                  bool bottom, bool right) {
    if (radiusX <= 0 || radiusY <= 0) {
        BlendedDraw(x, y, mode, source);
        return;
    }
    const ClippedRange columns = Clip(x, source.Width(), m_width);
    const ClippedRange rows = Clip(y, source.Height(), m_height);
    if (columns.count == 0 || rows.count == 0 || m_alpha == 0 || &source == this) {
        return;
    }
    const ShapeCorners corners{true, right, bottom, bottom && right};
    const RoundRectShape shape(x, y, x + source.Width(), y + source.Height(), radiusX, radiusY, corners);
    int tint[3];
    ColourChannels(m_tint, tint);
    const BlendRowFunction blend = PickBlendRow<false>(mode);
    const int sourceX = columns.first - x;
    const int sourceY = rows.first - y;
    CoverageRow mask;
    std::vector<std::uint8_t> coverage(static_cast<std::size_t>(columns.count));
    for (int row = 0; row < rows.count; ++row) {
        const int targetY = rows.first + row;
        const bool full = mask.Rasterise(shape, targetY, columns.first, columns.first + columns.count);
        if (!full) {
            for (int i = 0; i < columns.count; ++i) {
                coverage[i] = static_cast<std::uint8_t>(CoverageRow::Coverage(mask.Block(columns.first + i)));
            }
        }
        blend(Row(targetY) + 3 * columns.first, source.Row(sourceY + row) + 3 * sourceX, columns.count,
              m_alpha, tint, full ? nullptr : coverage.data());
    }
}

void TXBitmap::TranslucentRectangle(int x1, int y1, int x2, int y2, Colour colour) {
    const ClippedRange columns = Clip(std::min(x1, x2), std::abs(static_cast<long long>(x2) - x1), m_width);
    const ClippedRange rows = Clip(std::min(y1, y2), std::abs(static_cast<long long>(y2) - y1), m_height);
    if (columns.count == 0 || rows.count == 0 || m_alpha == 0) {
        return;
    }
    int channels[3];
    ColourChannels(colour, channels);
    const std::uint8_t brush[3] = {static_cast<std::uint8_t>(channels[0]),
                                   static_cast<std::uint8_t>(channels[1]),
                                   static_cast<std::uint8_t>(channels[2])};
    if (m_alpha == 255) {
        // Opaque: the brush replaces the pixels, copied in blocks (the presentations fill large
        // areas every frame).
        const PixelRun run(brush[0], brush[1], brush[2]);
        for (int row = 0; row < rows.count; ++row)
            run.Fill(Row(rows.first + row) + 3 * columns.first, columns.count);
        return;
    }
    // The plain mix of mode 0, with the opacity alone as alpha.
    for (int row = 0; row < rows.count; ++row) {
        BlendRow<0, true>(Row(rows.first + row) + 3 * columns.first, brush, columns.count, m_alpha, channels,
                          nullptr);
    }
}

void TXBitmap::AntiAliasedRoundRect(int x1, int y1, int x2, int y2, int radiusX, int radiusY,
                                    const PenAndBrush& pen) {
    const int penWidth = std::max(0, pen.penWidth);
    const RoundRectShape outer(x1, y1, x2, y2, radiusX, radiusY);
    const RoundRectShape inner(std::min(x1, x2) + penWidth, std::min(y1, y2) + penWidth,
                               std::max(x1, x2) - penWidth, std::max(y1, y2) - penWidth,
                               std::max(0, radiusX - penWidth), std::max(0, radiusY - penWidth));
    DrawShape(*this, outer, inner, penWidth > 0, pen);
}

void TXBitmap::AntiAliasedEllipse(int x1, int y1, int x2, int y2, const PenAndBrush& pen) {
    const int penWidth = std::max(0, pen.penWidth);
    const RoundRectShape outer = RoundRectShape::Ellipse(x1, y1, x2, y2);
    const RoundRectShape inner =
        RoundRectShape::Ellipse(std::min(x1, x2) + penWidth, std::min(y1, y2) + penWidth,
                                std::max(x1, x2) - penWidth, std::max(y1, y2) - penWidth);
    DrawShape(*this, outer, inner, penWidth > 0, pen);
}

void TXBitmap::AntiAliasedBlendedRoundRect(int x1, int y1, int x2, int y2, int radiusX, int radiusY, int mode,
                                           Colour brushColour) {
    const RoundRectShape shape(x1, y1, x2, y2, radiusX, radiusY);
    if (shape.Empty() || m_alpha == 0) {
        return;
    }
    const ClippedRange columns =
        Clip(shape.PixelLeft(), static_cast<long long>(shape.PixelRight()) - shape.PixelLeft(), m_width);
    const ClippedRange rows =
        Clip(shape.PixelTop(), static_cast<long long>(shape.PixelBottom()) - shape.PixelTop(), m_height);
    if (columns.count == 0 || rows.count == 0) {
        return;
    }
    int channels[3];
    ColourChannels(brushColour, channels);
    const std::uint8_t brush[3] = {static_cast<std::uint8_t>(channels[0]),
                                   static_cast<std::uint8_t>(channels[1]),
                                   static_cast<std::uint8_t>(channels[2])};
    int tint[3];
    ColourChannels(m_tint, tint);
    const BlendRowFunction blend = PickBlendRow<true>(mode);
    CoverageRow mask;
    std::vector<std::uint8_t> coverage(static_cast<std::size_t>(columns.count));
    for (int y = rows.first; y < rows.first + rows.count; ++y) {
        const bool full = mask.Rasterise(shape, y, columns.first, columns.first + columns.count);
        if (!full) {
            for (int i = 0; i < columns.count; ++i) {
                coverage[i] = static_cast<std::uint8_t>(CoverageRow::Coverage(mask.Block(columns.first + i)));
            }
        }
        blend(Row(y) + 3 * columns.first, brush, columns.count, m_alpha, tint,
              full ? nullptr : coverage.data());
    }
}

} // namespace qor
