// The current moment, through one function that tests can replace, and the
// computer's zone and calendar fields of a moment.
#pragma once

#include <ctime>

/// Reads the current moment (seconds since 1970 UTC).
using ClockFunction = std::time_t (*)();

/// The current moment from the installed clock (the system clock by default).
std::time_t CurrentTime();

/// Installs a clock; nullptr goes back to the system clock.
void SetClockFunction(ClockFunction clock);

/// The current moment and the computer's time zone in whole hours east.
struct CurrentMoment {
    std::time_t time = 0;
    int timeZone = 0;
};

/// Local calendar fields of a moment in the computer's zone.
struct LocalMoment {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
    bool dst = false; ///< only a definite "yes" from the C library counts
};

/// The computer's standard time zone at moment t, whole hours east
/// (truncated: +5:30 gives 5), daylight saving taken out.
int ComputerTimeZone(std::time_t t);

/// The installed clock's moment with the computer's zone.
CurrentMoment GetCurrentMoment();

/// Calendar fields of t in the computer's zone.
LocalMoment ToLocalMoment(std::time_t t);
