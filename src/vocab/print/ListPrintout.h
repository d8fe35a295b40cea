#pragma once
// The library as a numbered list: a header band on every page, one block of lines per entry
// (headword, word class and contexts on the left, meanings on the right), even entries shaded on
// printers that can shade finely.

#include <string>
#include <vector>

namespace qor {

class PrintJobs;
class PrintSurface;
class TBibliothek;
struct TVokabel;

struct TPrintVoc {
    std::vector<std::string> vokabel;   // up to 3 lines
    std::vector<std::string> bedeutung; // up to 5 lines
    std::vector<std::string> kontext0;  // up to 5 lines each, none for an empty context
    std::vector<std::string> kontext1;
    int height = 0;            // in lines
    int firstLine = 0;         // on its page
    int usedUnderHeadword = 0; // context lines printed under the headword
    int afterHeadword = 0;     // x right after the last headword line
};

namespace list_printout {
inline constexpr int kLineDistance = 44;
inline constexpr int kFontHeight = 33;
inline constexpr int kHeadwordX = 290;
inline constexpr int kHeadwordWidth = 860;
inline constexpr int kMeaningX = 1250;
inline constexpr int kContextX = 340;
inline constexpr int kContextWidth = 810;
inline constexpr int kWortartLimit = 1200;
inline constexpr int kNumberEnd = 250;
inline constexpr int kShadeLeft = 270;
inline constexpr int kFirstLineY = -160;
inline constexpr int kFineDotsPerInch = 300; // above this in both directions: black header, shading
inline constexpr int kShade = 0xEEEEEE;
} // namespace list_printout

// Lines a page holds.
int ListLinesPerPage(int pageHeight);
// "N.", "V.", "Adj.", "kl. W.", "Rw. m. V.", "Rw. o. V."; empty for another number.
std::string ListWortartAbbreviation(int wortart);
// Wraps the entry's texts with the surface's fonts; `firstLine` is left at 0.
TPrintVoc MeasureListEntry(const TVokabel& entry, PrintSurface& surface);
// The y of line `line` of a page.
inline int ListLineY(int line) {
    return -line * list_printout::kLineDistance + list_printout::kFirstLineY;
}

// Prints every entry onto `surface`, from its first page on, and returns the number of pages.
int PrintLibraryList(const TBibliothek& library, PrintSurface& surface);

// "Drucken...": the whole library as one job; an empty library is refused with a message.
void PrintList(const TBibliothek& library, PrintJobs& jobs);

} // namespace qor
