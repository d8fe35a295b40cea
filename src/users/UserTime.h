#pragma once
// Dates and times as the user records keep them: a calendar date plus a time of day as a fraction
// of a day (0.5 is noon), shown in the German formats "DD.MM.YYYY" and "HH:MM:SS". The clock is a
// plain function so tests can fix "now".

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

struct LocalDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    double timeOfDay = 0; // fraction of a day, 0 <= timeOfDay < 1

    bool operator==(const LocalDateTime&) const = default;
};

using UserClock = std::function<LocalDateTime()>;

// The local date and time of this computer.
LocalDateTime SystemLocalNow();

// Days since 30.12.1899 plus the time of day, so that differences between two moments are simple
// subtractions even across midnight.
double DayNumber(const LocalDateTime& moment);

// The time of day of a fraction-of-a-day value as "HH:MM:SS", rounded to the second. Only the
// time of day is kept: whole days are dropped, so 25 hours read "01:00:00".
std::string FormatLongTime(double time);
// Reads "H:MM", "H:MM:SS" (one or two digits each, blanks around allowed) as a fraction of a day;
// nothing for any other text or for values outside a day.
std::optional<double> ParseLongTime(std::string_view text);
// "DD.MM.YYYY".
std::string FormatShortDate(const LocalDateTime& moment);

} // namespace qor
