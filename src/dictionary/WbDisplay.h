#pragma once
// What the dictionary window shows of the dictionary: its caption, the result grid's rows and
// count, and the grid's column widths. The window only puts these into its widgets.

#include <array>
#include <string>
#include <vector>

namespace qor {

class TXDatabase;

// "qor französisch (37272)": the number of entries of the current half.
std::string WbCaption(const TXDatabase& dictionary);

// "3 Einträge gefunden." — the window says "Einträge" for one and none too.
std::string WbResultCountText(int count);

struct WbRow {
    std::string number; // "1", "2", … (empty in the blank row)
    std::string vokabel;
    std::string bedeutung;
    std::string wortart; // the short word-class name
    bool operator==(const WbRow&) const = default;
};

// The grid's rows below its header: one per result, or one blank row when there is none.
std::vector<WbRow> WbResultRows(const TXDatabase& dictionary);

// The French text of a row, which its double click plays: the meaning in the German-French half,
// the headword in the French-German half.
const std::string& WbFrenchText(const WbRow& row, bool germanFrench);

// The grid's client width for the window's client width, and its four column widths.
int WbGridWidth(int clientWidth);
std::array<int, 4> WbColumnWidths(int gridWidth);

} // namespace qor
