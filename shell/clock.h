// The current moment, through one function that tests can replace.
#pragma once

#include <ctime>

/// Reads the current moment (seconds since 1970 UTC).
using ClockFunction = std::time_t (*)();

/// The current moment from the installed clock (the system clock by default).
std::time_t CurrentTime();

/// Installs a clock; nullptr goes back to the system clock.
void SetClockFunction(ClockFunction clock);
