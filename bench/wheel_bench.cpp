// Drawing the whole chart wheel into a 900 x 900 memory context: a natal
// chart with its aspect lines, a two-ring chart, and one time-motion frame
// (recalculate, search aspects, draw). Needs a display; skips without one.
#include <benchmark/benchmark.h>

#include <cmath>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include "bench/bench_support.h"
#include "display/chart_canvas.h"
#include "display/glyph_engine.h"
#include "engine/chart_positions.h"
#include "engine/ephemeris_setup.h"

namespace {

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

ChartTimeRecord MakeMoment(int year, int month, int day, int hour, int minute, double latitude, double longitude)
{
    ChartTimeRecord t;
    t.year = year;
    t.month = month;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    t.timeZone = 1;
    DecimalToDms(latitude, &t.latitude);
    DecimalToDms(longitude, &t.longitude);
    return t;
}

// A canvas of 900 x 900 on a hidden frame, holding a natal chart in slot 0 and
// a transit chart in slot 2, every computable point shown, default orbs.
class WheelBench {
public:
    explicit WheelBench(ChartModeFlags mode)
        : m_frame(new wxFrame(nullptr, wxID_ANY, "bench")), m_canvas(new CChartCanvas(m_frame)),
          m_bitmap(kSide, kSide), m_dc(m_bitmap), m_mode(mode)
    {
        SetUpOnce();
        m_frame->SetClientSize(kSide, kSide);
        m_canvas->SetSize(0, 0, kSide, kSide);
        m_set.times[0] = MakeMoment(1974, 7, 23, 14, 35, 48.85, 2.35);
        m_set.times[2] = MakeMoment(2026, 12, 7, 9, 0, 48.85, 2.35);
        for (int k = 0; k < kAspectKinds; ++k)
            m_orbs[k] = GetDefaultOrb(ids::kAspectFirst + k);
        Recalculate();
        m_canvas->SetRestrictions(m_restricted, m_aspectRestricted, m_orbs, false);
        m_canvas->SetChartMode(m_mode, 0, 0, 2, true, false);
    }
    ~WheelBench() { m_frame->Destroy(); }

    /// Computes both charts and hides the points the ephemeris could not place.
    void Recalculate()
    {
        for (ChartSlot slot : {0, 2}) {
            ComputeNatalChart(&m_set.times[slot], ids::kPlacidus, &m_set.positions[slot]);
            for (int i = 0; i < kComputedPoints; ++i)
                m_restricted[slot][i] = std::fabs(m_set.positions[slot].points[i].longitude) < 1e-6;
        }
    }
    void Advance(int minutes)
    {
        m_set.times[2].minute += minutes;
        if (m_set.times[2].minute >= 60) {
            m_set.times[2].minute -= 60;
            m_set.times[2].hour = (m_set.times[2].hour + 1) % 24;
        }
    }
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
    uint8_t m_restricted[kChartSlots][kChartPoints] = {};
    uint8_t m_aspectRestricted[kAspectKinds] = {};
    double m_orbs[kAspectKinds] = {};
};

void RunDraw(benchmark::State& state, ChartModeFlags mode)
{
    if (!ov_bench::HasDisplay()) {
        state.SkipWithError("no display");
        return;
    }
    WheelBench bench(mode);
    bench.Hand();
    for (auto _ : state)
        bench.Draw();
    state.counters["aspects"] = bench.AspectCount();
}

void BM_WheelDrawNatalWithAspects(benchmark::State& state) { RunDraw(state, kChartNatal | kViewAspects); }
void BM_WheelDrawNatalWithTransits(benchmark::State& state) { RunDraw(state, kChartTransits | kViewAspects); }
void BM_WheelDrawConfigurations(benchmark::State& state) { RunDraw(state, kChartNatal | kViewPatterns); }
void BM_WheelDrawDispositorsBySign(benchmark::State& state)
{
    RunDraw(state, kChartNatal | kViewDispositorsBySign);
}

// One frame of a time motion: move the transit on, recompute both charts,
// search the aspects between them and draw the two rings.
void BM_WheelTimeMotionFrame(benchmark::State& state)
{
    if (!ov_bench::HasDisplay()) {
        state.SkipWithError("no display");
        return;
    }
    WheelBench bench(kChartTransits | kViewAspects);
    for (auto _ : state) {
        bench.Advance(1);
        bench.Recalculate();
        bench.Hand();
        bench.Draw();
    }
}

} // namespace

BENCHMARK(BM_WheelDrawNatalWithAspects)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WheelDrawNatalWithTransits)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WheelDrawConfigurations)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WheelDrawDispositorsBySign)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WheelTimeMotionFrame)->Unit(benchmark::kMillisecond);
