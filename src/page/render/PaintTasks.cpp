// The drag task's block area and the sentence-building tasks.

#include "page/markup/PageDocument.h"
#include "page/render/PageColour.h"
#include "page/render/PageLayout.h"
#include "page/render/PagePainter.h"
#include "page/render/StyleFont.h"
#include "page/render/TXCanvas.h"

namespace qor {

namespace {

constexpr int kPartPadding = 8; // room left and right of a sentence part's text

} // namespace

void PagePainter::PaintDragTask() {
    tDragAufgabenListe& task = m_document.dragTask;
    if (task.BlockCount() == 0) {
        return;
    }
    tDragAufgabenListe::BlockLook look;
    look.faceColour = m_document.pageColours.block & 0xFFFFFF;
    look.font.colour = m_document.colorTXT;
    for (const LayoutElement& element : m_layout.Elements()) {
        if (element.IsDragWord()) {
            look.font = TXFont{StyleFont(element.style),
                               ResolvePageColour(element.style.block.textColour, m_document)};
            break;
        }
    }
    task.Shuffle();
    task.LayOutBlocks(m_settings.controlWidth, m_document.dragAreaY, look, m_buffer);
}

void PagePainter::PaintSentences() {
    tSatzbauListe& sentences = m_document.sentences;
    if (sentences.SentenceCount() == 0) {
        return;
    }
    TextStyle style;
    style.block = m_document.Slot(StyleSlot::Emphasis);
    const TXFont font{StyleFont(style), ResolvePageColour(style.block.textColour, m_document)};
    const Colour face = m_document.pageColours.block & 0xFFFFFF;
    for (int s = 0; s < sentences.SentenceCount(); ++s) {
        tSatzteilListe& sentence = sentences.Sentence(s);
        for (const tSatzteilListe::Part& part : sentence.Parts()) {
            TXBitmap& bitmap = sentence.Bitmap(part.bitmap);
            TXCanvas measure(bitmap);
            measure.Font() = font;
            const int textHeight = measure.TextHeight(part.text);
            const int height = sentence.Bounds().Height() > 0 ? sentence.Bounds().Height() : textHeight + 4;
            bitmap.Resize(measure.TextWidth(part.text) + 2 * kPartPadding, height);
            TXCanvas canvas(bitmap);
            canvas.Font() = font;
            canvas.FillRect(TXRect{0, 0, bitmap.Width(), bitmap.Height()}, face);
            canvas.TextOut(kPartPadding, (height - textHeight) / 2, part.text);
        }
    }
    sentences.Shuffle();
    TXCanvas page(m_buffer);
    for (int s = 0; s < sentences.SentenceCount(); ++s) {
        const tSatzteilListe& sentence = sentences.Sentence(s);
        for (const tSatzteilListe::Part& part : sentence.Parts()) {
            page.Draw(part.rect.left, part.rect.top, sentence.Bitmap(part.bitmap));
        }
    }
}

} // namespace qor
