#pragma once
// The multiple-choice grid: item captions in cells numbered column by column, the hovered cell in
// ActiveColor, and, once the page reveals it, the right answer marked with an arrow. The first
// item as written in the page is the right answer; Shuffle mixes the items and follows it.

#include "page/controls/PictureRef.h"
#include "page/controls/TXControl.h"
#include "page/render/TXBitmap.h"
#include "page/render/TXCanvas.h"

#include <functional>
#include <string>
#include <vector>

namespace qor {

class TXMultipleChoice : public TXControl {
public:
    static constexpr int kMinCellWidth = 120;
    static constexpr int kMinCellHeight = 40;

    using SelectHandler = std::function<void(TXMultipleChoice& sender, int feld, MouseButton button)>;

    explicit TXMultipleChoice(ControlHost& host);

    const std::vector<std::string>& Items() const { return m_items; }
    // Copies the items; the first one is the right answer again.
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
    void SetSelected(int cell) { m_selected = cell; }
    int Highlight() const { return m_highlight; }
    void SetHighlight(int cell);
    Colour HighlightColor() const { return m_highlightColor; }
    void SetHighlightColor(Colour colour) { m_highlightColor = colour; }
    Colour ActiveColor() const { return m_activeColor; }
    void SetActiveColor(Colour colour) { m_activeColor = colour; }
    Colour InActiveColor() const { return m_inActiveColor; }
    void SetInActiveColor(Colour colour) { m_inActiveColor = colour; }
    const PictureRef& Hintergrund() const { return m_hintergrund; }
    void SetHintergrund(const PictureRef& picture) { m_hintergrund = picture; }
    // The page's picture whose area under the grid is the background (same coordinates as Left/Top).
    const TXBitmap* Bitmap() const { return m_bitmap; }
    void SetBitmap(const TXBitmap* bitmap) { m_bitmap = bitmap; }
    const TXFont& Font() const { return m_font; }
    void SetFont(const TXFont& font);

    int Hovered() const { return m_hovered; }
    int RightAnswer() const { return m_rightAnswer; }
    int CellAt(int x, int y) const; // -1 outside the grid
    std::string CellCaption(int cell) const;
    // Mixes the items; the index of the right answer afterwards, or -1 (with an error box) when
    // the grid does not have one cell per item.
    int Shuffle();

    // Draws the grid into Buffer().
    void Render();
    const TXBitmap& Buffer() const { return m_buffer; }

    void Paint(TXCanvas& canvas) override;
    void MouseDown(const MouseEvent& event) override;
    void MouseMove(const MouseEvent& event) override;
    void MouseUp(const MouseEvent& event) override;
    void MouseLeave() override;

    std::function<void(TXMultipleChoice& sender)> OnClick;
    SelectHandler OnSelect;

private:
    void SetHovered(int cell);
    void Resize();

    std::vector<std::string> m_items;
    int m_cellWidth = 120;
    int m_cellHeight = 40;
    int m_spalten = 1;
    int m_zeilen = 1;
    int m_selected = -1;
    int m_highlight = -1;
    Colour m_highlightColor = 65535;
    Colour m_activeColor = 0xFFFFFF;
    Colour m_inActiveColor = 0;
    PictureRef m_hintergrund;
    const TXBitmap* m_bitmap = nullptr;
    TXFont m_font;

    int m_hovered = -1;
    bool m_pressed = false;
    MouseButton m_pressButton = MouseButton::Left;
    int m_rightAnswer = 0;
    TXBitmap m_buffer;
};

} // namespace qor
