#pragma once
// Meanings of dictionary and library entries as a page shows them: the meanings separated by "; ",
// each bracketed comment set in front of its meaning, each meaning with a recording as a link.

#include "app/AppSettings.h"
#include "app/RecordingIndex.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

enum class MeaningMarkup { Plain, Styled };

// One meaning taken apart: a comment in square brackets (with its brackets) that started or ended it,
// and the rest.
struct MeaningPiece {
    std::string comment;
    std::string text;
};

// Splits at each ";" (dropping it and the one character after it), trims each piece on the right
// and takes out its comment.
std::vector<MeaningPiece> SplitMeanings(std::string_view entryText);

// Styled: "<+kommentar>" + comment + "<+normal> " in front of a commented meaning; plain: " " +
// comment + " ". A meaning whose recording resolves to an existing file becomes
// `<a href="` + file + `" >` + meaning + `</a>`.
std::string FormatMeanings(std::string_view entryText, MeaningMarkup markup, const RecordingIndex& index,
                           const AppSettings& settings);
std::string FormatMeanings(std::string_view entryText, MeaningMarkup markup);

} // namespace qor
