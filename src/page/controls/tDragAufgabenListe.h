#pragma once
// The drag task of a page: word blocks that the learner drags onto the gaps (targets) of the text.
// The markup fills the list while the page is parsed; the page's mouse handling drives dragging,
// snapping and dropping through it; the page resets it before every new page.
//
// Coordinates are page coordinates in pixels. Rectangles include their right and bottom edges in
// hit tests, as the page's link rectangles do.

#include "page/controls/TaskRect.h"
#include "page/render/TXBitmap.h"
#include "page/render/TXBitmapList.h"
#include "page/render/TXCanvas.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class tDragAufgabenListe {
public:
    using Rect = TaskRect;

    struct Block {
        Rect rect; // its home on the page, set by LayOutBlocks
        std::string word;
        int faceBitmap = -1;       // the block as the learner sees it; made when first needed
        int backgroundBitmap = -1; // the page area the block covers
    };

    struct Target {
        Rect rect;
        std::string word; // the block word that belongs into this gap
    };

    struct Point {
        int x = 0;
        int y = 0;
        bool operator==(const Point&) const = default;
    };

    // How the faces of the blocks look: the page's block colour (BODY KLOTZ) and the first block's font.
    struct BlockLook {
        TXFont font;                  // with the colour of the words
        Colour faceColour = 12632256; // silver
    };

    enum class DropResult {
        Right,  // block and target are gone from the lists; the page draws the word into the gap
        Return, // the block glides back to its home rectangle
    };

    struct DropOutcome {
        DropResult result = DropResult::Return;
        Block block;   // the dropped block (still valid when it was removed)
        Target target; // the target it filled; only for Right
    };

    static constexpr int kDefaultBlocksPerRow = 4;
    static constexpr int kDefaultBlockWidth = 120;
    static constexpr int kRowPitch = 30;     // vertical distance between block rows
    static constexpr int kColumnGap = 20;    // the gap the centred block area leaves between columns
    static constexpr int kSnapTolerance = 8; // how far outside a target a drop still snaps

    // Back to the defaults; frees blocks, targets and bitmaps.
    void Reset();

    // A gap in the text and, with it, the block that belongs there. The first target fixes the
    // target size that every block takes.
    void AddTarget(const Rect& rect, std::string_view word);
    // A block without a target (a wrong word of KLOTZ FALSCH).
    void AddBlock(std::string_view word);
    void SwapBlocks(int i, int j);
    // Takes a block out of the list (its bitmaps stay until Reset).
    void RemoveBlock(int index);

    // The target whose top-left corner is exactly (x, y), or -1.
    int TargetAt(int x, int y) const;
    // The pointer position (x, y) snaps when it lies within kSnapTolerance of a target (bounds
    // inclusive; the first such target in list order counts). The result is the pointer position
    // that puts the block's top-left corner on the target's: (offsetX + target left, offsetY + top),
    // where the offsets are the grab point inside the block. Nothing when no target is near.
    std::optional<Point> Snap(int x, int y, int offsetY, int offsetX) const;
    // The first block (in list order) whose rectangle contains (x, y), or -1.
    int BlockAt(int x, int y) const;
    // The word of the block under (x, y), or empty.
    std::string WordAt(int x, int y) const;

    // Shuffles the blocks (for i from 0 to n - 1: a = RandomBelow(n); swap i and a when they differ).
    void Shuffle();

    // Where block `index` stands in the block area whose top is `areaTop` (KLOTZ Y).
    Point BlockPosition(int index, int pageWidth, int areaTop) const;
    // Places every block by BlockPosition, gives it a new background bitmap (the page area under
    // it, saved from `pageBuffer`) and draws its face onto `pageBuffer`.
    void LayOutBlocks(int pageWidth, int areaTop, const BlockLook& look, TXBitmap& pageBuffer);
    // The bitmap index of a block's face (made on first use; -1 for a bad index or before the
    // layout), and the face itself (empty then).
    int FaceBitmap(int blockIndex);
    const TXBitmap& Face(int blockIndex);
    // Draws a block's face at its home rectangle; its background at its home restores the page.
    void DrawFace(int blockIndex, TXBitmap& pageBuffer);
    void DrawBackground(int blockIndex, TXBitmap& pageBuffer) const;

    // The learner released block `blockIndex` with its top-left corner at (left, top).
    DropOutcome Drop(int blockIndex, int left, int top);

    const std::vector<Block>& Blocks() const { return m_blocks; }
    const std::vector<Target>& Targets() const { return m_targets; }
    int BlockCount() const { return static_cast<int>(m_blocks.size()); }
    int TargetCount() const { return static_cast<int>(m_targets.size()); }
    const TXBitmap& Bitmap(int index) const { return m_bitmaps.At(index); }
    int BitmapCount() const { return m_bitmaps.Count(); }

    int TargetWidth() const { return m_targetWidth; }
    int TargetHeight() const { return m_targetHeight; }
    int BlocksPerRow() const { return m_blocksPerRow; }
    void SetBlocksPerRow(int count) { m_blocksPerRow = count; }
    int BlockWidth() const { return m_blockWidth; }
    void SetBlockWidth(int width) { m_blockWidth = width; }
    int LeftEdge() const { return m_leftEdge; }
    void SetLeftEdge(int left) { m_leftEdge = left; } // -1: centre the block area
    int RightEdge() const { return m_rightEdge; }
    void SetRightEdge(int right) { m_rightEdge = right; } // -1: page width - left edge

private:
    bool ValidBlock(int index) const { return index >= 0 && index < BlockCount(); }
    // A face in the area [0, block width) × [0, block height) of `canvas`.
    void PaintFace(TXCanvas& canvas, const std::string& word) const;

    std::vector<Block> m_blocks;
    std::vector<Target> m_targets;
    TXBitmapList m_bitmaps; // backgrounds, and faces once made; indices stay valid until Reset
    BlockLook m_look;
    int m_blockHeight = 0;
    int m_targetWidth = 0;
    int m_targetHeight = 0;
    int m_blocksPerRow = kDefaultBlocksPerRow;
    int m_blockWidth = kDefaultBlockWidth;
    int m_leftEdge = -1;
    int m_rightEdge = -1;
};

} // namespace qor
