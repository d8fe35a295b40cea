#include "page/controls/tButtonListe.h"

namespace qor {

int tButtonListe::Add() {
    m_buttons.push_back(std::make_unique<tXColorButton>(m_host));
    m_bitmaps.Add(TXBitmap());
    return Count() - 1;
}

void tButtonListe::Clear() {
    for (auto& button : m_buttons) {
        button->SetVisible(false);
    }
    m_buttons.clear();
    m_bitmaps.Clear();
}

} // namespace qor
