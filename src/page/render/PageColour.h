#pragma once
// The colour values of the markup that stand for colours of the page: the page text colour, the
// page link colour and palette entries.

#include "page/render/TXBitmap.h"

namespace qor {

class PageDocument;

// 0x7FFFFFFF → `ColorTXT`, 0x5FFFFFFF → the page link colour, "iN" palette entries → the
// entry of the standard 16-colour palette (black beyond it); other values stay.
Colour ResolvePageColour(Colour colour, const PageDocument& document);

} // namespace qor
