// Clock readings of a moment as a chart holds them: a whole-hour zone and a
// daylight-saving flag, for the computer's clock and for any chart's zone.
#pragma once

#include <ctime>

/// The calendar fields of a clock reading and whether summer time is in
/// force. The reader of "Date: Now" and "Time: Now" takes the current one.
struct LocalNow {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
    bool dst = false; ///< daylight saving is in force
};

/// The reading of a moment in a whole-hour zone (hours east), an hour later
/// with dst; the dst field is dst. Unchanged defaults when the moment cannot
/// be broken down.
LocalNow ZoneClockAt(std::time_t moment, int timeZone, bool dst);

/// The reading of a moment on the computer's clock as a chart holds it: its
/// whole-hour zone and summer time (platform::ReadComputerZone). On a
/// computer minutes beyond a whole hour (+5:30) the clock moves by those
/// minutes, so that the reading with that zone names the moment exactly.
LocalNow MakeLocalNow(std::time_t moment);
