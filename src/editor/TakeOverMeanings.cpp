#include "editor/TakeOverMeanings.h"

#include "vocab/VocText.h"

#include <vector>

namespace qor {

namespace {

// The pieces from `first` on joined with "; " (empty when there are none).
std::string JoinFrom(const std::vector<std::string>& pieces, std::size_t first) {
    std::string joined;
    for (std::size_t i = first; i < pieces.size(); ++i) {
        if (i > first)
            joined += "; ";
        joined += pieces[i];
    }
    return joined;
}

} // namespace

MeaningFields TakeOverMeanings(const MeaningFields& fields, std::string_view source) {
    std::vector<std::string> pieces = vocab::SplitMeaningList(source);
    if (pieces.empty())
        pieces.emplace_back();
    const std::string& p0 = pieces[0];
    const std::string allButFirst = JoinFrom(pieces, 1);
    const std::string allButTwo = JoinFrom(pieces, 2);
    const std::string firstTwo = pieces.size() > 1 ? p0 + "; " + pieces[1] : p0;

    MeaningFields result = fields;
    if (fields.first != p0) {
        if (pieces.size() == 1 || fields.first != firstTwo) {
            result = {p0, allButFirst};
        } else if (fields.further != allButTwo) {
            result.further = allButTwo;
        } else {
            result = {p0, allButFirst};
        }
    } else if (fields.further != allButFirst || allButFirst.empty()) {
        result.further = allButFirst;
    } else {
        result = {firstTwo, allButTwo};
    }
    return result;
}

std::string WithoutOuterSeparators(std::string_view text) {
    if (text.starts_with("; "))
        text.remove_prefix(2);
    if (text.ends_with("; "))
        text.remove_suffix(2);
    return std::string(text);
}

} // namespace qor
