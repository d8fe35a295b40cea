#pragma once
// The picture slide box (BOX LOMO): its zones are divided into cells of the pictures' size, every
// cell shows a random picture (or quarters of smaller ones), and on every tick of its timer one
// random cell changes.

#include "page/markup/PageRecords.h"
#include "page/render/IntervalTimer.h"
#include "page/render/TXBitmap.h"

#include <functional>
#include <vector>

namespace qor {

class TLomoBox {
public:
    struct Cell {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
        bool operator==(const Cell&) const = default;
    };

    static constexpr int kMinCellWidth = 50;

    TLomoBox() = default;
    ~TLomoBox();
    TLomoBox(const TLomoBox&) = delete;
    TLomoBox& operator=(const TLomoBox&) = delete;

    // Takes the pictures and zones of the page's slide box (the pictures are not copied: the
    // page keeps them while the box lives).
    void Setup(const PageSlideBox& slideBox);

    // Width: the widest picture (at least kMinCellWidth); height: the highest, or exactly two
    // thirds of the width (rounded up) when it lies within 3 pixels of that.
    static void CellSize(const std::vector<TXBitmap>& pictures, int& width, int& height);
    // Columns of the cell width (only when the zone width is a multiple of it); each column in
    // rows of the cell height, or, when the zone holds 1, 3, 7 or 15 cell heights and some
    // pixels more, in pieces made by halving until they fit.
    static void DivideZone(const PageRect& zone, int cellWidth, int cellHeight, std::vector<Cell>& cells);

    void PaintAll(TXBitmap& target) const;
    void PaintCell(TXBitmap& target, const Cell& cell) const;
    // Repaints one random cell and returns it (the caller copies it to the screen).
    Cell PaintRandomCell(TXBitmap& target) const;

    // Starts the timer; `tick` runs every interval until Stop (or an error in it).
    void Start(IntervalTimer& timer, std::function<void()> tick);
    void Stop();
    bool Running() const { return m_timerId > 0; }

    const std::vector<Cell>& Cells() const { return m_cells; }
    int CellWidth() const { return m_cellWidth; }
    int CellHeight() const { return m_cellHeight; }
    int IntervalMs() const { return m_intervalMs; }

private:
    void PaintArea(TXBitmap& target, int x, int y, int width, int height, int depth) const;

    const std::vector<TXBitmap>* m_pictures = nullptr;
    std::vector<Cell> m_cells;
    int m_cellWidth = 0;
    int m_cellHeight = 0;
    int m_intervalMs = 500;
    IntervalTimer* m_timer = nullptr;
    int m_timerId = 0;
};

} // namespace qor
