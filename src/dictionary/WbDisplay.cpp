#include "dictionary/WbDisplay.h"

#include "dictionary/TXDBEintrag.h"
#include "dictionary/TXDatabase.h"
#include "platform/Cp1252.h"

namespace qor {

namespace {

constexpr int kGridPanelLeft = 240;
constexpr int kGridMargin = 14;
constexpr int kNumberWidth = 20;
constexpr int kClassWidth = 57;
constexpr int kFixedColumns = 97; // number and class columns with the grid's lines

} // namespace

std::string WbCaption(const TXDatabase& dictionary) {
    return std::string("qor französisch ("_cp) + std::to_string(dictionary.Count()) + ")";
}

std::string WbResultCountText(int count) {
    return std::to_string(count) + std::string(" Einträge gefunden."_cp);
}

std::vector<WbRow> WbResultRows(const TXDatabase& dictionary) {
    std::vector<WbRow> rows;
    for (int i = 0; i < dictionary.ResultCount(); ++i) {
        const TXDBEintrag& entry = dictionary.Result(i);
        rows.push_back({std::to_string(i + 1), entry.Vokabel, entry.Bedeutung,
                        std::string(WordClassShortName(entry.Wortart))});
    }
    if (rows.empty())
        rows.emplace_back();
    return rows;
}

const std::string& WbFrenchText(const WbRow& row, bool germanFrench) {
    return germanFrench ? row.bedeutung : row.vokabel;
}

int WbGridWidth(int clientWidth) {
    return clientWidth - kGridPanelLeft - kGridMargin;
}

std::array<int, 4> WbColumnWidths(int gridWidth) {
    const int headword = (gridWidth - kFixedColumns) * 10 / 24;
    return {kNumberWidth, headword, gridWidth - headword - kFixedColumns, kClassWidth};
}

} // namespace qor
