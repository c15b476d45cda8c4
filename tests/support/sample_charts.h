// Sample birth data and chart sets for tests and benchmarks.
#pragma once

#include <cstring>

#include "engine/chart_set.h"

namespace ov_test {

/// A birth moment at whole minutes, coordinates in decimal degrees, no
/// daylight-saving hour, not progressed.
inline ChartTimeRecord SampleMoment(int year, int month, int day, int hour, int minute, int zone,
                                    double latitude, double longitude)
{
    ChartTimeRecord r;
    r.year = year;
    r.month = month;
    r.day = day;
    r.hour = hour;
    r.minute = minute;
    r.timeZone = zone;
    DecimalToDms(latitude, &r.latitude);
    DecimalToDms(longitude, &r.longitude);
    return r;
}

/// Every slot holds the natal moment except the partner slot and the transit
/// slot (London, 7 December 2026, 9:00).
inline ChartSet SampleSet(const ChartTimeRecord& natal, const ChartTimeRecord& partner)
{
    ChartSet set;
    for (ChartSlot s = 0; s < kChartSlots; ++s)
        set.times[s] = natal;
    set.times[kSlotPartner] = partner;
    set.times[kSlotTransit] = SampleMoment(2026, 12, 7, 9, 0, 0, 51.5, 0.0);
    return set;
}

/// Shows every point of every slot.
inline void ShowAllPoints(ChartRestrictions& r)
{
    std::memset(r.pointRestricted, 0, sizeof r.pointRestricted);
}

/// Shows every point of every slot and searches every aspect kind.
inline void ShowAllPointsAndAspects(ChartRestrictions& r)
{
    ShowAllPoints(r);
    std::memset(r.aspectRestricted, 0, sizeof r.aspectRestricted);
}

} // namespace ov_test
