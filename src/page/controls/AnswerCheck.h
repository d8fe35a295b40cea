#pragma once
// How a gap edit judges an answer that is not exactly right: the letters a typed text has in
// common with a solution, whether that makes it "almost right", which letters are then marked
// wrong and where the caret goes; and the help mask that shows a solution partly hidden.
// These rules decide whether a learner's answer counts, so they live apart from the drawing.

#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The longest run of characters of `a`, taken in order from one of the first
// min(length(b) / 2, 5) start positions, each found in `b` within four characters of the previous
// find.
std::string GreedyMatch(std::string_view a, std::string_view b);

// Common prefix + best greedy middle + common suffix of a typed text and a solution.
std::string CommonLetters(std::string_view text, std::string_view solution);

// Whether a text of length `textLength` with `commonLength` letters in common with a solution of
// length `solutionLength` is close enough to count as almost right.
bool QualifiesAsAlmostRight(int textLength, int solutionLength, int commonLength);

struct AlmostRightMatch {
    int solution = -1; // index into the solutions, -1: none qualifies
    std::string commonLetters;
    bool Found() const { return solution >= 0; }
};

// The qualifying solution with the most common letters (the first on ties).
AlmostRightMatch FindAlmostRight(std::string_view text, const std::vector<std::string>& solutions);

struct AlmostRightMarking {
    std::string farbe; // one flag per character of the text: '0' black (right), '1' red
    int caret = 1;     // 1-based
};

// Flags the letters of `commonLetters` black in order of appearance and everything else red, and
// puts the caret at the first difference (after it when only the accent differs, so F1 fixes it).
AlmostRightMarking MarkAlmostRight(std::string_view text, std::string_view solution,
                                   std::string_view commonLetters);

// The solution with its letters hidden behind "_": the first and (from length 4) the last letter
// stay, so do blanks and ! ' , - . ?, and from the fifth letter on one in five at random
// (RandomBelow(5) == 3).
std::string HelpMask(std::string_view solution);

} // namespace qor
