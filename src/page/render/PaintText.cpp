// Words, spaces, check boxes and flashing link runs, and the word index they leave.

#include "page/controls/tTippAufgabenListe.h"
#include "page/markup/PageDocument.h"
#include "page/render/PageColour.h"
#include "page/render/PageLayout.h"
#include "page/render/PagePainter.h"
#include "page/render/PaintHelpers.h"
#include "page/render/StyleFont.h"
#include "page/render/TXCanvas.h"

namespace qor {

namespace {

constexpr std::string_view kPlaceholder = "\xFF"; // ÿ alone stands for nothing

PageRect WordRect(const LayoutElement& element) {
    return PageRect{element.x, element.Top(),
                    ClampCoordinate(static_cast<std::int64_t>(element.x) + element.width), element.Bottom()};
}

bool DrawnAsText(const LayoutElement& element) {
    if (element.IsWord()) {
        return true;
    }
    if (!element.IsSpace()) {
        return false;
    }
    const StyleBlock& block = element.style.block;
    return (block.styleBits & kUnderline) != 0 || block.linkKind == 1 || !block.backgroundTransparent;
}

} // namespace

void PagePainter::PaintElements() {
    const int count = static_cast<int>(m_layout.Elements().size());
    for (int i = 0; i < count; ++i) {
        const LayoutElement& element = m_layout.Element(i);
        if (element.kind == ElementKind::CheckBox) {
            PaintCheckBox(i);
        } else if (DrawnAsText(element)) {
            if (InFlashingRun(i)) {
                i = PaintFlashingRun(i);
                continue;
            }
            PaintWord(i, element, -1);
            IndexWord(element);
        }
    }
}

void PagePainter::PaintCheckBox(int index) {
    const LayoutElement& element = m_layout.Element(index);
    const int checkBoxIndex = element.style.checkBoxIndex;
    if (checkBoxIndex < 0 || static_cast<std::size_t>(checkBoxIndex) >= m_document.checkBoxes.size()) {
        return;
    }
    PageCheckBoxRecord& checkBox = m_document.checkBoxes[static_cast<std::size_t>(checkBoxIndex)];
    checkBox.x = element.x;
    checkBox.y = element.Top();
    const int size = element.style.checkBoxSize;
    const int x = checkBox.x;
    const int y = checkBox.y;
    TXCanvas canvas(m_buffer);
    canvas.Brush().colour = 0;
    canvas.FrameRect(TXRect{x, y, x + size, y + size});
    canvas.FrameRect(TXRect{x + 1, y + 1, x + size - 1, y + size - 1});
    canvas.FillRect(TXRect{x + 2, y + 2, x + size - 2, y + size - 2}, checkBox.checked ? 0x000000 : 0xFFFFFF);
}

bool PagePainter::InFlashingRun(int index) const {
    const LayoutElement& element = m_layout.Element(index);
    if (!(element.IsWord() || element.IsSpace()) || element.style.linkRectangle < 0 ||
        element.style.block.flashColour == -1) {
        return false;
    }
    const int entry = m_layout.Links().EntryOfElement(index);
    return entry >= 0 && m_layout.Links().At(entry).hover;
}

int PagePainter::PaintFlashingRun(int first) {
    int last = first;
    while (last + 1 < static_cast<int>(m_layout.Elements().size()) && InFlashingRun(last + 1)) {
        ++last;
    }
    LinkRectangles& links = m_layout.Links();
    // Normal image, the run in its flash colour as the highlighted image, the normal image back,
    // and the run in its own colours: the page only ever copies the two images afterwards. The
    // normal image is taken again at the end: saved before the text was drawn, it would wipe the
    // link off the page when the pointer leaves it.
    for (int i = first; i <= last; ++i) {
        LinkRectangle& entry = links.At(links.EntryOfElement(i));
        entry.normalImage = CopyArea(m_buffer, entry.rect);
    }
    for (int i = first; i <= last; ++i) {
        const LayoutElement& element = m_layout.Element(i);
        PaintWord(i, element, ResolvePageColour(element.style.block.flashColour, m_document));
    }
    for (int i = first; i <= last; ++i) {
        LinkRectangle& entry = links.At(links.EntryOfElement(i));
        entry.highlightImage = CopyArea(m_buffer, entry.rect);
    }
    for (int i = first; i <= last; ++i) {
        const LinkRectangle& entry = links.At(links.EntryOfElement(i));
        PutArea(m_buffer, entry.normalImage, entry.rect.left, entry.rect.top);
    }
    for (int i = first; i <= last; ++i) {
        const LayoutElement& element = m_layout.Element(i);
        PaintWord(i, element, -1);
        IndexWord(element);
    }
    for (int i = first; i <= last; ++i) {
        LinkRectangle& entry = links.At(links.EntryOfElement(i));
        entry.normalImage = CopyArea(m_buffer, entry.rect);
    }
    return last;
}

void PagePainter::PaintWord(int /*index*/, const LayoutElement& element, std::int32_t colourOverride) {
    if (element.text == kPlaceholder) {
        return;
    }
    const TextStyle& style = element.style;
    const PageRect rect = WordRect(element);
    if (rect.bottom < 0 || rect.top >= m_buffer.Height() || rect.right < 0 || rect.left >= m_buffer.Width()) {
        return;
    }
    TXCanvas canvas(m_buffer);
    if (element.IsDragWord()) {
        // The empty slot the learner drops a block into.
        canvas.FillRect(TXRect{rect.left, rect.top, rect.right, rect.bottom},
                        m_document.pageColours.block & 0xFFFFFF);
        return;
    }
    if (!style.block.backgroundTransparent) {
        canvas.FillRect(TXRect{rect.left, rect.top, rect.right, rect.bottom},
                        ResolvePageColour(style.block.backgroundColour, m_document));
    }
    FontSpec font = StyleFont(style);
    if (style.block.linkKind == 1) {
        font.underline = true;
    }
    const Colour colour =
        colourOverride >= 0 ? colourOverride : ResolvePageColour(style.block.textColour, m_document);
    const int tracking = style.preformatted ? 0 : style.tracking;
    if (element.IsGapWord()) {
        // The word goes into the gap edit's background only: the edit shows it again once it is
        // hidden after an answer; the page itself stays clear under the edit.
        const TXBitmap saved = CopyArea(m_buffer, rect);
        DrawTextAt(m_buffer, element.x, element.Top(), font, element.text, colour, tracking);
        tTippAufgabenListe& edits = m_document.GapEdits();
        if (style.gapIndex < edits.Count()) {
            edits.SaveBackground(style.gapIndex, m_buffer);
        }
        PutArea(m_buffer, saved, rect.left, rect.top);
        return;
    }
    DrawTextAt(m_buffer, element.x, element.Top(), font, element.text, colour, tracking);
}

void PagePainter::IndexWord(const LayoutElement& element) {
    if (element.text.empty() || element.text == kPlaceholder || element.IsGapWord() || element.IsDragWord()) {
        return;
    }
    m_words.AddWord(element.text, WordRect(element), element.style.randomValue);
}

} // namespace qor
