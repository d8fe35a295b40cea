#pragma once
// The cells of the radio group and the multiple-choice grid: numbered column by column
// (cell = column × rows + row), with a numbered caption for a cell without text.

#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The cell under (x, y), or -1 outside the columns and rows.
inline int GridCellAt(int x, int y, int cellWidth, int cellHeight, int columns, int rows) {
    if (x < 0 || y < 0 || cellWidth <= 0 || cellHeight <= 0)
        return -1;
    const int column = x / cellWidth;
    const int row = y / cellHeight;
    if (column >= columns || row >= rows)
        return -1;
    return column * rows + row;
}

// The item text of a cell, or `fallback` followed by the cell number when it has none.
inline std::string GridCellCaption(const std::vector<std::string>& items, int cell,
                                   std::string_view fallback) {
    if (cell >= 0 && cell < static_cast<int>(items.size()) && !items[static_cast<std::size_t>(cell)].empty())
        return items[static_cast<std::size_t>(cell)];
    return std::string(fallback) + std::to_string(cell);
}

} // namespace qor
