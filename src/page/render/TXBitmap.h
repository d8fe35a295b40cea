#pragma once
// A 24-bit drawing surface: rows of blue, green, red bytes (like a device-independent bitmap,
// top row first), with an opacity and a tint colour used by the blended drawing routines.
// Everything clips to the bitmap: pixels outside are left alone.

#include <cstdint>
#include <vector>

namespace qor {

// A Windows colour 0x00BBGGRR.
using Colour = std::int32_t;
inline constexpr int RedOf(Colour c) {
    return c & 0xFF;
}
inline constexpr int GreenOf(Colour c) {
    return (c >> 8) & 0xFF;
}
inline constexpr int BlueOf(Colour c) {
    return (c >> 16) & 0xFF;
}
inline constexpr Colour MakeColour(int red, int green, int blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

enum class ColourOrder { RedHigh, BlueHigh }; // how `Fill` reads its value (see there)

// Writes runs of pixels of one colour. Three byte stores a pixel are slow for whole pages and
// boxes; sixteen pixels are 48 bytes, a whole number of both pixels and 16-byte words, so a run is
// written as copies of one such block, which become a few wide stores.
class PixelRun {
public:
    PixelRun(std::uint8_t blue, std::uint8_t green, std::uint8_t red);
    explicit PixelRun(Colour colour);
    void Fill(std::uint8_t* target, int count) const;

private:
    static constexpr int kBlockPixels = 16;
    std::uint8_t m_block[3 * kBlockPixels];
};

struct PenAndBrush {
    Colour penColour = 0;
    int penWidth = 1; // 0: no outline
    Colour brushColour = 0xFFFFFF;
    bool filled = true;
};

class TXBitmap {
public:
    // The largest side we create; larger requests are clamped, so a page cannot ask for gigabytes.
    static constexpr int kMaxSide = 16384;

    TXBitmap() = default;
    TXBitmap(int width, int height); // filled black

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_width == 0 || m_height == 0; }
    void Resize(int width, int height); // contents become black

    int XAlpha() const { return m_alpha; }
    void SetXAlpha(int alpha); // clamped to 0..255
    Colour XColor() const { return m_tint; }
    void SetXColor(Colour colour) { m_tint = colour; }

    // Raw access: 3 bytes per pixel (B, G, R); rows are Stride() bytes apart, padded to a multiple of
    // four like a device-independent bitmap, so the toolkit can draw into the same memory.
    std::size_t Stride() const { return m_stride; }
    std::uint8_t* Row(int y) { return m_pixels.data() + static_cast<std::size_t>(y) * m_stride; }
    const std::uint8_t* Row(int y) const { return m_pixels.data() + static_cast<std::size_t>(y) * m_stride; }
    Colour Pixel(int x, int y) const; // 0 outside
    void SetPixel(int x, int y, Colour colour);

    // Every pixel gets the colour. RedHigh reads red from bits 16-23 and blue from bits 0-7;
    // BlueHigh reads blue from bits 16-23 and red from bits 0-7 (a Windows colour).
    void Fill(std::int32_t value, ColourOrder order);

    // Draws `source` at (x, y) with XAlpha and blend mode `mode` (0-8; higher acts as 0).
    void BlendedDraw(int x, int y, int mode, const TXBitmap& source);
    // As BlendedDraw, only inside a rounded rectangle with the given corner radii, anti-aliased.
    // `bottom` and `right` say whether the bottom and right corners are rounded too.
    void RoundedBlendedDraw(int x, int y, const TXBitmap& source, int mode, int radiusX, int radiusY,
                            bool bottom = true, bool right = true);
    // Fills the rectangle [x1, x2) × [y1, y2) with `colour` at XAlpha.
    void TranslucentRectangle(int x1, int y1, int x2, int y2, Colour colour);

    // Anti-aliased shapes over [x1, x2) × [y1, y2), with pen and brush.
    void AntiAliasedRoundRect(int x1, int y1, int x2, int y2, int radiusX, int radiusY,
                              const PenAndBrush& pen);
    void AntiAliasedEllipse(int x1, int y1, int x2, int y2, const PenAndBrush& pen);
    // A filled rounded rectangle whose alpha comes from the brush colour's brightness and a blend mode.
    void AntiAliasedBlendedRoundRect(int x1, int y1, int x2, int y2, int radiusX, int radiusY, int mode,
                                     Colour brushColour);

private:
    int m_width = 0;
    int m_height = 0;
    std::size_t m_stride = 0;
    int m_alpha = 255;
    Colour m_tint = 0x0000FF; // red
    std::vector<std::uint8_t> m_pixels;
};

} // namespace qor
