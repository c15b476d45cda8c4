// The natal chart: sidereal time, ARMC and cusps, the 26 points with their
// speeds, and the house of each point, all from the ephemeris library.
#include "engine/chart_positions.h"

#include <swephexp.h>

namespace {

// Process-wide lunar choices; 0 until start-up sets them.
int g_nodeMode = 0;
int g_apogeeMode = 0;

constexpr int kPorphyryLetter = 'O';

// Universal-time Julian day of a record. The daylight-saving hour is taken
// off a copy so that the caller's record is never changed.
double RecordJulianDay(const ChartTimeRecord& record)
{
    ChartTimeRecord zoneTime = record;
    RemoveDstHour(&zoneTime);
    const double clock = zoneTime.hour + zoneTime.minute / 60.0 + zoneTime.second / 3600.0;
    return swe_julday(zoneTime.year, zoneTime.month, zoneTime.day, clock, SE_GREG_CAL) -
           zoneTime.timeZone / 24.0;
}

void SetCusp(HouseCuspEntry* cusp, ObjectId houseSystem, double longitude)
{
    cusp->houseSystem = houseSystem;
    cusp->longitude = longitude;
    SplitZodiacPosition(longitude, &cusp->zodiac, false);
}

// House k runs from cusp k up to (not including) cusp k + 1; a house that
// spans 0 degrees wraps. Returns 0 when no house holds the longitude.
int FindHouse(double longitude, const HouseCuspEntry* cusps)
{
    for (int k = 1; k <= 12; ++k) {
        const double a = cusps[k].longitude;
        const double b = cusps[k + 1].longitude;
        if (a <= b) {
            if (a <= longitude && longitude < b)
                return k;
        } else if (longitude >= a || longitude < b) {
            return k;
        }
    }
    return 0;
}

} // namespace

void SetMeanNodeMode(int value) { g_nodeMode = value; }
bool IsMeanNode() { return g_nodeMode == 1; }
void SetMeanApogeeMode(int value) { g_apogeeMode = value; }
bool IsMeanApogee() { return g_apogeeMode == 1; }

void ComputeNatalChart(const ChartTimeRecord* record, ObjectId houseSystem, ChartPositions* out)
{
    if (record == nullptr || out == nullptr)
        return;
    ComputeHouses(record, houseSystem, out->cusps, &out->armc, &out->siderealTime);
    ComputePlanetPositions(record, out->points);
    AssignHouses(out, houseSystem);
}

void ComputeHouses(const ChartTimeRecord* record, ObjectId houseSystem, HouseCuspEntry* cuspsOut,
                   double* armcOut, double* siderealTimeOut)
{
    ComputeHousesEx(record, houseSystem, cuspsOut, false, armcOut, siderealTimeOut, 0.0, 0.0);
}

void ComputeHousesEx(const ChartTimeRecord* record, ObjectId houseSystem, HouseCuspEntry* cuspsOut,
                     bool useArmc, double* armc, double* siderealTimeOut, double latitude,
                     double obliquity)
{
    if (record == nullptr || cuspsOut == nullptr)
        return;
    if (useArmc && armc == nullptr)
        return;
    // Gauquelin (793) has 36 sectors, not twelve houses: rejected with the rest.
    if (houseSystem < ids::kHouseSystemFirst || houseSystem >= ids::kGauquelin)
        return;
    if (houseSystem == ids::kNullHouses) {
        for (int k = 1; k <= 13; ++k)
            SetCusp(&cuspsOut[k], houseSystem, (k - 1) * 30.0);
        return;
    }

    const int letter = IdToEphemerisNumber(houseSystem);
    const double jd = RecordJulianDay(*record);
    const double geoLatitude = DmsToDecimal(&record->latitude);
    const double geoLongitude = DmsToDecimal(&record->longitude);

    double siderealTime = swe_sidtime(jd) + geoLongitude / 15.0;
    if (siderealTime >= 24.0)
        siderealTime -= 24.0;
    else if (siderealTime < 0.0)
        siderealTime += 24.0;
    if (siderealTimeOut != nullptr)
        *siderealTimeOut = siderealTime;

    // Room for the 36 Gauquelin sectors even though only 13 entries are read.
    double cusps[37] = {};
    double ascmc[10] = {};
    auto compute = [&](int hsys) {
        if (useArmc)
            return swe_houses_armc(*armc, latitude, obliquity, hsys, cusps, ascmc);
        return swe_houses(jd, geoLatitude, geoLongitude, hsys, cusps, ascmc);
    };
    // Placidus and Koch have no cusps inside the polar circles: Porphyry serves.
    if (compute(letter) < 0 && compute(kPorphyryLetter) < 0)
        return;

    for (int k = 1; k <= 12; ++k)
        SetCusp(&cuspsOut[k], houseSystem, cusps[k]);
    SetCusp(&cuspsOut[13], houseSystem, cusps[1]);
    if (armc != nullptr)
        *armc = ascmc[SE_ARMC];
}

void ComputePlanetPositions(const ChartTimeRecord* record, PointPositionEntry* pointsOut)
{
    if (record == nullptr || pointsOut == nullptr)
        return;
    const double jd = RecordJulianDay(*record);
    for (int i = 0; i < kComputedPoints; ++i) {
        ObjectId id = ids::kPointFirst + i;
        if (id == ids::kNorthNode)
            id = IsMeanNode() ? ids::kMeanNode : ids::kTrueNode;
        else if (id == ids::kLilith)
            id = IsMeanApogee() ? ids::kMeanApogee : ids::kOscuApogee;

        double values[6] = {};
        char error[AS_MAXCH] = {};
        // A failed body (no data file) leaves zeros, which the caller reads as
        // unavailable; nothing is reported here.
        swe_calc_ut(jd, IdToEphemerisNumber(id), SEFLG_SPEED, values, error);

        PointPositionEntry& entry = pointsOut[i];
        entry.longitude = values[0];
        entry.latitude = values[1];
        entry.distance = values[2];
        entry.longitudeSpeed = values[3];
        entry.latitudeSpeed = values[4];
        entry.distanceSpeed = values[5];
        SplitZodiacPosition(entry.longitude, &entry.zodiac, false);
    }
}

double ComputeObliquity(const ChartTimeRecord* record)
{
    if (record == nullptr)
        return 0.0;
    double values[6] = {};
    char error[AS_MAXCH] = {};
    if (swe_calc_ut(RecordJulianDay(*record), IdToEphemerisNumber(ids::kEclipticObliquity), 0, values, error) < 0)
        return 0.0;
    return values[0];
}

void AssignHouses(ChartPositions* chart, ObjectId houseSystem)
{
    if (chart == nullptr)
        return;
    for (int i = 0; i < kComputedPoints; ++i) {
        PointPositionEntry& entry = chart->points[i];
        entry.houseSystem = houseSystem;
        const int house = FindHouse(entry.longitude, chart->cusps);
        if (house != 0)
            entry.house = house;
    }
}

int FindHouseOfPoint(PointIndex index, const PointPositionEntry* points, const HouseCuspEntry* cusps)
{
    if (points == nullptr || cusps == nullptr || index < 0 || index >= kComputedPoints)
        return 0;
    return FindHouse(points[index].longitude, cusps);
}
