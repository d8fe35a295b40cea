#include "users/UserStatistics.h"

namespace qor {

namespace {

std::int32_t Average(std::int64_t sum, std::int64_t count) {
    return count == 0 ? 0 : static_cast<std::int32_t>(sum / count);
}

std::int32_t Share(std::int64_t count, std::int64_t total) {
    return static_cast<std::int32_t>(RoundedQuotient(count * 100, total));
}

} // namespace

UserStatistics ComputeUserStatistics(const std::vector<TXUserVoc>& records) {
    UserStatistics statistics;
    if (records.empty())
        return statistics;

    std::int64_t sumAbsolute = 0;
    std::int64_t sumRelative = 0;
    std::int64_t sumDeutsch = 0;
    std::int64_t sumFremd = 0;
    std::int64_t typing = 0;
    std::int64_t multipleChoice = 0;
    std::int64_t lasVegas = 0;
    std::int64_t modesLength = 0;
    auto count = [&](HistogramKind kind, int score) {
        ++statistics.histograms[static_cast<int>(kind)][HistogramBin(score)];
    };

    for (const TXUserVoc& record : records) {
        int absolute = HistoryScore(record.scores);
        int relative = RelativeScore(record.scores, record.modes);
        sumAbsolute += absolute;
        sumRelative += relative;
        count(HistogramKind::Absolut, absolute);
        count(HistogramKind::Relativ, relative);
        if (record.key.starts_with('<')) {
            count(HistogramKind::Deutsch, absolute);
            ++statistics.countDeutsch;
            sumDeutsch += absolute;
        } else {
            count(HistogramKind::Fremd, absolute);
            ++statistics.countFremd;
            sumFremd += absolute;
        }
        for (char mode : record.modes) {
            typing += mode == 'e';
            multipleChoice += mode == 'm';
            lasVegas += mode == 'v';
        }
        modesLength += static_cast<std::int64_t>(record.modes.size());
    }

    const auto recordCount = static_cast<std::int64_t>(records.size());
    statistics.recordCount = static_cast<std::int32_t>(recordCount);
    statistics.averageAbsolute = Average(sumAbsolute, recordCount);
    statistics.averageRelative = Average(sumRelative, recordCount);
    statistics.averageDeutsch = Average(sumDeutsch, statistics.countDeutsch);
    statistics.averageFremd = Average(sumFremd, statistics.countFremd);
    statistics.shareTyping = Share(typing, modesLength);
    statistics.shareMultipleChoice = Share(multipleChoice, modesLength);
    statistics.shareLasVegas = Share(lasVegas, modesLength);
    return statistics;
}

} // namespace qor
