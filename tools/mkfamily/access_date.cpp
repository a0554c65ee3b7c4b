// AccessDate converts "YYYY-MM-DD[ HH:MM:SS]" text to the day count Access stores for dates.
#include "access_date.h"

#include <cstdint>

namespace kinmora::mkfamily {

namespace {

// Reads exactly `digits` decimal digits at `at`.
std::optional<int> number(std::string_view text, std::size_t at, std::size_t digits) {
    if (at + digits > text.size()) return std::nullopt;
    int value = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool isLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 in the proleptic Gregorian calendar (the usual era arithmetic).
std::int64_t daysFromCivil(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr std::int64_t kAccessEpochFromUnix = 25569;  // 1899-12-30 to 1970-01-01

}  // namespace

std::optional<double> AccessDate::fromText(std::string_view text) {
    if (text.size() != 10 && text.size() != 19) return std::nullopt;
    if (text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto year = number(text, 0, 4);
    const auto month = number(text, 5, 2);
    const auto day = number(text, 8, 2);
    if (!year || !month || !day) return std::nullopt;
    if (*year < 100 || *month < 1 || *month > 12) return std::nullopt;
    if (*day < 1 || *day > daysInMonth(*year, *month)) return std::nullopt;

    int seconds = 0;
    if (text.size() == 19) {
        if (text[10] != ' ' || text[13] != ':' || text[16] != ':') return std::nullopt;
        const auto hour = number(text, 11, 2);
        const auto minute = number(text, 14, 2);
        const auto second = number(text, 17, 2);
        if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59) {
            return std::nullopt;
        }
        seconds = *hour * 3600 + *minute * 60 + *second;
    }
    const std::int64_t days = daysFromCivil(*year, *month, *day) + kAccessEpochFromUnix;
    const double fraction = seconds / 86400.0;
    return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

}  // namespace kinmora::mkfamily
