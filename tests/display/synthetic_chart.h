// Charts made up for the aspect tests: any longitudes for bodies and cusps,
// no ephemeris needed.
#pragma once

#include <cstdint>
#include <cstring>
#include <random>

#include "display/aspects/aspect_record.h"
#include "engine/chart_set.h"

namespace ov_test {

/// Sets the longitude of a point index (cusps: house index - 25).
inline void SetLongitude(ChartPositions& chart, PointIndex index, double longitude)
{
    if (index < kComputedPoints)
        chart.points[index].longitude = longitude;
    else
        chart.cusps[index - kComputedPoints + 1].longitude = longitude;
}

/// Restrictions that hide every point and search no aspect; tests open what they need.
struct SearchSetup {
    ChartPositions positions[kChartSlots];
    uint8_t pointRestricted[kChartSlots][kChartPoints];
    uint8_t aspectRestricted[kAspectKinds];
    double orbs[kAspectKinds];

    SearchSetup()
    {
        std::memset(pointRestricted, 1, sizeof pointRestricted);
        std::memset(aspectRestricted, 1, sizeof aspectRestricted);
        for (int k = 0; k < kAspectKinds; ++k)
            orbs[k] = GetDefaultOrb(ids::kAspectFirst + k);
    }
    void Show(ChartSlot slot, PointIndex index, double longitude)
    {
        SetLongitude(positions[slot], index, longitude);
        pointRestricted[slot][index] = 0;
    }
    void Search(ObjectId aspect, double orb)
    {
        aspectRestricted[aspect - ids::kAspectFirst] = 0;
        orbs[aspect - ids::kAspectFirst] = orb;
    }
    void SearchAll()
    {
        std::memset(aspectRestricted, 0, sizeof aspectRestricted);
    }
};

} // namespace ov_test
