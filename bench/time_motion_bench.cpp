// Time motion: one smooth tick of the three moving charts (conversions,
// recalculation of all eight slots, aspect and configuration searches), and
// the whole frame a running motion shows at 60 frames a second in natal with
// transits: the charts moved on and searched, the wheel (900 x 900) and the information panel (200 x 900) repainted into
// memory contexts. Drawing needs a display; it skips without one.
#include <benchmark/benchmark.h>

#include <vector>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include "bench/bench_support.h"
#include "display/aspects/aspect_pattern.h"
#include "display/aspects/aspect_search.h"
#include "display/glyphs/glyph_engine.h"
#include "display/panel/chart_info.h"
#include "display/wheel/chart_canvas.h"
#include "engine/angles.h"
#include "engine/ephemeris_setup.h"
#include "shell/chart_slots.h"
#include "tests/support/sample_charts.h"

namespace {

using ov_test::SampleMoment;

/// The charts of a running motion and the searches one tick makes on them.
class MotionTick {
public:
    /// allPoints shows every point of every slot; allKinds also searches every aspect kind.
    MotionTick(bool allPoints, bool allKinds)
    {
        static const bool ready = [] {
            InitEphemeris("ov_bench");
            CompileAllGlyphs();
            return true;
        }();
        (void)ready;
        ChartSettings settings;
        SetStartupDefaults(set, restrictions, settings, CurrentMoment{});
        set.times[kSlotNative] = SampleMoment(1974, 7, 23, 14, 35, 1, 48.85, 2.35);
        set.times[kSlotPartner] = SampleMoment(1981, 3, 2, 6, 10, -5, 40.7, -74.0);
        set.times[kSlotTransit] = SampleMoment(2026, 12, 7, 9, 0, 1, 48.85, 2.35);
        if (allKinds)
            ov_test::ShowAllPointsAndAspects(restrictions);
        else if (allPoints)
            ov_test::ShowAllPoints(restrictions);
        for (ChartSlot s : kMoving)
            m_start[s] = GetChartJulianDay(set.times[s]);
        m_records.resize(kMaxAspects);
    }

    /// Moves every moving chart to its start plus the elapsed span (a minute
    /// of chart time per tick) and recalculates the eight slots.
    void Move()
    {
        ++m_ticks;
        for (ChartSlot s : kMoving) {
            ChartTimeRecord& t = set.times[s];
            SetChartFromJulianDay(m_start[s] + m_ticks / 1440.0, t.timeZone, t.dst, &t);
        }
        RecalculateCharts(set, restrictions, ids::kPlacidus);
    }

    /// One smooth tick with the searches of a natal chart in the
    /// configurations view: its aspects, then the configurations among them
    /// (the two-ring types search aspects only).
    void Tick()
    {
        Move();
        const int count = FindAspectRecords(set.positions, restrictions.pointRestricted,
                                            restrictions.aspectRestricted, restrictions.orbs, kSlotNative,
                                            kSlotNative, m_records.data());
        FindAspectPatterns(m_records.data(), count, &m_patterns);
        m_found = count;
    }
    int Found() const { return m_found; }

    ChartSet set;
    ChartRestrictions restrictions;

private:
    static constexpr ChartSlot kMoving[3] = {kSlotNative, kSlotPartner, kSlotTransit};
    double m_start[kChartSlots] = {};
    long m_ticks = 0;
    std::vector<AspectRecord> m_records;
    AspectPatternArray m_patterns;
    int m_found = 0;
};

void BM_TimeMotionTick(benchmark::State& state)
{
    MotionTick tick(state.range(0) != 0, false);
    for (auto _ : state)
        tick.Tick();
    state.counters["aspects"] = tick.Found();
}
// 0: the start-up points; 1: every point (the default aspect kinds).
BENCHMARK(BM_TimeMotionTick)->Arg(0)->Arg(1)->ArgName("all")->Unit(benchmark::kMillisecond);

/// The main window's pair on a hidden frame: a 900 x 900 wheel beside a
/// 200 x 900 panel showing its summary, wired as the frame wires them.
class MotionFrame {
public:
    explicit MotionFrame(bool allKinds)
        : m_tick(true, allKinds), m_frame(new wxFrame(nullptr, wxID_ANY, "bench")),
          m_canvas(new CChartCanvas(m_frame)), m_panel(new CChartInfo(m_frame, m_canvas)),
          m_wheelBitmap(900, 900), m_panelBitmap(200, 900), m_wheelDc(m_wheelBitmap), m_panelDc(m_panelBitmap)
    {
        m_frame->SetClientSize(1100, 900);
        m_canvas->SetSize(0, 0, 900, 900);
        m_panel->SetSize(900, 0, 200, 900);
        m_canvas->SetInfoPanel(m_panel);
        const ChartRestrictions& r = m_tick.restrictions;
        m_canvas->SetRestrictions(r.pointRestricted, r.aspectRestricted, r.orbs, false);
        Show();
        m_canvas->SetChartMode(kChartTransits | kViewAspects, kSlotNative, kSlotNative, kSlotTransit, true, false);
    }
    ~MotionFrame() { m_frame->Destroy(); }

    /// The charts moved on, handed to the canvas (which searches the aspects
    /// between the rings, as the screen update does) and both repaints.
    void Frame()
    {
        m_tick.Move();
        Show();
        m_canvas->Draw(m_wheelDc);
        m_panel->Draw(m_panelDc);
    }
    int AspectCount() const { return m_canvas->GetAspectCount(); }

private:
    void Show() { m_canvas->SetChartData(m_tick.set.positions, m_tick.set.times, m_tick.set.names, false); }

    MotionTick m_tick;
    wxFrame* m_frame;
    CChartCanvas* m_canvas;
    CChartInfo* m_panel;
    wxBitmap m_wheelBitmap, m_panelBitmap;
    wxMemoryDC m_wheelDc, m_panelDc;
};

// Natal with transits, every point shown; the argument also searches every
// aspect kind. 16.7 ms is the budget of a frame at 60 frames a second.
void BM_TimeMotionWholeFrame(benchmark::State& state)
{
    if (!ov_bench::HasDisplay()) {
        state.SkipWithError("no display");
        return;
    }
    MotionFrame frame(state.range(0) != 0);
    for (auto _ : state)
        frame.Frame();
    state.counters["aspects"] = frame.AspectCount();
}
BENCHMARK(BM_TimeMotionWholeFrame)->Arg(0)->Arg(1)->ArgName("allKinds")->Unit(benchmark::kMillisecond);

} // namespace
