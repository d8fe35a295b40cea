// What the layout places while it positions a line: gap edits on their gap words, the drag
// task's targets, image-map areas, link and hover rectangles, and the height of boxes that grow
// with their text.

#include "page/controls/TPageEdit.h"
#include "page/controls/tTippAufgabenListe.h"
#include "page/markup/PageDocument.h"
#include "page/render/PageColour.h"
#include "page/render/PageLayout.h"
#include "page/render/StyleFont.h"
#include "page/render/TXCanvas.h"

namespace qor {

namespace {

constexpr long long kMaxHoverImagePixels = 4'000'000;

PageRect ElementRect(const LayoutElement& element, int left) {
    return PageRect{left, element.Top(), ClampCoordinate(static_cast<std::int64_t>(left) + element.width),
                    element.Bottom()};
}

const TXBitmap* PictureOf(const PageDocument& document, int index) {
    if (index < 0 || index >= document.pictures.Count() || index >= kSecondPictureColourBase) {
        return nullptr;
    }
    const TXBitmap& bitmap = document.pictures.At(index).bitmap;
    return bitmap.Empty() ? nullptr : &bitmap;
}

TXBitmap Scaled(const TXBitmap& source, int width, int height) {
    TXBitmap result(std::clamp(width, 1, TXBitmap::kMaxSide), std::clamp(height, 1, TXBitmap::kMaxSide));
    TXCanvas(result).StretchDraw(TXRect{0, 0, result.Width(), result.Height()}, source);
    return result;
}

TXBitmap Cut(const TXBitmap& source, const tArea& area) {
    TXBitmap result(std::clamp(area.width, 1, TXBitmap::kMaxSide),
                    std::clamp(area.height, 1, TXBitmap::kMaxSide));
    TXCanvas(result).CopyRect(TXRect{0, 0, result.Width(), result.Height()}, source,
                              TXRect{area.x, area.y, area.x + result.Width(), area.y + result.Height()});
    return result;
}

} // namespace

void PageLayout::CopyPlacedRectangles(const PageDocument& document) {
    for (int i = 0; i < document.namedRectangles.Count(); ++i) {
        const NamedRectangle& named = document.namedRectangles.At(i);
        if (named.place) {
            LinkRectangle entry;
            entry.name = i;
            entry.rect = *named.place;
            entry.hover = named.kind == RectangleKind::Hover;
            m_links.Add(std::move(entry));
        }
    }
}

void PageLayout::PlaceElement(PageDocument& document, int index) {
    LayoutElement& element = m_elements[static_cast<std::size_t>(index)];
    const TextStyle& style = element.style;
    if (element.IsGapWord() && style.linkRectangle >= 0) {
        if (style.gapIndex < document.GapEdits().Count()) {
            TPageEdit& edit = document.GapEdits().Edit(style.gapIndex);
            edit.SetBounds(element.x, element.Top(), element.width, element.ascent + element.descent);
            edit.SetColor(0xFFFFFF);
            TextStyle smaller = style;
            smaller.block.fontSize = std::max(1, style.block.fontSize) - 1;
            edit.SetFont(TXFont{StyleFont(smaller), ResolvePageColour(style.block.textColour, document)});
            m_gapElements[static_cast<std::size_t>(style.gapIndex)] = index;
        }
    } else if (element.IsDragWord()) {
        const PageRect rect = ElementRect(element, element.x);
        document.dragTask.AddTarget(tDragAufgabenListe::Rect{rect.left, rect.top, rect.right, rect.bottom},
                                    element.text);
        element.dragBlock = document.dragTask.BlockCount() - 1;
    } else if (element.kind == ElementKind::Image && !style.imageMapName.empty() &&
               document.imageMaps.Find(style.imageMapName) != nullptr) {
        PlaceImageMap(document, index);
    } else if (style.linkRectangle >= 0 && style.linkRectangle < document.namedRectangles.Count()) {
        if (element.kind == ElementKind::Image && style.secondPicture >= 0) {
            PlaceHoverPicture(document, index, style.linkRectangle);
        } else {
            LinkRectangle entry;
            entry.name = style.linkRectangle;
            entry.element = index;
            entry.rect = ElementRect(element, element.x);
            entry.hover = style.flashing;
            m_links.Add(std::move(entry));
        }
    } else if (element.kind == ElementKind::Image && style.secondPicture >= 0) {
        PlaceHoverPicture(document, index, -1);
    }
    if (element.IsWord() && style.boxIndex >= 0 &&
        static_cast<std::size_t>(style.boxIndex) < document.boxes.size()) {
        PageBoxRecord& box = document.boxes[static_cast<std::size_t>(style.boxIndex)];
        if (box.automaticHeight) {
            // The base line of the word's line, so the box takes in the line it stands on.
            box.height =
                std::max(0, ClampCoordinate(static_cast<std::int64_t>(element.baseLine) - box.y + 4));
        }
    }
}

void PageLayout::PlaceImageMap(PageDocument& document, int index) {
    const LayoutElement& element = m_elements[static_cast<std::size_t>(index)];
    const tMap& map = *document.imageMaps.Find(element.style.imageMapName);
    const TXBitmap* picture = PictureOf(document, element.style.pictureIndex);
    const TXBitmap* second = PictureOf(document, element.style.secondPicture);
    for (const tArea& area : map.areas) {
        LinkRectangle entry;
        entry.element = index;
        entry.target = area.target;
        const std::int64_t left = static_cast<std::int64_t>(element.x) + area.x;
        const std::int64_t top = static_cast<std::int64_t>(element.Top()) + area.y;
        entry.rect = PageRect{ClampCoordinate(left), ClampCoordinate(top), ClampCoordinate(left + area.width),
                              ClampCoordinate(top + area.height)};
        if (picture != nullptr && second != nullptr) {
            entry.hover = true;
            entry.normalImage = Cut(*picture, area);
            entry.highlightImage = Cut(*second, area);
        }
        m_links.Add(std::move(entry));
    }
}

void PageLayout::PlaceHoverPicture(PageDocument& document, int index, int name) {
    const LayoutElement& element = m_elements[static_cast<std::size_t>(index)];
    const TextStyle& style = element.style;
    const bool aligned = style.pictureAlignment == kPictureCentred || style.pictureAlignment == kPictureRight;
    LinkRectangle entry;
    entry.name = name;
    entry.element = index;
    entry.hover = true;
    entry.rect = ElementRect(element, aligned ? style.leftMargin : element.x);
    const TXBitmap* picture = PictureOf(document, style.pictureIndex);
    const TXBitmap* second = PictureOf(document, style.secondPicture);
    // Very large pictures keep no hover images: they would cost more memory than any screen shows.
    const long long pixels = static_cast<long long>(element.width) * element.height;
    if (picture != nullptr && second != nullptr && pixels > 0 && pixels <= kMaxHoverImagePixels) {
        entry.normalImage = Scaled(*picture, element.width, element.height);
        entry.highlightImage = Scaled(*second, element.width, element.height);
    }
    m_links.Add(std::move(entry));
}

} // namespace qor
