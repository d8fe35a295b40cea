#pragma once
// A picture that belongs to the page (a picture control or the page's buffer) and that a control
// shows through as its background or face. Not owned: the page keeps the bitmap alive as long as
// the control refers to it.

#include "page/render/TXBitmap.h"

namespace qor {

struct PictureRef {
    const TXBitmap* bitmap = nullptr;
    int left = 0; // the picture's position on the page, in the same coordinates as the control's
    int top = 0;

    bool HasPicture() const { return bitmap != nullptr && !bitmap->Empty(); }
};

} // namespace qor
