// The information panel: sorting the largest aspect list, and painting its
// pages into a 200 x 900 memory context (a scrolled aspect list draws only
// the visible band). Drawing needs a display; it skips without one.
#include <benchmark/benchmark.h>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include "bench/bench_support.h"
#include "display/wheel/chart_canvas.h"
#include "display/panel/chart_info.h"
#include "display/glyphs/glyph_engine.h"
#include "engine/ephemeris_setup.h"
#include "shell/chart_slots.h"
#include "tests/support/sample_charts.h"

namespace {

using ov_test::SampleMoment;

/// The largest list a search can give: every ordered pair of two charts.
std::vector<AspectRecord> FullList()
{
    std::vector<AspectRecord> records;
    for (PointIndex i = 0; i < kChartPoints; ++i)
        for (PointIndex j = 0; j < kChartPoints; ++j) {
            AspectRecord r;
            r.chartA = kSlotNative;
            r.chartB = kSlotTransit;
            r.aspect = ids::kAspectFirst + (i * 7 + j) % kAspectKinds;
            r.pointA = PointIndexToId(i);
            r.pointB = PointIndexToId(j);
            r.orb = ((i * 37 + j * 11) % 100) * 0.1;
            records.push_back(r);
        }
    return records;
}

void BM_PanelSortFullList(benchmark::State& state)
{
    const std::vector<AspectRecord> records = FullList();
    InfoPanelState panel;
    panel.SetChartMode(static_cast<ChartModeFlags>(state.range(1)) | kViewAspects);
    panel.SetAspectList(int(records.size()), records.data());
    panel.SetAspectSortOrder(kListAll | static_cast<AspectListMode>(state.range(0)));
    for (auto _ : state) {
        panel.SortAspects();
        benchmark::DoNotOptimize(panel.order.data());
    }
    state.counters["records"] = double(records.size());
}

/// A canvas and panel pair on a hidden frame with a natal and a transit
/// chart through the real recalculation, every point shown.
class PanelBench {
public:
    explicit PanelBench(ChartModeFlags mode)
        : m_frame(new wxFrame(nullptr, wxID_ANY, "bench")), m_canvas(new CChartCanvas(m_frame)),
          m_panel(new CChartInfo(m_frame, m_canvas)), m_bitmap(200, 900), m_dc(m_bitmap)
    {
        static bool once = [] {
            InitEphemeris("ov_bench");
            CompileAllGlyphs();
            return true;
        }();
        (void)once;
        m_frame->SetClientSize(900, 900);
        m_canvas->SetSize(0, 0, 700, 900);
        m_panel->SetSize(700, 0, 200, 900);
        m_canvas->SetInfoPanel(m_panel);
        ChartSet set;
        ChartRestrictions restrictions;
        ChartSettings settings;
        SetStartupDefaults(set, restrictions, settings, CurrentMoment{});
        set.times[kSlotNative] = SampleMoment(1974, 7, 23, 14, 0, 1, 48.85, 2.35);
        set.times[kSlotTransit] = SampleMoment(2026, 12, 7, 9, 0, 1, 48.85, 2.35);
        ov_test::ShowAllPoints(restrictions);
        RecalculateCharts(set, restrictions, ids::kPlacidus);
        m_canvas->SetRestrictions(restrictions.pointRestricted, restrictions.aspectRestricted, restrictions.orbs,
                                  false);
        m_canvas->SetChartData(set.positions, set.times, set.names, false);
        m_canvas->SetChartMode(mode, kSlotNative, kSlotNative, kSlotTransit, true, false);
    }
    ~PanelBench() { m_frame->Destroy(); }

    CChartInfo& Panel() { return *m_panel; }
    void Draw() { m_panel->Draw(m_dc); }

private:
    wxFrame* m_frame;
    CChartCanvas* m_canvas;
    CChartInfo* m_panel;
    wxBitmap m_bitmap;
    wxMemoryDC m_dc;
};

void RunPage(benchmark::State& state, ChartModeFlags mode, InfoPageKind page, ObjectId item, bool scrolled = false)
{
    if (!ov_bench::HasDisplay()) {
        state.SkipWithError("no display");
        return;
    }
    PanelBench bench(mode);
    if (page == kPageAspects)
        bench.Panel().SetAspectSortOrder(kListAll | kListSortByOrb, false);
    else
        bench.Panel().SetPage(page, item, kSlotNative);
    bench.Draw(); // sets the scroll range
    if (scrolled)
        bench.Panel().Scroll(0, bench.Panel().GetVirtualSize().y / 2);
    for (auto _ : state)
        bench.Draw();
    state.counters["aspects"] = bench.Panel().GetAspectCount();
    state.counters["pageHeight"] = bench.Panel().GetVirtualSize().y;
}

void BM_PanelDrawSummaryNatal(benchmark::State& s) { RunPage(s, kChartNatal | kViewAspects, kPageSummary, -1); }
void BM_PanelDrawSummaryTransits(benchmark::State& s) { RunPage(s, kChartTransits | kViewAspects, kPageSummary, -1); }
void BM_PanelDrawSignPage(benchmark::State& s) { RunPage(s, kChartTransits | kViewAspects, kPageSign, 504); }
void BM_PanelDrawHousePage(benchmark::State& s) { RunPage(s, kChartTransits | kViewAspects, kPageHouse, 759); }
void BM_PanelDrawPointPage(benchmark::State& s) { RunPage(s, kChartTransits | kViewAspects, kPagePoint, 10000); }
void BM_PanelDrawAspectList(benchmark::State& s) { RunPage(s, kChartTransits | kViewAspects, kPageAspects, -1); }
void BM_PanelDrawAspectListScrolled(benchmark::State& s)
{
    RunPage(s, kChartTransits | kViewAspects, kPageAspects, -1, true);
}

} // namespace

BENCHMARK(BM_PanelSortFullList)
    ->Args({kListSortByOrb, kChartSynastry})
    ->Args({kListSortByFirst, kChartSynastry})
    ->Args({kListSortByFirst, kChartTransits})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PanelDrawSummaryNatal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanelDrawSummaryTransits)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanelDrawSignPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanelDrawHousePage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanelDrawPointPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanelDrawAspectList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanelDrawAspectListScrolled)->Unit(benchmark::kMillisecond);
