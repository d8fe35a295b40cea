#pragma once
// The page's radio group: cells of CellWidth × CellHeight in Spalten columns and Zeilen rows,
// numbered column by column, each a circle with a caption; drawn straight onto the parent.

#include "page/controls/TXControl.h"
#include "page/render/TXCanvas.h"

#include <functional>
#include <string>
#include <vector>

namespace qor {

class tXRadioGroup : public TXControl {
public:
    static constexpr int kMinCellWidth = 60;
    static constexpr int kMinCellHeight = 16;
    static constexpr int kCircleSize = 12;
    static constexpr int kCaptionLeft = 16;

    explicit tXRadioGroup(ControlHost& host);

    const std::vector<std::string>& Items() const { return m_items; }
    void SetItems(std::vector<std::string> items);
    int CellWidth() const { return m_cellWidth; }
    void SetCellWidth(int width);
    int CellHeight() const { return m_cellHeight; }
    void SetCellHeight(int height);
    int Spalten() const { return m_spalten; }
    void SetSpalten(int columns);
    int Zeilen() const { return m_zeilen; }
    void SetZeilen(int rows);
    int Selected() const { return m_selected; }
    // Only numbers below the item count are taken.
    void SetSelected(int cell);
    const TXFont& Font() const { return m_font; }
    void SetFont(const TXFont& font);
    // While loading, measures are stored as given; EndLoading enforces minimums and size.
    void BeginLoading() { m_loading = true; }
    void EndLoading();

    // Cell number = column × Zeilen + row; the caption shown for a cell.
    int CellAt(int x, int y) const;
    std::string CellCaption(int cell) const;

    void SetBounds(int left, int top, int width, int height) override;
    void Paint(TXCanvas& canvas) override;
    void MouseDown(const MouseEvent& event) override;

    std::function<void(tXRadioGroup& sender)> OnClick;

private:
    void Enforce();

    std::vector<std::string> m_items;
    int m_cellWidth = 120;
    int m_cellHeight = 20;
    int m_spalten = 1;
    int m_zeilen = 2;
    int m_selected = 0;
    TXFont m_font;
    bool m_loading = false;
};

} // namespace qor
