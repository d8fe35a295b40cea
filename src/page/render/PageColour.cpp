#include "page/render/PageColour.h"

#include "page/markup/PageDocument.h"

#include <array>

namespace qor {

namespace {

// The 16 colours of the standard system palette, in Windows order 0x00BBGGRR.
constexpr std::array<Colour, 16> kStandardPalette = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

} // namespace

Colour ResolvePageColour(Colour colour, const PageDocument& document) {
    if (colour == kPageTextColourMarker) {
        return document.colorTXT;
    }
    if (colour == kPageLinkColourMarker) {
        return document.linkColour;
    }
    if ((colour & 0xFF000000) == kPaletteEntryBase) {
        const int entry = colour & 0xFFFFFF;
        return entry < static_cast<int>(kStandardPalette.size())
                   ? kStandardPalette[static_cast<std::size_t>(entry)]
                   : 0;
    }
    return colour & 0xFFFFFF;
}

} // namespace qor
