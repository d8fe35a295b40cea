#pragma once
// "Bibliothek sortieren": French entries first, then German ones, each block in the library's order.

namespace qor {

class TBibliothek;

// The index of a blank entry that a non-blank one follows (the sort refuses such a library, since
// the blank entry would vanish among the others), or -1 after sorting.
int SortFrenchFirst(TBibliothek& library);

} // namespace qor
