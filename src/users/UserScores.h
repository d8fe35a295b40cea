#pragma once
// How a vocabulary's answer history turns into scores. Each answer leaves one character in the
// record: its score change plus 65 ("A" = 0), and one mode character ('e' typed, 'm' multiple
// choice, 'v' "Las Vegas"). Easy modes weigh less, so the relative score compares a learner's
// results with what the same modes could have earned at most.

#include <cstdint>
#include <string_view>

namespace qor {

inline constexpr int kScoreCharOffset = 65;
inline constexpr int kScoreLimit = 100;
inline constexpr int kLowestScoreChange = '!' - kScoreCharOffset; // -32
inline constexpr int kHistogramBins = 21;

// The sum of the score changes of `scores`, clamped to -100..100.
int HistoryScore(std::string_view scores);
// 100 for no modes, else 20 per 'e', 12 per 'm', 8 per 'v' and 10 per other character.
int ModeWeight(std::string_view modes);
// HistoryScore × 100 / ModeWeight to the nearest integer, clamped to -100..100.
int RelativeScore(std::string_view scores, std::string_view modes);
// The histogram bin (0..20) of a score of -100..100.
int HistogramBin(int score);

// The score character of one answer. Changes are clamped to -32..190 so the character stays above
// the blank: the file reader trims blanks and control characters (and a zero would end the string
// early), and a wrapped byte would turn a heavy penalty into a reward. Five answers of -32 already
// reach the lowest score, so nothing is lost.
char ScoreChar(int change);

// numerator / denominator to the nearest integer, halves away from zero; 0 when denominator is 0.
std::int64_t RoundedQuotient(std::int64_t numerator, std::int64_t denominator);

} // namespace qor
