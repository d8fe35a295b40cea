#pragma once
// Measuring the layout elements: check boxes, pictures and text (with tracking, drag words and
// gap words), and the widths of glued runs.

#include "page/render/LayoutElement.h"
#include "platform/Fonts.h"

#include <string_view>
#include <vector>

namespace qor {

class PageDocument;

// The width of `text` in the element's font with the style's tracking after every character.
TextMetrics MeasureStyledText(std::string_view text, const TextStyle& style);

// Sets width, height, ascent and descent of `element`.
void MeasureElement(LayoutElement& element, const PageDocument& document);

// Every maximal run of consecutive words (a word split by style tags) records its total width on
// its first element.
void MeasureGluedRuns(std::vector<LayoutElement>& elements);

} // namespace qor
