// Drawing the whole chart wheel into a 900 x 900 memory context: a natal
// chart with its aspect lines, a two-ring chart, the configuration and
// dispositor views. Needs a display; skips without one. The whole frame of a
// time motion is in time_motion_bench.cpp.
#include <benchmark/benchmark.h>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include "bench/bench_support.h"
#include "display/wheel/chart_canvas.h"
#include "display/glyphs/glyph_engine.h"
#include "engine/chart_positions.h"
#include "engine/ephemeris_setup.h"
#include "shell/chart_slots.h"
#include "tests/support/sample_charts.h"

namespace {

using ov_test::SampleMoment;

constexpr int kSide = 900;

void SetUpOnce()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    InitEphemeris("ov_bench");
    CompileAllGlyphs();
}

// A canvas of 900 x 900 on a hidden frame, holding a natal chart in slot 0 and
// a transit chart in slot 2 filled through the real recalculation with the
// start-up restrictions and orbs; allPoints also shows every point the
// ephemeris can place (the worst case: several hundred aspect lines).
class WheelBench {
public:
    WheelBench(ChartModeFlags mode, bool allPoints)
        : m_frame(new wxFrame(nullptr, wxID_ANY, "bench")), m_canvas(new CChartCanvas(m_frame)),
          m_bitmap(kSide, kSide), m_dc(m_bitmap), m_mode(mode)
    {
        SetUpOnce();
        m_frame->SetClientSize(kSide, kSide);
        m_canvas->SetSize(0, 0, kSide, kSide);
        ChartSettings settings;
        SetStartupDefaults(m_set, m_restrictions, settings, CurrentMoment{});
        m_set.times[kSlotNative] = SampleMoment(1974, 7, 23, 14, 35, 1, 48.85, 2.35);
        m_set.times[kSlotTransit] = SampleMoment(2026, 12, 7, 9, 0, 1, 48.85, 2.35);
        if (allPoints)
            ov_test::ShowAllPoints(m_restrictions);
        Recalculate();
        m_canvas->SetRestrictions(m_restrictions.pointRestricted, m_restrictions.aspectRestricted,
                                  m_restrictions.orbs, false);
        m_canvas->SetChartMode(m_mode, kSlotNative, kSlotNative, kSlotTransit, true, false);
    }
    ~WheelBench() { m_frame->Destroy(); }

    void Recalculate() { RecalculateCharts(m_set, m_restrictions, ids::kPlacidus); }
    void Hand() { m_canvas->SetChartData(m_set.positions, m_set.times, m_set.names, false); }
    void Draw() { m_canvas->Draw(m_dc); }
    int AspectCount() const { return m_canvas->GetAspectCount(); }

private:
    wxFrame* m_frame;
    CChartCanvas* m_canvas;
    wxBitmap m_bitmap;
    wxMemoryDC m_dc;
    ChartModeFlags m_mode;
    ChartSet m_set;
    ChartRestrictions m_restrictions;
};

void RunDraw(benchmark::State& state, ChartModeFlags mode, bool allPoints = false)
{
    if (!ov_bench::HasDisplay()) {
        state.SkipWithError("no display");
        return;
    }
    WheelBench bench(mode, allPoints);
    bench.Hand();
    for (auto _ : state)
        bench.Draw();
    state.counters["aspects"] = bench.AspectCount();
}

void BM_WheelDrawNatalWithAspects(benchmark::State& state) { RunDraw(state, kChartNatal | kViewAspects); }
void BM_WheelDrawNatalWithTransits(benchmark::State& state) { RunDraw(state, kChartTransits | kViewAspects); }
void BM_WheelDrawNatalAllPoints(benchmark::State& state) { RunDraw(state, kChartNatal | kViewAspects, true); }
void BM_WheelDrawTransitsAllPoints(benchmark::State& state) { RunDraw(state, kChartTransits | kViewAspects, true); }
void BM_WheelDrawConfigurations(benchmark::State& state) { RunDraw(state, kChartNatal | kViewPatterns); }
void BM_WheelDrawDispositorsBySign(benchmark::State& state)
{
    RunDraw(state, kChartNatal | kViewDispositorsBySign);
}

} // namespace

BENCHMARK(BM_WheelDrawNatalWithAspects)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WheelDrawNatalWithTransits)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WheelDrawNatalAllPoints)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WheelDrawTransitsAllPoints)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WheelDrawConfigurations)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WheelDrawDispositorsBySign)->Unit(benchmark::kMillisecond);
