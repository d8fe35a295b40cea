#pragma once
// Anti-aliasing of the page's shapes. A rounded rectangle (an ellipse is one whose radii are half
// its size) is drawn white on black into a one-bit mask at four times the resolution; the 4 × 4
// block of mask bits behind a pixel gives its coverage 0-16. The mask is made one pixel row at a
// time, so it never grows beyond one row of the target whatever size the shape asks for.

#include <bit>
#include <cstdint>
#include <vector>

namespace qor {

struct ShapeCorners {
    bool topLeft = true;
    bool topRight = true;
    bool bottomLeft = true;
    bool bottomRight = true;
};

// A rounded rectangle over the pixels [x1, x2) × [y1, y2), kept in quarter-pixel units.
class RoundRectShape {
public:
    RoundRectShape(int x1, int y1, int x2, int y2, int radiusX, int radiusY, ShapeCorners corners = {});
    static RoundRectShape Ellipse(int x1, int y1, int x2, int y2);

    bool Empty() const { return m_x2 <= m_x1 || m_y2 <= m_y1; }
    int PixelLeft() const { return m_x1 / 4; }
    int PixelTop() const { return m_y1 / 4; }
    int PixelRight() const { return m_x2 / 4; }
    int PixelBottom() const { return m_y2 / 4; }

    // The quarter-pixel columns [left, right) inside the shape on quarter-pixel row `subRow`.
    void SubRowSpan(int subRow, int& left, int& right) const;

private:
    int m_x1, m_y1, m_x2, m_y2; // quarter pixels
    double m_radiusX = 0, m_radiusY = 0;
    ShapeCorners m_corners;
};

// The mask bits of one pixel row: per pixel 16 bits, bit (4 × sub-row + sub-column).
class CoverageRow {
public:
    // Draws pixel row `y` of `shape` over the pixel columns [x0, x1). Returns true when every
    // pixel of that range is covered fully, in which case no mask is made (straight parts).
    bool Rasterise(const RoundRectShape& shape, int y, int x0, int x1);

    std::uint16_t Block(int x) const { return m_full ? 0xFFFF : m_blocks[x - m_x0]; }
    static int Coverage(std::uint16_t block) { return std::popcount(block); }

private:
    void SetSpan(int subRow, int left, int right);

    int m_x0 = 0;
    int m_x1 = 0;
    bool m_full = false;
    std::vector<std::uint16_t> m_blocks;
};

} // namespace qor
