#pragma once
// One sentence-building task: the parts of a sentence in the order the learner has put them, and
// the sentence as written (the solution). The page draws each part's text into its bitmap.

#include "page/controls/TaskRect.h"
#include "page/render/TXBitmap.h"
#include "page/render/TXBitmapList.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

class tSatzteilListe {
public:
    using Rect = TaskRect;

    struct Part {
        Rect rect;
        std::string text;
        int bitmap = -1;
    };

    static constexpr char kSeparator = '/';
    static constexpr int kFirstPartWidth = 100; // until the page has drawn the texts
    static constexpr int kFirstPartPitch = 116;
    static constexpr int kPartGap = 3;

    // Splits `text` at "/" into its parts and places them from the sentence's left edge.
    tSatzteilListe(const Rect& rect, std::string_view text);

    const Rect& Bounds() const { return m_rect; }
    const std::string& Solution() const { return m_solution; }
    int PartCount() const { return static_cast<int>(m_parts.size()); }
    const Part& PartAt(int position) const { return m_parts[static_cast<std::size_t>(position)]; }
    const std::vector<Part>& Parts() const { return m_parts; }
    TXBitmap& Bitmap(int index) { return m_bitmaps.At(index); }
    const TXBitmap& Bitmap(int index) const { return m_bitmaps.At(index); }

    // The position of the first part containing (x, y), or -1.
    int PartAtPoint(int x, int y) const;
    void SwapParts(int i, int j);
    // Places the parts side by side in their current order, each as wide as its bitmap.
    void LayOut();
    // Shuffles the parts (for i from 0 to n - 1: a = RandomBelow(n); swap i and a when they differ)
    // and lays the sentence out again.
    void Shuffle();
    // True when the parts in their current order read as the sentence was written.
    bool Solved() const;

private:
    bool ValidPosition(int position) const { return position >= 0 && position < PartCount(); }

    Rect m_rect;
    std::string m_solution;
    std::vector<Part> m_parts;
    TXBitmapList m_bitmaps; // one per part, in the written order
};

} // namespace qor
