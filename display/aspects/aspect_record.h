// One found aspect (or dispositor relation) between two chart points, as the
// wheel draws it and the information panel lists it.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/object_ids.h"
#include "engine/chart_set.h"

/// Most records one search can give: one per pair of the 38 points of two charts.
constexpr int kMaxAspects = kChartPoints * kChartPoints;

/// One found aspect. Within one chart the pair appears once; between two
/// charts every ordered pair may appear.
struct AspectRecord {
    ChartSlot chartA = 0;          ///< slot of point A
    ChartSlot chartB = 0;          ///< slot of point B (equal to chartA within one chart)
    ObjectId aspect = 0;           ///< 1000..1017, or 1020 for a dispositor relation
    ObjectId pointA = 0;           ///< 10000 + index for bodies, 750..761 for cusps
    ObjectId pointB = 0;
    int32_t x1 = 0, y1 = 0;        ///< screen end points of the drawn line, set while painting
    int32_t x2 = 0, y2 = 0;
    double angleA = 0.0;           ///< wheel angle of point A, 0 <= angle < 360
    double angleB = 0.0;
    double orb = 0.0;              ///< distance from the exact aspect angle, degrees
    std::vector<int> configurations; ///< indices of the configurations that contain it
};

/// One flag per aspect record: 1 = the aspect is near the mouse pointer.
using AspectSelection = uint8_t[kMaxAspects];

/// Index 0..17 of a searched aspect kind, or -1 for any other identifier
/// (the dispositor relation 1020 has no orb and no angle).
inline int AspectKindIndex(ObjectId aspect)
{
    const int k = aspect - ids::kAspectFirst;
    return k >= 0 && k < kAspectKinds ? k : -1;
}

/// The orb limit of an aspect kind from an 18-entry orb table; 0 for
/// identifiers outside the searched kinds, so a dispositor record never
/// reads past the table.
inline double AspectOrbLimit(const double* orbs, ObjectId aspect)
{
    const int k = AspectKindIndex(aspect);
    return k < 0 ? 0.0 : orbs[k];
}
