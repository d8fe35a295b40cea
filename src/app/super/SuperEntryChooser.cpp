#include "app/super/SuperEntryChooser.h"

#include "vocab/TVocEinstellungen.h"

#include <algorithm>

namespace qor {

SuperEntryChooser::SuperEntryChooser(SuperEntryRange range, RandomDraw random)
    : m_range(range), m_random(std::move(random)) {
    if (m_range.first < 0)
        m_range.first = 0;
    if (m_range.last < m_range.first)
        m_range.last = m_range.first;
}

int SuperEntryChooser::Next() {
    const int first = m_range.first;
    const int last = m_range.last;
    switch (m_range.modus) {
    case kModusRueckwaerts:
        m_current = (m_current < 0 || m_current <= first) ? last : m_current - 1;
        break;
    case kModusKreuzUndQuer: {
        // The list stays one short of the span drawn from, so a free index always remains.
        const int span = last - first;
        int index = first;
        do {
            index = first + m_random(span);
        } while (std::find(m_recent.begin(), m_recent.end(), index) != m_recent.end());
        m_current = index;
        m_recent.push_back(index);
        if (!m_recent.empty() && m_recent.size() >= static_cast<std::size_t>(std::min(20, span)))
            m_recent.pop_front();
        break;
    }
    default:
        m_current = (m_current < 0 || m_current >= last) ? first : m_current + 1;
        break;
    }
    return m_current;
}

} // namespace qor
