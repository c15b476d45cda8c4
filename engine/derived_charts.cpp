// Charts derived from others: secondary progressions (a day for a year),
// the composite midpoint chart and the Davison relationship chart.
#include "engine/derived_charts.h"

#include <cmath>
#include <cstdint>
#include <ctime>

#include <swephexp.h>

#include "platform/local_zone.h"

namespace {

constexpr double kTropicalYear = 365.24219893;
// The ARMC advances one turn per squared tropical year of life.
constexpr double kTropicalYearSquared = 133401.86387922167;

// Brings an ARMC into range the way a repeated subtraction or addition of a
// turn would: a value of exactly 360 (or a multiple above it) stays 360.
double WrapArmc(double armc)
{
    if (armc > 360.0) {
        armc = std::fmod(armc, 360.0);
        if (armc == 0.0)
            armc = 360.0;
    }
    if (armc < 0.0) {
        armc = std::fmod(armc, 360.0);
        if (armc < 0.0)
            armc += 360.0;
    }
    return armc + 0.0; // no negative zero
}

// Whether this computer keeps summer time at local midnight of a date, read
// as everywhere else in the program (platform::ReadComputerZone). Before 1970
// its rules are not known, and the clock is left at zone time. The C
// runtime's 64-bit clock reaches far beyond the ephemeris range, so no
// calendar library with a day zero of its own is involved.
bool IsLocalDaylightSaving(int year, int month, int day)
{
    if (year < 1970 || year > 99999)
        return false;
    struct tm midnight = {};
    midnight.tm_year = year - 1900;
    midnight.tm_mon = month - 1;
    midnight.tm_mday = day;
    midnight.tm_isdst = -1;
    const time_t moment = mktime(&midnight);
    platform::ComputerZone zone;
    if (moment == static_cast<time_t>(-1) || !platform::ReadComputerZone(moment, &zone))
        return false;
    return zone.summer;
}

void SetNullCusps(HouseCuspEntry* cusps)
{
    for (int k = 1; k <= 13; ++k) {
        cusps[k].houseSystem = ids::kNullHouses;
        cusps[k].longitude = (k - 1) * 30.0;
        SplitZodiacPosition(cusps[k].longitude, &cusps[k].zodiac, false);
    }
}

} // namespace

void ComputeProgressedChartData(const ChartTimeRecord* natal, const ChartTimeRecord* target,
                                ChartTimeRecord* out)
{
    if (natal == nullptr || target == nullptr || out == nullptr)
        return;
    const ChartTimeRecord birth = *natal; // out may be the natal record itself
    const double jdN = GetChartJulianDay(birth);
    const double jdT = GetChartJulianDay(*target);
    const double jdP = jdN + (jdT - jdN) / kTropicalYear;
    SetChartFromJulianDay(jdP, birth.timeZone, birth.dst, out);
    out->progressed = 1;
    out->latitude = birth.latitude;
    out->longitude = birth.longitude;
    out->dst = birth.dst;
}

void ComputeDavisonChartData(const ChartTimeRecord* a, const ChartTimeRecord* b, ChartTimeRecord* out)
{
    if (a == nullptr || b == nullptr || out == nullptr)
        return;
    const ChartTimeRecord first = *a; // out may be one of the inputs
    const ChartTimeRecord second = *b;
    const double jd = (GetChartJulianDay(first) + GetChartJulianDay(second)) / 2.0;
    // Whole hours, truncated toward zero like the zones themselves are kept;
    // summed in 64 bits so that no pair of zones overflows.
    const int zone = static_cast<int>((static_cast<int64_t>(first.timeZone) + second.timeZone) / 2);
    SetChartFromJulianDay(jd, zone, 0, out);

    if (IsLocalDaylightSaving(out->year, out->month, out->day))
        AddDstHour(out);

    MidpointDms(first.latitude, second.latitude, &out->latitude);
    MidpointDms(first.longitude, second.longitude, &out->longitude);
}

void ComputeProgressedChart(const ChartTimeRecord* natal, const ChartTimeRecord* target,
                            const ChartTimeRecord* progressed, ObjectId houseSystem, ChartPositions* out)
{
    if (natal == nullptr || target == nullptr || progressed == nullptr || out == nullptr)
        return;
    if (houseSystem == ids::kNullHouses) {
        SetNullCusps(out->cusps);
    } else {
        // Scratch results start at zero: a house system that writes nothing
        // must not leave garbage to be advanced.
        HouseCuspEntry natalCusps[14] = {};
        double natalArmc = 0.0;
        double scratchSiderealTime = 0.0;
        ComputeHouses(natal, houseSystem, natalCusps, &natalArmc, &scratchSiderealTime);

        const double obliquity = ComputeObliquity(progressed);
        const double jdN = GetChartJulianDay(*natal);
        const double jdT = GetChartJulianDay(*target);
        const double armc = WrapArmc(natalArmc + (jdT - jdN) * 360.0 / kTropicalYearSquared);
        out->armc = armc;
        out->siderealTime = armc / 15.0;

        double reportedArmc = armc; // what the library reports stays out of the chart
        ComputeHousesEx(natal, houseSystem, out->cusps, true, &reportedArmc, &scratchSiderealTime,
                        DmsToDecimal(&natal->latitude), obliquity);
    }
    ComputePlanetPositions(progressed, out->points);
    AssignHouses(out, houseSystem);
}

void ComputeCompositeChart(const ChartTimeRecord* a, const ChartTimeRecord* b, double armcA, double armcB,
                           ObjectId houseSystem, ChartPositions* out)
{
    if (a == nullptr || b == nullptr || out == nullptr)
        return;
    // Zeroed scratch: the "Null" or an unknown system writes no sidereal time.
    HouseCuspEntry scratchCusps[14] = {};
    double scratchArmc = 0.0;
    double siderealTimeA = 0.0;
    double siderealTimeB = 0.0;
    ComputeHouses(a, houseSystem, scratchCusps, &scratchArmc, &siderealTimeA);
    ComputeHouses(b, houseSystem, scratchCusps, &scratchArmc, &siderealTimeB);

    PointPositionEntry pointsA[kComputedPoints] = {};
    PointPositionEntry pointsB[kComputedPoints] = {};
    ComputePlanetPositions(a, pointsA);
    ComputePlanetPositions(b, pointsB);

    const double obliquity = (ComputeObliquity(a) + ComputeObliquity(b)) / 2.0;
    const double latitude = (DmsToDecimal(&a->latitude) + DmsToDecimal(&b->latitude)) / 2.0;

    out->armc = swe_deg_midp(armcA, armcB);
    out->siderealTime = (siderealTimeA + siderealTimeB) / 2.0;

    double reportedArmc = out->armc;
    double reportedSiderealTime = 0.0;
    ComputeHousesEx(a, houseSystem, out->cusps, true, &reportedArmc, &reportedSiderealTime, latitude,
                    obliquity);
    ComputeCompositePoints(pointsA, pointsB, out);
    AssignHouses(out, houseSystem);
}

void ComputeCompositePoints(const PointPositionEntry* a, const PointPositionEntry* b, ChartPositions* out)
{
    if (a == nullptr || b == nullptr || out == nullptr)
        return;
    for (int i = 0; i < kComputedPoints; ++i) {
        PointPositionEntry& entry = out->points[i];
        if (a[i].longitude < kNoPositionLongitude || b[i].longitude < kNoPositionLongitude) {
            // Half a midpoint with a missing body is no position at all: keep
            // the zeros, so the composite marks the point unavailable too.
            entry.longitude = entry.latitude = entry.distance = 0.0;
            entry.longitudeSpeed = entry.latitudeSpeed = entry.distanceSpeed = 0.0;
        } else {
            // The midpoint on the shorter arc: 350 and 10 meet at 0, not 180.
            entry.longitude = swe_deg_midp(a[i].longitude, b[i].longitude);
            entry.latitude = (a[i].latitude + b[i].latitude) / 2.0;
            entry.distance = (a[i].distance + b[i].distance) / 2.0;
            entry.longitudeSpeed = (a[i].longitudeSpeed + b[i].longitudeSpeed) / 2.0;
            entry.latitudeSpeed = (a[i].latitudeSpeed + b[i].latitudeSpeed) / 2.0;
            entry.distanceSpeed = (a[i].distanceSpeed + b[i].distanceSpeed) / 2.0;
        }
        SplitZodiacPosition(entry.longitude, &entry.zodiac, false);
        const int house = FindHouseOfPoint(i, out->points, out->cusps);
        if (house != 0)
            entry.house = house;
    }
}
