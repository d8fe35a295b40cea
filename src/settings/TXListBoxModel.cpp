#include "settings/TXListBoxModel.h"

#include <algorithm>

namespace qor {

namespace {

ListIcon IconOf(std::string_view line) {
    if (line.empty())
        return ListIcon::None;
    if (line.front() == kListSignIcon1)
        return ListIcon::Icon1;
    if (line.front() == kListSignIcon2)
        return ListIcon::Icon2;
    return ListIcon::None;
}

} // namespace

ListLineParts SplitListLine(std::string_view line) {
    ListLineParts parts;
    parts.icon = IconOf(line);
    std::string_view text = parts.icon == ListIcon::None ? line : line.substr(1);
    std::size_t amp = text.find('&');
    if (amp == std::string_view::npos) {
        parts.left = std::string(text);
        return parts;
    }
    parts.left = std::string(text.substr(0, amp));
    parts.right = std::string(text.substr(amp + 1, 4));
    return parts;
}

std::string WithoutListSign(std::string_view line) {
    return std::string(IconOf(line) == ListIcon::None ? line : line.substr(1));
}

void TXListBoxModel::SetItems(std::vector<std::string> items) {
    m_items = std::move(items);
    Refresh();
}

void TXListBoxModel::SetItemHeight(int itemHeight) {
    m_itemHeight = std::max(1, itemHeight);
    Fit(m_size.width, m_size.height);
}

ListSize TXListBoxModel::Fit(int width, int height) {
    int lines = std::max(1, height / m_itemHeight);
    m_size = {std::max(kListMinimumWidth, width), lines * m_itemHeight};
    return m_size;
}

void TXListBoxModel::Refresh() {
    if (m_topline >= Count())
        m_topline = 0;
    if (m_selected >= Count())
        m_selected = -1;
}

void TXListBoxModel::SetSelected(int index) {
    if (m_typ == ListenTyp::ltViewOnly || index >= Count())
        return;
    if (index < 0) {
        m_selected = -1;
    } else {
        m_selected = index;
        int visible = VisibleLines();
        if (index < m_topline || index >= m_topline + visible) {
            if (index == m_topline + visible)
                ++m_topline;
            else if (index >= Count() - visible)
                m_topline = std::max(0, Count() - visible);
            else
                m_topline = index;
        }
    }
    if (OnChange)
        OnChange();
}

void TXListBoxModel::SetTopline(int topline) {
    m_topline = std::max(0, topline);
}

int TXListBoxModel::ScrollMaximum() const {
    return std::max(0, Count() - VisibleLines());
}

int TXListBoxModel::LineAt(int y) const {
    // The rows needed to reach y, counted whole: y = 0 needs none, 1..20 one, 21..40 two.
    int rows = y <= 0 ? 0 : (y + m_itemHeight - 1) / m_itemHeight;
    return m_topline + std::max(0, rows - 1);
}

void TXListBoxModel::MouseDown(int y) {
    int line = LineAt(y);
    if (line >= Count()) {
        m_lastClicked.clear();
        return;
    }
    std::string& item = m_items[static_cast<std::size_t>(line)];
    m_lastClicked = WithoutListSign(item);
    if (m_typ == ListenTyp::ltOnOff && !item.empty()) {
        if (item.front() == kListSignIcon1)
            item.front() = kListSignIcon2;
        else if (item.front() == kListSignIcon2)
            item.front() = kListSignIcon1;
    }
    if (m_typ != ListenTyp::ltViewOnly)
        SetSelected(line);
}

void TXListBoxModel::KeyUp() {
    if (m_selected > 0)
        SetSelected(m_selected - 1);
}

void TXListBoxModel::KeyDown() {
    if (m_selected < Count() - 1)
        SetSelected(m_selected + 1);
}

void TXListBoxModel::Wheel(int delta) {
    if (delta < 0 && m_topline + VisibleLines() < Count())
        ++m_topline;
    else if (delta > 0 && m_topline > 0)
        --m_topline;
}

std::vector<ListLinePaint> TXListBoxModel::PaintPlan(const FontService& fonts, const FontSpec& font,
                                                     int iconWidth, std::int32_t farbeAn,
                                                     std::int32_t farbeAus) const {
    std::vector<ListLinePaint> plan;
    int textHeight = fonts.Measure(font, "AXyg").height;
    int visible = VisibleLines();
    for (int row = 0; row < visible && m_topline + row < Count(); ++row) {
        ListLinePaint line;
        line.index = m_topline + row;
        line.rowTop = row * m_itemHeight;
        line.textTop = line.rowTop + (m_itemHeight - textHeight) / 2;
        line.parts = SplitListLine(m_items[static_cast<std::size_t>(line.index)]);
        bool selected = line.index == m_selected;
        line.bold = selected && m_typ == ListenTyp::ltSelect;
        line.colour = selected ? farbeAn : farbeAus;
        line.leftX = line.parts.icon == ListIcon::None ? kListTextIndent : iconWidth + 4;
        FontSpec lineFont = font;
        lineFont.bold = line.bold;
        int rightWidth = line.parts.right.empty() ? 0 : fonts.Measure(lineFont, line.parts.right).width;
        line.rightX = m_size.width - kListRightMargin - rightWidth;
        plan.push_back(std::move(line));
    }
    return plan;
}

} // namespace qor
