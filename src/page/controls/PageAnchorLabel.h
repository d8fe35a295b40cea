#pragma once
// The hot spot's floating note: its text broken into lines at 200 pixels and its place beside the
// clicked rectangle. The page lays it out; the host only draws what it is given.

#include "page/controls/PageControlHost.h"
#include "platform/Fonts.h"

#include <string_view>

namespace qor {

// The note's font (the toolkit's small default face).
FontSpec AnchorLabelFont();

// Breaks `text` at blanks into lines no wider than AnchorLabel::kWrapWidth (a longer word stands
// alone on its line; line breaks in the text are kept) and sizes the note around them.
AnchorLabel LayoutAnchorLabel(std::string_view text);

// Places a laid-out note at the clicked rectangle `reference` (client coordinates): 8 pixels right
// of and below its left-bottom corner; past the right edge − 8 it moves to the buffer width − its
// width − 24, past the bottom − 24 above the rectangle.
void PlaceAnchorLabel(AnchorLabel& label, const PageRect& reference, int clientWidth, int clientHeight,
                      int bufferWidth);

} // namespace qor
