// The computer's own time zone: its offset from universal time and whether
// summer time is in force at a given moment.
#pragma once

#include <cstdint>

namespace platform {

/// The computer's offset east of universal time in seconds and the C
/// library's daylight-saving answer (> 0 in force, 0 not, < 0 cannot tell)
/// at a moment given in seconds since 1970 UTC. False when the moment
/// cannot be broken down.
bool LocalZoneAt(int64_t utcSeconds, long* offsetSeconds, int* isDst);

/// The computer's clock at one moment as a chart holds it: a whole-hour
/// zone and a summer-time flag. The clock may be minutes away from zone
/// plus flag (India's +5:30 is zone 5); the offset says by how much.
struct ComputerZone {
    long offsetSeconds = 0; ///< the wall clock east of universal time
    bool summer = false;    ///< summer time is in force
    int zoneHours = 0;      ///< offset less the summer hour, whole hours truncated toward zero
};

/// Reads the computer's zone at a moment. Summer time is the larger of the
/// zone's two offsets: the time zone data marks some winters as daylight
/// saving (Ireland's GMT, Morocco's Ramadan clock), which no wall clock
/// there calls summer time. The two offsets are those on either side of the
/// nearest change of the clock; a change of the standard zone alone leaves
/// the data's flag as it is. False when the moment cannot be broken down.
bool ReadComputerZone(int64_t utcSeconds, ComputerZone* zone);

} // namespace platform
