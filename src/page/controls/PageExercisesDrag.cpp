// Dragging word blocks onto the gaps of the text and reordering the parts of a sentence.
//
// While an image is dragged the buffer shows the page without it (the block's or part's place
// empty) and the host draws the image over the screen copy; the image is only drawn into the
// buffer again where it comes to rest.

#include "page/controls/PageExercises.h"
#include "page/controls/tTippAufgabenListe.h"
#include "page/render/PageColour.h"
#include "page/render/PagePainter.h"
#include "page/render/TXCanvas.h"

#include <algorithm>

namespace qor {

namespace {

constexpr std::int32_t kDefaultBlockBackground = 0x00FF00; // lime: "use the page background"

} // namespace

bool PageExercises::Dragging() const {
    return m_drag.kind != DragKind::None;
}

bool PageExercises::OverDraggable(int x, int y) const {
    if (m_document.dragTask.BlockAt(x, y) >= 0) {
        return true;
    }
    const tSatzbauListe& sentences = m_document.sentences;
    for (int s = 0; s < sentences.SentenceCount(); ++s) {
        if (sentences.Sentence(s).PartAtPoint(x, y) >= 0) {
            return true;
        }
    }
    return false;
}

int PageExercises::ClientWidth() const {
    if (m_clientWidth >= 0) {
        return m_clientWidth;
    }
    return m_painter.Buffer().Empty() ? m_document.pageWidth : m_painter.Buffer().Width();
}

int PageExercises::ClientHeight() const {
    return m_clientHeight >= 0 ? m_clientHeight : m_document.pageHeight;
}

// [SECTION] Mouse

bool PageExercises::MouseDown(int x, int y, int scroll) {
    if (Dragging()) {
        return true;
    }
    m_drag.scroll = scroll;
    const int block = m_document.dragTask.BlockAt(x, y);
    if (block >= 0) {
        return StartBlockDrag(block, x, y);
    }
    return StartPartDrag(x, y);
}

bool PageExercises::MouseMove(int x, int y, int scroll) {
    if (!Dragging()) {
        return false;
    }
    m_drag.scroll = scroll;
    if (m_drag.kind == DragKind::Block) {
        // Near a gap the block jumps onto it: only a block resting exactly there can be right.
        int pointerX = x;
        int pointerY = y;
        if (const auto snapped = m_document.dragTask.Snap(x, y, m_drag.offsetY, m_drag.offsetX)) {
            pointerX = snapped->x;
            pointerY = snapped->y;
        }
        MoveTo(pointerX - m_drag.offsetX, pointerY - m_drag.offsetY);
        return true;
    }
    tSatzbauListe& sentences = m_document.sentences;
    const int before = sentences.CurrentPart();
    const tSatzbauListe::SnapResult snap = sentences.Reorder(x, y, m_drag.offsetY, m_drag.offsetX);
    if (sentences.CurrentPart() != before) {
        DrawSentence(sentences.CurrentSentence(), tSatzteilListe::kPartGap, sentences.CurrentPart());
        m_host.ShowBuffer();
    }
    MoveTo(snap.x - m_drag.offsetX, snap.y - m_drag.offsetY);
    return true;
}

bool PageExercises::MouseUp(int x, int y, int scroll) {
    if (!Dragging()) {
        return false;
    }
    MouseMove(x, y, scroll); // the release point counts even when no move reported it
    if (m_drag.kind == DragKind::Block) {
        DropBlock();
    } else {
        DropPart();
    }
    return true;
}

// [SECTION] The dragged image

const TXBitmap* PageExercises::DragImage() const {
    if (m_drag.kind == DragKind::Block) {
        tDragAufgabenListe& task = m_document.dragTask;
        if (m_drag.block < 0 || m_drag.block >= task.BlockCount()) {
            return nullptr;
        }
        return &task.Face(m_drag.block);
    }
    if (m_drag.kind == DragKind::Part) {
        const tSatzbauListe& sentences = m_document.sentences;
        const int s = sentences.CurrentSentence();
        if (s < 0 || s >= sentences.SentenceCount()) {
            return nullptr;
        }
        const tSatzteilListe& sentence = sentences.Sentence(s);
        return &sentence.Bitmap(sentence.PartAt(sentences.CurrentPart()).bitmap);
    }
    return nullptr;
}

void PageExercises::ShowDragImage() {
    m_host.SetDragImage(DragImage(), m_drag.left, m_drag.top - m_drag.scroll);
}

void PageExercises::MoveTo(int left, int top) {
    // The image stays wholly inside the control, whatever the mouse does.
    const TXBitmap* image = DragImage();
    const int width = image != nullptr ? image->Width() : 0;
    const int height = image != nullptr ? image->Height() : 0;
    const int clientLeft = std::clamp(left, 0, std::max(0, ClientWidth() - width));
    const int clientTop = std::clamp(top - m_drag.scroll, 0, std::max(0, ClientHeight() - height));
    m_drag.left = clientLeft;
    m_drag.top = clientTop + m_drag.scroll;
    ShowDragImage();
}

void PageExercises::Glide(const TXBitmap& image, int toLeft, int toTop) {
    const int fromLeft = m_drag.left;
    const int fromTop = m_drag.top;
    for (int step = 1; step <= kGlideSteps; ++step) {
        m_drag.left = fromLeft + (toLeft - fromLeft) * step / kGlideSteps;
        m_drag.top = fromTop + (toTop - fromTop) * step / kGlideSteps;
        // The buffer first: a full copy to the screen covers the image drawn before it.
        m_host.ShowBuffer();
        m_host.SetDragImage(&image, m_drag.left, m_drag.top - m_drag.scroll);
        m_host.HoldFrame(kGlideFrameMs);
    }
}

void PageExercises::EndDrag() {
    m_drag = DragState{};
    m_host.SetDragImage(nullptr, 0, 0);
    m_host.ShowBuffer();
}

// [SECTION] Blocks

bool PageExercises::StartBlockDrag(int block, int x, int y) {
    TXBitmap& buffer = m_painter.Buffer();
    tTippAufgabenListe& edits = m_document.GapEdits();
    for (int i = 0; i < edits.Count(); ++i) {
        if (edits.Edit(i).Visible()) {
            edits.DrawBackground(i, buffer);
        }
    }
    m_host.TakeFocus();
    const tDragAufgabenListe& task = m_document.dragTask;
    const tDragAufgabenListe::Rect& home = task.Blocks()[static_cast<std::size_t>(block)].rect;
    m_drag.kind = DragKind::Block;
    m_drag.block = block;
    m_drag.left = home.left;
    m_drag.top = home.top;
    m_drag.offsetX = x - home.left;
    m_drag.offsetY = y - home.top;
    task.DrawBackground(block, buffer);
    m_host.ShowBuffer();
    ShowDragImage();
    return true;
}

void PageExercises::DropBlock() {
    tDragAufgabenListe& task = m_document.dragTask;
    TXBitmap& buffer = m_painter.Buffer();
    const int block = m_drag.block;
    const tDragAufgabenListe::DropOutcome outcome = task.Drop(block, m_drag.left, m_drag.top);
    if (outcome.result == tDragAufgabenListe::DropResult::Right) {
        if (outcome.block.faceBitmap >= 0) {
            TXCanvas(buffer).Draw(outcome.target.rect.left, outcome.target.rect.top,
                                  task.Bitmap(outcome.block.faceBitmap));
        }
        EndDrag();
        CheckAllSolved();
        return;
    }
    if (const TXBitmap* image = DragImage()) {
        Glide(*image, outcome.block.rect.left, outcome.block.rect.top);
    }
    task.DrawFace(block, buffer);
    EndDrag();
}

// [SECTION] Sentence parts

Colour PageExercises::SlotColour() const {
    const std::int32_t colour = m_document.pageColours.blockBackground;
    if (colour == kDefaultBlockBackground) {
        return m_document.colorBGR & 0xFFFFFF;
    }
    return ResolvePageColour(colour, m_document) & 0xFFFFFF;
}

bool PageExercises::StartPartDrag(int x, int y) {
    tSatzbauListe& sentences = m_document.sentences;
    const tSatzbauListe::HitResult hit = sentences.Hit(x, y);
    if (hit.sentence < 0) {
        return false;
    }
    sentences.SetCurrent(hit.sentence, hit.part);
    const tSatzteilListe& sentence = sentences.Sentence(hit.sentence);
    const tSatzteilListe::Part& part = sentence.PartAt(hit.part);
    const TXBitmap& image = sentence.Bitmap(part.bitmap);
    TXCanvas(m_painter.Buffer())
        .FillRect(TXRect{part.rect.left, part.rect.top, part.rect.left + image.Width(),
                         part.rect.top + image.Height()},
                  SlotColour());
    m_drag.kind = DragKind::Part;
    m_drag.left = part.rect.left;
    m_drag.top = part.rect.top;
    m_drag.offsetX = x - part.rect.left;
    m_drag.offsetY = y - part.rect.top;
    m_host.ShowBuffer();
    ShowDragImage();
    return true;
}

void PageExercises::DrawSentence(int index, int gap, int emptyPosition) {
    const tSatzteilListe& sentence = m_document.sentences.Sentence(index);
    const int left = sentence.Bounds().left;
    int right = left;
    int height = 0;
    for (const tSatzteilListe::Part& part : sentence.Parts()) {
        right = std::max(right, part.rect.left + sentence.Bitmap(part.bitmap).Width());
        height = std::max(height, sentence.Bitmap(part.bitmap).Height());
    }
    const int top = sentence.Bounds().top;
    TXCanvas canvas(m_painter.Buffer());
    canvas.FillRect(TXRect{left, top, right, top + height}, SlotColour());
    int x = left;
    for (int p = 0; p < sentence.PartCount(); ++p) {
        const TXBitmap& image = sentence.Bitmap(sentence.PartAt(p).bitmap);
        if (p != emptyPosition) {
            canvas.Draw(x, top, image);
        }
        x += image.Width() + gap;
    }
}

void PageExercises::CloseUp(int index) {
    for (int frame = 1; frame <= kCloseUpFrames; ++frame) {
        DrawSentence(index, tSatzteilListe::kPartGap * (kCloseUpFrames - frame) / kCloseUpFrames, -1);
        m_host.ShowBuffer();
        m_host.HoldFrame(kCloseUpFrameMs);
    }
}

void PageExercises::DropPart() {
    tSatzbauListe& sentences = m_document.sentences;
    const int s = sentences.CurrentSentence();
    if (s < 0 || s >= sentences.SentenceCount()) {
        EndDrag();
        return;
    }
    const tSatzteilListe& sentence = sentences.Sentence(s);
    const tSatzteilListe::Part& part = sentence.PartAt(sentences.CurrentPart());
    const TXBitmap& image = sentence.Bitmap(part.bitmap);
    // A part that snapped lies in its slot already; any other glides back to it.
    if (!sentences.Snapped()) {
        Glide(image, part.rect.left, part.rect.top);
    }
    TXCanvas(m_painter.Buffer()).Draw(part.rect.left, part.rect.top, image);
    EndDrag();
    if (!sentences.Solved(s)) {
        sentences.SetCurrent(-1, -1);
        return;
    }
    CloseUp(s);
    sentences.DeleteCurrentSentence();
    CheckAllSolved();
}

} // namespace qor
