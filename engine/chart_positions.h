// One computed chart (sidereal time, ARMC, cusps, 26 points) and the natal
// computation that fills it through the ephemeris library.
#pragma once

#include <cstdint>

#include "engine/angles.h"

/// One house cusp: the system it was computed in, its longitude, its sign form.
struct HouseCuspEntry {
    ObjectId houseSystem = 0;
    double longitude = 0.0;
    ZodiacPosition zodiac;
};

/// One point as the ephemeris library returns it with speeds, plus its
/// zodiac form and its house.
struct PointPositionEntry {
    double longitude = 0.0;
    double latitude = 0.0;
    double distance = 0.0;
    double longitudeSpeed = 0.0;
    double latitudeSpeed = 0.0;
    double distanceSpeed = 0.0;
    ZodiacPosition zodiac;
    ObjectId houseSystem = 0;
    int32_t house = 0;
};

/// One computed chart. cusps[1..12] are the houses, cusps[13] repeats
/// cusp 1 (360 for the "Null" system), cusps[0] is unused. Value-initialised
/// so that a chart no computation has touched holds zeros, not garbage.
struct ChartPositions {
    double siderealTime = 0.0; ///< local sidereal time, hours in [0, 24)
    double armc = 0.0;         ///< degrees
    HouseCuspEntry cusps[14];
    PointPositionEntry points[kComputedPoints];
};

void SetMeanNodeMode(int value);
bool IsMeanNode();
void SetMeanApogeeMode(int value);
bool IsMeanApogee();

void ComputeNatalChart(const ChartTimeRecord* record, ObjectId houseSystem, ChartPositions* out);
void ComputeHouses(const ChartTimeRecord* record, ObjectId houseSystem, HouseCuspEntry* cuspsOut,
                   double* armcOut, double* siderealTimeOut);
void ComputeHousesEx(const ChartTimeRecord* record, ObjectId houseSystem, HouseCuspEntry* cuspsOut,
                     bool useArmc, double* armc, double* siderealTimeOut, double latitude,
                     double obliquity);
void ComputePlanetPositions(const ChartTimeRecord* record, PointPositionEntry* pointsOut);
double ComputeObliquity(const ChartTimeRecord* record);
void AssignHouses(ChartPositions* chart, ObjectId houseSystem);
int FindHouseOfPoint(PointIndex index, const PointPositionEntry* points, const HouseCuspEntry* cusps);
