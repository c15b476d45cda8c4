// One computed chart (sidereal time, ARMC, cusps, 26 points) and the natal
// computation that fills it through the ephemeris library.
#pragma once

#include <cstdint>

#include "engine/angles.h"

/// A point whose longitude lies below this got no position: the ephemeris
/// library returns zeros for a body it cannot compute.
constexpr double kNoPositionLongitude = 1e-6;

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

/// Process-wide lunar choices: node mode 1 is the mean node, else the true
/// node; apogee mode 1 is the mean apogee, else the osculating one.
void SetMeanNodeMode(int value);
bool IsMeanNode();
void SetMeanApogeeMode(int value);
bool IsMeanApogee();

/// Houses, then the 26 points, then the house of each point.
void ComputeNatalChart(const ChartTimeRecord* record, ObjectId houseSystem, ChartPositions* out);
/// Cusps, ARMC and local sidereal time of a record (Porphyry where the
/// system fails). 783 gives whole signs from Aries; outside 780..792 nothing.
void ComputeHouses(const ChartTimeRecord* record, ObjectId houseSystem, HouseCuspEntry* cuspsOut,
                   double* armcOut, double* siderealTimeOut);
/// ComputeHouses, or with useArmc the cusps of the supplied ARMC at the given
/// latitude and obliquity. ARMC and sidereal-time outputs may be null.
void ComputeHousesEx(const ChartTimeRecord* record, ObjectId houseSystem, HouseCuspEntry* cuspsOut,
                     bool useArmc, double* armc, double* siderealTimeOut, double latitude,
                     double obliquity);
/// Positions and daily speeds of the 26 points; a body the library cannot
/// compute comes back as zeros.
void ComputePlanetPositions(const ChartTimeRecord* record, PointPositionEntry* pointsOut);
/// True obliquity of the ecliptic at the record's moment; 0.0 on failure.
double ComputeObliquity(const ChartTimeRecord* record);
/// Stores the house system and, where one holds it, the house of every point.
void AssignHouses(ChartPositions* chart, ObjectId houseSystem);
/// House 1..12 of one point among another chart's cusps; 0 when none.
int FindHouseOfPoint(PointIndex index, const PointPositionEntry* points, const HouseCuspEntry* cusps);
