// The computer's own time zone: its offset from universal time and whether
// summer time is in force at a given moment.
#pragma once

#include <cstdint>

namespace platform {

/// The computer's offset east of universal time in seconds and its
/// summer-time answer (> 0 in force, 0 not, < 0 cannot tell) at a moment
/// given in seconds since 1970 UTC. False when the moment cannot be broken
/// down.
bool LocalZoneAt(int64_t utcSeconds, long* offsetSeconds, int* isDst);

} // namespace platform
