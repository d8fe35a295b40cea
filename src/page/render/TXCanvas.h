#pragma once
// A small drawing API on a TXBitmap with Windows semantics, for the page's own controls and the
// page painter: a pen, a brush, a font with its colour, an origin and a clip rectangle.
// Rectangles exclude their right and bottom edges; lines leave out their last pixel; everything
// clips to the clip rectangle and the bitmap.

#include "page/render/TXBitmap.h"
#include "platform/Fonts.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct TXPoint {
    int x = 0;
    int y = 0;
};

struct TXRect {
    int left = 0;
    int top = 0;
    int right = 0; // exclusive
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
};

enum class PenMode { Copy, Invert };

struct TXPen {
    Colour colour = 0;
    int width = 1; // 0 draws like 1, as on Windows
    PenMode mode = PenMode::Copy;
    bool none = false; // no outline at all
};

struct TXBrush {
    Colour colour = 0xFFFFFF;
    bool none = false; // shapes are not filled
};

struct TXFont {
    FontSpec face;
    Colour colour = 0;
};

class TXCanvas {
public:
    explicit TXCanvas(TXBitmap& bitmap);

    TXBitmap& Bitmap() { return m_bitmap; }

    // Logical (0, 0) lies at (x, y) of the bitmap; every coordinate below is logical.
    void SetOrigin(int x, int y);
    TXPoint Origin() const { return {m_originX, m_originY}; }
    // Drawing stays inside `clip` (logical coordinates at the time of the call) and the bitmap.
    void SetClip(const TXRect& clip);
    void ClearClip();

    // Origin, clip, pen, brush and font, to be put back after drawing a part with its own settings.
    class State;
    State Save() const;
    void Restore(const State& state);
    // Moves the origin to (x, y) of the current logical coordinates and clips to
    // [0, width) × [0, height) there (within the clip already in force): a child's own area.
    void EnterArea(int x, int y, int width, int height);

    TXPen& Pen() { return m_pen; }
    TXBrush& Brush() { return m_brush; }
    TXFont& Font() { return m_font; }
    const TXPen& Pen() const { return m_pen; }
    const TXBrush& Brush() const { return m_brush; }
    const TXFont& Font() const { return m_font; }

    // Pixels in logical coordinates (0 and nothing outside the bitmap).
    Colour Pixel(int x, int y) const;
    void SetPixel(int x, int y, Colour colour);

    // Areas. FillRect fills with the brush; FrameRect draws a one-pixel frame in the brush colour
    // (as on Windows); Rectangle fills with the brush and frames with the pen.
    void FillRect(const TXRect& rect);
    void FillRect(const TXRect& rect, Colour colour);
    void FrameRect(const TXRect& rect);
    void Rectangle(const TXRect& rect);
    void Ellipse(const TXRect& rect);
    void Polygon(std::span<const TXPoint> points);

    // Lines with the pen; the end point itself is not drawn.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Line(int x1, int y1, int x2, int y2);
    void Polyline(std::span<const TXPoint> points);
    // A line that inverts every pixel it covers (the caret); drawing it twice restores the picture.
    void InvertLine(int x1, int y1, int x2, int y2);

    // Text in the font, transparent, with the cell's top-left corner at (x, y).
    void TextOut(int x, int y, std::string_view text);
    void TextOut(int x, int y, std::string_view text, Colour colour);
    int TextWidth(std::string_view text) const;
    int TextHeight(std::string_view text) const;
    // Breaks `text` into lines no wider than `width` at blanks (a word wider than the width
    // stands alone on its line; "\n" breaks too).
    std::vector<std::string> WrapText(std::string_view text, int width) const;
    // The height of the wrapped text; nothing is drawn.
    int WrappedTextHeight(std::string_view text, int width) const;
    // Word-wrapped lines, each centred horizontally inside `rect`, from rect.top down, clipped to
    // `rect`. Returns the height of the text.
    int DrawTextWrapped(const TXRect& rect, std::string_view text);

    // Copies `source` onto the bitmap at (x, y) in its own size.
    void Draw(int x, int y, const TXBitmap& source);
    // Copies the area `from` of `source` into `to`, scaled to its size (nearest neighbour); parts
    // of `from` outside the source are left out.
    void CopyRect(const TXRect& to, const TXBitmap& source, const TXRect& from);
    void StretchDraw(const TXRect& to, const TXBitmap& source);

private:
    struct Box {
        int left, top, right, bottom; // in bitmap coordinates, exclusive
    };

public:
    class State {
        friend class TXCanvas;
        int originX = 0;
        int originY = 0;
        std::optional<Box> clip;
        TXPen pen;
        TXBrush brush;
        TXFont font;
    };

private:
    Box DeviceClip() const;
    void Plot(int deviceX, int deviceY, Colour colour, PenMode mode, const Box& clip);
    void PenDot(int x, int y, const Box& clip);
    void DrawLine(int x1, int y1, int x2, int y2, bool inverted);
    void FillSpan(int y, int x1, int x2, Colour colour, const Box& clip);

    TXBitmap& m_bitmap;
    int m_originX = 0;
    int m_originY = 0;
    std::optional<Box> m_clip;
    TXPen m_pen;
    TXBrush m_brush;
    TXFont m_font;
    TXPoint m_position;
};

} // namespace qor
