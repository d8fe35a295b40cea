#include "users/UserHistogram.h"

#include <algorithm>

namespace qor {

void DrawHistogram(int width, int height, const ScoreHistogram& histogram, std::int32_t recordCount,
                   const FillRectangle& fill) {
    if (width <= 0 || height <= 0 || !fill)
        return;
    fill(0, 0, width / 2, height, kHistogramRed);
    fill(width / 2, 0, width, height, kHistogramGrey);
    if (recordCount <= 0)
        return;
    for (int bin = 0; bin < kHistogramBins; ++bin) {
        auto x1 = static_cast<int>(RoundedQuotient(std::int64_t{bin} * width, kHistogramBins));
        auto x2 = static_cast<int>(RoundedQuotient(std::int64_t{bin + 1} * width, kHistogramBins));
        auto barHeight =
            static_cast<int>(RoundedQuotient(std::int64_t{histogram[bin]} * height, recordCount));
        barHeight = std::clamp(barHeight, 0, height);
        if (barHeight > 0 && x2 > x1)
            fill(x1, height - barHeight, x2, height, kHistogramWhite);
    }
}

} // namespace qor
