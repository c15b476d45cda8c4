// The engine's chart computations beside the bare ephemeris-library calls
// that the same work needs, so the engine's own overhead can be read off.
// Every iteration moves to another moment: the library keeps the last
// position of each body, and repeating one moment would time only that cache.
#include <benchmark/benchmark.h>

#include <swephexp.h>

#include <vector>

#include "engine/derived_charts.h"
#include "engine/ephemeris_setup.h"

namespace {

constexpr int kMoments = 512;
constexpr int kGregorian = 1;

struct ChartInputs {
    ChartTimeRecord native, partner, transit, defaultChart;
};

ChartTimeRecord MakeRecord(double jd, int zone, int dst, double latitude, double longitude)
{
    ChartTimeRecord r;
    SetChartFromJulianDay(jd, zone, dst, &r);
    DecimalToDms(latitude, &r.latitude);
    DecimalToDms(longitude, &r.longitude);
    return r;
}

const std::vector<ChartInputs>& Inputs()
{
    static const std::vector<ChartInputs> inputs = [] {
        InitEphemeris("ov_bench");
        std::vector<ChartInputs> v;
        for (int i = 0; i < kMoments; ++i) {
            const double step = i * 3.3178;
            v.push_back({MakeRecord(2440000.3 + step, -5, 0, 40.7, -74.0),
                         MakeRecord(2445000.7 + step, 1, 1, 52.5, 13.4),
                         MakeRecord(2460000.1 + step, 0, 0, 51.5, -0.1),
                         MakeRecord(2450000.9 + step, 10, 0, -33.9, 151.2)});
        }
        return v;
    }();
    return inputs;
}

// The library calls of one natal chart, as the engine makes them.
struct BareChart {
    double cusps[37];
    double ascmc[10];
    double points[kComputedPoints][6];
    double siderealTime;
};

double BareJulianDay(const ChartTimeRecord& r)
{
    ChartTimeRecord zoneTime = r;
    RemoveDstHour(&zoneTime);
    return swe_julday(zoneTime.year, zoneTime.month, zoneTime.day,
                      zoneTime.hour + zoneTime.minute / 60.0 + zoneTime.second / 3600.0, kGregorian) -
           zoneTime.timeZone / 24.0;
}

const int kBodies[kComputedPoints] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 15,
                                      17, 18, 19, 20, 16, 40, 41, 42, 43, 44, 45, 46, 47};

void BarePoints(double jd, double (*points)[6])
{
    char error[AS_MAXCH];
    for (int i = 0; i < kComputedPoints; ++i)
        swe_calc_ut(jd, kBodies[i], SEFLG_SPEED, points[i], error);
}

void BareNatal(const ChartTimeRecord& r, BareChart* out)
{
    const double jd = BareJulianDay(r);
    const double lat = DmsToDecimal(&r.latitude), lon = DmsToDecimal(&r.longitude);
    out->siderealTime = swe_sidtime(jd) + lon / 15.0;
    swe_houses(jd, lat, lon, 'P', out->cusps, out->ascmc);
    BarePoints(jd, out->points);
}

double BareObliquity(const ChartTimeRecord& r)
{
    double values[6];
    char error[AS_MAXCH];
    swe_calc_ut(BareJulianDay(r), SE_ECL_NUT, 0, values, error);
    return values[0];
}

void BareProgressed(const ChartTimeRecord& natal, const ChartTimeRecord& target, BareChart* out)
{
    ChartTimeRecord progressed;
    ComputeProgressedChartData(&natal, &target, &progressed);
    // The natal ARMC (and the sidereal time that the house call works out).
    BareChart scratch;
    const double jdN = BareJulianDay(natal);
    swe_sidtime(jdN);
    swe_houses(jdN, DmsToDecimal(&natal.latitude), DmsToDecimal(&natal.longitude), 'P', scratch.cusps,
               scratch.ascmc);
    const double eps = BareObliquity(progressed);
    const double armc = scratch.ascmc[2] + (BareJulianDay(target) - BareJulianDay(natal)) * 360.0 / 133401.86387922167;
    swe_sidtime(jdN);
    swe_houses_armc(armc, DmsToDecimal(&natal.latitude), eps, 'P', out->cusps, out->ascmc);
    BarePoints(BareJulianDay(progressed), out->points);
}

void BareComposite(const ChartTimeRecord& a, const ChartTimeRecord& b, double armcA, double armcB,
                   BareChart* out)
{
    BareChart sa, sb;
    const double jdA = BareJulianDay(a), jdB = BareJulianDay(b);
    swe_sidtime(jdA);
    swe_houses(jdA, DmsToDecimal(&a.latitude), DmsToDecimal(&a.longitude), 'P', sa.cusps, sa.ascmc);
    swe_sidtime(jdB);
    swe_houses(jdB, DmsToDecimal(&b.latitude), DmsToDecimal(&b.longitude), 'P', sb.cusps, sb.ascmc);
    BarePoints(jdA, sa.points);
    BarePoints(jdB, sb.points);
    const double eps = (BareObliquity(a) + BareObliquity(b)) / 2.0;
    const double armc = swe_deg_midp(armcA, armcB);
    swe_sidtime(jdA);
    swe_houses_armc(armc, (DmsToDecimal(&a.latitude) + DmsToDecimal(&b.latitude)) / 2.0, eps, 'P', out->cusps,
                    out->ascmc);
    for (int i = 0; i < kComputedPoints; ++i)
        out->points[i][0] = swe_deg_midp(sa.points[i][0], sb.points[i][0]);
}

void BM_NatalChart(benchmark::State& state)
{
    const auto& inputs = Inputs();
    int i = 0;
    ChartPositions chart{};
    for (auto _ : state) {
        ComputeNatalChart(&inputs[i].native, ids::kPlacidus, &chart);
        benchmark::DoNotOptimize(chart);
        i = (i + 1) % kMoments;
    }
}
BENCHMARK(BM_NatalChart);

void BM_NatalChartBareCalls(benchmark::State& state)
{
    const auto& inputs = Inputs();
    int i = 0;
    BareChart chart;
    for (auto _ : state) {
        BareNatal(inputs[i].native, &chart);
        benchmark::DoNotOptimize(chart);
        i = (i + 1) % kMoments;
    }
}
BENCHMARK(BM_NatalChartBareCalls);

// One full recalculation: four entered charts, native and partner progressed
// to the transit moment, the Davison chart and the composite chart.
void BM_ChartSet(benchmark::State& state)
{
    const auto& inputs = Inputs();
    int i = 0;
    ChartPositions charts[8] = {};
    for (auto _ : state) {
        const ChartInputs& in = inputs[i];
        ComputeNatalChart(&in.native, ids::kPlacidus, &charts[0]);
        ComputeNatalChart(&in.partner, ids::kPlacidus, &charts[1]);
        ComputeNatalChart(&in.transit, ids::kPlacidus, &charts[2]);
        ComputeNatalChart(&in.defaultChart, ids::kPlacidus, &charts[7]);
        ChartTimeRecord progressedA, progressedB, davison;
        ComputeProgressedChartData(&in.native, &in.transit, &progressedA);
        ComputeProgressedChartData(&in.partner, &in.transit, &progressedB);
        ComputeProgressedChart(&in.native, &in.transit, &progressedA, ids::kPlacidus, &charts[3]);
        ComputeProgressedChart(&in.partner, &in.transit, &progressedB, ids::kPlacidus, &charts[4]);
        ComputeDavisonChartData(&in.native, &in.partner, &davison);
        ComputeNatalChart(&davison, ids::kPlacidus, &charts[5]);
        ComputeCompositeChart(&in.native, &in.partner, charts[0].armc, charts[1].armc, ids::kPlacidus,
                              &charts[6]);
        benchmark::DoNotOptimize(charts);
        i = (i + 1) % kMoments;
    }
}
BENCHMARK(BM_ChartSet);

void BM_ChartSetBareCalls(benchmark::State& state)
{
    const auto& inputs = Inputs();
    int i = 0;
    BareChart charts[8];
    for (auto _ : state) {
        const ChartInputs& in = inputs[i];
        BareNatal(in.native, &charts[0]);
        BareNatal(in.partner, &charts[1]);
        BareNatal(in.transit, &charts[2]);
        BareNatal(in.defaultChart, &charts[7]);
        BareProgressed(in.native, in.transit, &charts[3]);
        BareProgressed(in.partner, in.transit, &charts[4]);
        ChartTimeRecord davison;
        ComputeDavisonChartData(&in.native, &in.partner, &davison);
        BareNatal(davison, &charts[5]);
        BareComposite(in.native, in.partner, charts[0].ascmc[2], charts[1].ascmc[2], &charts[6]);
        benchmark::DoNotOptimize(charts);
        i = (i + 1) % kMoments;
    }
}
BENCHMARK(BM_ChartSetBareCalls);

} // namespace
