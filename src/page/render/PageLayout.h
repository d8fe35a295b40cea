#pragma once
// The layout of a parsed page: every element is measured, the elements are broken into lines,
// each line gets its base line and each element its x. While lines are placed, the embedded
// parts find their places too: gap edits move onto their gap words, drag words become the drag
// task's targets, links and image-map areas become link rectangles, and boxes of automatic
// height grow with their text.
//
// The layout works on a copy of the parsed element list, so it can run again; the drag task's
// targets, though, are added once per layout and belong to one parse: lay a parse out once.

#include "page/render/LayoutElement.h"
#include "page/render/LinkRectangles.h"

#include <vector>

namespace qor {

class PageDocument;

inline constexpr int kScrollBarWidth = 16;
inline constexpr int kFirstBaseLineY = 16;

struct LayoutSettings {
    int clientWidth = 800;
    int clientHeight = 572;
};

// The geometry registers of the layout.
struct LayoutRegisters {
    int currentY = kFirstBaseLineY;
    int documentHeight = kFirstBaseLineY;
    int savedY = kFirstBaseLineY; // BOX y -1 stores the current y here, -2 restores it
    // The base line of the last line, which a justified tabbed word's line shares. Kept apart from
    // the boxes' saved y: otherwise every line would overwrite what a BOX with y -1 stored.
    int columnBaseLine = kFirstBaseLineY;
    int lastLineHeight = 0;
    int lastAscent = 0;
};

class PageLayout {
public:
    void Run(PageDocument& document, const LayoutSettings& settings = {});

    const std::vector<LayoutElement>& Elements() const { return m_elements; }
    std::vector<LayoutElement>& Elements() { return m_elements; }
    const LayoutElement& Element(int index) const { return m_elements[static_cast<std::size_t>(index)]; }
    // The index of the first element of every line.
    const std::vector<int>& Lines() const { return m_lines; }
    const LayoutRegisters& Registers() const { return m_registers; }
    int DocumentHeight() const { return m_registers.documentHeight; }
    const LayoutSettings& Settings() const { return m_settings; }

    LinkRectangles& Links() { return m_links; }
    const LinkRectangles& Links() const { return m_links; }
    // The layout element of gap edit `index` (the gap word it stands on), or -1.
    int GapElement(int gapIndex) const;

    // The width a line of this style may take.
    int LineWidth(const TextStyle& style) const;
    // Where a word with tab position `tab` starts, relative to the left margin.
    static int TabX(int tab, int lineWidth);

private:
    struct OpenLine {
        int first = 0;
        int ascent = 0;
        int descent = 0;
        int height = 0;
        int lineSpacing = 1;
        int usedWidth = 0;
        int tabOffset = 0;
    };

    void BreakLines(PageDocument& document);
    void EndLine(PageDocument& document, const OpenLine& line, int last);
    void PlaceLine(PageDocument& document, const OpenLine& line, int last, int baseLine);
    void PlaceElement(PageDocument& document, int index);
    void PlaceImageMap(PageDocument& document, int index);
    void PlaceHoverPicture(PageDocument& document, int index, int name);
    void CopyPlacedRectangles(const PageDocument& document);

    LayoutSettings m_settings;
    std::vector<LayoutElement> m_elements;
    std::vector<int> m_lines;
    LayoutRegisters m_registers;
    LinkRectangles m_links;
    std::vector<int> m_gapElements;
};

} // namespace qor
