#include "vocab/styles/SuperItemSequence.h"

#include "platform/Random.h"
#include "vocab/TBibliothek.h"
#include "vocab/TVocEinstellungen.h"

#include <algorithm>

namespace qor {

SuperItemSequence::SuperItemSequence(const TBibliothek& library, SuperItemRange range, bool speech,
                                     FindRecording findRecording)
    : m_library(library), m_range(range), m_speech(speech), m_findRecording(std::move(findRecording)) {
    if (m_range.von < 0)
        m_range.von = 0;
    if (m_range.bis < 0)
        m_range.bis = std::max(0, library.Count() - 1);
    if (m_range.bis < m_range.von)
        m_range.bis = m_range.von;
}

void SuperItemSequence::AdvanceIndex() {
    const int von = m_range.von;
    const int bis = m_range.bis;
    switch (m_range.modus) {
    case kModusRueckwaerts:
        m_index = (m_index < 0 || m_index == von) ? bis : m_index - 1;
        break;
    case kModusKreuzUndQuer: {
        // Draws from von..bis-1, as the options always have; the memory stays one short of that
        // span, so a free index always remains and a one-entry range simply gives that entry.
        const int span = bis - von;
        const std::size_t keep = static_cast<std::size_t>(std::min(20, span));
        int index = von;
        do {
            index = von + RandomBelow(span);
        } while (std::find(m_recent.begin(), m_recent.end(), index) != m_recent.end());
        m_index = index;
        m_recent.push_back(index);
        while (!m_recent.empty() && m_recent.size() >= keep)
            m_recent.pop_front();
        break;
    }
    default:
        m_index = (m_index < 0 || m_index == bis) ? von : m_index + 1;
        break;
    }
}

SuperItem SuperItemSequence::Next() {
    SuperItem item;
    if (m_meaningTurn) {
        item.text = m_library.Bedeutung(m_index, 0);
    } else {
        AdvanceIndex();
        item.text = "*" + m_library.Vokabel(m_index);
        item.headword = true;
    }
    m_meaningTurn = !m_meaningTurn;
    if (m_speech && m_findRecording)
        item.recording = m_findRecording(item.headword ? m_library.Vokabel(m_index) : item.text);
    return item;
}

} // namespace qor
