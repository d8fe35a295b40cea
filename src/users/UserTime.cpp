#include "users/UserTime.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace qor {

namespace {

constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;

// Reads one to two digits at `pos`; nothing when there are none.
std::optional<int> ReadSmallNumber(std::string_view text, std::size_t& pos) {
    int value = 0;
    std::size_t digits = 0;
    while (pos < text.size() && digits < 2 && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    return value;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

LocalDateTime SystemLocalNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    LocalDateTime moment;
    moment.year = local.tm_year + 1900;
    moment.month = local.tm_mon + 1;
    moment.day = local.tm_mday;
    moment.timeOfDay = (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / double(kSecondsPerDay);
    return moment;
}

double DayNumber(const LocalDateTime& moment) {
    using namespace std::chrono;
    const year_month_day date{year{moment.year}, month{static_cast<unsigned>(moment.month)},
                              day{static_cast<unsigned>(moment.day)}};
    const year_month_day origin{year{1899}, month{12}, day{30}};
    return (sys_days{date} - sys_days{origin}).count() + moment.timeOfDay;
}

std::string FormatLongTime(double time) {
    std::int64_t seconds = 0;
    // Anything absurd (never written by us) shows as midnight rather than as undefined arithmetic.
    if (std::isfinite(time) && std::fabs(time) < 1e9)
        seconds = std::llround(time * kSecondsPerDay);
    seconds %= kSecondsPerDay;
    if (seconds < 0)
        seconds += kSecondsPerDay;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(seconds / 3600),
                  static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    return text;
}

std::optional<double> ParseLongTime(std::string_view text) {
    text = TrimBlanks(text);
    std::size_t pos = 0;
    int parts[3] = {0, 0, 0};
    int count = 0;
    while (count < 3) {
        std::optional<int> number = ReadSmallNumber(text, pos);
        if (!number)
            return std::nullopt;
        parts[count++] = *number;
        if (pos == text.size())
            break;
        if (text[pos] != ':')
            return std::nullopt;
        ++pos;
    }
    if (count < 2 || pos != text.size())
        return std::nullopt;
    if (parts[0] > 23 || parts[1] > 59 || parts[2] > 59)
        return std::nullopt;
    return (parts[0] * 3600 + parts[1] * 60 + parts[2]) / double(kSecondsPerDay);
}

std::string FormatShortDate(const LocalDateTime& moment) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", moment.day, moment.month, moment.year);
    return text;
}

} // namespace qor
