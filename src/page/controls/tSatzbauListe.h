#pragma once
// The sentence-building tasks of a page. The learner drags a part of a sentence; while it moves,
// the part is pushed past its neighbours whenever the pointer passes another part's slot.
//
// The page drives a drag like this: Hit on mouse down (then SetCurrent with its result), Reorder on
// every move, Solved after the drop, DeleteCurrentSentence once a solved sentence is closed up.

#include "page/controls/tSatzteilListe.h"

#include <memory>
#include <string_view>
#include <vector>

namespace qor {

class tSatzbauListe {
public:
    using Rect = tSatzteilListe::Rect;

    struct HitResult {
        int sentence = -1;
        int part = -1; // position of the part in its sentence's current order
        bool operator==(const HitResult&) const = default;
    };

    struct SnapResult {
        int position = -1; // the part position the drag snapped to, or -1
        int x = 0;         // the pointer position that puts the part onto that position
        int y = 0;
    };

    static constexpr int kSnapTolerance = 4;

    void Clear();
    // Adds a sentence whose parts are separated by "/"; returns its index.
    int AddSentence(const Rect& rect, std::string_view text);
    // Removes the sentence being dragged from (after it was solved); no sentence is current then.
    void DeleteCurrentSentence();

    int SentenceCount() const { return static_cast<int>(m_sentences.size()); }
    tSatzteilListe& Sentence(int index) { return *m_sentences[static_cast<std::size_t>(index)]; }
    const tSatzteilListe& Sentence(int index) const { return *m_sentences[static_cast<std::size_t>(index)]; }

    // The sentence and part under (x, y); the first hit in list order wins. A hit records the part's
    // width as the drag width.
    HitResult Hit(int x, int y);
    // Snaps the pointer position (x, y) onto a part position of the current sentence. The offsets
    // are the grab point inside the dragged part. Sets Snapped().
    SnapResult Snap(int x, int y, int offsetY, int offsetX);
    void SwapParts(int sentence, int i, int j);
    void LayOut(int sentence);
    // Every sentence is shuffled and laid out again.
    void Shuffle();
    bool Solved(int sentence) const;

    // One move of a drag: snaps, and when the snapped position differs from the dragged part's,
    // swaps the two, lays the sentence out again and makes the snapped position the dragged one.
    // The page redraws the sentence when `position` differs from the current part it had before.
    SnapResult Reorder(int x, int y, int offsetY, int offsetX);

    int CurrentSentence() const { return m_currentSentence; }
    int CurrentPart() const { return m_currentPart; }
    void SetCurrent(int sentence, int part) {
        m_currentSentence = sentence;
        m_currentPart = part;
    }
    bool Snapped() const { return m_snapped; }
    int DragWidth() const { return m_dragWidth; }

private:
    bool ValidSentence(int index) const { return index >= 0 && index < SentenceCount(); }

    // Owned through pointers so that a sentence the page holds on to keeps its address.
    std::vector<std::unique_ptr<tSatzteilListe>> m_sentences;
    int m_currentSentence = -1;
    int m_currentPart = -1;
    bool m_snapped = true;
    int m_dragWidth = 0;
};

} // namespace qor
