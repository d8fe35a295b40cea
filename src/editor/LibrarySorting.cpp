#include "editor/LibrarySorting.h"

#include "vocab/LibraryOrder.h"
#include "vocab/TBibliothek.h"

namespace qor {

int SortFrenchFirst(TBibliothek& library) {
    const int blank = library.FirstInnerBlank();
    if (blank >= 0)
        return blank;
    SortFrenchBlockFirst(library);
    return -1;
}

} // namespace qor
