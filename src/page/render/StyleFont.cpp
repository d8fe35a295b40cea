#include "page/render/StyleFont.h"

#include <array>

namespace qor {

namespace {

constexpr std::array<int, 7> kCharacterHeights = {11, 13, 16, 19, 24, 32, 48};

} // namespace

FontSpec StyleFont(const TextStyle& style) {
    const StyleBlock& block = style.block;
    FontSpec font;
    font.name = block.fontName;
    font.bold = (block.styleBits & kBold) != 0;
    font.italic = (block.styleBits & kItalic) != 0;
    font.underline = (block.styleBits & kUnderline) != 0;
    const int size = block.fontSize < 1 ? 1 : block.fontSize;
    if (size <= static_cast<int>(kCharacterHeights.size())) {
        font.height = kCharacterHeights[static_cast<std::size_t>(size - 1)];
        font.heightIsCell = false;
    } else {
        font.height = size;
        font.heightIsCell = true;
    }
    return font;
}

TextMetrics MeasureText(std::string_view text, const TextStyle& style) {
    return CurrentFontService().Measure(StyleFont(style), text);
}

} // namespace qor
