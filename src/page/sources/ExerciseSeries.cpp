#include "page/sources/ExerciseSeries.h"

#include "platform/Random.h"

#include <algorithm>
#include <vector>

namespace qor {

void ExerciseSeries::Start(int count) {
    m_requested = count;
    m_recent.clear();
}

void ExerciseSeries::Load(ExerciseFile file) {
    m_file = std::move(file);
    m_remaining = m_requested != -1 ? m_requested : m_file.count;
    m_requested = -1;
}

std::size_t ExerciseSeries::Next() {
    --m_remaining;
    const std::size_t itemCount = m_file.items.size();
    const auto shownRecently = [this](std::size_t item) {
        return std::find(m_recent.begin(), m_recent.end(), item) != m_recent.end();
    };
    // A file with fewer items than the series asks for would leave nothing to draw: the oldest
    // shown items become drawable again, one by one, until one is free.
    std::vector<std::size_t> free;
    for (;;) {
        free.clear();
        for (std::size_t item = 0; item < itemCount; ++item) {
            if (!shownRecently(item))
                free.push_back(item);
        }
        if (!free.empty() || m_recent.empty())
            break;
        m_recent.pop_front();
    }
    // Drawing among the free items is the same as drawing among all until a free one comes up,
    // without the unbounded loop.
    const std::size_t item = free[static_cast<std::size_t>(RandomBelow(static_cast<int>(free.size())))];
    m_recent.push_back(item);
    if (m_recent.size() > kRecentLimit)
        m_recent.pop_front();
    return item;
}

} // namespace qor
