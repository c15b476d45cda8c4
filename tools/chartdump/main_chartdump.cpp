// chartdump: computes one natal chart from the command line and prints every
// number of it, for comparing the engine with other tools and for timing.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/chart_positions.h"
#include "engine/ephemeris_setup.h"

namespace {

const char kUsage[] =
    "usage: chartdump YEAR MONTH DAY HOUR MINUTE SECOND ZONE DST LAT LON HOUSE [MEANNODE [MEANAPOGEE]]\n";

bool ParseInt(const char* text, long low, long high, int* out)
{
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < low || value > high)
        return false;
    *out = static_cast<int>(value);
    return true;
}

bool ParseReal(const char* text, double low, double high, double* out)
{
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text, &end);
    if (errno != 0 || end == text || *end != '\0' || !std::isfinite(value) || value < low || value > high)
        return false;
    *out = value;
    return true;
}

int Usage()
{
    std::fputs(kUsage, stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 12 || argc > 14)
        return Usage();

    ChartTimeRecord record;
    double second = 0.0, latitude = 0.0, longitude = 0.0;
    int houseSystem = 0, meanNode = 0, meanApogee = 1;
    const bool ok = ParseInt(argv[1], -5400, 5400, &record.year) && ParseInt(argv[2], 1, 12, &record.month) &&
                    ParseInt(argv[3], 1, 31, &record.day) && ParseInt(argv[4], 0, 23, &record.hour) &&
                    ParseInt(argv[5], 0, 59, &record.minute) && ParseReal(argv[6], 0.0, 59.999999, &second) &&
                    ParseInt(argv[7], -24, 24, &record.timeZone) && ParseInt(argv[8], 0, 1, &record.dst) &&
                    ParseReal(argv[9], -90.0, 90.0, &latitude) && ParseReal(argv[10], -180.0, 180.0, &longitude) &&
                    ParseInt(argv[11], 780, 793, &houseSystem) &&
                    (argc < 13 || ParseInt(argv[12], 0, 1, &meanNode)) &&
                    (argc < 14 || ParseInt(argv[13], 0, 1, &meanApogee));
    if (!ok || record.day > DaysInMonth(record.month, record.year))
        return Usage();
    record.second = second;
    DecimalToDms(latitude, &record.latitude);
    DecimalToDms(longitude, &record.longitude);

    InitEphemeris(argv[0]);
    SetMeanNodeMode(meanNode);
    SetMeanApogeeMode(meanApogee);

    ChartPositions chart{};
    ComputeNatalChart(&record, houseSystem, &chart);

    std::printf("jd %.9f\n", GetChartJulianDay(record));
    std::printf("st %.9f\n", chart.siderealTime);
    std::printf("armc %.9f\n", chart.armc);
    for (int n = 1; n <= 12; ++n)
        std::printf("cusp %d %.9f %d\n", n, chart.cusps[n].longitude, chart.cusps[n].houseSystem);
    for (int i = 0; i < kComputedPoints; ++i) {
        const PointPositionEntry& p = chart.points[i];
        std::printf("point %d %d %.9f %.9f %.9f %.9f %.9f %.9f %d\n", i, PointIndexToId(i), p.longitude,
                    p.latitude, p.distance, p.longitudeSpeed, p.latitudeSpeed, p.distanceSpeed, p.house);
    }
    CloseEphemeris();
    return 0;
}
