#include "page/render/PageMeasure.h"

#include "page/markup/PageDocument.h"
#include "page/render/StyleFont.h"

#include <cmath>

namespace qor {

namespace {

void MeasurePicture(LayoutElement& element, const PageDocument& document) {
    const TextStyle& style = element.style;
    if (style.pictureIndex < 0 || style.pictureIndex >= document.pictures.Count()) {
        return;
    }
    const TXBitmap& picture = document.pictures.At(style.pictureIndex).bitmap;
    const auto scaled = [&style](int size) {
        return ClampCoordinate(std::llround(static_cast<double>(size) * style.scalePercent / 100.0));
    };
    const int width = std::max(0, scaled(picture.Width()));
    const int height = std::max(0, scaled(picture.Height()));
    int base = height;
    if (style.baseOffset > 0) {
        base = style.baseOffset;
    } else if (style.pictureAlignment == kPictureMiddle) {
        base = height / 2;
    } else if (style.pictureAlignment == kPictureTwoThirds) {
        base = static_cast<int>(static_cast<std::int64_t>(height) * 2 / 3);
    }
    element.width = width;
    element.height = height;
    element.ascent = base;
    element.descent = height - base;
}

} // namespace

TextMetrics MeasureStyledText(std::string_view text, const TextStyle& style) {
    TextMetrics metrics = MeasureText(text, style);
    if (!style.preformatted && style.tracking != 0) {
        metrics.width = ClampCoordinate(static_cast<std::int64_t>(metrics.width) +
                                        static_cast<std::int64_t>(style.tracking) *
                                            static_cast<std::int64_t>(text.size()));
    }
    return metrics;
}

void MeasureElement(LayoutElement& element, const PageDocument& document) {
    const TextStyle& style = element.style;
    switch (element.kind) {
    case ElementKind::CheckBox:
        element.width = ClampCoordinate(static_cast<std::int64_t>(style.checkBoxSize) + style.checkBoxGap);
        element.height = style.checkBoxSize;
        element.ascent = style.checkBoxSize;
        element.descent = 0;
        return;
    case ElementKind::Image:
        MeasurePicture(element, document);
        return;
    case ElementKind::Word:
    case ElementKind::Space: {
        const TextMetrics metrics = MeasureStyledText(element.text, style);
        element.width = metrics.width;
        element.height = metrics.height;
        element.ascent = metrics.ascent;
        element.descent = metrics.descent;
        if (element.IsDragWord()) {
            element.width = document.dragTask.BlockWidth();
        } else if (element.IsGapWord()) {
            // Room for typing: the answer may be longer than the text the page shows.
            const int typed = MeasureStyledText("abc" + element.text, style).width;
            element.width = typed + typed / 10 + 8;
        }
        return;
    }
    default:
        return; // breaks and boxes take no room in a line
    }
}

void MeasureGluedRuns(std::vector<LayoutElement>& elements) {
    std::size_t i = 0;
    while (i < elements.size()) {
        if (!elements[i].IsWord()) {
            ++i;
            continue;
        }
        std::size_t end = i;
        std::int64_t total = 0;
        while (end < elements.size() && elements[end].IsWord()) {
            total += elements[end].width;
            elements[end].runWidth = 0;
            ++end;
        }
        elements[i].runWidth = ClampCoordinate(total);
        i = end;
    }
}

} // namespace qor
