#pragma once
// The presentation's canvas over 24-bit pixels that the window owns and shows: the band is
// composed off-screen and copied in one piece, letters are drawn straight onto the pixels.

#include "app/super/SuperCanvas.h"

#include <functional>
#include <vector>

namespace qor {

class PixelCanvas : public SuperCanvas {
public:
    // `changed` hears of every painted rectangle, so the window can show it.
    PixelCanvas(PixelSurface surface, const FontService& fonts, std::function<void(const ClipRect&)> changed);

    int Width() const override { return m_surface.width; }
    int Height() const override { return m_surface.height; }
    void Clear(std::int32_t colour) override;
    void PaintBand(int top, int height, std::int32_t background, const FontSpec& font, std::string_view text,
                   std::int32_t textColour) override;
    void DrawChar(int x, int y, const FontSpec& font, char character, std::int32_t colour) override;
    TextMetrics Measure(const FontSpec& font, std::string_view text) const override;

private:
    void Changed(const ClipRect& rect);

    PixelSurface m_surface;
    const FontService& m_fonts;
    std::function<void(const ClipRect&)> m_changed;
    std::vector<std::uint8_t> m_band;
};

// Fills `rect` of `surface` (cut to the surface) with a Windows colour value.
void FillPixels(PixelSurface& surface, const ClipRect& rect, std::int32_t colour);

} // namespace qor
