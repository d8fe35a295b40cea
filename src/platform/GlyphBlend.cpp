#include "platform/GlyphBlend.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(QOR_HAVE_BLEND_AVX2)
#include <immintrin.h>
#endif

namespace qor {

namespace {

// Coverage for bytes [0, n) and 0 after them: kKeep + 32 − n, read 16 or 32 bytes, n <= 32.
alignas(32) constexpr std::uint8_t kKeep[64] = {
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

} // namespace

namespace {

inline void BlendRowPlain(std::uint8_t* pixel, const std::uint8_t* alpha, int count,
                          const std::uint8_t* colour) {
    for (int i = 0; i < count; ++i)
        if (alpha[i] != 0)
            pixel[i] = BlendByte(pixel[i], colour[i % 3], alpha[i]);
}

} // namespace

void BlendRowsPlain(const BlendRows& rows) {
    for (int row = 0; row < rows.rows; ++row)
        BlendRowPlain(rows.pixel + row * rows.pixelStride, rows.alpha + row * rows.alphaStride, rows.count,
                      rows.colour);
}

// The wide versions work in 16-bit lanes and give exactly BlendByte's results: with
// u = max(c − p, 0) and v = max(p − c, 0) (one of them is 0), BlendByte is
// p + ⌊(u·a + 127) / 255⌋ − ⌊max(v·a − 127, 0) / 255⌋, every term fits 16 unsigned bits, and
// ⌊y / 255⌋ = (y · 0x8081) >> 23 for every 16-bit y. The colour repeats every 48 bytes, so a chunk
// starting at row byte k reads it from k mod 48.

#if defined(__SSE2__)
namespace {

inline void BlendRowSse2(std::uint8_t* pixel, const std::uint8_t* alpha, int count,
                         const std::uint8_t* colour, const std::uint8_t* end) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i rounding = _mm_set1_epi16(127);
    const __m128i reciprocal = _mm_set1_epi16(static_cast<short>(0x8081));
    int phase = 0;
    for (int done = 0; done < count; done += 16, pixel += 16, alpha += 16, phase = (phase + 16) % 48) {
        const int n = std::min(16, count - done);
        __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(alpha));
        if (n < 16)
            a = _mm_and_si128(a, _mm_loadu_si128(reinterpret_cast<const __m128i*>(kKeep + 32 - n)));
        // The edges of a glyph's box are mostly empty: nothing to blend there.
        if (_mm_movemask_epi8(_mm_cmpeq_epi8(a, zero)) == 0xFFFF)
            continue;
        std::uint8_t spare[16] = {};
        // Past the surface's last byte the row goes through a copy instead.
        std::uint8_t* target = pixel + 16 <= end ? pixel : spare;
        if (target == spare)
            std::memcpy(spare, pixel, static_cast<std::size_t>(n));
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(target));
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(colour + phase));
        const __m128i up = _mm_subs_epu8(c, p);
        const __m128i down = _mm_subs_epu8(p, c);
        const __m128i aLow = _mm_unpacklo_epi8(a, zero);
        const __m128i aHigh = _mm_unpackhi_epi8(a, zero);
        const auto divide = [&](__m128i y) { return _mm_srli_epi16(_mm_mulhi_epu16(y, reciprocal), 7); };
        const __m128i upLow =
            divide(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(up, zero), aLow), rounding));
        const __m128i upHigh =
            divide(_mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(up, zero), aHigh), rounding));
        const __m128i downLow =
            divide(_mm_subs_epu16(_mm_mullo_epi16(_mm_unpacklo_epi8(down, zero), aLow), rounding));
        const __m128i downHigh =
            divide(_mm_subs_epu16(_mm_mullo_epi16(_mm_unpackhi_epi8(down, zero), aHigh), rounding));
        const __m128i result = _mm_sub_epi8(_mm_add_epi8(p, _mm_packus_epi16(upLow, upHigh)),
                                            _mm_packus_epi16(downLow, downHigh));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target), result);
        if (target == spare)
            std::memcpy(pixel, spare, static_cast<std::size_t>(n));
    }
}

} // namespace

void BlendRowsSse2(const BlendRows& rows) {
    for (int row = 0; row < rows.rows; ++row)
        BlendRowSse2(rows.pixel + row * rows.pixelStride, rows.alpha + row * rows.alphaStride, rows.count,
                     rows.colour, rows.end);
}
#endif

#if defined(QOR_HAVE_BLEND_AVX2)
namespace {

__attribute__((target("avx2"))) inline __m256i Divide255(__m256i y) {
    return _mm256_srli_epi16(_mm256_mulhi_epu16(y, _mm256_set1_epi16(static_cast<short>(0x8081))), 7);
}

// Glyph rows are mostly 20 to 30 bytes: one chunk of 32 where the narrower version needs two.
__attribute__((target("avx2"))) inline void BlendRowAvx2(std::uint8_t* pixel, const std::uint8_t* alpha,
                                                         int count, const std::uint8_t* colour,
                                                         const std::uint8_t* end) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i rounding = _mm256_set1_epi16(127);
    int phase = 0;
    for (int done = 0; done < count; done += 32, pixel += 32, alpha += 32, phase = (phase + 32) % 48) {
        const int n = std::min(32, count - done);
        __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(alpha));
        if (n < 32)
            a = _mm256_and_si256(a, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(kKeep + 32 - n)));
        if (_mm256_movemask_epi8(_mm256_cmpeq_epi8(a, zero)) == -1)
            continue;
        std::uint8_t spare[32] = {};
        std::uint8_t* target = pixel + 32 <= end ? pixel : spare;
        if (target == spare)
            std::memcpy(spare, pixel, static_cast<std::size_t>(n));
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(target));
        const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(colour + phase));
        const __m256i up = _mm256_subs_epu8(c, p);
        const __m256i down = _mm256_subs_epu8(p, c);
        // Unpacking and packing both work within each 16-byte half, so every byte returns to its place.
        const __m256i aLow = _mm256_unpacklo_epi8(a, zero);
        const __m256i aHigh = _mm256_unpackhi_epi8(a, zero);
        const __m256i upLow =
            Divide255(_mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(up, zero), aLow), rounding));
        const __m256i upHigh =
            Divide255(_mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(up, zero), aHigh), rounding));
        const __m256i downLow = Divide255(
            _mm256_subs_epu16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(down, zero), aLow), rounding));
        const __m256i downHigh = Divide255(
            _mm256_subs_epu16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(down, zero), aHigh), rounding));
        const __m256i result = _mm256_sub_epi8(_mm256_add_epi8(p, _mm256_packus_epi16(upLow, upHigh)),
                                               _mm256_packus_epi16(downLow, downHigh));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(target), result);
        if (target == spare)
            std::memcpy(pixel, spare, static_cast<std::size_t>(n));
    }
}

} // namespace

__attribute__((target("avx2"))) void BlendRowsAvx2(const BlendRows& rows) {
    for (int row = 0; row < rows.rows; ++row)
        BlendRowAvx2(rows.pixel + row * rows.pixelStride, rows.alpha + row * rows.alphaStride, rows.count,
                     rows.colour, rows.end);
}

bool CanBlendAvx2() {
    return __builtin_cpu_supports("avx2");
}
#endif

BlendRowsFunction BestBlendRows() {
#if defined(QOR_HAVE_BLEND_AVX2)
    if (CanBlendAvx2())
        return &BlendRowsAvx2;
#endif
#if defined(__SSE2__)
    return &BlendRowsSse2;
#else
    return &BlendRowsPlain;
#endif
}

} // namespace qor
