#pragma once
// A printed page as the printing code sees it: the printer's metric mapping mode, where one unit
// is 0.1 mm and y grows upwards from the top edge of the printable area, so every position down
// the page is negative. Texts are Windows-1252; colours are Windows colour values (0x00BBGGRR).

#include <cstdint>
#include <string_view>

namespace qor {

enum class LineStyle { Solid, Dashed };

inline constexpr std::int32_t kPrintBlack = 0x000000;
inline constexpr std::int32_t kPrintWhite = 0xFFFFFF;

class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    // The printable area in 0.1 mm.
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    // The printer's resolution: the printouts use richer shading above 300 dots per inch.
    virtual int DotsPerInchX() const = 0;
    virtual int DotsPerInchY() const = 0;

    // `height` is the character cell in 0.1 mm, internal leading included, as a positive font
    // height is on Windows.
    virtual void SetFont(std::string_view name, int height, bool bold, bool italic) = 0;
    virtual void SetTextColour(std::int32_t colour) = 0;
    // In 0.1 mm, with the current font.
    virtual int TextWidth(std::string_view text) const = 0;
    // (x, y) is the top-left corner of the text's cell, as the Windows text output anchors it;
    // the text has no background.
    virtual void DrawText(int x, int y, std::string_view text) = 0;

    // Rectangles from their top-left (left, top) to their bottom-right (right, bottom) corner,
    // so top > bottom.
    virtual void FillRect(int left, int top, int right, int bottom, std::int32_t colour) = 0;
    virtual void Rectangle(int left, int top, int right, int bottom, std::int32_t colour) = 0; // outline
    virtual void Line(int x1, int y1, int x2, int y2, LineStyle style) = 0;                    // black

    // Ends the page and starts the next one.
    virtual void NewPage() = 0;
};

} // namespace qor
