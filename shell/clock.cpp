#include "shell/clock.h"

namespace {

// Days since 1970-01-01 of a Gregorian date (proleptic), for the offset
// between the local and the universal calendar fields of one moment.
long long DaysFromCivil(long long y, int m, int d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

long long FieldSeconds(const std::tm& t)
{
    return DaysFromCivil(t.tm_year + 1900LL, t.tm_mon + 1, t.tm_mday) * 86400LL +
           t.tm_hour * 3600LL + t.tm_min * 60LL + t.tm_sec;
}

std::time_t SystemClock()
{
    return std::time(nullptr);
}
ClockFunction g_clock = SystemClock;
} // namespace

std::time_t CurrentTime()
{
    return g_clock();
}

void SetClockFunction(ClockFunction clock)
{
    g_clock = clock ? clock : SystemClock;
}

int ComputerTimeZone(std::time_t t)
{
    std::tm local{};
    std::tm universal{};
    localtime_r(&t, &local);
    gmtime_r(&t, &universal);
    long long seconds = FieldSeconds(local) - FieldSeconds(universal);
    if (local.tm_isdst > 0)
        seconds -= 3600;
    return static_cast<int>(seconds / 3600); // truncates toward zero
}

CurrentMoment GetCurrentMoment()
{
    CurrentMoment now;
    now.time = CurrentTime();
    now.timeZone = ComputerTimeZone(now.time);
    return now;
}

LocalMoment ToLocalMoment(std::time_t t)
{
    std::tm local{};
    localtime_r(&t, &local);
    LocalMoment m;
    m.year = local.tm_year + 1900;
    m.month = local.tm_mon + 1;
    m.day = local.tm_mday;
    m.hour = local.tm_hour;
    m.minute = local.tm_min;
    m.second = local.tm_sec;
    // A negative answer means "cannot tell", which is no daylight saving.
    m.dst = local.tm_isdst > 0;
    return m;
}
