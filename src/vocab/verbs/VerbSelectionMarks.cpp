#include "vocab/verbs/VerbSelectionMarks.h"

#include "settings/TXListBoxModel.h"

#include <algorithm>

namespace qor {

namespace {

bool MarkedOn(std::string_view line) {
    return !line.empty() && line.front() == kListSignIcon1;
}

} // namespace

VerbMarkList VerbMarkLines(const std::vector<TVerb>& table, std::string_view verbText) {
    VerbMarkList list;
    const std::size_t limit = std::min(table.size(), static_cast<std::size_t>(kMaxVerbs));
    for (std::size_t i = 0; i < limit; ++i) {
        if (table[i].infinitive.empty())
            continue;
        const bool on = i < verbText.size() && verbText[i] == '+';
        list.lines.push_back((on ? kListSignIcon1 : kListSignIcon2) + table[i].infinitive);
        list.verbs.push_back(static_cast<int>(i));
    }
    return list;
}

std::string VerbTextFromMarks(const std::vector<std::string>& lines, const std::vector<int>& verbs,
                              int verbCount) {
    std::string text(static_cast<std::size_t>(std::max(verbCount, 0)), '-');
    const std::size_t count = std::min(lines.size(), verbs.size());
    for (std::size_t k = 0; k < count; ++k)
        if (MarkedOn(lines[k]) && verbs[k] >= 0 && verbs[k] < verbCount)
            text[static_cast<std::size_t>(verbs[k])] = '+';
    return text;
}

int MarkedOnCount(const std::vector<std::string>& lines) {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), MarkedOn));
}

void MarkAll(std::vector<std::string>& lines, bool on) {
    for (std::string& line : lines) {
        const std::string text = WithoutListSign(line);
        line = (on ? kListSignIcon1 : kListSignIcon2) + text;
    }
}

TenseBoxes TenseBoxesFor(std::string_view tenseText, const std::vector<std::string>& captions) {
    TenseBoxes boxes;
    for (std::size_t tense = 0; tense < boxes.size(); ++tense) {
        if (tense < captions.size())
            boxes[tense].caption = captions[tense];
        boxes[tense].ticked = tense < tenseText.size() && tenseText[tense] == '+';
    }
    return boxes;
}

std::vector<std::string> TenseCaptions() {
    std::vector<std::string> captions;
    for (int tense = 0; tense < kTenseCount; ++tense)
        captions.emplace_back(TenseName(tense));
    return captions;
}

std::string TenseTextFromBoxes(const TenseBoxes& boxes) {
    std::string text;
    for (const TenseBox& box : boxes)
        text += box.Shown() && box.ticked ? '+' : '-';
    return text;
}

} // namespace qor
