// Glyph engine: compiling every table at start-up, and stroking glyphs into a
// real memory context as the wheel and the panel do on every paint.
#include <benchmark/benchmark.h>

#include <vector>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>

#include "bench/bench_support.h"
#include "display/glyphs/glyph_engine.h"

namespace {

void BM_CompileAllGlyphs(benchmark::State& state)
{
    for (auto _ : state)
        CompileAllGlyphs();
}
BENCHMARK(BM_CompileAllGlyphs);

// Every sign, point, house and aspect glyph once: about what one wheel shows.
std::vector<ObjectId> WheelIds()
{
    std::vector<ObjectId> ids;
    for (ObjectId id = 500; id <= 511; ++id) ids.push_back(id);
    for (ObjectId id = 750; id <= 761; ++id) ids.push_back(id);
    for (ObjectId id = 1000; id <= 1017; ++id) ids.push_back(id);
    for (ObjectId id = 10000; id <= 10026; ++id) ids.push_back(id);
    return ids;
}

void BM_DrawWheelGlyphs(benchmark::State& state)
{
    if (!ov_bench::HasDisplay()) {
        state.SkipWithError("no display");
        return;
    }
    CompileAllGlyphs();
    const int scale = static_cast<int>(state.range(0));
    const std::vector<ObjectId> ids = WheelIds();
    wxBitmap bitmap(200, 200, 24);
    wxMemoryDC dc(bitmap);
    if (wxGraphicsContext* gc = dc.GetGraphicsContext())
        gc->SetAntialiasMode(wxANTIALIAS_NONE);
    dc.SetPen(wxPen(*wxWHITE, 1, wxPENSTYLE_SOLID));
    for (auto _ : state) {
        for (ObjectId id : ids)
            DrawGlyph(id, dc, 100, 100, scale);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(ids.size()));
}
BENCHMARK(BM_DrawWheelGlyphs)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
