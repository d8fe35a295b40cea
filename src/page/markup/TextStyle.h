#pragma once
// The text style record that the parser keeps and that every layout element carries a copy of.

#include <cstdint>
#include <string>

namespace qor {

// Colour values are Windows colours 0x00BBGGRR; these markers stand for colours of the page.
inline constexpr std::int32_t kPageTextColourMarker = 0x7FFFFFFF;
inline constexpr std::int32_t kPageLinkColourMarker = 0x5FFFFFFF;
inline constexpr std::int32_t kPaletteEntryBase = 0x01000000; // "iN" is stored as N + this
inline constexpr std::int32_t kSecondPictureColourBase = 0x0A000000;
inline constexpr std::int32_t kDragWordGapIndex = 255;
inline constexpr std::size_t kMaxFontNameLength = 40;

enum FontStyleBits : std::uint8_t { kBold = 1, kItalic = 2, kUnderline = 4 };
enum class TextAlignment : std::uint8_t { Left = 0, Centre = 1, Right = 2, Justified = 3 };

// The unit that FONT, headings, TT, PRE, links, EM and SATZ save and restore.
struct StyleBlock {
    std::uint8_t styleBits = 0;
    std::string fontName = "Times New Roman";
    std::int32_t fontSize = 3;
    std::int32_t textColour = kPageTextColourMarker;
    std::int32_t linkColour = -1;
    std::int32_t backgroundColour = 0;
    bool backgroundTransparent = true;
    std::int32_t flashColour = -1;
    std::uint8_t linkKind = 0;

    bool operator==(const StyleBlock&) const = default;
};

struct TextStyle {
    std::int32_t tagCounter = -1;
    std::int32_t boxIndex = -1;
    std::int32_t checkBoxIndex = 0;
    std::int32_t leftMargin = 8;
    std::int32_t boxY = -1;
    std::int32_t lineWidth = -1;
    std::int32_t checkBoxSize = 0;
    std::int32_t checkBoxGap = 0;
    std::int32_t lineSpacing = 1;
    // The line spacing was set by FONT LINESPACE (a named style's does not count): "+name" keeps it.
    bool lineSpacingByLinespace = false;
    TextAlignment alignment = TextAlignment::Left;
    StyleBlock block;
    std::int32_t reserved1 = 0;
    std::int32_t linkRectangle = -1;
    bool flashing = false;
    bool focus = false;
    std::int32_t tracking = 0;
    std::int32_t reserved2 = -1;
    std::int32_t gapIndex = -1;
    bool preformatted = false;
    std::int32_t randomValue = -1;
    std::int32_t pictureIndex = -1;
    std::int32_t cornerRadius = 0;
    std::int32_t opacity = 255;
    std::uint8_t pictureMode = 0;
    std::int32_t pictureColour = 255;
    std::int32_t secondPicture = -1;
    std::int32_t scalePercent = 100;
    std::int32_t baseOffset = 0;
    std::uint8_t pictureAlignment = 0;
    std::string alternativeText;
    std::string imageMapName;

    bool operator==(const TextStyle&) const = default;
};

} // namespace qor
