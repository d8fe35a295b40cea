#pragma once
// Text measuring and the list of installed fonts, as the page engine sees them. The Qt back end
// maps the program's font names (Arial, Times New Roman, Courier New, ...) onto the Liberation
// fonts through our own table; the test back end has fixed advances.

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

class FontService {
public:
    virtual ~FontService() = default;
    virtual bool IsInstalled(std::string_view fontName) const = 0;
    virtual TextMetrics Measure(const FontSpec& font, std::string_view text) const = 0;
};

// Every character is height/2 pixels wide (bold adds one); ascent 4/5 of the height. Knows the
// fonts "Arial", "Times New Roman", "Courier New", "Verdana", "Comic Sans MS" (any case).
class FixedAdvanceFonts : public FontService {
public:
    bool IsInstalled(std::string_view fontName) const override;
    TextMetrics Measure(const FontSpec& font, std::string_view text) const override;
};

FontService& CurrentFontService();
void SetFontService(FontService* service); // not owned; nullptr restores the fixed-advance fonts

} // namespace qor
