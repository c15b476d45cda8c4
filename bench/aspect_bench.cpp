// Timing of the chart-slot recalculation (against the bare ephemeris calls
// it needs), the aspect search and the configuration search.
#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <cmath>
#include <random>
#include <vector>

#include "display/aspects/aspect_pattern.h"
#include "display/aspects/aspect_search.h"
#include "engine/ephemeris_setup.h"
#include "shell/chart_slots.h"
#include "tests/display/synthetic_chart.h"
#include "tests/support/sample_charts.h"

namespace {

using ov_test::SampleMoment;

void EnsureEphemeris()
{
    static const bool ready = [] {
        InitEphemeris("ov_bench");
        return true;
    }();
    (void)ready;
}

ChartSet SampleSet(int variant = 0)
{
    ChartSet set = ov_test::SampleSet(SampleMoment(1990 + variant % 30, 1 + variant % 12, 15, 12, 0, 1, 47.4, 8.5),
                                      SampleMoment(1985 + variant % 20, 2 + variant % 10, 3, 7, 0, -5, 40.7, -74.0));
    set.times[kSlotDefault] = SampleMoment(2026, 12, 7, 10, 0, 1, 46.2, 6.15);
    return set;
}

void BM_RecalculateEightSlots(benchmark::State& state)
{
    EnsureEphemeris();
    ChartSet set = SampleSet();
    ChartRestrictions restrictions;
    SetDefaultRestrictions(restrictions);
    for (auto _ : state) {
        RecalculateCharts(set, restrictions, ids::kPlacidus);
        benchmark::DoNotOptimize(set.positions[6].points[0].longitude);
    }
}
BENCHMARK(BM_RecalculateEightSlots);

// The ephemeris calls the recalculation cannot avoid, in the same order of
// moments (the library caches the last moment per body): five natal charts,
// two progressed charts (natal houses, obliquity, houses from the ARMC,
// positions) and the composite (both charts' houses, positions, obliquities,
// houses from the mean ARMC).
void BM_BareLibraryCallsOfRecalculation(benchmark::State& state)
{
    EnsureEphemeris();
    ChartSet set = SampleSet();
    ChartRestrictions restrictions;
    RecalculateCharts(set, restrictions, ids::kPlacidus);
    double jd[kChartSlots], lat[kChartSlots], lon[kChartSlots];
    for (ChartSlot s = 0; s < kChartSlots; ++s) {
        jd[s] = GetChartJulianDay(set.times[s]);
        lat[s] = DmsToDecimal(&set.times[s].latitude);
        lon[s] = DmsToDecimal(&set.times[s].longitude);
    }
    const int flags = SEFLG_SWIEPH | SEFLG_SPEED;
    int bodies[kComputedPoints];
    for (int i = 0; i < kComputedPoints; ++i)
        bodies[i] = IdToEphemerisNumber(i == 10 ? ids::kTrueNode : i == 11 ? ids::kMeanApogee
                                                                       : ids::kPointFirst + i);
    double values[6], cusps[37], ascmc[10];
    char error[AS_MAXCH];
    auto positions = [&](double t) {
        for (int b : bodies)
            swe_calc_ut(t, b, flags, values, error);
    };
    auto houses = [&](ChartSlot s) {
        benchmark::DoNotOptimize(swe_sidtime(jd[s]));
        swe_houses(jd[s], lat[s], lon[s], 'P', cusps, ascmc);
    };
    auto obliquity = [&](double t) { swe_calc_ut(t, SE_ECL_NUT, 0, values, error); };
    for (auto _ : state) {
        for (ChartSlot s = 0; s < kChartSlots; ++s) {
            if (s == kSlotNativeProgressed || s == kSlotPartnerProgressed) {
                const ChartSlot natal = s - 3;
                houses(natal);
                obliquity(jd[s]);
                swe_houses_armc(ascmc[SE_ARMC], lat[s], 23.44, 'P', cusps, ascmc);
                positions(jd[s]);
            } else if (s == kSlotComposite) {
                houses(kSlotNative);
                houses(kSlotPartner);
                positions(jd[kSlotNative]);
                positions(jd[kSlotPartner]);
                obliquity(jd[kSlotNative]);
                obliquity(jd[kSlotPartner]);
                swe_houses_armc(ascmc[SE_ARMC], lat[s], 23.44, 'P', cusps, ascmc);
            } else {
                houses(s);
                positions(jd[s]);
            }
        }
        benchmark::DoNotOptimize(values[0]);
    }
}
BENCHMARK(BM_BareLibraryCallsOfRecalculation);

// Real charts for the searches: the native, partner and transit slots of
// several recalculated sets.
struct SearchCase {
    ChartSet set;
    ChartRestrictions restrictions;
};

std::vector<SearchCase> MakeCases(bool allShown)
{
    EnsureEphemeris();
    std::vector<SearchCase> cases(16);
    for (int v = 0; v < 16; ++v) {
        SearchCase& c = cases[v];
        c.set = SampleSet(v * 7);
        SetDefaultRestrictions(c.restrictions);
        if (allShown)
            ov_test::ShowAllPointsAndAspects(c.restrictions);
        RecalculateCharts(c.set, c.restrictions, ids::kPlacidus);
    }
    return cases;
}

void RunAspectSearch(benchmark::State& state, ChartSlot a, ChartSlot b)
{
    const auto cases = MakeCases(state.range(0) != 0);
    std::vector<AspectRecord> records(kMaxAspects);
    size_t n = 0;
    long long found = 0;
    for (auto _ : state) {
        const SearchCase& c = cases[n++ % cases.size()];
        found += FindAspectRecords(c.set.positions, c.restrictions.pointRestricted,
                                   c.restrictions.aspectRestricted, c.restrictions.orbs, a, b,
                                   records.data());
    }
    state.counters["records"] = benchmark::Counter(double(found), benchmark::Counter::kAvgIterations);
}

void BM_AspectSearchOneChart(benchmark::State& state) { RunAspectSearch(state, 0, 0); }
void BM_AspectSearchTwoRings(benchmark::State& state) { RunAspectSearch(state, 0, 2); }
BENCHMARK(BM_AspectSearchOneChart)->Arg(0)->Arg(1)->ArgName("all");
BENCHMARK(BM_AspectSearchTwoRings)->Arg(0)->Arg(1)->ArgName("all");

void RunPatternSearch(benchmark::State& state, const std::vector<std::vector<AspectRecord>>& sets)
{
    AspectPatternArray patterns;
    std::vector<std::vector<AspectRecord>> work = sets;
    size_t n = 0;
    long long found = 0;
    for (auto _ : state) {
        auto& records = work[n++ % work.size()];
        FindAspectPatterns(records.data(), static_cast<int>(records.size()), &patterns);
        found += patterns.GetCount();
    }
    state.counters["patterns"] = benchmark::Counter(double(found), benchmark::Counter::kAvgIterations);
}

std::vector<AspectRecord> Search(const ChartPositions* positions, const ChartRestrictions& r)
{
    std::vector<AspectRecord> records(kMaxAspects);
    records.resize(FindAspectRecords(positions, r.pointRestricted, r.aspectRestricted, r.orbs, 0,
                                     0, records.data()));
    return records;
}

// Real charts: the default points and kinds, or all 38 points and 18 kinds.
void BM_PatternSearchRealCharts(benchmark::State& state)
{
    std::vector<std::vector<AspectRecord>> sets;
    for (const SearchCase& c : MakeCases(state.range(0) != 0))
        sets.push_back(Search(c.set.positions, c.restrictions));
    RunPatternSearch(state, sets);
}
BENCHMARK(BM_PatternSearchRealCharts)->Arg(0)->Arg(1)->ArgName("all")->Unit(benchmark::kMicrosecond);

// The worst case found: all 38 points crowded near multiples of 30 degrees,
// all 18 kinds, so that nearly every pair aspects and figures abound.
void BM_PatternSearchCrowdedChart(benchmark::State& state)
{
    std::mt19937 random(5);
    std::uniform_int_distribution<int> lattice(0, 11);
    std::uniform_real_distribution<double> jitter(-2.0, 2.0);
    std::vector<std::vector<AspectRecord>> sets;
    for (int v = 0; v < 8; ++v) {
        ChartPositions positions[kChartSlots];
        for (PointIndex p = 0; p < kChartPoints; ++p) {
            ov_test::SetLongitude(positions[0], p,
                                  std::fmod(lattice(random) * 30.0 + jitter(random) + 360.0, 360.0));
        }
        ChartRestrictions r;
        SetDefaultRestrictions(r);
        ov_test::ShowAllPointsAndAspects(r);
        sets.push_back(Search(positions, r));
    }
    RunPatternSearch(state, sets);
}
BENCHMARK(BM_PatternSearchCrowdedChart)->Unit(benchmark::kMillisecond);


// Crowded charts of another shape: all 38 points in six clusters, the
// clusters `spacing` degrees apart (72 puts the sixth onto the first), each
// point within `spread` degrees of its cluster, all 18 kinds searched.
std::vector<AspectRecord> ClusteredChart(double spacing, double spread, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> jitter(-spread, spread);
    ChartPositions positions[kChartSlots];
    for (PointIndex p = 0; p < kChartPoints; ++p)
        ov_test::SetLongitude(positions[0], p, std::fmod((p % 6) * spacing + jitter(random) + 360.0, 360.0));
    ChartRestrictions r;
    SetDefaultRestrictions(r);
    ov_test::ShowAllPointsAndAspects(r);
    return Search(positions, r);
}

// Argument: the clusters' spacing in degrees (60: within 2 degrees, 72: within 1).
void BM_PatternSearchClusteredChart(benchmark::State& state)
{
    const double spacing = double(state.range(0));
    const double spread = spacing == 60 ? 2.0 : 1.0;
    std::vector<std::vector<AspectRecord>> sets;
    for (unsigned v = 0; v < 4; ++v)
        sets.push_back(ClusteredChart(spacing, spread, 11 + v));
    RunPatternSearch(state, sets);
    state.counters["records"] = double(sets[0].size());
}
BENCHMARK(BM_PatternSearchClusteredChart)->Arg(60)->Arg(72)->ArgName("spacing")->Unit(benchmark::kMillisecond);

} // namespace
