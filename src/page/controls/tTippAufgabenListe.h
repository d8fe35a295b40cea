#pragma once
// The gap-fill tasks of a page: the gap edits it created and, for each, the page area behind it,
// which the page puts back while a block is dragged over the gaps and when a gap has been hidden.
// A finished gap stays in the list, hidden; the open count tells the page when all are done.

#include "page/controls/ControlHost.h"
#include "page/controls/TPageEdit.h"
#include "page/render/TXBitmap.h"
#include "page/render/TXBitmapList.h"

#include <memory>
#include <vector>

namespace qor {

class tTippAufgabenListe {
public:
    explicit tTippAufgabenListe(ControlHost& host) : m_host(host) {}

    // Creates a gap edit (visible, default size) and its empty background bitmap; returns its index.
    int Add();
    // Frees every edit and bitmap.
    void Clear();

    int Count() const { return static_cast<int>(m_edits.size()); }
    TPageEdit& Edit(int index) { return *m_edits[static_cast<std::size_t>(index)]; }
    const TPageEdit& Edit(int index) const { return *m_edits[static_cast<std::size_t>(index)]; }
    TXBitmap& Bitmap(int index) { return m_bitmaps.At(index); }
    const TXBitmap& Bitmap(int index) const { return m_bitmaps.At(index); }

    // The gaps not yet finished (the edit hides itself when it is).
    int OpenCount() const;

    // Saves the page area under edit `index` (at its current bounds) into its bitmap.
    void SaveBackground(int index, const TXBitmap& pageBuffer);
    // Puts the saved area back onto the page buffer at the edit's bounds.
    void DrawBackground(int index, TXBitmap& pageBuffer) const;

private:
    ControlHost& m_host;
    std::vector<std::unique_ptr<TPageEdit>> m_edits;
    TXBitmapList m_bitmaps; // parallel to m_edits
};

} // namespace qor
