#include "users/UserScores.h"

#include <algorithm>

namespace qor {

int HistoryScore(std::string_view scores) {
    // Even a damaged record of many characters cannot overflow: each adds at most 190.
    std::int64_t sum = 0;
    for (char c : scores)
        sum += static_cast<unsigned char>(c) - kScoreCharOffset;
    return static_cast<int>(std::clamp<std::int64_t>(sum, -kScoreLimit, kScoreLimit));
}

int ModeWeight(std::string_view modes) {
    if (modes.empty())
        return 100;
    int weight = 0;
    for (char c : modes) {
        switch (c) {
        case 'e':
            weight += 20;
            break;
        case 'm':
            weight += 12;
            break;
        case 'v':
            weight += 8;
            break;
        default:
            weight += 10;
            break;
        }
    }
    return weight;
}

int RelativeScore(std::string_view scores, std::string_view modes) {
    std::int64_t relative = RoundedQuotient(std::int64_t{HistoryScore(scores)} * 100, ModeWeight(modes));
    return static_cast<int>(std::clamp<std::int64_t>(relative, -kScoreLimit, kScoreLimit));
}

int HistogramBin(int score) {
    int clamped = std::clamp(score, -kScoreLimit, kScoreLimit);
    return (clamped * kHistogramBins + 2100) / 201;
}

char ScoreChar(int change) {
    int code = std::clamp(change, kLowestScoreChange, 255 - kScoreCharOffset) + kScoreCharOffset;
    return static_cast<char>(static_cast<unsigned char>(code));
}

std::int64_t RoundedQuotient(std::int64_t numerator, std::int64_t denominator) {
    if (denominator == 0)
        return 0;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    if (numerator >= 0)
        return (2 * numerator + denominator) / (2 * denominator);
    return -((2 * -numerator + denominator) / (2 * denominator));
}

} // namespace qor
