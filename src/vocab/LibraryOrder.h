#pragma once
// "Bibliothek sortieren": the French entries first, then the German ones, each block in the
// library's order. The editor refuses a library with a blank entry among the others first; the
// settings window sorts it as it is.

namespace qor {

class TBibliothek;

void SortFrenchBlockFirst(TBibliothek& library);

} // namespace qor
