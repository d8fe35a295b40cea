#pragma once
// Which library entry the presentation shows next: forward and backward walk the query's range
// round and round; random draws from first..last-1 and keeps clear of the entries drawn lately.

#include "app/super/SuperColours.h"

#include <deque>

namespace qor {

struct SuperEntryRange {
    int modus = 0; // QueryModus
    int first = 0;
    int last = 0;
};

class SuperEntryChooser {
public:
    SuperEntryChooser(SuperEntryRange range, RandomDraw random);

    int Next();
    int Current() const { return m_current; }
    const std::deque<int>& Recent() const { return m_recent; }

private:
    SuperEntryRange m_range;
    RandomDraw m_random;
    int m_current = -1;
    std::deque<int> m_recent;
};

} // namespace qor
