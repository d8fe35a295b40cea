#pragma once
// Fonts for the program's font names. The pages name Windows fonts; we draw them with the
// metric-compatible Liberation fonts, loaded from their files and chosen through our own table,
// so that text measures the same on every machine.

#include "platform/Fonts.h"
#include "platform/GlyphBlend.h"

#include <QFont>
#include <QRawFont>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

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
    // The coverage of one glyph as Qt rasterises it, cut to its inked pixels; `left` and `top` are
    // relative to the top-left corner of the character's cell. Each coverage value is stored three
    // times, once for each byte of the pixel, and the rows are followed by kCoveragePadding zero
    // bytes: the blending then runs over plain bytes, many at a time (see GlyphBlend.h).
    struct GlyphMask {
        bool made = false;
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        std::vector<std::uint8_t> coverage; // 3 × width bytes a row
    };
    static constexpr int kCoveragePadding = kBlendReadAhead;
    // One font of the program: the Qt font, its glyphs, advances and glyph masks for the 256
    // Windows-1252 codes. Text is drawn by blending the cached masks: a page draws many short words,
    // and a painter and a glyph run for each of them would cost more than the rest of the page.
    struct LoadedFont {
        QFont font;
        QRawFont raw;
        std::array<quint32, 256> glyphs{};
        std::array<int, 256> advances{};
        std::array<GlyphMask, 256> masks{};
        int ascent = 0;
        int descent = 0;
        int underlinePosition = 0;
        int underlineThickness = 1;
    };
    LoadedFont& Load(const FontSpec& font) const;
    LoadedFont& LoadUncached(const FontSpec& font) const;
    static const GlyphMask& MaskFor(LoadedFont& loaded, unsigned char code);

    mutable std::unordered_map<std::string, std::unique_ptr<LoadedFont>> m_fonts;
    // The fonts asked for lately, by their exact request: pages switch between a few fonts (plain,
    // bold, links) from word to word, and building the table key for each word would cost more
    // than measuring it. Replaced round-robin once full.
    struct RecentFont {
        FontSpec request;
        LoadedFont* font = nullptr;
    };
    static constexpr std::size_t kRecentFonts = 16;
    mutable std::vector<RecentFont> m_recent;
    mutable std::size_t m_nextRecent = 0;
    // The text colour of the last DrawText, laid out for the row blending.
    mutable std::optional<std::int32_t> m_colourBytesFor;
    mutable std::array<std::uint8_t, kBlendColourBytes> m_colourBytes{};
};

} // namespace qor
