#include "shell/clock.h"

#include "platform/local_zone.h"

namespace {

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

CurrentMoment MomentAt(std::time_t t)
{
    CurrentMoment moment;
    moment.time = t;
    platform::ComputerZone zone;
    if (platform::ReadComputerZone(t, &zone)) {
        moment.timeZone = zone.zoneHours;
        moment.dst = zone.summer;
    }
    return moment;
}

CurrentMoment GetCurrentMoment()
{
    return MomentAt(CurrentTime());
}
