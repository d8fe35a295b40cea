#include "platform/GlyphBlend.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace qor {
namespace {

struct RowFunction {
    const char* name;
    BlendRowsFunction blendRows;

    // One row.
    void blend(std::uint8_t* pixel, const std::uint8_t* alpha, int count, const std::uint8_t* colour,
               const std::uint8_t* end) const {
        BlendRows rows;
        rows.pixel = pixel;
        rows.alpha = alpha;
        rows.rows = 1;
        rows.count = count;
        rows.colour = colour;
        rows.end = end;
        blendRows(rows);
    }
};

// Every row function this processor can run.
std::vector<RowFunction> RowFunctions() {
    std::vector<RowFunction> functions = {{"plain", &BlendRowsPlain}};
#if defined(__SSE2__)
    functions.push_back({"sse2", &BlendRowsSse2});
#endif
#if defined(QOR_HAVE_BLEND_AVX2)
    if (CanBlendAvx2())
        functions.push_back({"avx2", &BlendRowsAvx2});
#endif
    return functions;
}

std::vector<std::uint8_t> ColourBytes(std::uint8_t blue, std::uint8_t green, std::uint8_t red) {
    std::vector<std::uint8_t> bytes(kBlendColourBytes);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = i % 3 == 0 ? blue : i % 3 == 1 ? green : red;
    return bytes;
}

TEST(GlyphBlend, EveryPixelColourAndCoverageGivesTheExactRoundedBlend) {
    std::vector<std::uint8_t> alpha(256 + kBlendReadAhead);
    for (int a = 0; a < 256; ++a)
        alpha[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>(a);
    for (const RowFunction& function : RowFunctions()) {
        SCOPED_TRACE(function.name);
        int wrong = 0;
        for (int c = 0; c < 256 && wrong == 0; ++c) {
            const auto colour = static_cast<std::uint8_t>(c);
            const std::vector<std::uint8_t> colourBytes = ColourBytes(colour, colour, colour);
            for (int p = 0; p < 256 && wrong == 0; ++p) {
                std::vector<std::uint8_t> row(256, static_cast<std::uint8_t>(p));
                function.blend(row.data(), alpha.data(), 256, colourBytes.data(), row.data() + row.size());
                for (int a = 0; a < 256; ++a) {
                    if (row[static_cast<std::size_t>(a)] != BlendByte(p, c, a)) {
                        ADD_FAILURE() << "p " << p << " c " << c << " a " << a << ": "
                                      << int{row[static_cast<std::size_t>(a)]} << " instead of "
                                      << int{BlendByte(p, c, a)};
                        ++wrong;
                    }
                }
            }
        }
    }
}

TEST(GlyphBlend, RowsOfEveryLengthTouchOnlyTheirOwnBytes) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::vector<std::uint8_t> colour = ColourBytes(200, 30, 90);
    for (const RowFunction& function : RowFunctions()) {
        SCOPED_TRACE(function.name);
        for (int count = 0; count <= 99; count += 1) {
            for (const bool atSurfaceEnd : {false, true}) {
                SCOPED_TRACE(::testing::Message() << count << (atSurfaceEnd ? " at the end" : ""));
                // A row in the middle of a surface, or its last bytes: the blend may look past
                // `count` only while it stays before `end`.
                const std::size_t tail = atSurfaceEnd ? 0 : 40;
                std::vector<std::uint8_t> surface(static_cast<std::size_t>(count) + tail);
                for (auto& value : surface)
                    value = static_cast<std::uint8_t>(byte(random));
                std::vector<std::uint8_t> alpha(static_cast<std::size_t>(count) + kBlendReadAhead);
                for (auto& value : alpha) {
                    // Glyphs are mostly empty or solid.
                    const int draw = byte(random);
                    value = static_cast<std::uint8_t>(draw < 100 ? 0 : draw < 150 ? 255 : byte(random));
                }
                std::vector<std::uint8_t> expected = surface;
                for (int i = 0; i < count; ++i) {
                    const auto k = static_cast<std::size_t>(i);
                    expected[k] = BlendByte(surface[k], colour[k % 3], alpha[k]);
                }
                function.blend(surface.data(), alpha.data(), count, colour.data(),
                               surface.data() + surface.size());
                EXPECT_EQ(surface, expected);
            }
        }
    }
}

TEST(GlyphBlend, AGlyphOfSeveralRowsIsBlendedRowByRowWithItsStrides) {
    // A 7-pixel glyph of 3 rows into the middle of a 10 × 5 surface, its coverage rows packed.
    constexpr int kWidth = 10, kHeight = 5, kStride = 3 * kWidth + 2, kGlyph = 7, kRows = 3;
    const std::vector<std::uint8_t> colour = ColourBytes(0, 0, 255);
    std::vector<std::uint8_t> alpha(3 * kGlyph * kRows + kBlendReadAhead);
    for (std::size_t i = 0; i < 3 * kGlyph * kRows; ++i)
        alpha[i] = static_cast<std::uint8_t>(i % 5 == 0 ? 0 : 40 * (i % 7));
    for (const RowFunction& function : RowFunctions()) {
        SCOPED_TRACE(function.name);
        std::vector<std::uint8_t> surface(kStride * kHeight, 100);
        std::vector<std::uint8_t> expected = surface;
        for (int row = 0; row < kRows; ++row)
            for (int i = 0; i < 3 * kGlyph; ++i) {
                const std::size_t k = static_cast<std::size_t>((row + 1) * kStride + 3 + i);
                expected[k] = BlendByte(100, colour[static_cast<std::size_t>(i % 3)],
                                        alpha[static_cast<std::size_t>(row * 3 * kGlyph + i)]);
            }
        BlendRows rows;
        rows.pixel = surface.data() + kStride + 3;
        rows.pixelStride = kStride;
        rows.alpha = alpha.data();
        rows.alphaStride = 3 * kGlyph;
        rows.rows = kRows;
        rows.count = 3 * kGlyph;
        rows.colour = colour.data();
        rows.end = surface.data() + surface.size();
        function.blendRows(rows);
        EXPECT_EQ(surface, expected);
    }
}

TEST(GlyphBlend, TheBestVersionIsOneOfThoseThatRunHere) {
    const BlendRowsFunction best = BestBlendRows();
    bool known = false;
    for (const RowFunction& function : RowFunctions())
        known = known || function.blendRows == best;
    EXPECT_TRUE(known);
}

} // namespace
} // namespace qor
