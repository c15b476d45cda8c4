#include "shell/chart_slots.h"

#include <algorithm>
#include <utility>

#include "engine/derived_charts.h"
#include "files/zone_clock.h"

namespace {

const HomeCity kHomeCities[] = {
    {-10, "Honolulu, HI", 21, 18, -157, 52, true},
    {-9, "Anchorage, AK", 61, 13, -149, 54, false},
    {-8, "Los Angeles, CA", 34, 3, -118, 15, false},
    {-7, "Denver, CO", 39, 44, -104, 59, false},
    {-6, "Chicago, IL", 41, 51, -87, 39, false},
    {-5, "New York, NY", 40, 43, -74, 0, false},
    {-4, "Halifax, Nova Scotia", 44, 39, -63, 36, false},
    {-3, "Sao Paulo, Brazil", -23, 32, -46, 38, false},
    {0, "London, England", 51, 40, 0, 0, false},
    {1, "Geneva, Switzerland", 46, 12, 6, 9, false},
    {2, "Jerusalem", 31, 46, 35, 14, false},
    {3, "Moscow, Russia", 55, 45, 37, 37, false},
    {8, "Hong Kong", 22, 17, 114, 9, false},
    {9, "Tokyo, Japan", 35, 42, 139, 46, true},
    {10, "Sydney, Australia", -33, 52, 151, 13, false},
    {12, "Auckland, New Zealand", -36, 52, 174, 46, false},
};

void SetClockFields(ChartTimeRecord& record, const LocalNow& local)
{
    record.year = local.year;
    record.month = local.month;
    record.day = local.day;
    record.hour = local.hour;
    record.minute = local.minute;
    record.second = local.second;
}

} // namespace

HomeCity FindHomeCity(int timeZone)
{
    for (const HomeCity& city : kHomeCities)
        if (city.timeZone == timeZone)
            return city;
    // Zones +13 and +14 lie past the date line: 195 degrees east is 165 west.
    int longitude = timeZone * 15;
    if (longitude > 180)
        longitude -= 360;
    else if (longitude < -180)
        longitude += 360;
    return HomeCity{timeZone, "", 30, 0, longitude, 0, false};
}

bool MarkUnavailablePoints(const ChartPositions& chart, ChartSlot slot,
                           ChartRestrictions& restrictions)
{
    bool changed = false;
    for (PointIndex p = 0; p < kChartPoints; ++p) {
        const bool missing =
            p < kComputedPoints && chart.points[p].longitude < kNoPositionLongitude;
        restrictions.unavailable[slot][p] = missing ? 1 : 0;
        // Hidden for good: showing it again is the user's choice.
        if (missing && !restrictions.pointRestricted[slot][p]) {
            restrictions.pointRestricted[slot][p] = 1;
            changed = true;
        }
    }
    return changed;
}

void SetDefaultRestrictions(ChartRestrictions& restrictions)
{
    // Lilith, Ceres to Poseidon and the twelve cusps start hidden.
    for (ChartSlot s = 0; s < kChartSlots; ++s)
        for (PointIndex p = 0; p < kChartPoints; ++p)
            restrictions.pointRestricted[s][p] = (p <= 10 || p == 12) ? 0 : 1;
    for (int k = 0; k < kAspectKinds; ++k) {
        restrictions.orbs[k] = GetDefaultOrb(ids::kAspectFirst + k);
        // Conjunction, opposition, square, trine and sextile are searched.
        restrictions.aspectRestricted[k] = k <= 4 ? 0 : 1;
    }
}

bool RecalculateCharts(ChartSet& set, ChartRestrictions& restrictions, ObjectId houseSystem)
{
    ChartTimeRecord* times = set.times;
    ChartPositions* positions = set.positions;

    ComputeProgressedChartData(&times[kSlotNative], &times[kSlotTransit],
                               &times[kSlotNativeProgressed]);
    ComputeProgressedChartData(&times[kSlotPartner], &times[kSlotTransit],
                               &times[kSlotPartnerProgressed]);
    const ChartSlot baseA = times[kSlotNative].progressed ? kSlotNativeProgressed : kSlotNative;
    const ChartSlot baseB = times[kSlotPartner].progressed ? kSlotPartnerProgressed : kSlotPartner;
    ComputeDavisonChartData(&times[baseA], &times[baseB], &times[kSlotDavison]);
    // The composite slot carries the Davison moment and place.
    times[kSlotComposite] = times[kSlotDavison];

    for (ChartSlot s = 0; s < kChartSlots; ++s) {
        switch (s) {
        case kSlotNativeProgressed:
            ComputeProgressedChart(&times[kSlotNative], &times[kSlotTransit],
                                   &times[kSlotNativeProgressed], houseSystem, &positions[s]);
            break;
        case kSlotPartnerProgressed:
            ComputeProgressedChart(&times[kSlotPartner], &times[kSlotTransit],
                                   &times[kSlotPartnerProgressed], houseSystem, &positions[s]);
            break;
        case kSlotComposite:
            ComputeCompositeChart(&times[baseA], &times[baseB], positions[baseA].armc,
                                  positions[baseB].armc, houseSystem, &positions[s]);
            break;
        default:
            ComputeNatalChart(&times[s], houseSystem, &positions[s]);
            break;
        }
    }

    ChartNameRecord* names = set.names;
    names[kSlotComposite].name.clear();
    names[kSlotComposite].place.clear();
    names[kSlotDavison].name.clear();
    names[kSlotDavison].place.clear();
    const std::pair<ChartSlot, ChartSlot> progressed[] = {
        {kSlotNative, kSlotNativeProgressed}, {kSlotPartner, kSlotPartnerProgressed}};
    for (const auto& [from, to] : progressed) {
        names[to].name = names[from].name.empty() ? wxString() : names[from].name + " (Prg)";
        names[to].place = names[from].place;
    }

    bool changed = false;
    for (ChartSlot s = 0; s < kChartSlots; ++s)
        changed = MarkUnavailablePoints(positions[s], s, restrictions) || changed;
    return changed;
}

void SelectShownCharts(ChartType type, const ChartSet& set, ChartSettings& settings)
{
    const bool p0 = set.times[kSlotNative].progressed != 0;
    const bool p1 = set.times[kSlotPartner].progressed != 0;
    const ChartSlot native = p0 ? kSlotNativeProgressed : kSlotNative;
    const ChartSlot partner = p1 ? kSlotPartnerProgressed : kSlotPartner;
    if (type & kChartNatal) {
        settings.shownA = native;
        settings.shownB = kSlotNative;
        settings.shownC = kSlotNative;
    } else if (type & kChartComposite) {
        settings.shownA = kSlotComposite;
        settings.shownB = native;
        settings.shownC = partner;
    } else if (type & kChartDavison) {
        settings.shownA = kSlotDavison;
        settings.shownB = native;
        settings.shownC = partner;
    } else if (type & kChartTransits) {
        settings.shownA = kSlotNative;
        settings.shownB = native;
        settings.shownC = kSlotTransit;
    } else {
        settings.shownA = kSlotNative;
        settings.shownB = native;
        settings.shownC = partner;
    }
}

void SetStartupDefaults(ChartSet& set, ChartRestrictions& restrictions, ChartSettings& settings,
                        const CurrentMoment& now)
{
    settings.houseSystem = ids::kPlacidus;
    settings.nodeMode = IsMeanNode() ? 1 : 0;
    settings.apogeeMode = IsMeanApogee() ? 1 : 0;
    settings.chartType = kChartNatal;
    settings.view = kViewAspects;
    settings.shownA = 0;
    settings.shownB = 0;
    settings.shownC = 1;

    // The clock of the whole-hour zone, not the computer's own: where the
    // computer is minutes beyond a whole hour the clock moves by them, so
    // that the charts hold the computer's moment to the second.
    const LocalNow local = ZoneClockAt(now.time, now.timeZone, now.dst);
    const HomeCity city = FindHomeCity(now.timeZone);
    for (ChartSlot s = 0; s < kChartSlots; ++s) {
        ChartTimeRecord& record = set.times[s];
        SetClockFields(record, local);
        record.timeZone = now.timeZone;
        record.dst = now.dst ? 1 : 0;
        // Where the home city keeps no daylight saving the flag is cleared,
        // and the clock put back an hour with it, so the moment stays now.
        if (city.noDst)
            RemoveDstHour(&record);
        record.latitude = DmsAngle{city.latitudeDegrees, city.latitudeMinutes, 0.0};
        record.longitude = DmsAngle{city.longitudeDegrees, city.longitudeMinutes, 0.0};
        record.progressed = 0;
        set.names[s].name.clear();
        set.names[s].place = city.place;
        set.names[s].isNow = 1;
    }
    set.times[kSlotDefault].progressed = 1;

    SetDefaultRestrictions(restrictions);
}

bool InitDefaults(ChartSet& set, ChartRestrictions& restrictions, ChartSettings& settings,
                  const std::function<void()>& readDefaultFiles)
{
    SetStartupDefaults(set, restrictions, settings, GetCurrentMoment());
    if (readDefaultFiles)
        readDefaultFiles();
    return RecalculateCharts(set, restrictions, settings.houseSystem);
}

void SetChartToNow(ChartSet& set, ChartSlot slot, const CurrentMoment& now)
{
    if (slot < 0 || slot >= kChartSlots)
        return;
    ChartTimeRecord& record = set.times[slot];
    // Summer time as the computer keeps it at the moment whose clock, in the
    // computer's zone, reads what the slot's zone reads now; the clock is
    // then written from the moment itself, so the date rolls over midnight
    // and the slot holds the current moment to the second.
    const std::time_t shifted =
        now.time + (static_cast<std::time_t>(record.timeZone) - now.timeZone) * 3600;
    const bool dst = MomentAt(shifted).dst;
    SetClockFields(record, ZoneClockAt(now.time, record.timeZone, dst));
    record.dst = dst ? 1 : 0;
    record.progressed = slot == kSlotDefault ? 1 : 0;
    set.names[slot].name.clear();
    set.names[slot].isNow = 1;
}

void SwapChartData(ChartSet& set, ChartSlot a, ChartSlot b)
{
    if (a < 0 || a >= kChartSlots || b < 0 || b >= kChartSlots || a == b)
        return;
    ChartTimeRecord* times = set.times;
    const bool nativePartner = (a == kSlotNative && b == kSlotPartner) ||
                               (a == kSlotPartner && b == kSlotNative);
    if (a == kSlotDefault || b == kSlotDefault) {
        const ChartSlot other = a == kSlotDefault ? b : a;
        // The default chart is for now only while its start-up box is ticked,
        // as its file says: a stale now flag would save the chart that leaves
        // it as "Now", at a moment it never showed.
        if (times[kSlotDefault].progressed == 0)
            set.names[kSlotDefault].isNow = 0;
        // After the exchange slot 7's start-up flag tells whether the chart
        // that moved there was a "now" chart; the other slot is not progressed.
        times[kSlotDefault].progressed = 0;
        times[other].progressed = set.names[other].isNow;
    } else if (!nativePartner) {
        times[a].progressed = 0;
        times[b].progressed = 0;
    }
    std::swap(times[a], times[b]);
    std::swap(set.names[a], set.names[b]);
}
