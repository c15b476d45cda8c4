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
    bool operator!=(const Clock& o) const { return offset != o.offset || flagged != o.flagged; }
};

bool ClockAt(int64_t t, Clock* clock)
{
    int isDst = 0;
    if (!LocalZoneAt(t, &clock->offset, &isDst))
        return false;
    clock->flagged = isDst > 0;
    return true;
}

/// The first second of a change of the clock between a moment that shows
/// it (near) and one that does not (far), on either side of near.
bool FindChange(int64_t near, int64_t far, const Clock& here, int64_t* change)
{
    while (std::llabs(far - near) > 1) {
        const int64_t mid = near + (far - near) / 2;
        Clock clock;
        if (!ClockAt(mid, &clock))
            return false;
        (clock != here ? far : near) = mid;
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
        const int64_t samples[2] = {utcSeconds - k * kWeek, utcSeconds + k * kWeek};
        Clock clocks[2];
        bool changed[2];
        for (int i = 0; i < 2; ++i)
            changed[i] = ClockAt(samples[i], &clocks[i]) && clocks[i] != here;
        if (!changed[0] && !changed[1])
            continue;
        // The change itself, and the clock just across it; of two changes
        // within the same week, the nearer.
        int64_t change[2] = {0, 0};
        for (int i = 0; i < 2; ++i)
            changed[i] = changed[i] && FindChange(samples[i] + (i == 0 ? kWeek : -kWeek), samples[i], here, &change[i]);
        if (!changed[0] && !changed[1])
            break;
        const int pick = !changed[0] || (changed[1] && change[1] - utcSeconds < utcSeconds - change[0]) ? 1 : 0;
        Clock across;
        if (ClockAt(change[pick], &across) && across.flagged != here.flagged && across.offset != here.offset)
            summer = here.offset > across.offset;
        break;
    }
    zone->offsetSeconds = here.offset;
    zone->summer = summer;
    zone->zoneHours = static_cast<int>((here.offset - (summer ? 3600 : 0)) / 3600); // truncates toward zero
    return true;
}

} // namespace platform
