#pragma once
// The texts the vocabulary query puts into its pages: question links, the display of an entry,
// gap sentences, the answer codes that come back from the pages, and the evaluation's bars.
// Everything here is a plain function of its arguments, so the pages' texts can be checked
// without running a query. Texts are Windows-1252.

#include "vocab/AcceptedAnswers.h"
#include "vocab/TVokabel.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The link path of a word's recording, or "" when there is none.
using RecordingLookup = std::function<std::string(std::string_view text)>;

// Accepted answers as a gap field's solution list: "a; b; c".
std::string JoinAnswers(const std::vector<std::string>& answers);

// "Nomen" .. "Rw. ohne Verb"; empty for a number outside 0..5.
std::string_view WortartName(int wortart);
// "[Nomen]" .. "[Redewendung]" as the answer pages show it; empty outside 0..5.
std::string_view ClassTag(int wortart);

// The question pages link the word tightly; the answer pages leave a blank before "</a>".
enum class LinkEnd { Tight, Blank };

// `word` as a link to its recording, or the word alone when it has none. A German word never links
// to speech (the voice is French).
std::string RecordingLink(std::string_view word, const RecordingLookup& lookup, LinkEnd end, bool french = true);

// The answer pages' display of an entry: the word, its class and its meanings; French meanings are
// shown one by one, each with its remark in front and its own recording link.
std::string EntryDisplay(const TVokabel& entry, const RecordingLookup& lookup);

// The link of multiple-choice answer `k`: 0 is the right one, 1..5 are wrong and carry their text.
std::string ChoiceLink(const TVokabel& choice, int k);

// A context sentence split at its gap: the first "[" or "(" opens it, the last matching closer of
// the sentence closes it. `found` is false without a gap or when the closer stands before the opener.
struct GapSentence {
    bool found = false;
    std::string before;
    std::string gap;
    std::string after;
};
GapSentence FindGap(std::string_view context);

// What a gap question puts on its page.
struct GapQuestion {
    std::string aufgabe; // the sentence with the gap field
    std::string tip;     // the meaning, when the entry wants it shown with the sentence
    std::string context; // the sentence with the gap underlined
};
// `gap` must be found; a "*" in it stands for the entry's word. `draw` feeds the dotted hint.
GapQuestion MakeGapQuestion(const GapSentence& gap, const TVokabel& entry, bool showMeaning,
                            const RandomDraw& draw = {});

// The rest of a "vokabel" command.
struct AnswerCode {
    bool typed = false; // typed or gap answer; otherwise multiple choice
    bool right = false;
    // The chosen wrong multiple-choice answer ("[text]-"); empty for every other code.
    std::string wrongText;
};
AnswerCode ParseAnswerCode(std::string_view code);

// The score change sent to the learner's records; `wrongBefore` is the question's wrong counter
// before this answer.
int ScoreChange(const AnswerCode& answer, int wrongBefore);

// Whether a question is multiple choice: `draw` is uniform in 0..100, `percent` the setting.
bool AskMultipleChoice(int draw, int percent);

// `part` × 100 / `whole` (integer division), 0 when `whole` is 0 or less.
int PercentOf(int part, int whole);

// The evaluation page's bars; empty for a percentage of 0 or less.
std::string RoundBar(int percent);
std::string OverallBar(int percent);

} // namespace qor
