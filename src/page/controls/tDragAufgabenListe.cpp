#include "page/controls/tDragAufgabenListe.h"

#include "platform/Random.h"

#include <algorithm>
#include <utility>

namespace qor {

void tDragAufgabenListe::Reset() {
    *this = tDragAufgabenListe();
}

void tDragAufgabenListe::AddTarget(const Rect& rect, std::string_view word) {
    if (m_targets.empty()) {
        m_targetWidth = rect.Width();
        m_targetHeight = rect.Height();
    }
    m_targets.push_back(Target{rect, std::string(word)});
    AddBlock(word);
}

void tDragAufgabenListe::AddBlock(std::string_view word) {
    Block block;
    block.word = std::string(word);
    m_blocks.push_back(std::move(block));
}

void tDragAufgabenListe::SwapBlocks(int i, int j) {
    if (ValidBlock(i) && ValidBlock(j)) {
        std::swap(m_blocks[static_cast<std::size_t>(i)], m_blocks[static_cast<std::size_t>(j)]);
    }
}

void tDragAufgabenListe::RemoveBlock(int index) {
    if (ValidBlock(index)) {
        m_blocks.erase(m_blocks.begin() + index);
    }
}

int tDragAufgabenListe::TargetAt(int x, int y) const {
    for (std::size_t i = 0; i < m_targets.size(); ++i) {
        if (m_targets[i].rect.left == x && m_targets[i].rect.top == y) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::optional<tDragAufgabenListe::Point> tDragAufgabenListe::Snap(int x, int y, int offsetY,
                                                                  int offsetX) const {
    for (const Target& target : m_targets) {
        const Rect& r = target.rect;
        if (x >= r.left - kSnapTolerance && x <= r.right + kSnapTolerance && y >= r.top - kSnapTolerance &&
            y <= r.bottom + kSnapTolerance) {
            return Point{offsetX + r.left, offsetY + r.top};
        }
    }
    return std::nullopt;
}

int tDragAufgabenListe::BlockAt(int x, int y) const {
    for (std::size_t i = 0; i < m_blocks.size(); ++i) {
        if (m_blocks[i].rect.Contains(x, y)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string tDragAufgabenListe::WordAt(int x, int y) const {
    const int index = BlockAt(x, y);
    return index < 0 ? std::string() : m_blocks[static_cast<std::size_t>(index)].word;
}

void tDragAufgabenListe::Shuffle() {
    const int count = BlockCount();
    for (int i = 0; i < count; ++i) {
        const int a = RandomBelow(count);
        if (a != i) {
            SwapBlocks(i, a);
        }
    }
}

tDragAufgabenListe::Point tDragAufgabenListe::BlockPosition(int index, int pageWidth, int areaTop) const {
    // The column formula divides by (blocks per row - 1). The markup allows 0 and 1 blocks per row,
    // for which it has no meaning: those areas become one column, each block in a row of its own,
    // at the left edge (centred like a one-block row when the left edge is -1).
    const int perRow = m_blocksPerRow < 2 ? 1 : m_blocksPerRow;
    const int left =
        m_leftEdge != -1 ? m_leftEdge : (pageWidth - perRow * (m_blockWidth + kColumnGap) + kColumnGap) / 2;
    if (perRow == 1) {
        return Point{left, index * kRowPitch + areaTop};
    }
    const int right = m_rightEdge != -1 ? m_rightEdge : pageWidth - left;
    const int x = (right - left - m_blockWidth) / (perRow - 1) * (index % perRow) + left;
    const int y = (index / perRow) * kRowPitch + areaTop;
    return Point{x, y};
}

void tDragAufgabenListe::PaintFace(TXCanvas& canvas, const std::string& word) const {
    canvas.FillRect(TXRect{0, 0, m_blockWidth, m_blockHeight}, m_look.faceColour);
    canvas.Font() = m_look.font;
    canvas.TextOut((m_blockWidth - canvas.TextWidth(word)) / 2, (m_blockHeight - canvas.TextHeight(word)) / 2,
                   word);
}

void tDragAufgabenListe::LayOutBlocks(int pageWidth, int areaTop, const BlockLook& look,
                                      TXBitmap& pageBuffer) {
    // Every block is as high as a target, so a dropped block covers its gap exactly. A page with
    // only wrong words has no target: its blocks take the height of a line of their font.
    // A new layout replaces the bitmaps of an earlier one (the page lays the blocks out once per build).
    m_bitmaps.Clear();
    m_look = look;
    TXCanvas page(pageBuffer);
    page.Font() = look.font;
    m_blockHeight = m_targetHeight > 0 ? m_targetHeight : page.TextHeight("APpgj");
    for (int i = 0; i < BlockCount(); ++i) {
        Block& block = m_blocks[static_cast<std::size_t>(i)];
        const Point at = BlockPosition(i, pageWidth, areaTop);
        block.rect = Rect{at.x, at.y, at.x + m_blockWidth, at.y + m_blockHeight};
        block.faceBitmap = -1;
        TXBitmap background(m_blockWidth, m_blockHeight);
        TXCanvas(background)
            .CopyRect(TXRect{0, 0, m_blockWidth, m_blockHeight}, pageBuffer,
                      TXRect{at.x, at.y, at.x + m_blockWidth, at.y + m_blockHeight});
        block.backgroundBitmap = m_bitmaps.Add(std::move(background));
        // Drawn straight onto the page: most blocks are never picked up, so their faces become
        // bitmaps only when one is needed (Face).
        TXCanvas face(pageBuffer);
        face.EnterArea(at.x, at.y, m_blockWidth, m_blockHeight);
        PaintFace(face, block.word);
    }
}

int tDragAufgabenListe::FaceBitmap(int blockIndex) {
    if (!ValidBlock(blockIndex) || m_blockHeight <= 0) {
        return -1;
    }
    Block& block = m_blocks[static_cast<std::size_t>(blockIndex)];
    if (block.faceBitmap < 0) {
        TXBitmap face(m_blockWidth, m_blockHeight);
        TXCanvas canvas(face);
        PaintFace(canvas, block.word);
        block.faceBitmap = m_bitmaps.Add(std::move(face));
    }
    return block.faceBitmap;
}

const TXBitmap& tDragAufgabenListe::Face(int blockIndex) {
    static const TXBitmap kNone;
    const int index = FaceBitmap(blockIndex);
    return index >= 0 ? m_bitmaps.At(index) : kNone;
}

void tDragAufgabenListe::DrawFace(int blockIndex, TXBitmap& pageBuffer) {
    if (FaceBitmap(blockIndex) >= 0) {
        const Block& block = m_blocks[static_cast<std::size_t>(blockIndex)];
        TXCanvas(pageBuffer).Draw(block.rect.left, block.rect.top, m_bitmaps.At(block.faceBitmap));
    }
}

void tDragAufgabenListe::DrawBackground(int blockIndex, TXBitmap& pageBuffer) const {
    if (ValidBlock(blockIndex) && m_blocks[static_cast<std::size_t>(blockIndex)].backgroundBitmap >= 0) {
        const Block& block = m_blocks[static_cast<std::size_t>(blockIndex)];
        TXCanvas(pageBuffer).Draw(block.rect.left, block.rect.top, m_bitmaps.At(block.backgroundBitmap));
    }
}

tDragAufgabenListe::DropOutcome tDragAufgabenListe::Drop(int blockIndex, int left, int top) {
    DropOutcome outcome;
    if (!ValidBlock(blockIndex)) {
        return outcome;
    }
    FaceBitmap(blockIndex); // the page draws it into the gap after the block has left the list
    outcome.block = m_blocks[static_cast<std::size_t>(blockIndex)];
    const int targetIndex = TargetAt(left, top);
    if (targetIndex < 0 || m_targets[static_cast<std::size_t>(targetIndex)].word != outcome.block.word) {
        return outcome;
    }
    outcome.result = DropResult::Right;
    outcome.target = m_targets[static_cast<std::size_t>(targetIndex)];
    m_targets.erase(m_targets.begin() + targetIndex);
    m_blocks.erase(m_blocks.begin() + blockIndex);
    return outcome;
}

} // namespace qor
