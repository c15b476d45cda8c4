#include "shell/clock.h"

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
