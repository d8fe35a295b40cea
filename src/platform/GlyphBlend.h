#pragma once
// Blending text into a 24-bit pixel row: the colour goes over each byte in proportion to the
// glyph's coverage of it. The row functions give exactly BlendByte's result for every byte, so
// pictures do not depend on which one the processor can run.

#include <cstddef>
#include <cstdint>

namespace qor {

// The text colour c over the pixel byte p at coverage a: p + ((c − p) × a + 127) / 255 with the
// division truncating towards zero. Every picture of the pages was made with this rounding.
inline std::uint8_t BlendByte(int p, int c, int a) {
    return static_cast<std::uint8_t>(p + ((c - p) * a + 127) / 255);
}

// How many bytes of coverage past `count` a row function may read (they are ignored).
inline constexpr int kBlendReadAhead = 32;
// How many colour bytes a row function reads: B, G, R, B, ... from the colour's first byte.
inline constexpr int kBlendColourBytes = 64;

// Blends `colour` into `count` bytes of each of `rows` rows, byte i of a row with coverage
// alpha[i] of its coverage row. `colour` holds kBlendColourBytes bytes in pixel order; each
// coverage row has kBlendReadAhead readable bytes past `count`. Bytes of a row past `count` may be
// read and written back unchanged, but never at or past `end` (one past the surface's last byte).
struct BlendRows {
    std::uint8_t* pixel = nullptr;
    std::ptrdiff_t pixelStride = 0;
    const std::uint8_t* alpha = nullptr;
    std::ptrdiff_t alphaStride = 0;
    int rows = 0;
    int count = 0;
    const std::uint8_t* colour = nullptr;
    const std::uint8_t* end = nullptr;
};
using BlendRowsFunction = void (*)(const BlendRows& rows);

void BlendRowsPlain(const BlendRows& rows);
#if defined(__SSE2__)
void BlendRowsSse2(const BlendRows& rows);
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#define QOR_HAVE_BLEND_AVX2 1
// Only on a processor with AVX2 (see CanBlendAvx2).
void BlendRowsAvx2(const BlendRows& rows);
bool CanBlendAvx2();
#endif

// The fastest version this processor runs.
BlendRowsFunction BestBlendRows();

} // namespace qor
