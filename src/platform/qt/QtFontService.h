#pragma once
// Fonts for the program's font names. The pages name Windows fonts; we draw them with the
// metric-compatible Liberation fonts, loaded from their files and chosen through our own table,
// so that text measures the same on every machine.

#include "platform/Fonts.h"

#include <QFont>
#include <QRawFont>
#include <array>
#include <memory>
#include <string>
#include <unordered_map>

namespace qor {

class QtFontService : public FontService {
public:
    // Loads the Liberation fonts into the application's font database; false when a file was missing.
    static bool LoadFontFiles();
    // The Qt family that draws a program font name; empty when the name is not in the table.
    static QString FamilyFor(std::string_view fontName);
    static QFont FontFor(const FontSpec& font);

    QtFontService();
    ~QtFontService() override;

    bool IsInstalled(std::string_view fontName) const override;
    // Text is measured and drawn as the sum of its characters' advances, without kerning or
    // shaping, the way the program's pages were designed: a word measures the same wherever it
    // stands, and a page lays out without shaping every word.
    TextMetrics Measure(const FontSpec& font, std::string_view text) const override;
    void DrawText(PixelSurface& surface, int x, int y, const FontSpec& font, std::string_view text,
                  std::int32_t colour, const ClipRect* clip = nullptr) const override;

private:
    // One font of the program: the Qt font, its glyphs and advances for the 256 Windows-1252 codes.
    struct LoadedFont {
        QFont font;
        QRawFont raw;
        std::array<quint32, 256> glyphs{};
        std::array<int, 256> advances{};
        int ascent = 0;
        int descent = 0;
    };
    const LoadedFont& Load(const FontSpec& font) const;

    mutable std::unordered_map<std::string, std::unique_ptr<LoadedFont>> m_fonts;
};

} // namespace qor
