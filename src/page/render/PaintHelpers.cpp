#include "page/render/PaintHelpers.h"

#include "page/render/TXCanvas.h"

#include <algorithm>
#include <cstring>

namespace qor {

TXBitmap CopyArea(const TXBitmap& source, const PageRect& area) {
    const long long width = static_cast<long long>(area.right) - area.left;
    const long long height = static_cast<long long>(area.bottom) - area.top;
    if (width <= 0 || height <= 0 || width * height > kMaxCopiedPixels) {
        return TXBitmap();
    }
    TXBitmap result(static_cast<int>(width), static_cast<int>(height));
    TXCanvas(result).Draw(-area.left, -area.top, source);
    return result;
}

void PutArea(TXBitmap& target, const TXBitmap& image, int x, int y) {
    if (!image.Empty()) {
        TXCanvas(target).Draw(x, y, image);
    }
}

TXBitmap ScaledVisiblePart(const TXBitmap& target, int& x, int& y, int width, int height,
                           const TXBitmap& source) {
    if (width <= 0 || height <= 0 || source.Empty()) {
        return TXBitmap();
    }
    const long long left = std::max<long long>(x, 0);
    const long long top = std::max<long long>(y, 0);
    const long long right = std::min<long long>(static_cast<long long>(x) + width, target.Width());
    const long long bottom = std::min<long long>(static_cast<long long>(y) + height, target.Height());
    if (right <= left || bottom <= top) {
        return TXBitmap();
    }
    TXBitmap part(static_cast<int>(right - left), static_cast<int>(bottom - top));
    for (long long ty = top; ty < bottom; ++ty) {
        const long long sy = ((ty - y) * 2 + 1) * source.Height() / (2LL * height);
        const std::uint8_t* sourceRow =
            source.Row(static_cast<int>(std::clamp<long long>(sy, 0, source.Height() - 1)));
        std::uint8_t* row = part.Row(static_cast<int>(ty - top));
        for (long long tx = left; tx < right; ++tx) {
            const long long sx = ((tx - x) * 2 + 1) * source.Width() / (2LL * width);
            const std::uint8_t* s = sourceRow + 3 * std::clamp<long long>(sx, 0, source.Width() - 1);
            std::memcpy(row + 3 * (tx - left), s, 3);
        }
    }
    x = static_cast<int>(left);
    y = static_cast<int>(top);
    return part;
}

void StretchClipped(TXBitmap& target, int x, int y, int width, int height, const TXBitmap& source) {
    const TXBitmap part = ScaledVisiblePart(target, x, y, width, height, source);
    PutArea(target, part, x, y);
}

TXBitmap Tinted(const TXBitmap& area, Colour dark, Colour bright) {
    TXBitmap result = area;
    result.SetXAlpha(255);
    if (dark != -1) {
        result.SetXColor(dark);
        result.BlendedDraw(0, 0, 7, area);
    }
    if (bright != -1) {
        result.SetXColor(bright);
        result.BlendedDraw(0, 0, 8, area);
    }
    return result;
}

void DrawTextAt(TXBitmap& target, int x, int y, const FontSpec& font, std::string_view text, Colour colour,
                int tracking) {
    if (text.empty() || target.Empty()) {
        return;
    }
    PixelSurface surface{target.Row(0), target.Width(), target.Height(), target.Stride()};
    const FontService& fonts = CurrentFontService();
    if (tracking == 0) {
        fonts.DrawText(surface, x, y, font, text, colour);
        return;
    }
    long long left = x;
    for (std::size_t i = 0; i < text.size() && left < target.Width(); ++i) {
        const std::string_view character = text.substr(i, 1);
        fonts.DrawText(surface, static_cast<int>(left), y, font, character, colour);
        left += fonts.Measure(font, character).width + tracking;
    }
}

} // namespace qor
