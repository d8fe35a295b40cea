#include "app/super/PixelCanvas.h"

#include <algorithm>
#include <cstring>

namespace qor {

void FillPixels(PixelSurface& surface, const ClipRect& rect, std::int32_t colour) {
    const int left = std::max(0, rect.x);
    const int top = std::max(0, rect.y);
    const int right = std::min(surface.width, rect.x + rect.width);
    const int bottom = std::min(surface.height, rect.y + rect.height);
    const auto red = static_cast<std::uint8_t>(colour & 0xFF);
    const auto green = static_cast<std::uint8_t>((colour >> 8) & 0xFF);
    const auto blue = static_cast<std::uint8_t>((colour >> 16) & 0xFF);
    for (int y = top; y < bottom; ++y) {
        std::uint8_t* pixel = surface.bgr + static_cast<std::size_t>(y) * surface.stride + 3 * left;
        for (int x = left; x < right; ++x, pixel += 3) {
            pixel[0] = blue;
            pixel[1] = green;
            pixel[2] = red;
        }
    }
}

PixelCanvas::PixelCanvas(PixelSurface surface, const FontService& fonts,
                         std::function<void(const ClipRect&)> changed)
    : m_surface(surface), m_fonts(fonts), m_changed(std::move(changed)) {}

void PixelCanvas::Changed(const ClipRect& rect) {
    if (m_changed)
        m_changed(rect);
}

void PixelCanvas::Clear(std::int32_t colour) {
    const ClipRect all{0, 0, m_surface.width, m_surface.height};
    FillPixels(m_surface, all, colour);
    Changed(all);
}

void PixelCanvas::PaintBand(int top, int height, std::int32_t background, const FontSpec& font,
                            std::string_view text, std::int32_t textColour) {
    const int width = m_surface.width;
    if (width <= 0 || height <= 0)
        return;
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    m_band.resize(stride * static_cast<std::size_t>(height));
    PixelSurface band{m_band.data(), width, height, stride};
    FillPixels(band, ClipRect{0, 0, width, height}, background);
    const TextMetrics metrics = m_fonts.Measure(font, text);
    m_fonts.DrawText(band, (width - metrics.width) / 2, (height - metrics.height) / 2, font, text,
                     textColour);
    const int first = std::max(0, top);
    const int last = std::min(m_surface.height, top + height);
    for (int y = first; y < last; ++y)
        std::memcpy(m_surface.bgr + static_cast<std::size_t>(y) * m_surface.stride,
                    m_band.data() + static_cast<std::size_t>(y - top) * stride, stride);
    Changed(ClipRect{0, top, width, height});
}

void PixelCanvas::DrawChar(int x, int y, const FontSpec& font, char character, std::int32_t colour) {
    const std::string_view text(&character, 1);
    m_fonts.DrawText(m_surface, x, y, font, text, colour);
    const TextMetrics metrics = m_fonts.Measure(font, text);
    // Italic and bold glyphs may reach past their advance.
    Changed(ClipRect{x - metrics.height / 4, y, metrics.width + metrics.height / 2, metrics.height});
}

TextMetrics PixelCanvas::Measure(const FontSpec& font, std::string_view text) const {
    return m_fonts.Measure(font, text);
}

} // namespace qor
