#include "users/UserTime.h"

#include "users/UserLogLine.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace qor {
namespace {

constexpr double kSecond = 1.0 / 86400;

TEST(UserTime, LongTimeIsZeroPaddedAndWrapsAfterADay) {
    struct Case {
        const char* name;
        double time;
        const char* text;
    };
    const Case cases[] = {
        {"midnight", 0, "00:00:00"},
        {"one second", kSecond, "00:00:01"},
        {"noon", 0.5, "12:00:00"},
        {"last second of the day", 86399 * kSecond, "23:59:59"},
        {"rounded to the second", 61.6 * kSecond, "00:01:02"},
        {"exactly a day restarts from 0", 1.0, "00:00:00"},
        {"25 hours read one hour", 25.0 / 24, "01:00:00"},
        {"three days and 2:03:04", 3 + (2 * 3600 + 3 * 60 + 4) * kSecond, "02:03:04"},
        {"a negative value wraps from the end of the day", -kSecond, "23:59:59"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatLongTime(c.time), c.text);
    }
}

TEST(UserTime, ParsesLeniently) {
    struct Case {
        const char* text;
        std::optional<int> seconds;
    };
    const Case cases[] = {
        {"00:00:00", 0},
        {"12:34:56", 12 * 3600 + 34 * 60 + 56},
        {"1:02:03", 3600 + 2 * 60 + 3},
        {"1:02", 3600 + 2 * 60},
        {"7:5:9", 7 * 3600 + 5 * 60 + 9},
        {" 23:59:59 ", 86399},
        {"", std::nullopt},
        {"12", std::nullopt},
        {"12:", std::nullopt},
        {"24:00:00", std::nullopt},
        {"12:60", std::nullopt},
        {"12:00:60", std::nullopt},
        {"123:00", std::nullopt},
        {"1:02:03:04", std::nullopt},
        {"1:02:03 PM", std::nullopt},
        {"a:bc", std::nullopt},
        {"-1:00", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::optional<double> parsed = ParseLongTime(c.text);
        ASSERT_EQ(parsed.has_value(), c.seconds.has_value());
        if (parsed) {
            EXPECT_NEAR(*parsed, *c.seconds * kSecond, 1e-12);
        }
    }
}

TEST(UserTime, FormattedTimesReadBackExactly) {
    for (int seconds : {0, 1, 59, 3599, 3600, 45296, 86399}) {
        SCOPED_TRACE(seconds);
        std::optional<double> parsed = ParseLongTime(FormatLongTime(seconds * kSecond));
        ASSERT_TRUE(parsed);
        EXPECT_EQ(FormatLongTime(*parsed), FormatLongTime(seconds * kSecond));
        EXPECT_NEAR(*parsed, seconds * kSecond, 1e-12);
    }
}

TEST(UserTime, ShortDateAndDayNumbers) {
    EXPECT_EQ(FormatShortDate({2024, 3, 5, 0}), "05.03.2024");
    EXPECT_EQ(FormatShortDate({1999, 12, 31, 0.9}), "31.12.1999");
    EXPECT_DOUBLE_EQ(DayNumber({1899, 12, 30, 0}), 0);
    EXPECT_DOUBLE_EQ(DayNumber({1900, 1, 1, 0.25}), 2.25);
    // Across midnight and a month end the difference stays the time between.
    EXPECT_NEAR(DayNumber({2024, 3, 1, 1.0 / 24}) - DayNumber({2024, 2, 29, 23.0 / 24}), 2.0 / 24, 1e-9);
}

TEST(UserLogLine, HoldsEveryFigureInItsPlace) {
    UserLogEntry entry;
    entry.logIn = {2024, 3, 5, (9 * 3600 + 7 * 60 + 3) * kSecond};
    entry.duration = (1 * 3600 + 2 * 60 + 30) * kSecond;
    entry.typing = 12;
    entry.multipleChoice = 3;
    entry.lasVegas = 0;
    entry.averageAbsolute = -7;
    entry.averageRelative = 41;
    entry.recordCount = 57;
    EXPECT_EQ(FormatUserLogLine(entry), "05.03.2024 09:07:03 01:02:30 Eintippen:\t12\tMult. Ch.:\t3\t"
                                        "Las Vegas:\t0\tPerformance Insgesamt: abs: -7% rel: 41% "
                                        "57 verschiedene Vokabeln\r\n");
}

} // namespace
} // namespace qor
