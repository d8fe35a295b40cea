#include "platform/Fonts.h"

#include "platform/Cp1252.h"

#include <algorithm>
#include <cstdlib>

namespace qor {

namespace {

FontService* g_fonts = nullptr;

} // namespace

bool FixedAdvanceFonts::IsInstalled(std::string_view fontName) const {
    static constexpr std::string_view known[] = {"Arial", "Times New Roman", "Courier New", "Verdana",
                                                 "Comic Sans MS"};
    for (std::string_view name : known)
        if (SameTextInsensitive(name, fontName))
            return true;
    return false;
}

TextMetrics FixedAdvanceFonts::Measure(const FontSpec& font, std::string_view text) const {
    int height = std::abs(font.height);
    int advance = height / 2 + (font.bold ? 1 : 0);
    TextMetrics metrics;
    metrics.width = advance * static_cast<int>(text.size());
    metrics.height = height;
    metrics.ascent = height * 4 / 5;
    metrics.descent = height - metrics.ascent;
    return metrics;
}

void FixedAdvanceFonts::DrawText(PixelSurface& surface, int x, int y, const FontSpec& font,
                                 std::string_view text, std::int32_t colour, const ClipRect* clip) const {
    TextMetrics metrics = Measure(font, "x");
    int advance = metrics.width;
    int left = 0, top = 0, right = surface.width, bottom = surface.height;
    if (clip) {
        left = std::max(left, clip->x);
        top = std::max(top, clip->y);
        right = std::min(right, clip->x + clip->width);
        bottom = std::min(bottom, clip->y + clip->height);
    }
    const auto blue = static_cast<std::uint8_t>((colour >> 16) & 0xFF);
    const auto green = static_cast<std::uint8_t>((colour >> 8) & 0xFF);
    const auto red = static_cast<std::uint8_t>(colour & 0xFF);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ')
            continue;
        int x1 = std::max(left, x + static_cast<int>(i) * advance);
        int x2 = std::min(right, x + static_cast<int>(i + 1) * advance - 1);
        int y1 = std::max(top, y);
        int y2 = std::min(bottom, y + metrics.ascent);
        for (int row = y1; row < y2; ++row) {
            std::uint8_t* pixel = surface.bgr + static_cast<std::size_t>(row) * surface.stride + 3 * x1;
            for (int column = x1; column < x2; ++column, pixel += 3) {
                pixel[0] = blue;
                pixel[1] = green;
                pixel[2] = red;
            }
        }
    }
}

FontService& CurrentFontService() {
    static FixedAdvanceFonts fixedFonts;
    return g_fonts ? *g_fonts : fixedFonts;
}

void SetFontService(FontService* service) {
    g_fonts = service;
}

} // namespace qor
