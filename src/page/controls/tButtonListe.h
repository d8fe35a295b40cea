#pragma once
// The push buttons of a page (BUTTON) and, for each, a bitmap for the page area it covers.

#include "page/controls/ControlHost.h"
#include "page/controls/tXColorButton.h"
#include "page/render/TXBitmap.h"
#include "page/render/TXBitmapList.h"

#include <memory>
#include <vector>

namespace qor {

class tButtonListe {
public:
    explicit tButtonListe(ControlHost& host) : m_host(host) {}
    ~tButtonListe() { Clear(); }
    tButtonListe(const tButtonListe&) = delete;
    tButtonListe& operator=(const tButtonListe&) = delete;

    // Creates a button (visible, default size) and its empty bitmap; returns its index.
    int Add();
    // Hides every button, so none is painted again, then frees the buttons and bitmaps.
    void Clear();

    int Count() const { return static_cast<int>(m_buttons.size()); }
    tXColorButton& Button(int index) { return *m_buttons[static_cast<std::size_t>(index)]; }
    const tXColorButton& Button(int index) const { return *m_buttons[static_cast<std::size_t>(index)]; }
    TXBitmap& Bitmap(int index) { return m_bitmaps.At(index); }
    const TXBitmap& Bitmap(int index) const { return m_bitmaps.At(index); }

private:
    ControlHost& m_host;
    std::vector<std::unique_ptr<tXColorButton>> m_buttons;
    TXBitmapList m_bitmaps; // parallel to m_buttons
};

} // namespace qor
