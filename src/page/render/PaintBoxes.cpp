// The page background, the boxes and ellipses, and the images of boxes with hover colours.

#include "page/markup/PageDocument.h"
#include "page/render/PageLayout.h"
#include "page/render/PagePainter.h"
#include "page/render/PaintHelpers.h"
#include "page/render/TXCanvas.h"
#include "platform/Random.h"

#include <algorithm>

namespace qor {

namespace {

// Shapes are cut to this margin around the target before they are drawn: the anti-aliasing
// works in quarter pixels, and a corner (radius at most 10000) this far outside never shows.
constexpr long long kShapeMargin = 32768;

int ClampToTarget(long long value, int size) {
    return static_cast<int>(std::clamp<long long>(value, -kShapeMargin, size + kShapeMargin));
}

TXPen BoxPen(const PageBoxRecord& box) {
    TXPen pen;
    pen.colour = box.borderColour & 0xFFFFFF;
    pen.width = box.borderWidth;
    pen.none = box.borderWidth <= 0;
    return pen;
}

TXBrush BoxBrush(const PageBoxRecord& box) {
    TXBrush brush;
    brush.colour = box.fillColour & 0xFFFFFF;
    brush.none = !box.filled;
    return brush;
}

} // namespace

void PagePainter::PaintBackground(TXBitmap& target) {
    const TXBitmap& picture = m_document.background;
    if (picture.Empty()) {
        return;
    }
    TXCanvas canvas(target);
    if (picture.Width() > target.Width() && picture.Height() > target.Height()) {
        canvas.Draw(0, 0, picture);
        return;
    }
    for (int y = 0; y < target.Height(); y += picture.Height()) {
        for (int x = 0; x < target.Width(); x += picture.Width()) {
            canvas.Draw(x, y, picture);
        }
    }
}

void PagePainter::PaintBoxes(TXBitmap& target, bool onTop) {
    for (const PageBoxRecord& box : m_document.boxes) {
        if (box.onTop == onTop && (box.filled || box.borderWidth > 0)) {
            PaintBox(target, box);
        }
    }
}

void PagePainter::PaintBox(TXBitmap& target, const PageBoxRecord& box) {
    long long left = box.x;
    long long top = box.y;
    if (box.elliptic) {
        left -= box.width / 2; // ELLIPSE gives its centre
        top -= box.height / 2;
    }
    const int x1 = ClampToTarget(left - box.offset, target.Width());
    const int y1 = ClampToTarget(top - box.offset, target.Height());
    const int x2 = ClampToTarget(left + box.width + box.offset + 1, target.Width());
    const int y2 = ClampToTarget(top + box.height + box.offset + 1, target.Height());
    if (x2 <= x1 || y2 <= y1) {
        return;
    }
    const TXPen pen = BoxPen(box);
    const TXBrush brush = BoxBrush(box);
    const PenAndBrush shapePen{pen.colour, pen.none ? 0 : pen.width, brush.colour, !brush.none};
    TXCanvas canvas(target);
    canvas.Pen() = pen;
    canvas.Brush() = brush;
    switch (box.shape) {
    case BoxShape::Rectangle:
        if (box.opacity < 255) {
            if (box.filled) {
                target.SetXAlpha(box.opacity);
                target.TranslucentRectangle(x1, y1, x2, y2, brush.colour);
                target.SetXAlpha(255);
            }
            canvas.Brush().none = true;
        }
        if (!pen.none || !canvas.Brush().none) {
            canvas.Rectangle(TXRect{x1, y1, x2, y2});
        }
        break;
    case BoxShape::RoundRect:
        if (box.opacity != 255 || box.mode != 0) {
            if (box.filled) {
                target.SetXAlpha(box.opacity);
                target.AntiAliasedBlendedRoundRect(x1, y1, x2, y2, box.radius, box.radius, box.mode,
                                                   brush.colour);
                target.SetXAlpha(255);
            }
            if (!pen.none) {
                target.AntiAliasedRoundRect(x1, y1, x2, y2, box.radius, box.radius,
                                            PenAndBrush{pen.colour, pen.width, 0, false});
            }
        } else {
            target.AntiAliasedRoundRect(x1, y1, x2, y2, box.radius, box.radius, shapePen);
        }
        break;
    case BoxShape::Ellipse:
        target.AntiAliasedEllipse(x1, y1, x2, y2, shapePen);
        break;
    case BoxShape::Random: {
        // A stack of plain rectangles of random heights: the edge looks torn.
        const int step = std::max(1, box.radius);
        for (int y = y1; y < y2;) {
            const int height = std::max(1, RandomBelow(step));
            canvas.Rectangle(TXRect{x1, y, x2, std::min(y2, y + height)});
            y += height;
        }
        break;
    }
    }
}

void PagePainter::PaintHoverBoxes() {
    LinkRectangles& links = m_layout.Links();
    for (const PageBoxRecord& box : m_document.boxes) {
        if (box.onColour == kNoHoverColour || box.rectangleIndex < 0) {
            continue;
        }
        const int entryIndex = links.EntryOfName(box.rectangleIndex);
        if (entryIndex < 0) {
            continue;
        }
        LinkRectangle& entry = links.At(entryIndex);
        const TXBitmap area = CopyArea(m_buffer, entry.rect);
        if (area.Empty()) {
            continue;
        }
        entry.normalImage =
            Tinted(area, box.offColour, box.offColour == kNoHoverColour ? -1 : box.offColour2);
        entry.highlightImage = Tinted(area, box.onColour, box.onColour2);
        PutArea(m_buffer, entry.normalImage, entry.rect.left, entry.rect.top);
    }
}

} // namespace qor
