#include "page/render/TLomoBox.h"

#include "page/render/TXCanvas.h"
#include "platform/Random.h"

#include <algorithm>
#include <cstdlib>

namespace qor {

namespace {

constexpr int kMaxQuarterDepth = 12;
// A page cannot ask for more cells than this; zones of tiny cells stop here.
constexpr std::size_t kMaxCells = 4096;

Colour RandomColour() {
    return MakeColour(RandomBelow(256), RandomBelow(256), RandomBelow(256));
}

void SplitColumn(int x, int y, int width, int height, int cellHeight, std::vector<TLomoBox::Cell>& cells) {
    if (cells.size() >= kMaxCells) {
        return;
    }
    if (height <= cellHeight || height < 2) {
        cells.push_back(TLomoBox::Cell{x, y, width, height});
        return;
    }
    const int upper = height / 2;
    SplitColumn(x, y, width, upper, cellHeight, cells);
    SplitColumn(x, y + upper, width, height - upper, cellHeight, cells);
}

} // namespace

TLomoBox::~TLomoBox() {
    Stop();
}

void TLomoBox::CellSize(const std::vector<TXBitmap>& pictures, int& width, int& height) {
    width = kMinCellWidth;
    height = 0;
    for (const TXBitmap& picture : pictures) {
        width = std::max(width, picture.Width());
        height = std::max(height, picture.Height());
    }
    // 3 × height against 2 × width: within 3 pixels of two thirds of the width.
    if (std::abs(3 * static_cast<long long>(height) - 2 * static_cast<long long>(width)) <= 9) {
        height = (2 * width + 2) / 3;
    }
}

void TLomoBox::DivideZone(const PageRect& zone, int cellWidth, int cellHeight, std::vector<Cell>& cells) {
    const long long zoneWidth = static_cast<long long>(zone.right) - zone.left;
    const long long zoneHeight = static_cast<long long>(zone.bottom) - zone.top;
    if (cellWidth <= 0 || cellHeight <= 0 || zoneWidth <= 0 || zoneHeight <= 0 ||
        zoneWidth % cellWidth != 0) {
        return;
    }
    const long long columns = zoneWidth / cellWidth;
    const long long rows = zoneHeight / cellHeight;
    const bool exact = zoneHeight % cellHeight == 0;
    const bool halvable = rows == 1 || rows == 3 || rows == 7 || rows == 15;
    if (!exact && !halvable) {
        return;
    }
    for (long long column = 0; column < columns && cells.size() < kMaxCells; ++column) {
        const int x = static_cast<int>(zone.left + column * cellWidth);
        if (exact) {
            for (long long row = 0; row < rows && cells.size() < kMaxCells; ++row) {
                cells.push_back(
                    Cell{x, static_cast<int>(zone.top + row * cellHeight), cellWidth, cellHeight});
            }
        } else {
            SplitColumn(x, zone.top, cellWidth, static_cast<int>(zoneHeight), cellHeight, cells);
        }
    }
}

void TLomoBox::Setup(const PageSlideBox& slideBox) {
    Stop();
    m_pictures = &slideBox.pictures;
    m_intervalMs = slideBox.intervalMs;
    CellSize(slideBox.pictures, m_cellWidth, m_cellHeight);
    m_cells.clear();
    DivideZone(slideBox.zone1, m_cellWidth, m_cellHeight, m_cells);
    if (slideBox.zone2) {
        DivideZone(*slideBox.zone2, m_cellWidth, m_cellHeight, m_cells);
    }
}

void TLomoBox::PaintArea(TXBitmap& target, int x, int y, int width, int height, int depth) const {
    TXCanvas canvas(target);
    std::vector<const TXBitmap*> fitting;
    if (m_pictures != nullptr) {
        for (const TXBitmap& picture : *m_pictures) {
            if (picture.Width() <= width) {
                fitting.push_back(&picture);
            }
        }
    }
    if (fitting.empty() || width < 2 || height < 2 || depth >= kMaxQuarterDepth) {
        canvas.FillRect(TXRect{x, y, x + width, y + height}, RandomColour());
        return;
    }
    const TXBitmap& picture =
        *fitting[static_cast<std::size_t>(RandomBelow(static_cast<int>(fitting.size())))];
    if (picture.Width() == width) {
        canvas.CopyRect(TXRect{x, y, x + width, y + height}, picture, TXRect{0, 0, width, height});
        return;
    }
    const int left = width / 2;
    const int top = height / 2;
    PaintArea(target, x, y, left, top, depth + 1);
    PaintArea(target, x + left, y, width - left, top, depth + 1);
    PaintArea(target, x, y + top, left, height - top, depth + 1);
    PaintArea(target, x + left, y + top, width - left, height - top, depth + 1);
}

void TLomoBox::PaintCell(TXBitmap& target, const Cell& cell) const {
    PaintArea(target, cell.x, cell.y, cell.width, cell.height, 0);
}

void TLomoBox::PaintAll(TXBitmap& target) const {
    for (const Cell& cell : m_cells) {
        PaintCell(target, cell);
    }
}

TLomoBox::Cell TLomoBox::PaintRandomCell(TXBitmap& target) const {
    if (m_cells.empty()) {
        return Cell{};
    }
    const Cell& cell = m_cells[static_cast<std::size_t>(RandomBelow(static_cast<int>(m_cells.size())))];
    PaintCell(target, cell);
    return cell;
}

void TLomoBox::Start(IntervalTimer& timer, std::function<void()> tick) {
    Stop();
    if (m_cells.empty() || m_intervalMs <= 0) {
        return;
    }
    m_timer = &timer;
    m_timerId = timer.Start(m_intervalMs, [this, tick = std::move(tick)] {
        try {
            tick();
        } catch (...) {
            Stop(); // a failing repaint must not keep firing
        }
    });
}

void TLomoBox::Stop() {
    if (m_timer != nullptr && m_timerId > 0) {
        m_timer->Stop(m_timerId);
    }
    m_timer = nullptr;
    m_timerId = 0;
}

} // namespace qor
