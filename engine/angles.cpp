// Degrees-minutes-seconds and zodiac forms of angles, the daylight-saving
// hour, and the Julian day of a local moment and back.
#include "engine/angles.h"

#include <cmath>

#include <swephexp.h>

namespace {

constexpr int kGregorian = 1; // SE_GREG_CAL
constexpr double kMillisecondsPerDay = 86400000.0;

// The zone and the daylight-saving hour as hours east. Summed as doubles:
// a zone read from a damaged file may be any int, and INT_MAX + 1 overflows.
double ZoneOffsetHours(int timeZone, int dst) { return static_cast<double>(timeZone) + (dst != 0 ? 1.0 : 0.0); }

} // namespace

double NormalizeDegrees(double degrees)
{
    if (!std::isfinite(degrees))
        return 0.0;
    double a = std::fmod(degrees, 360.0);
    if (a < 0.0)
        a += 360.0;
    // A tiny negative remainder plus 360 rounds to 360 itself.
    if (a >= 360.0)
        a = 0.0;
    return a;
}

void SplitZodiacPosition(double longitude, ZodiacPosition* out, bool round)
{
    if (out == nullptr)
        return;
    // A cusp of exactly 360 (the "Null" houses) or any value outside one turn
    // must not produce a sign beyond Pisces: callers index tables by sign.
    const double l = NormalizeDegrees(longitude);

    ObjectId sign = SignToId(static_cast<int>(std::trunc(l / 30.0)) + 1);
    const double r = std::fmod(l, 30.0);
    int degrees = static_cast<int>(std::trunc(r));
    int minutes = static_cast<int>(std::floor((r - degrees) * 60.0));
    const double seconds = ((r - degrees) * 60.0 - minutes) * 60.0;

    if (round) {
        if (seconds > 30.0)
            minutes += 1;
        if (minutes == 60) {
            minutes = 0;
            degrees += 1;
        }
        if (degrees == 30) {
            degrees = 0;
            sign += 1;
        }
        if (sign == ids::kSignLast + 1)
            sign = ids::kSignFirst;
    }
    out->degrees = degrees;
    out->sign = sign;
    out->minutes = minutes;
    out->seconds = seconds;
}

DmsAngle* DecimalToDms(double value, DmsAngle* out)
{
    if (out == nullptr)
        return out;
    if (!std::isfinite(value)) // nothing sensible to split; keep the record defined
        value = 0.0;
    const bool negative = !(value >= 0.0);
    const double a = std::fabs(value);
    const double degrees = std::floor(a);
    const double minutes = std::floor((a - degrees) * 60.0);
    out->degrees = static_cast<int32_t>(degrees);
    out->minutes = static_cast<int32_t>(minutes);
    out->seconds = ((a - degrees) * 60.0 - minutes) * 60.0;
    if (negative)
        NegateDms(out);
    return out;
}

double DmsToDecimal(const DmsAngle* angle)
{
    if (angle == nullptr)
        return 0.0;
    if (angle->degrees > 0)
        return angle->degrees + angle->minutes / 60.0 + angle->seconds / 3600.0;
    if (angle->degrees < 0)
        return -(-static_cast<double>(angle->degrees) + angle->minutes / 60.0 + angle->seconds / 3600.0);
    if (angle->minutes > 0)
        return angle->minutes / 60.0 + angle->seconds / 3600.0;
    if (angle->minutes < 0)
        return -(-static_cast<double>(angle->minutes) / 60.0 + angle->seconds / 3600.0);
    return angle->seconds / 3600.0;
}

void MidpointDms(const DmsAngle& a, const DmsAngle& b, DmsAngle* out)
{
    const double mean = (DmsToDecimal(&a) + DmsToDecimal(&b)) / 2.0;
    DecimalToDms(mean, out);
}

void NegateDms(DmsAngle* angle)
{
    if (angle == nullptr)
        return;
    if (angle->degrees != 0)
        angle->degrees = -angle->degrees;
    else if (angle->minutes != 0)
        angle->minutes = -angle->minutes;
    else
        angle->seconds = -angle->seconds;
}

bool IsDmsNegative(const DmsAngle& angle)
{
    if (angle.degrees != 0)
        return angle.degrees < 0;
    if (angle.minutes != 0)
        return angle.minutes < 0;
    return angle.seconds < 0.0;
}

int DaysInMonth(int month, int year)
{
    switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    case 4: case 6: case 9: case 11:
        return 30;
    case 2: {
        const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
        return leap ? 29 : 28;
    }
    default:
        return 15;
    }
}

void RemoveDstHour(ChartTimeRecord* record)
{
    if (record == nullptr || record->dst == 0)
        return;
    record->hour -= 1;
    if (record->hour < 0) {
        record->hour += 24;
        record->day -= 1;
        if (record->day < 1) {
            record->month -= 1;
            if (record->month < 1) {
                record->month = 12;
                record->year -= 1;
            }
            record->day = DaysInMonth(record->month, record->year);
        }
    }
    record->dst = 0;
}

void AddDstHour(ChartTimeRecord* record)
{
    if (record == nullptr || record->dst != 0)
        return;
    record->hour += 1;
    if (record->hour >= 24) {
        record->hour -= 24;
        record->day += 1;
        if (record->day > DaysInMonth(record->month, record->year)) {
            record->day = 1;
            record->month += 1;
            if (record->month > 12) {
                record->month = 1;
                record->year += 1;
            }
        }
    }
    record->dst = 1;
}

double LocalTimeToJulianDay(int year, int month, int day, int hour, int minute, double second,
                            int timeZone, int dst)
{
    const double clock = hour + minute / 60.0 + second / 3600.0;
    return swe_julday(year, month, day, clock, kGregorian) - ZoneOffsetHours(timeZone, dst) / 24.0;
}

void JulianDayToLocalTime(double jd, int timeZone, int dst, int* year, int* month, int* day,
                          int* hour, int* minute, double* second)
{
    if (!std::isfinite(jd)) // no date to give; leave the outputs as they are
        return;
    const double local = jd + ZoneOffsetHours(timeZone, dst) / 24.0;
    // Round the time of day to whole milliseconds before splitting it: the
    // Julian day cannot hold 12:00:00 exactly, and taking the floor of
    // 11:59:59.9999 would lose a second on the way back. A day number starts
    // at noon, so the calendar day begins at jd + 0.5.
    double dayStart = std::floor(local + 0.5);
    double ms = std::round((local + 0.5 - dayStart) * kMillisecondsPerDay);
    if (ms >= kMillisecondsPerDay) {
        ms -= kMillisecondsPerDay;
        dayStart += 1.0;
    }
    int y = 0, m = 0, d = 0;
    double ignoredHour = 0.0;
    swe_revjul(dayStart - 0.5, kGregorian, &y, &m, &d, &ignoredHour);

    const long long total = static_cast<long long>(ms);
    const int h = static_cast<int>(total / 3600000);
    const int mi = static_cast<int>(total / 60000 % 60);
    const int s = static_cast<int>(total / 1000 % 60); // whole seconds, truncated
    if (year) *year = y;
    if (month) *month = m;
    if (day) *day = d;
    if (hour) *hour = h;
    if (minute) *minute = mi;
    if (second) *second = s;
}

double GetChartJulianDay(const ChartTimeRecord& record)
{
    return LocalTimeToJulianDay(record.year, record.month, record.day, record.hour, record.minute,
                                record.second, record.timeZone, record.dst);
}

void SetChartFromJulianDay(double jd, int timeZone, int dst, ChartTimeRecord* record)
{
    if (record == nullptr)
        return;
    record->timeZone = timeZone;
    record->dst = dst;
    JulianDayToLocalTime(jd, timeZone, dst, &record->year, &record->month, &record->day,
                         &record->hour, &record->minute, &record->second);
}
