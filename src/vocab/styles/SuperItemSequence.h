#pragma once
// The items the typewriter and the picture show present: a headword ("*" + Vokabel), then its
// meaning (Bedeutung0), then the next entry's headword. Which entry comes next follows the query's
// mode: forward and backward walk the range round and round, random draws without repeating the
// recently drawn entries.

#include <deque>
#include <functional>
#include <string>
#include <string_view>

namespace qor {

class TBibliothek;

struct SuperItem {
    std::string text;
    std::string recording; // resolved recording file, empty without one or without speech
    bool headword = false;
};

// The recording of a text (the word playback service), or empty.
using FindRecording = std::function<std::string(std::string_view text)>;

struct SuperItemRange {
    int modus = 0; // QueryModus
    int von = 0;   // -1: the first entry
    int bis = -1;  // -1: the last entry
};

class SuperItemSequence {
public:
    // `findRecording` is asked only when `speech` is on. The library must outlive the sequence.
    SuperItemSequence(const TBibliothek& library, SuperItemRange range, bool speech,
                      FindRecording findRecording);

    SuperItem Next();
    // The library index of the entry shown last; -1 before the first headword.
    int Index() const { return m_index; }

private:
    void AdvanceIndex();

    const TBibliothek& m_library;
    SuperItemRange m_range;
    bool m_speech = false;
    FindRecording m_findRecording;
    int m_index = -1;
    bool m_meaningTurn = false;
    std::deque<int> m_recent;
};

} // namespace qor
