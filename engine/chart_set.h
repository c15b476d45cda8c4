// The eight chart slots and the records the frame hands to the wheel and the
// information panel: chart set, restrictions, settings, type and view words.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "engine/chart_positions.h"

/// Index 0..7 of every per-chart array.
using ChartSlot = int32_t;
enum : ChartSlot {
    kSlotNative = 0,
    kSlotPartner = 1,
    kSlotTransit = 2,
    kSlotNativeProgressed = 3,
    kSlotPartnerProgressed = 4,
    kSlotDavison = 5,
    kSlotComposite = 6,
    kSlotDefault = 7,
    kChartSlots = 8
};

/// Exactly one chart type; 1, 2 and 4 draw one wheel, 8 and 16 two rings.
using ChartType = int32_t;
enum : ChartType {
    kChartNatal = 1,
    kChartComposite = 2,
    kChartDavison = 4,
    kChartSynastry = 8,
    kChartTransits = 16
};

/// Exactly one overlay on the wheel.
using ChartViewFlags = int32_t;
enum : ChartViewFlags {
    kViewAspects = 0x100,
    kViewPatterns = 0x200,
    kViewDispositorsBySign = 0x400,
    kViewDispositorsByHouse = 0x800
};

/// Chart type OR view flag.
using ChartModeFlags = int32_t;

/// True for the one-wheel types (natal, composite, Davison).
inline bool IsSingleWheel(ChartModeFlags mode) { return (mode & 7) != 0; }

/// The three parallel per-slot arrays.
struct ChartSet {
    ChartPositions positions[kChartSlots];
    ChartTimeRecord times[kChartSlots];
    ChartNameRecord names[kChartSlots];
};

/// Which points can be shown and which are hidden, which aspect kinds are
/// searched and with what orb.
struct ChartRestrictions {
    uint8_t unavailable[kChartSlots][kChartPoints] = {};
    uint8_t pointRestricted[kChartSlots][kChartPoints] = {};
    uint8_t aspectRestricted[kAspectKinds] = {};
    double orbs[kAspectKinds] = {};
};

/// The slot that shows the native (3) or partner (4) chart progressed; -1
/// for every other slot, which has no progressed chart.
inline ChartSlot ProgressedSlotOf(ChartSlot slot)
{
    return slot == kSlotNative ? kSlotNativeProgressed : slot == kSlotPartner ? kSlotPartnerProgressed : -1;
}

/// The progressed charts' point restrictions are not set on their own: they
/// follow the charts they progress. Copies the native chart's row to the
/// progressed native chart's and the partner's to the progressed partner's;
/// any other slot has no follower.
inline void CopyRestrictionsToProgressed(ChartRestrictions& restrictions, ChartSlot slot)
{
    const ChartSlot progressed = ProgressedSlotOf(slot);
    if (progressed >= 0)
        std::copy(std::begin(restrictions.pointRestricted[slot]), std::end(restrictions.pointRestricted[slot]),
                  restrictions.pointRestricted[progressed]);
}

/// The frame's calculation and view choices.
struct ChartSettings {
    ObjectId houseSystem = ids::kPlacidus;
    int32_t nodeMode = 0;
    int32_t apogeeMode = 0;
    ChartType chartType = kChartNatal;
    ChartViewFlags view = kViewAspects;
    ChartSlot shownA = 0;
    ChartSlot shownB = 0;
    ChartSlot shownC = 1;
};
