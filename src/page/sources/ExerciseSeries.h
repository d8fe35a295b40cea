#pragma once
// Which exercise item comes next: a series asks a number of items of one exercise file in random
// order and avoids the ones shown recently.

#include "page/sources/ExerciseFile.h"

#include <deque>

namespace qor {

class ExerciseSeries {
public:
    static constexpr std::size_t kRecentLimit = 20;

    // An "EX" command starts a series: `count` items (-1: as many as the file says); the recently
    // shown items are forgotten.
    void Start(int count);
    // Takes the items of a freshly read file. The count of the command that opened it wins over
    // the file's; it is used up here, so a file opened later without a command asks its own count.
    void Load(ExerciseFile file);

    bool HasItems() const { return !m_file.items.empty(); }
    // Counts one item down and draws an item that was not shown recently; needs HasItems().
    std::size_t Next();
    // Items still to ask after the one shown; "#next" offers another while this is at least 1.
    int Remaining() const { return m_remaining; }

    const ExerciseFile& File() const { return m_file; }
    const std::deque<std::size_t>& Recent() const { return m_recent; }

private:
    ExerciseFile m_file;
    int m_requested = -1;
    int m_remaining = -1;
    std::deque<std::size_t> m_recent; // oldest first
};

} // namespace qor
