#include "page/controls/tSatzteilListe.h"

#include "platform/Random.h"

#include <utility>

namespace qor {

tSatzteilListe::tSatzteilListe(const Rect& rect, std::string_view text) : m_rect(rect) {
    int x = rect.left;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(kSeparator, start);
        const std::string_view piece = text.substr(start, end == std::string_view::npos ? end : end - start);
        Part part;
        part.rect = Rect{x, rect.top, x + kFirstPartWidth, rect.bottom};
        part.text = std::string(piece);
        part.bitmap = m_bitmaps.Add(TXBitmap(kFirstPartWidth, rect.Height()));
        m_solution += part.text;
        m_parts.push_back(std::move(part));
        x += kFirstPartPitch;
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
}

int tSatzteilListe::PartAtPoint(int x, int y) const {
    for (std::size_t i = 0; i < m_parts.size(); ++i) {
        if (m_parts[i].rect.Contains(x, y)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void tSatzteilListe::SwapParts(int i, int j) {
    if (ValidPosition(i) && ValidPosition(j)) {
        std::swap(m_parts[static_cast<std::size_t>(i)], m_parts[static_cast<std::size_t>(j)]);
    }
}

void tSatzteilListe::LayOut() {
    int x = m_rect.left;
    for (Part& part : m_parts) {
        part.rect.left = x;
        part.rect.right = x + m_bitmaps.At(part.bitmap).Width();
        x = part.rect.right + kPartGap;
    }
}

void tSatzteilListe::Shuffle() {
    const int count = PartCount();
    for (int i = 0; i < count; ++i) {
        const int a = RandomBelow(count);
        if (a != i) {
            SwapParts(i, a);
        }
    }
    LayOut();
}

bool tSatzteilListe::Solved() const {
    std::string joined;
    for (const Part& part : m_parts) {
        joined += part.text;
    }
    return joined == m_solution;
}

} // namespace qor
