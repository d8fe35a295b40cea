#pragma once
// Text measuring and the list of installed fonts, as the page engine sees them. The Qt back end
// maps the program's font names (Arial, Times New Roman, Courier New, ...) onto the Liberation
// fonts through our own table; the test back end has fixed advances.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qor {

struct FontSpec {
    std::string name = "Times New Roman"; // Windows-1252
    int height = 16;                      // character height in pixels, or cell height (see below)
    bool heightIsCell = false;            // true: `height` includes the internal leading
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct TextMetrics {
    int width = 0;
    int height = 0;
    int ascent = 0;
    int descent = 0;
};

// 24-bit pixels that text is drawn into: rows of blue, green, red bytes, `stride` bytes apart.
struct PixelSurface {
    std::uint8_t* bgr = nullptr;
    int width = 0;
    int height = 0;
    std::size_t stride = 0;
};

struct ClipRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class FontService {
public:
    virtual ~FontService() = default;
    virtual bool IsInstalled(std::string_view fontName) const = 0;
    virtual TextMetrics Measure(const FontSpec& font, std::string_view text) const = 0;
    // Draws `text` (Windows-1252) with its cell's top-left corner at (x, y) in `colour`
    // (0x00BBGGRR) with a transparent background, only inside `clip` when one is given.
    virtual void DrawText(PixelSurface& surface, int x, int y, const FontSpec& font, std::string_view text,
                          std::int32_t colour, const ClipRect* clip = nullptr) const = 0;
};

// Every character is height/2 pixels wide (bold adds one); ascent 4/5 of the height. Knows the
// fonts "Arial", "Times New Roman", "Courier New", "Verdana", "Comic Sans MS" (any case).
class FixedAdvanceFonts : public FontService {
public:
    bool IsInstalled(std::string_view fontName) const override;
    TextMetrics Measure(const FontSpec& font, std::string_view text) const override;
    // Each character but the blank is a solid block one pixel narrower than its advance, from the
    // top of the cell down to the baseline: easy to predict in tests.
    void DrawText(PixelSurface& surface, int x, int y, const FontSpec& font, std::string_view text,
                  std::int32_t colour, const ClipRect* clip = nullptr) const override;
};

FontService& CurrentFontService();
void SetFontService(FontService* service); // not owned; nullptr restores the fixed-advance fonts

} // namespace qor
