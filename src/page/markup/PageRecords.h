#pragma once
// The records that BOX, ELLIPSE, CHECKBOX, INPUT, RECORDER and BOX LOMO leave in the page, and the
// named rectangles that links, gaps and boxes register. They hold what the markup said; layout,
// painting and the page control turn them into pictures and controls.

#include "page/render/TXBitmap.h"
#include "platform/Fonts.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// A rectangle in document coordinates (left, top, right, bottom). Built from a position and a
// size with saturating arithmetic, so a page that asks for a box two billion pixels wide gets
// one that ends at the largest coordinate instead of wrapping around.
struct PageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static PageRect FromSize(int x, int y, int width, int height);
    // Every side moved inwards by `amount` (outwards when negative), saturating as well.
    PageRect Inset(int amount) const;
    bool operator==(const PageRect&) const = default;
};

// int + int without overflow: the result sticks at the int limits.
int SaturatedAdd(int a, int b);

enum class BoxShape : std::uint8_t { Rectangle = 0, RoundRect = 1, Ellipse = 2, Random = 3 };

inline constexpr int kDefaultBoxHeight = 20;
inline constexpr int kDefaultBoxRadius = 30;
inline constexpr Colour kNoHoverColour = -1;

// One box of BOX or ELLIPSE. For an ELLIPSE, x and y are its centre.
struct PageBoxRecord {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = kDefaultBoxHeight;
    bool automaticHeight = false; // no height given: the box grows with its text
    BoxShape shape = BoxShape::Rectangle;
    int offset = 0;
    Colour fillColour = 0xFFFFFF;
    bool filled = false;
    Colour borderColour = 0;
    int borderWidth = 0;
    int radius = kDefaultBoxRadius;
    bool onTop = false; // painted after the pictures
    int opacity = 255;
    int mode = 0;
    Colour onColour = kNoHoverColour; // ONCOLOR, OFFCOLOR, ONCOL2, OFFCOL2
    Colour offColour = kNoHoverColour;
    Colour onColour2 = 0xFFFFFF;
    Colour offColour2 = 0xFFFFFF;
    int rectangleIndex = -1; // the link or hover rectangle of HREF / ONCOLOR
    bool elliptic = false;   // made by ELLIPSE

    PageRect Bounds() const { return PageRect::FromSize(x, y, width, height); }
};

// One CHECKBOX: the square of `size` pixels stands in the text, followed by `gap` pixels.
struct PageCheckBoxRecord {
    std::string name;
    int x = -1; // where the layout put it; -1 until then
    int y = -1;
    int size = 0;
    int gap = 0;
    bool checked = false;
    Colour flashColour = -1;
};

// What a registered rectangle is for.
enum class RectangleKind : std::uint8_t {
    Link,    // a link target (text links get their place from the layout; boxes come with one)
    Unnamed, // a gap, drag word or EDIT field: part of the page's hit testing, no target
    Hover,   // a link that shows a highlighted picture while the pointer is over it
};

struct NamedRectangle {
    std::string name;
    RectangleKind kind = RectangleKind::Link;
    int element = -1;              // the element it belongs to, -1 for none
    std::optional<PageRect> place; // known while parsing for boxes and the recorder buttons
    TXBitmap normalImage;          // hover rectangles: made by the painter
    TXBitmap highlightImage;
};

// Every link, gap and check box registers a rectangle by name; the layout fills in where it lies.
// The same name may occur several times; the index is what the style carries.
class NamedRectangleList {
public:
    int Register(std::string_view name, RectangleKind kind = RectangleKind::Link);
    int RegisterPlaced(std::string_view name, RectangleKind kind, const PageRect& place);
    int Count() const { return static_cast<int>(m_entries.size()); }
    const std::string& NameAt(int index) const { return At(index).name; }
    NamedRectangle& At(int index) { return m_entries[static_cast<std::size_t>(index)]; }
    const NamedRectangle& At(int index) const { return m_entries[static_cast<std::size_t>(index)]; }
    void Clear() { m_entries.clear(); }

private:
    std::vector<NamedRectangle> m_entries;
};

// The page's single-line text input (INPUT). The page control makes the toolkit's edit from it.
struct PageTextInput {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::string name; // the macro that mirrors the field
    std::string text; // what the field shows at first
    Colour colour = 0xFFFFFF;
    bool border = true;
    FontSpec font;
    Colour textColour = 0;
};

// BOX LOMO: the pictures of the page's slide box and the zones it shows them in.
struct PageSlideBox {
    std::vector<TXBitmap> pictures;
    PageRect zone1;
    std::optional<PageRect> zone2;
    int intervalMs = 500;
};

// What RECORDER said about the page's sound recorder.
struct PageRecorderSettings {
    std::optional<PageRect> recordButton;
    std::optional<PageRect> playButton;
    std::string pictures; // page folder + PICTURES
    std::optional<Colour> colour;
    int maxSeconds = 4;
};

} // namespace qor
