// chartdump: computes one natal chart from the command line and prints every
// number of it, for comparing the engine with other tools and for timing.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/chart_positions.h"
#include "engine/ephemeris_setup.h"
#include "display/aspect_pattern.h"
#include "display/aspect_search.h"
#include "shell/chart_slots.h"

namespace {

const char kUsage[] =
    "usage: chartdump YEAR MONTH DAY HOUR MINUTE SECOND ZONE DST LAT LON HOUSE [MEANNODE [MEANAPOGEE]]"
    " [--aspects default|all]\n";

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

// Runs the program's own aspect and configuration search over the chart as a
// one-wheel natal chart and prints the records and configurations in the
// order found. "default": the start-up restrictions and orbs; "all": every
// point and every aspect kind with its default orb.
void DumpAspects(const ChartPositions& chart, bool all)
{
    ChartRestrictions restrictions;
    SetDefaultRestrictions(restrictions);
    if (all) {
        std::memset(restrictions.pointRestricted, 0, sizeof restrictions.pointRestricted);
        std::memset(restrictions.aspectRestricted, 0, sizeof restrictions.aspectRestricted);
    }
    // As the recalculation does: a point without a position takes no part.
    MarkUnavailablePoints(chart, kSlotNative, restrictions);

    ChartPositions positions[kChartSlots];
    positions[kSlotNative] = chart;
    std::vector<AspectRecord> records(kMaxAspects);
    const int count = FindAspectRecords(positions, restrictions.pointRestricted,
                                        restrictions.aspectRestricted, restrictions.orbs,
                                        kSlotNative, kSlotNative, records.data());
    AspectPatternArray patterns;
    FindAspectPatterns(records.data(), count, &patterns);
    for (int r = 0; r < count; ++r)
        std::printf("aspect %d %d %d %.9f\n", records[r].aspect, records[r].pointA, records[r].pointB,
                    records[r].orb);
    for (int p = 0; p < patterns.GetCount(); ++p) {
        std::printf("pattern %d", patterns[p].configuration);
        for (int id : patterns[p].pointIds)
            std::printf(" %d", id);
        std::printf("\n");
    }
}

int Usage()
{
    std::fputs(kUsage, stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    int aspects = 0; // 0 none, 1 default, 2 all
    if (argc >= 3 && std::strcmp(argv[argc - 2], "--aspects") == 0) {
        if (std::strcmp(argv[argc - 1], "default") == 0)
            aspects = 1;
        else if (std::strcmp(argv[argc - 1], "all") == 0)
            aspects = 2;
        else
            return Usage();
        argc -= 2;
    }
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
    if (aspects != 0)
        DumpAspects(chart, aspects == 2);
    CloseEphemeris();
    return 0;
}
