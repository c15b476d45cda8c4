// Cost of one mouse move through the aspect area: the near-line test over
// every record, for the largest single-wheel and two-ring record counts.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "display/wheel/aspect_hover.h"

namespace {

/// Lines between points spread around a 300-pixel circle, as a full wheel draws them.
std::vector<AspectRecord> WheelLines(int count)
{
    std::vector<AspectRecord> records(count);
    for (int i = 0; i < count; ++i) {
        const double a = i * 2.399963; // golden angle: no two lines alike
        const double b = a + 1.0 + (i % 7) * 0.4;
        AspectRecord& r = records[i];
        r.aspect = 1000 + i % 5;
        r.pointA = 10000 + i % 26;
        r.pointB = 10000 + (i * 7) % 26;
        r.x1 = int(450 + 300 * std::cos(a));
        r.y1 = int(450 + 300 * std::sin(a));
        r.x2 = int(450 + 300 * std::cos(b));
        r.y2 = int(450 + 300 * std::sin(b));
    }
    return records;
}

void BM_AspectsNearPointer(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const std::vector<AspectRecord> records = WheelLines(count);
    const AspectPatternArray patterns;
    std::vector<uint8_t> selection(count);
    int x = 300;
    for (auto _ : state) {
        const NearAspects near = FindAspectsNearPointer(records.data(), count, patterns,
                                                        kChartNatal | kViewAspects, x, 450, selection.data());
        benchmark::DoNotOptimize(near.count);
        x = x == 600 ? 300 : x + 1; // a pointer sweeping across the wheel
    }
    state.SetItemsProcessed(state.iterations() * count);
}

} // namespace

// 637: most records on one wheel; 1444: two rings.
BENCHMARK(BM_AspectsNearPointer)->Arg(40)->Arg(637)->Arg(1444);
