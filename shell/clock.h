// The current moment, through one function that tests can replace, and the
// computer's zone at a moment as a chart holds it.
#pragma once

#include <ctime>

/// Reads the current moment (seconds since 1970 UTC).
using ClockFunction = std::time_t (*)();

/// The current moment from the installed clock (the system clock by default).
std::time_t CurrentTime();

/// Installs a clock; nullptr goes back to the system clock.
void SetClockFunction(ClockFunction clock);

/// A moment with the computer's clock at it, as a chart holds a clock: a
/// whole-hour zone and a summer-time flag.
struct CurrentMoment {
    std::time_t time = 0;
    int timeZone = 0; ///< whole hours east, truncated (+5:30 gives 5), summer time taken out
    bool dst = false; ///< summer time is in force
};

/// Moment t with the computer's zone and summer time at it.
CurrentMoment MomentAt(std::time_t t);

/// The installed clock's moment with the computer's zone.
CurrentMoment GetCurrentMoment();
