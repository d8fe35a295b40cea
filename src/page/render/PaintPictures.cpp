// The pictures of the page, with their scaling and effects, and the tinted highlight of pictures
// that have a colour instead of a second picture.

#include "page/markup/PageDocument.h"
#include "page/render/PageLayout.h"
#include "page/render/PagePainter.h"
#include "page/render/PaintHelpers.h"
#include "page/render/TXCanvas.h"

namespace qor {

void PagePainter::PaintPictures(TXBitmap& target) {
    const auto& elements = m_layout.Elements();
    for (int i = 0; i < static_cast<int>(elements.size()); ++i) {
        if (elements[static_cast<std::size_t>(i)].kind == ElementKind::Image) {
            PaintPicture(target, i);
        }
    }
}

void PagePainter::PaintPicture(TXBitmap& target, int index) {
    const LayoutElement& element = m_layout.Element(index);
    const TextStyle& style = element.style;
    if (style.pictureIndex < 0 || style.pictureIndex >= m_document.pictures.Count()) {
        return;
    }
    const TXBitmap& picture = m_document.pictures.At(style.pictureIndex).bitmap;
    const int width = element.width;
    const int height = element.height;
    if (picture.Empty() || width <= 0 || height <= 0) {
        return;
    }
    const long long lineWidth = m_layout.LineWidth(style);
    long long x = element.x;
    if (style.pictureAlignment == kPictureLeftMargin) {
        x = style.leftMargin;
    } else if (style.pictureAlignment == kPictureCentred) {
        x = style.leftMargin + (lineWidth - width) / 2;
    } else if (style.pictureAlignment == kPictureRight) {
        x = style.leftMargin + lineWidth - width;
    }
    const int left = ClampCoordinate(x);
    const int top = element.Top();
    m_picturePlaces.push_back(PicturePlace{
        index, style.pictureIndex, PageRect{left, top, ClampCoordinate(x + width), element.Bottom()}});

    const bool effects = style.cornerRadius > 0 || style.opacity < 255 || style.pictureMode != 0;
    if (effects) {
        int drawX = left;
        int drawY = top;
        TXBitmap scaledPart;
        const TXBitmap* source = &picture;
        if (style.scalePercent != 100 || left < 0 || top < 0) {
            scaledPart = ScaledVisiblePart(target, drawX, drawY, width, height, picture);
            source = &scaledPart;
        }
        if (!source->Empty()) {
            target.SetXAlpha(style.opacity);
            target.SetXColor(style.pictureColour & 0xFFFFFF);
            target.RoundedBlendedDraw(drawX, drawY, *source, style.pictureMode, style.cornerRadius,
                                      style.cornerRadius);
            target.SetXAlpha(255);
        }
    } else if (style.scalePercent != 100) {
        StretchClipped(target, left, top, width, height, picture);
    } else {
        TXCanvas(target).Draw(left, top, picture);
    }

    if (style.secondPicture >= kSecondPictureColourBase) {
        const int entryIndex = m_layout.Links().EntryOfElement(index);
        if (entryIndex >= 0 && m_layout.Links().At(entryIndex).hover) {
            LinkRectangle& entry = m_layout.Links().At(entryIndex);
            const TXBitmap area = CopyArea(target, PageRect{left, top, left + width, top + height});
            entry.normalImage = area;
            entry.highlightImage =
                Tinted(area, (style.secondPicture - kSecondPictureColourBase) & 0xFFFFFF, -1);
        }
    }
    if (!style.alternativeText.empty()) {
        m_words.AddPhrase(style.alternativeText,
                          PageRect{left, top, ClampCoordinate(x + width), element.Bottom()});
    }
}

} // namespace qor
