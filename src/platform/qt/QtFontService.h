#pragma once
// Fonts for the program's font names. The pages name Windows fonts; we draw them with the
// metric-compatible Liberation fonts, loaded from their files and chosen through our own table,
// so that text measures the same on every machine.

#include "platform/Fonts.h"

#include <QFont>
#include <map>
#include <string>

namespace qor {

class QtFontService : public FontService {
public:
    // Loads the Liberation fonts into the application's font database; false when a file was missing.
    static bool LoadFontFiles();
    // The Qt family that draws a program font name; empty when the name is not in the table.
    static QString FamilyFor(std::string_view fontName);
    static QFont FontFor(const FontSpec& font);

    bool IsInstalled(std::string_view fontName) const override;
    TextMetrics Measure(const FontSpec& font, std::string_view text) const override;
    void DrawText(PixelSurface& surface, int x, int y, const FontSpec& font, std::string_view text,
                  std::int32_t colour, const ClipRect* clip = nullptr) const override;
};

} // namespace qor
