#pragma once
// The rules of the self-drawn list control: which lines are visible, how a line text is split
// into icon, left and right part, how the selection scrolls, and what clicks, keys and the wheel
// do. The Qt widget only paints what this says and forwards the input.

#include "platform/Fonts.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

enum class ListenTyp { ltSelect = 0, ltOnOff = 1, ltViewOnly = 2 };

// The two line signs: German entries and "on" lines begin with "§", French and "off" with "$".
inline constexpr char kListSignIcon1 = '\xA7';
inline constexpr char kListSignIcon2 = '$';

enum class ListIcon { None, Icon1, Icon2 };

// A line text taken apart for drawing.
struct ListLineParts {
    ListIcon icon = ListIcon::None;
    std::string left;  // the text after the sign, up to an "&"
    std::string right; // at most four characters after the "&", drawn right-aligned
    bool operator==(const ListLineParts&) const = default;
};

ListLineParts SplitListLine(std::string_view line);

// The line text without a leading "§" or "$".
std::string WithoutListSign(std::string_view line);

// One visible line as it is drawn.
struct ListLinePaint {
    int index = 0;
    int rowTop = 0;
    int textTop = 0; // the text cell's top: vertically centred in the row
    ListLineParts parts;
    int leftX = 0;  // where the left text starts
    int rightX = 0; // where the right text starts (it ends kListRightMargin before the right edge)
    bool bold = false;
    std::int32_t colour = 0;
};

inline constexpr int kListItemHeight = 20;
inline constexpr int kListScrollBarWidth = 16;
inline constexpr int kListMinimumWidth = 48;
inline constexpr int kListTextIndent = 8;   // a line without a sign
inline constexpr int kListRightMargin = 30; // the right part ends this far before the edge
inline constexpr std::int32_t kListDefaultColor = 0xFFFFFF;
// Yellow: Windows colours hold blue, green, red from the high byte down.
inline constexpr std::int32_t kListDefaultFarbeAn = 0x00FFFF;
inline constexpr std::int32_t kListDefaultFarbeAus = 0x000000;

struct ListSize {
    int width = 0;
    int height = 0;
    bool operator==(const ListSize&) const = default;
};

class TXListBoxModel {
public:
    // Raised whenever the selection was set, by the program or by the user.
    std::function<void()> OnChange;

    ListenTyp Typ() const { return m_typ; }
    void SetTyp(ListenTyp typ) { m_typ = typ; }

    const std::vector<std::string>& Items() const { return m_items; }
    // Replaces the items and refreshes.
    void SetItems(std::vector<std::string> items);
    // For edits in place; call Refresh afterwards.
    std::vector<std::string>& MutableItems() { return m_items; }
    int Count() const { return static_cast<int>(m_items.size()); }

    int ItemHeight() const { return m_itemHeight; }
    // Values below 1 count as 1. The height is fitted again.
    void SetItemHeight(int itemHeight);

    // The size the control takes for the one asked: a whole number of lines (at least one) and at
    // least kListMinimumWidth wide. The model keeps it.
    ListSize Fit(int width, int height);
    ListSize Size() const { return m_size; }
    int VisibleLines() const { return m_size.height / m_itemHeight; }

    // After the items changed: a top line at or beyond the count becomes 0, a selection at or
    // beyond the count -1.
    void Refresh();

    int Selected() const { return m_selected; }
    // Ignored for ltViewOnly and at or beyond the count; a negative value clears the selection.
    // A line outside the visible ones is scrolled into view; OnChange follows.
    void SetSelected(int index);

    int Topline() const { return m_topline; }
    // A negative top line counts as 0.
    void SetTopline(int topline);

    bool ScrollBarVisible() const { return Count() > VisibleLines(); }
    int ScrollMaximum() const;

    // The line under a pointer at y (it may not exist).
    int LineAt(int y) const;
    void MouseDown(int y);
    void KeyUp();
    void KeyDown();
    // delta < 0: the wheel turned down (towards the user), the list moves on by one line.
    void Wheel(int delta);

    // The text of the last clicked line without its sign; empty after a click below the lines.
    const std::string& LastClickedText() const { return m_lastClicked; }

    // What the visible lines look like, measured with `fonts` (the text height on "AXyg");
    // `iconWidth` is that of the icons (0 when there are none).
    std::vector<ListLinePaint> PaintPlan(const FontService& fonts, const FontSpec& font, int iconWidth,
                                         std::int32_t farbeAn, std::int32_t farbeAus) const;

private:
    ListenTyp m_typ = ListenTyp::ltSelect;
    std::vector<std::string> m_items;
    int m_itemHeight = kListItemHeight;
    ListSize m_size{kListMinimumWidth, kListItemHeight};
    int m_selected = -1;
    int m_topline = 0;
    std::string m_lastClicked;
};

} // namespace qor
