#include "page/render/AntiAliasMask.h"

#include <algorithm>
#include <cmath>

namespace qor {

namespace {

// Far enough out that four times the coordinate still fits an int; a shape that large is
// mostly outside any bitmap anyway.
constexpr int kCoordinateLimit = 1 << 26;

int QuarterUnits(int pixel) {
    return 4 * std::clamp(pixel, -kCoordinateLimit, kCoordinateLimit);
}

} // namespace

RoundRectShape::RoundRectShape(int x1, int y1, int x2, int y2, int radiusX, int radiusY, ShapeCorners corners)
    : m_x1(QuarterUnits(std::min(x1, x2))), m_y1(QuarterUnits(std::min(y1, y2))),
      m_x2(QuarterUnits(std::max(x1, x2))), m_y2(QuarterUnits(std::max(y1, y2))), m_corners(corners) {
    if (radiusX > 0 && radiusY > 0) {
        m_radiusX = std::min(4.0 * std::min(radiusX, kCoordinateLimit), (m_x2 - m_x1) / 2.0);
        m_radiusY = std::min(4.0 * std::min(radiusY, kCoordinateLimit), (m_y2 - m_y1) / 2.0);
    }
}

RoundRectShape RoundRectShape::Ellipse(int x1, int y1, int x2, int y2) {
    return RoundRectShape(x1, y1, x2, y2, kCoordinateLimit, kCoordinateLimit);
}

void RoundRectShape::SubRowSpan(int subRow, int& left, int& right) const {
    left = right = 0;
    if (subRow < m_y1 || subRow >= m_y2) {
        return;
    }
    left = m_x1;
    right = m_x2;
    if (m_radiusX <= 0 || m_radiusY <= 0) {
        return;
    }
    // Sample points sit in the middle of each quarter pixel.
    const double centreY = subRow + 0.5;
    double dy = -1;
    bool roundLeft = false;
    bool roundRight = false;
    if (centreY < m_y1 + m_radiusY) {
        dy = (m_y1 + m_radiusY - centreY) / m_radiusY;
        roundLeft = m_corners.topLeft;
        roundRight = m_corners.topRight;
    } else if (centreY > m_y2 - m_radiusY) {
        dy = (centreY - (m_y2 - m_radiusY)) / m_radiusY;
        roundLeft = m_corners.bottomLeft;
        roundRight = m_corners.bottomRight;
    }
    if (dy < 0) {
        return;
    }
    const double inset = m_radiusX * (1.0 - std::sqrt(std::max(0.0, 1.0 - dy * dy)));
    if (roundLeft) {
        left = static_cast<int>(std::ceil(m_x1 + inset - 0.5));
    }
    if (roundRight) {
        right = static_cast<int>(std::floor(m_x2 - inset - 0.5)) + 1;
    }
    if (right < left) {
        right = left;
    }
}

bool CoverageRow::Rasterise(const RoundRectShape& shape, int y, int x0, int x1) {
    m_x0 = x0;
    m_x1 = x1;
    int left[4];
    int right[4];
    bool full = true;
    for (int j = 0; j < 4; ++j) {
        shape.SubRowSpan(4 * y + j, left[j], right[j]);
        full = full && left[j] <= 4 * x0 && right[j] >= 4 * x1;
    }
    m_full = full;
    if (full) {
        return true;
    }
    m_blocks.assign(static_cast<std::size_t>(std::max(0, x1 - x0)), 0);
    for (int j = 0; j < 4; ++j) {
        SetSpan(j, left[j], right[j]);
    }
    return false;
}

void CoverageRow::SetSpan(int subRow, int left, int right) {
    left = std::max(left, 4 * m_x0);
    right = std::min(right, 4 * m_x1);
    const int shift = 4 * subRow;
    int column = left;
    while (column < right) {
        std::uint16_t& block = m_blocks[static_cast<std::size_t>(column / 4 - m_x0)];
        if ((column & 3) == 0 && column + 4 <= right) {
            block |= static_cast<std::uint16_t>(0xF << shift);
            column += 4;
        } else {
            block |= static_cast<std::uint16_t>(1 << (shift + (column & 3)));
            ++column;
        }
    }
}

} // namespace qor
