// Benchmark entry point. The class library is started when a display is
// available, so drawing benchmarks can use real memory device contexts;
// without one they skip and the computation benchmarks still run.
#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/init.h>

#include <cstdlib>

#include "bench/bench_support.h"

namespace {
bool g_hasDisplay = false;
class BenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};
} // namespace

wxIMPLEMENT_APP_NO_MAIN(BenchApp);

namespace ov_bench {
bool HasDisplay() { return g_hasDisplay; }
} // namespace ov_bench

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (std::getenv("DISPLAY") != nullptr) {
        wxApp::SetInstance(new BenchApp);
        int wxArgc = 1;
        g_hasDisplay = wxEntryStart(wxArgc, argv);
        if (g_hasDisplay)
            wxTheApp->CallOnInit();
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_hasDisplay)
        wxEntryCleanup();
    return 0;
}
