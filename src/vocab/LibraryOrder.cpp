#include "vocab/LibraryOrder.h"

#include "vocab/TBibliothek.h"

namespace qor {

void SortFrenchBlockFirst(TBibliothek& library) {
    const int count = library.Count();
    const int german = library.CountWithDirection(true);
    const int french = count - german;
    if (german > 0 && french > 0) {
        // Each German entry in the French block swaps with the next French entry behind the block.
        int next = french;
        for (int i = 0; i < french; ++i) {
            if (!library.Deutsch(i))
                continue;
            while (next < count && library.Deutsch(next))
                ++next;
            if (next >= count)
                break;
            library.Exchange(i, next);
            ++next;
        }
    }
    if (french > 1)
        library.Sort(0, french - 1);
    if (german > 1)
        library.Sort(french, count - 1);
}

} // namespace qor
