// chartdump: computes one natal chart from the command line and prints every
// number of it, for comparing the engine with other tools and for timing.
#include <cstdio>
#include <cstring>
#include <vector>

#include "engine/chart_positions.h"
#include "engine/ephemeris_setup.h"
#include "display/aspects/aspect_pattern.h"
#include "display/aspects/aspect_search.h"
#include "shell/chart_slots.h"
#include "tools/support/tool_app.h"
#include "tools/support/tool_arguments.h"

namespace {

const char kUsage[] =
    "usage: chartdump YEAR MONTH DAY HOUR MINUTE SECOND ZONE DST LAT LON HOUSE [MEANNODE [MEANAPOGEE]]"
    " [--aspects default|all]\n";

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

} // namespace

int main(int argc, char** argv)
{
    ExitOnClassLibraryAssert("chartdump");
    int aspects = 0; // 0 none, 1 default, 2 all
    if (argc >= 3 && std::strcmp(argv[argc - 2], "--aspects") == 0) {
        if (std::strcmp(argv[argc - 1], "default") == 0)
            aspects = 1;
        else if (std::strcmp(argv[argc - 1], "all") == 0)
            aspects = 2;
        else
            return Usage(kUsage);
        argc -= 2;
    }
    if (argc < 12 || argc > 14)
        return Usage(kUsage);

    ChartTimeRecord record;
    int houseSystem = 0, meanNode = 0, meanApogee = 1;
    // The house calculation computes 780..792; Gauquelin (793) has 36
    // sectors, not twelve houses, and would print cusps of zero.
    if (ParseInt(argv[11], ids::kGauquelin, ids::kGauquelin, &houseSystem)) {
        std::fprintf(stderr, "chartdump: house system 793 (Gauquelin) has no twelve houses; use 780 to 792\n");
        return 2;
    }
    const bool ok = ParseMoment(argv + 1, &record) &&
                    ParseInt(argv[11], ids::kHouseSystemFirst, ids::kGauquelin - 1, &houseSystem) &&
                    (argc < 13 || ParseInt(argv[12], 0, 1, &meanNode)) &&
                    (argc < 14 || ParseInt(argv[13], 0, 1, &meanApogee));
    if (!ok)
        return Usage(kUsage);

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
