#include "page/controls/tTippAufgabenListe.h"

#include "page/render/TXCanvas.h"

#include <algorithm>

namespace qor {

int tTippAufgabenListe::Add() {
    m_edits.push_back(std::make_unique<TPageEdit>(m_host));
    m_bitmaps.Add(TXBitmap());
    return Count() - 1;
}

void tTippAufgabenListe::Clear() {
    m_edits.clear();
    m_bitmaps.Clear();
}

int tTippAufgabenListe::OpenCount() const {
    return static_cast<int>(
        std::count_if(m_edits.begin(), m_edits.end(), [](const auto& edit) { return edit->Visible(); }));
}

void tTippAufgabenListe::SaveBackground(int index, const TXBitmap& pageBuffer) {
    const TPageEdit& edit = Edit(index);
    TXBitmap& background = Bitmap(index);
    background.Resize(edit.Width(), edit.Height());
    TXCanvas(background)
        .CopyRect(TXRect{0, 0, edit.Width(), edit.Height()}, pageBuffer,
                  TXRect{edit.Left(), edit.Top(), edit.Left() + edit.Width(), edit.Top() + edit.Height()});
}

void tTippAufgabenListe::DrawBackground(int index, TXBitmap& pageBuffer) const {
    const TPageEdit& edit = Edit(index);
    TXCanvas(pageBuffer).Draw(edit.Left(), edit.Top(), Bitmap(index));
}

} // namespace qor
