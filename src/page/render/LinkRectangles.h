#pragma once
// Where the links of a laid-out page lie. The parser registers every link target once by name
// (PageDocument::namedRectangles, whose index the style carries); the layout places one entry per
// element that shows the link, and the painter gives hover entries their normal and highlighted
// images. The page's pointer handling reads it: the first entry containing a point wins, and a
// group (the entries of one name with consecutive element numbers) lights up as a whole.
//
// Kept apart from the parser's register because the layout runs again on the same parse: it
// clears this store and starts over, while the names the styles point at stay.

#include "page/markup/PageRecords.h"
#include "page/render/TXBitmap.h"

#include <optional>
#include <string>
#include <vector>

namespace qor {

struct LinkRectangle {
    int name = -1;    // index into the document's named rectangles, -1 for none
    int element = -1; // the layout element it belongs to, -1 for boxes and image-map areas
    PageRect rect;    // document coordinates, edges inclusive
    bool hover = false;
    std::string target; // set for image-map areas, whose targets are not named by the parser
    TXBitmap normalImage;
    TXBitmap highlightImage;

    bool Contains(int x, int y) const {
        return rect.left <= x && x <= rect.right && rect.top <= y && y <= rect.bottom;
    }
};

class LinkRectangles {
public:
    int Add(LinkRectangle entry);
    void Clear();

    int Count() const { return static_cast<int>(m_entries.size()); }
    LinkRectangle& At(int index) { return m_entries[static_cast<std::size_t>(index)]; }
    const LinkRectangle& At(int index) const { return m_entries[static_cast<std::size_t>(index)]; }

    // The first entry containing (x, y), or -1.
    int EntryAt(int x, int y) const;
    // The entry of layout element `element` (its first), or -1.
    int EntryOfElement(int element) const;
    // The entry placed for the parser's rectangle `name` without an element (a box), or -1.
    int EntryOfName(int name) const;
    // First and last entry of the group that entry `index` belongs to.
    std::pair<int, int> Group(int index) const;

private:
    std::vector<LinkRectangle> m_entries;
    std::vector<int> m_entryOfElement; // element → first entry, grown on demand
};

} // namespace qor
