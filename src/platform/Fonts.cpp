#include "platform/Fonts.h"

#include "platform/Cp1252.h"

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

FontService& CurrentFontService() {
    static FixedAdvanceFonts fixedFonts;
    return g_fonts ? *g_fonts : fixedFonts;
}

void SetFontService(FontService* service) {
    g_fonts = service;
}

} // namespace qor
