#pragma once
// What the vocabulary trainer's settings window shows, as plain rules: the list and range lines,
// the counter, the slider ranges and labels, the activity display and the library's figures for
// its information window. The window only puts these texts and states into its controls.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qor {

class TBibliothek;
struct TVokabel;

// "§" (German entry) or "$" (French) + headword; with a score, "&" + score + "%" follows, which
// the list draws right-aligned.
std::string OptionsListLine(const TVokabel& entry, bool withScore);
std::vector<std::string> OptionsListLines(const TBibliothek& library, bool withScores);

// The range lists' items: number from 1 + three blanks + headword.
std::vector<std::string> RangeItems(const TBibliothek& library);

std::string CounterText(int count, bool loggedIn, int averageScore);

struct ProRundeRange {
    int minimum = 5;
    int maximum = 6;
    bool enabled = false;
};
// The slider counts questions per round only for random rounds of a library that has entries.
ProRundeRange TrackProRundeRange(int count, int modus);

struct RangeSelection {
    int von = 0;
    int bis = -1;
    bool enabled = false;
};
// Which range items the lists select for the stored `von` and `bis` (-1 for none when empty).
RangeSelection SelectRange(int von, int bis, int itemCount);

// After the learner picked one end of the range: an end before the start exchanges the two.
RangeSelection OrderedRange(int von, int bis);

struct ActivityDisplay {
    bool ok = false;
    std::int32_t colour = 0; // Windows colour value
    std::string text;
};
ActivityDisplay Activity(int active, int modus, int proRunde);

// The explanation under the score limit (MaxScore, -100..100).
std::string ScoreExplanation(int maxScore);
std::string PercentText(int value);

struct MultipleChoiceLabels {
    std::string multipleChoice;
    std::string typed;
};
MultipleChoiceLabels MultipleChoiceTexts(int percentage);

// One column of the library's information window.
struct BInfoCounts {
    std::array<int, 6> wortarten{};
    int total = 0; // the sum of the word classes 0..5
    int withContext = 0;
    std::array<int, 5> difficulties{};
    bool operator==(const BInfoCounts&) const = default;
};
struct BInfoTable {
    BInfoCounts franzoesischDeutsch; // entries with a French headword
    BInfoCounts deutschFranzoesisch;
};
BInfoTable CountLibraryInfo(const TBibliothek& library);

} // namespace qor
