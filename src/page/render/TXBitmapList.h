#pragma once
// A list that owns bitmaps and frees them with itself (the pictures of a slide box, a recorder's
// buttons). Entries keep their address while the list grows.

#include "page/render/TXBitmap.h"

#include <memory>
#include <vector>

namespace qor {

class TXBitmapList {
public:
    // Takes the bitmap over and returns its index.
    int Add(TXBitmap bitmap) {
        m_bitmaps.push_back(std::make_unique<TXBitmap>(std::move(bitmap)));
        return static_cast<int>(m_bitmaps.size()) - 1;
    }
    int Count() const { return static_cast<int>(m_bitmaps.size()); }
    TXBitmap& At(int index) { return *m_bitmaps[static_cast<std::size_t>(index)]; }
    const TXBitmap& At(int index) const { return *m_bitmaps[static_cast<std::size_t>(index)]; }
    void Clear() { m_bitmaps.clear(); }

private:
    std::vector<std::unique_ptr<TXBitmap>> m_bitmaps;
};

} // namespace qor
