// The page kinds, aspect-list modes and find settings shared by the
// information panel and the chart wheel's hover.
#pragma once

#include <cstdint>

#include "engine/object_ids.h"

/// What a page of the information panel (or the wheel's hover) is about.
using InfoPageKind = int32_t;
enum : InfoPageKind {
    kPageSummary = 0,
    kPageSign = 1,
    kPageHouse = 2,
    kPagePoint = 3,
    kPageAspects = 4
};

/// Aspect list: sort key bits (1 orb, 2 first point, 4 second point) and
/// filter bits (8 all aspects, 16 find results); neither filter bit lists the
/// selected point's aspects or the aspects near the mouse at the last click.
using AspectListMode = int32_t;
enum : AspectListMode {
    kListSortByOrb = 1,
    kListSortByFirst = 2,
    kListSortBySecond = 4,
    kListAll = 8,
    kListFound = 16
};

/// Which aspects the find command keeps.
struct FindAspectsSettings {
    uint8_t pointsA[kChartPoints] = {};
    uint8_t pointsB[kChartPoints] = {};
    uint8_t aspects[kAspectKinds] = {};
    uint8_t bothPoints = 0;
    double orbFrom = 0.0;
    double orbTo = 0.0;
};
