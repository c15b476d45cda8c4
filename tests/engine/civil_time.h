// Calendar arithmetic for the tests, written apart from the engine (whole
// days since 1970 by the proleptic Gregorian rule), so universal times and
// Julian days can be worked out without the code under test.
#pragma once

#include <cstdint>

namespace civil {

/// Days from 1970-01-01 to the given Gregorian date.
inline int64_t DaysFromCivil(int64_t y, int m, int d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

/// The Gregorian date of a day count from 1970-01-01.
inline void CivilFromDays(int64_t z, int* year, int* month, int* day)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    *year = static_cast<int>(yoe + era * 400 + (m <= 2));
    *month = m;
    *day = d;
}

/// One moment as a date and a whole-second clock time.
struct Moment {
    int year, month, day, hour, minute, second;
};

/// Seconds since 1970-01-01 00:00:00 of a moment.
inline int64_t ToSeconds(const Moment& t)
{
    return DaysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

inline Moment FromSeconds(int64_t s)
{
    int64_t days = s / 86400;
    int64_t rest = s % 86400;
    if (rest < 0) {
        rest += 86400;
        days -= 1;
    }
    Moment t{};
    CivilFromDays(days, &t.year, &t.month, &t.day);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    return t;
}

/// Julian day of a universal-time moment (1970-01-01 00:00 is 2440587.5).
inline double JulianDay(const Moment& ut)
{
    return 2440587.5 + static_cast<double>(DaysFromCivil(ut.year, ut.month, ut.day)) +
           (ut.hour * 3600 + ut.minute * 60 + ut.second) / 86400.0;
}

} // namespace civil
