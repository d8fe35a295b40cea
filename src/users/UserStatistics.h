#pragma once
// The figures and histograms of the evaluation pages, computed from a learner's records.

#include "users/TXUserVoc.h"
#include "users/UserScores.h"

#include <array>
#include <cstdint>
#include <vector>

namespace qor {

// Which histogram; the numbers are the main window's picture codes "absolut", "relativ",
// "deutsch" and "fremd".
enum class HistogramKind : int {
    Absolut = 0, // absolute scores of all records
    Relativ = 1, // relative scores of all records
    Deutsch = 2, // absolute scores of the "<" records
    Fremd = 3,   // absolute scores of the ">" records
};
inline constexpr int kHistogramCount = 4;

using ScoreHistogram = std::array<std::int32_t, kHistogramBins>;

struct UserStatistics {
    std::array<ScoreHistogram, kHistogramCount> histograms{};
    std::int32_t recordCount = 0;
    std::int32_t averageAbsolute = 0; // integer averages, truncated toward zero
    std::int32_t averageRelative = 0;
    std::int32_t averageDeutsch = 0; // of the "<" records
    std::int32_t averageFremd = 0;   // of the ">" records
    std::int32_t countDeutsch = 0;
    std::int32_t countFremd = 0;
    std::int32_t shareTyping = 0; // percent of all stored mode characters, to the nearest integer
    std::int32_t shareMultipleChoice = 0;
    std::int32_t shareLasVegas = 0;

    const ScoreHistogram& HistogramOf(HistogramKind kind) const { return histograms[static_cast<int>(kind)]; }
};

UserStatistics ComputeUserStatistics(const std::vector<TXUserVoc>& records);

} // namespace qor
