#include "platform/local_zone.h"

#include <cstdlib>
#include <ctime>

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

namespace {

/// The computer's clock at one moment: offset and the data's flag.
struct Clock {
    long offset = 0;
    bool flagged = false;
    bool operator==(const Clock& o) const { return offset == o.offset && flagged == o.flagged; }
    bool operator!=(const Clock& o) const { return !(*this == o); }
};

bool ClockAt(int64_t t, Clock* clock)
{
    int isDst = 0;
    if (!LocalZoneAt(t, &clock->offset, &isDst))
        return false;
    clock->flagged = isDst > 0;
    return true;
}

/// A change of the clock between near, which shows the clock here, and far:
/// its first second on far's side and the clock there. False when far shows
/// the clock here as well.
bool FindChange(int64_t near, int64_t far, const Clock& here, int64_t* change, Clock* across)
{
    if (!ClockAt(far, across) || *across == here)
        return false;
    while (std::llabs(far - near) > 1) {
        const int64_t mid = near + (far - near) / 2;
        Clock clock;
        if (!ClockAt(mid, &clock))
            return false;
        if (clock != here) {
            far = mid;
            *across = clock;
        } else {
            near = mid;
        }
    }
    *change = far;
    return true;
}

} // namespace

bool ReadComputerZone(int64_t utcSeconds, ComputerZone* zone)
{
    Clock here;
    if (!ClockAt(utcSeconds, &here))
        return false;
    // Which of two offsets is summer time shows only beside the other one,
    // across the nearest change of the clock, looked for a week at a time up
    // to a year each way. Where that change turns the data's flag and the
    // offset, the larger offset is summer time; where it changes only the
    // offset (a new standard zone) or only the flag, or where no change is
    // near, the data's flag stands.
    constexpr int64_t kWeek = 7 * 86400;
    bool summer = here.flagged;
    for (int64_t k = 1; k <= 53; ++k) {
        int64_t change[2];
        Clock across[2];
        bool changed[2];
        for (int i = 0; i < 2; ++i) {
            const int64_t side = i == 0 ? -1 : 1;
            changed[i] = FindChange(utcSeconds + side * (k - 1) * kWeek, utcSeconds + side * k * kWeek, here,
                                    &change[i], &across[i]);
        }
        if (!changed[0] && !changed[1])
            continue;
        // Of two changes within the same week, the nearer.
        const int pick = !changed[0] || (changed[1] && change[1] - utcSeconds < utcSeconds - change[0]) ? 1 : 0;
        if (across[pick].flagged != here.flagged && across[pick].offset != here.offset)
            summer = here.offset > across[pick].offset;
        break;
    }
    zone->offsetSeconds = here.offset;
    zone->summer = summer;
    zone->zoneHours = static_cast<int>((here.offset - (summer ? 3600 : 0)) / 3600); // truncates toward zero
    return true;
}

} // namespace platform
