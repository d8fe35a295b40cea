#include "page/controls/tSatzbauListe.h"

#include <algorithm>

namespace qor {

void tSatzbauListe::Clear() {
    m_sentences.clear();
    m_currentSentence = -1;
    m_currentPart = -1;
    m_snapped = true;
    m_dragWidth = 0;
}

int tSatzbauListe::AddSentence(const Rect& rect, std::string_view text) {
    m_sentences.push_back(std::make_unique<tSatzteilListe>(rect, text));
    return SentenceCount() - 1;
}

void tSatzbauListe::DeleteCurrentSentence() {
    if (ValidSentence(m_currentSentence)) {
        m_sentences.erase(m_sentences.begin() + m_currentSentence);
    }
    m_currentSentence = -1;
}

tSatzbauListe::HitResult tSatzbauListe::Hit(int x, int y) {
    for (int s = 0; s < SentenceCount(); ++s) {
        const tSatzteilListe& sentence = Sentence(s);
        const int part = sentence.PartAtPoint(x, y);
        if (part >= 0) {
            m_dragWidth = sentence.PartAt(part).rect.Width();
            return HitResult{s, part};
        }
    }
    return HitResult{};
}

tSatzbauListe::SnapResult tSatzbauListe::Snap(int x, int y, int offsetY, int offsetX) {
    SnapResult result{-1, x, y};
    m_snapped = false;
    if (!ValidSentence(m_currentSentence)) {
        return result;
    }
    const tSatzteilListe& sentence = Sentence(m_currentSentence);
    if (y < sentence.Bounds().top || y > sentence.Bounds().bottom) {
        return result;
    }
    for (int p = 0; p < sentence.PartCount(); ++p) {
        const Rect& part = sentence.PartAt(p).rect;
        // A narrower part than the dragged one only takes the drop over its own width.
        const int w = std::min(m_dragWidth, part.Width());
        int snappedX = 0;
        if (p > m_currentPart) {
            // Slots after the dragged part: the dragged part lines up with the slot's right edge.
            if (x < part.right - w - kSnapTolerance || x > part.right + kSnapTolerance) {
                continue;
            }
            snappedX = offsetX + part.right - w;
        } else {
            if (x < part.left - kSnapTolerance || x > part.left + w + kSnapTolerance) {
                continue;
            }
            snappedX = offsetX + part.left;
        }
        m_snapped = true;
        return SnapResult{p, snappedX, offsetY + part.top};
    }
    return result;
}

void tSatzbauListe::SwapParts(int sentence, int i, int j) {
    if (ValidSentence(sentence)) {
        Sentence(sentence).SwapParts(i, j);
    }
}

void tSatzbauListe::LayOut(int sentence) {
    if (ValidSentence(sentence)) {
        Sentence(sentence).LayOut();
    }
}

void tSatzbauListe::Shuffle() {
    for (auto& sentence : m_sentences) {
        sentence->Shuffle();
    }
}

bool tSatzbauListe::Solved(int sentence) const {
    return ValidSentence(sentence) && Sentence(sentence).Solved();
}

tSatzbauListe::SnapResult tSatzbauListe::Reorder(int x, int y, int offsetY, int offsetX) {
    const SnapResult result = Snap(x, y, offsetY, offsetX);
    if (result.position >= 0 && result.position != m_currentPart) {
        SwapParts(m_currentSentence, m_currentPart, result.position);
        LayOut(m_currentSentence);
        m_currentPart = result.position;
    }
    return result;
}

} // namespace qor
