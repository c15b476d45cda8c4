#include "platform/local_zone.h"

#include <ctime>
#include <initializer_list>

namespace platform {

bool LocalZoneAt(int64_t utcSeconds, long* offsetSeconds, int* isDst)
{
    const std::time_t t = static_cast<std::time_t>(utcSeconds);
    std::tm local{};
    if (localtime_r(&t, &local) == nullptr)
        return false;
    *offsetSeconds = local.tm_gmtoff;
    *isDst = local.tm_isdst;
    return true;
}

bool ReadComputerZone(int64_t utcSeconds, ComputerZone* zone)
{
    long offset = 0;
    int isDst = 0;
    if (!LocalZoneAt(utcSeconds, &offset, &isDst))
        return false;
    const bool flagged = isDst > 0;
    bool summer = flagged;
    // Which of two offsets is summer time shows only beside the other one:
    // look a week at a time, nearest first, up to a year each way, for the
    // clock the data marks the other way. No such clock nearby, or one at
    // the same offset, leaves the library's answer.
    constexpr int64_t kWeek = 7 * 86400;
    bool found = false;
    for (int64_t k = 1; k <= 53 && !found; ++k) {
        for (const int64_t side : {-1, 1}) {
            long other = 0;
            int otherDst = 0;
            if (LocalZoneAt(utcSeconds + side * k * kWeek, &other, &otherDst) && (otherDst > 0) != flagged) {
                if (other != offset)
                    summer = offset > other;
                found = true;
                break;
            }
        }
    }
    zone->offsetSeconds = offset;
    zone->summer = summer;
    zone->zoneHours = static_cast<int>((offset - (summer ? 3600 : 0)) / 3600); // truncates toward zero
    return true;
}

} // namespace platform
