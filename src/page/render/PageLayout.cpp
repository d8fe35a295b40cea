// Line breaking and the ending of lines. The placements of embedded parts while a line is
// positioned are in LayoutPlacement.cpp.

#include "page/render/PageLayout.h"

#include "page/controls/tTippAufgabenListe.h"
#include "page/markup/PageDocument.h"
#include "page/render/PageMeasure.h"

#include <cstdlib>

namespace qor {

namespace {

// LINESPACE stores 2000 + value; small values are plain pixel counts.
int LineSpacingOf(const TextStyle& style) {
    return style.lineSpacing < 1001 ? style.lineSpacing : style.lineSpacing - 2000;
}

bool EndsLine(ElementKind kind) {
    return kind == ElementKind::LineBreak || kind == ElementKind::Paragraph || kind == ElementKind::Box;
}

} // namespace

int PageLayout::LineWidth(const TextStyle& style) const {
    if (style.lineWidth >= 0) {
        return std::min(style.lineWidth, kMaxLayoutCoordinate);
    }
    return m_settings.clientWidth - kScrollBarWidth - 16;
}

int PageLayout::TabX(int tab, int lineWidth) {
    const std::int64_t width = lineWidth;
    if (tab >= 101 && tab <= 109) {
        return ClampCoordinate(width * (tab - 100) / 10);
    }
    if (tab > 0) {
        return ClampCoordinate(static_cast<std::int64_t>(tab) * width / 100);
    }
    return ClampCoordinate(-static_cast<std::int64_t>(tab));
}

int PageLayout::GapElement(int gapIndex) const {
    if (gapIndex < 0 || static_cast<std::size_t>(gapIndex) >= m_gapElements.size()) {
        return -1;
    }
    return m_gapElements[static_cast<std::size_t>(gapIndex)];
}

void PageLayout::Run(PageDocument& document, const LayoutSettings& settings) {
    m_settings = settings;
    // The elements of the previous layout are assigned over, not rebuilt: their strings keep
    // their memory, and a page switch copies the parsed elements without allocating.
    m_elements.resize(document.elements.Count());
    for (std::size_t i = 0; i < m_elements.size(); ++i) {
        LayoutElement& element = m_elements[i];
        static_cast<tFormatted_text&>(element) = document.elements[i];
        static_cast<LayoutGeometry&>(element) = LayoutGeometry{};
    }
    m_lines.clear();
    m_registers = LayoutRegisters{};
    m_links.Clear();
    CopyPlacedRectangles(document);
    m_gapElements.assign(static_cast<std::size_t>(document.GapEdits().Count()), -1);
    for (LayoutElement& element : m_elements) {
        MeasureElement(element, document);
    }
    MeasureGluedRuns(m_elements);
    BreakLines(document);
}

void PageLayout::BreakLines(PageDocument& document) {
    OpenLine line;
    std::int64_t x = 0;
    std::int64_t pendingSpace = 0;
    const auto raise = [&line](const LayoutElement& element, bool ascent) {
        if (ascent) {
            line.ascent = std::max(line.ascent, element.ascent);
        }
        line.descent = std::max(line.descent, element.descent);
        line.height = std::max(line.height, element.height);
    };
    const auto startLine = [&](int first) {
        line = OpenLine{};
        line.first = first;
        x = 0;
        pendingSpace = 0;
    };
    const int count = static_cast<int>(m_elements.size());
    for (int i = 0; i < count; ++i) {
        LayoutElement& element = m_elements[static_cast<std::size_t>(i)];
        if (EndsLine(element.kind)) {
            if (i > line.first) {
                EndLine(document, line, i - 1);
            }
            startLine(i);
            line.lineSpacing = LineSpacingOf(element.style);
            continue;
        }
        const bool tabbed = element.IsWord() && element.tabPosition != 0;
        if (tabbed && element.style.alignment == TextAlignment::Justified) {
            // Justified text set in columns: each tabbed word opens a line on the same base line.
            // A line that holds only the break before the word has no base line to share: the
            // word then simply goes on in it, as the first column of a new row.
            const LayoutElement& head = m_elements[static_cast<std::size_t>(line.first)];
            const bool onlyBreak = i == line.first + 1 && EndsLine(head.kind);
            if (i > line.first && !onlyBreak) {
                EndLine(document, line, i - 1);
                startLine(i);
                element.tabbedLineStart = true;
            }
        }
        line.lineSpacing = LineSpacingOf(element.style);
        const int lineWidth = LineWidth(element.style);
        if (element.kind == ElementKind::Image) {
            x += pendingSpace + element.width;
            pendingSpace = 0;
            raise(element, element.style.pictureAlignment != kPictureTwoThirds);
        } else if (element.style.preformatted) {
            x += element.width;
            raise(element, true);
        } else if (element.IsWord()) {
            if (tabbed) {
                line.tabOffset = TabX(element.tabPosition, lineWidth);
                x = 0;
                pendingSpace = 0;
            }
            const std::int64_t needed = std::max(element.runWidth, element.width) +
                                        static_cast<std::int64_t>(line.tabOffset) + x + pendingSpace;
            if (needed > lineWidth && i > line.first) {
                EndLine(document, line, i - 1);
                startLine(i);
                line.lineSpacing = LineSpacingOf(element.style);
                if (tabbed) {
                    line.tabOffset = TabX(element.tabPosition, lineWidth);
                }
            }
            x += pendingSpace + element.width;
            pendingSpace = 0;
            raise(element, true);
        } else if (element.IsSpace()) {
            pendingSpace = element.width;
        } else {
            x += pendingSpace + element.width;
            pendingSpace = 0;
            raise(element, true);
        }
        line.usedWidth = ClampCoordinate(x);
    }
    if (count > line.first) {
        EndLine(document, line, count - 1);
    }
}

void PageLayout::EndLine(PageDocument& document, const OpenLine& line, int last) {
    LayoutRegisters& r = m_registers;
    LayoutElement& head = m_elements[static_cast<std::size_t>(line.first)];
    if (head.kind == ElementKind::Box) {
        if (head.style.boxY == -1) {
            r.savedY = r.currentY;
        } else if (head.style.boxY == -2) {
            r.currentY = r.savedY;
        } else {
            r.currentY = ClampCoordinate(head.style.boxY);
        }
    }
    const int spacing = line.lineSpacing;
    const int ascent = spacing < 0 ? -spacing * 2 / 3 : line.ascent;
    int baseLine = ClampCoordinate(static_cast<std::int64_t>(r.currentY) + ascent);
    if (head.tabbedLineStart) {
        baseLine = r.columnBaseLine;
    } else {
        r.columnBaseLine = baseLine;
    }
    r.documentHeight = std::max(r.documentHeight, baseLine);
    r.currentY = baseLine; // the register follows the base line; the line's descent comes below

    LayoutElement& tail = m_elements[static_cast<std::size_t>(last)];
    if (tail.IsSpace()) {
        tail.text.clear(); // trailing spaces take no room
        tail.width = 0;
    }
    OpenLine placed = line;
    placed.ascent = ascent;
    PlaceLine(document, placed, last, baseLine);

    const bool onlyBreak =
        line.first == last && (head.kind == ElementKind::LineBreak || head.kind == ElementKind::Paragraph);
    std::int64_t y = r.currentY;
    if (onlyBreak) {
        y += r.lastLineHeight;
    } else {
        y += line.descent + (spacing < 0 ? -spacing / 3 : spacing);
    }
    const std::size_t next = static_cast<std::size_t>(last) + 1;
    if (next < m_elements.size() && m_elements[next].kind == ElementKind::Paragraph) {
        y += line.height > 0 ? line.height : r.lastLineHeight;
    }
    r.currentY = ClampCoordinate(y);
    if (line.height > 0) {
        r.lastLineHeight = line.height;
        r.lastAscent = ascent;
    }
    m_lines.push_back(line.first);
}

void PageLayout::PlaceLine(PageDocument& document, const OpenLine& line, int last, int baseLine) {
    const LayoutElement& head = m_elements[static_cast<std::size_t>(line.first)];
    const LayoutElement& tail = m_elements[static_cast<std::size_t>(last)];
    const int lineWidth = LineWidth(tail.style);
    std::int64_t x = head.style.leftMargin;
    const std::int64_t room = static_cast<std::int64_t>(lineWidth) - line.usedWidth;
    int remaining = 0;
    int spacesLeft = 0;
    switch (tail.style.alignment) {
    case TextAlignment::Centre:
        x += room / 2;
        break;
    case TextAlignment::Right:
        x += room;
        break;
    case TextAlignment::Justified:
        // Every line of a justified paragraph is spread, its last one too.
        remaining = ClampCoordinate(room - line.tabOffset);
        for (int i = line.first + 1; i < last; ++i) {
            if (m_elements[static_cast<std::size_t>(i)].IsSpace()) {
                ++spacesLeft;
            }
        }
        break;
    default:
        break;
    }
    for (int i = line.first; i <= last; ++i) {
        LayoutElement& element = m_elements[static_cast<std::size_t>(i)];
        if (element.IsWord() && element.tabPosition != 0) {
            const std::int64_t tabX =
                static_cast<std::int64_t>(element.style.leftMargin) + TabX(element.tabPosition, lineWidth);
            x = std::max(x, tabX);
        }
        if (element.IsSpace() && spacesLeft > 0 && remaining > 0 && i != line.first && i != last) {
            const int extra = remaining / spacesLeft;
            remaining -= extra;
            --spacesLeft;
            element.width += extra;
        }
        if (element.kind == ElementKind::Image && element.style.pictureAlignment == kPictureTop &&
            element.style.baseOffset > 0) {
            element.ascent = line.ascent;
        }
        element.x = ClampCoordinate(x);
        element.baseLine = baseLine;
        x += element.width;
        PlaceElement(document, i);
    }
}

} // namespace qor
