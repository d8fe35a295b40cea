#pragma once
// The selection window's side of the choice: the verb list shows one line per verb with an
// infinitive, marked on ("§") or off ("$"), and the tenses are check boxes; from those the "+"/"-"
// texts the trainer keeps are built again.

#include "vocab/verbs/VerbTable.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The list lines and, for each line, the verb's position in the table (verbs without an
// infinitive have no line, so the two differ).
struct VerbMarkList {
    std::vector<std::string> lines;
    std::vector<int> verbs;
};

VerbMarkList VerbMarkLines(const std::vector<TVerb>& table, std::string_view verbText);
// A verb text of `verbCount` characters: "+" for the verbs whose line is marked on.
std::string VerbTextFromMarks(const std::vector<std::string>& lines, const std::vector<int>& verbs,
                              int verbCount);
int MarkedOnCount(const std::vector<std::string>& lines);
void MarkAll(std::vector<std::string>& lines, bool on);

// One tense box as the window shows it: a box without a caption stays hidden, and a hidden box
// never chooses its tense, whatever it holds.
struct TenseBox {
    std::string caption;
    bool ticked = false;
    bool Shown() const { return !caption.empty(); }
};
using TenseBoxes = std::array<TenseBox, kTenseCount>;

// `captions` by tense; missing ones are empty.
TenseBoxes TenseBoxesFor(std::string_view tenseText, const std::vector<std::string>& captions);
// The trainer's tense names as captions.
std::vector<std::string> TenseCaptions();
std::string TenseTextFromBoxes(const TenseBoxes& boxes);

} // namespace qor
