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

TXBitmap tDragAufgabenListe::MakeFace(const std::string& word, int height, const BlockLook& look) const {
    TXBitmap face(m_blockWidth, height);
    TXCanvas canvas(face);
    canvas.FillRect(TXRect{0, 0, face.Width(), face.Height()}, look.faceColour);
    canvas.Font() = look.font;
    canvas.TextOut((face.Width() - canvas.TextWidth(word)) / 2, (face.Height() - canvas.TextHeight(word)) / 2,
                   word);
    return face;
}

void tDragAufgabenListe::LayOutBlocks(int pageWidth, int areaTop, const BlockLook& look,
                                      TXBitmap& pageBuffer) {
    // Every block is as high as a target, so a dropped block covers its gap exactly. A page with
    // only wrong words has no target: its blocks take the height of a line of their font.
    // A new layout replaces the bitmaps of an earlier one (the page lays the blocks out once per build).
    m_bitmaps.Clear();
    TXCanvas page(pageBuffer);
    page.Font() = look.font;
    const int height = m_targetHeight > 0 ? m_targetHeight : page.TextHeight("APpgj");
    for (int i = 0; i < BlockCount(); ++i) {
        Block& block = m_blocks[static_cast<std::size_t>(i)];
        const Point at = BlockPosition(i, pageWidth, areaTop);
        block.rect = Rect{at.x, at.y, at.x + m_blockWidth, at.y + height};
        block.faceBitmap = m_bitmaps.Add(MakeFace(block.word, height, look));
        TXBitmap background(m_blockWidth, height);
        TXCanvas(background)
            .CopyRect(TXRect{0, 0, m_blockWidth, height}, pageBuffer,
                      TXRect{at.x, at.y, at.x + m_blockWidth, at.y + height});
        block.backgroundBitmap = m_bitmaps.Add(std::move(background));
        DrawFace(i, pageBuffer);
    }
}

void tDragAufgabenListe::DrawFace(int blockIndex, TXBitmap& pageBuffer) const {
    if (ValidBlock(blockIndex) && m_blocks[static_cast<std::size_t>(blockIndex)].faceBitmap >= 0) {
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
