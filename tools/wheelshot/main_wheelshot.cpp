// Developer tool: draws the chart wheel for given birth data into a PNG.
//   wheelshot OUT.png WIDTH HEIGHT MODE Y M D h m s ZONE DST LAT LON HOUSE
//             [Y2 M2 D2 h2 m2 s2 ZONE2 DST2 LAT2 LON2]
// MODE is the chart-mode word (chart type OR view flag, decimal or 0x hex).
// The second chart is the partner, or the transit in the natal-with-transits
// type. The chart set is filled through the real recalculation with the
// start-up restrictions and orbs, and painted by a real CChartCanvas.
#include <cstdio>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include "display/wheel/chart_canvas.h"
#include "tools/support/tool_app.h"
#include "tools/support/tool_arguments.h"
#include "tools/support/tool_charts.h"

namespace {

const char kUsage[] = "usage: wheelshot OUT.png WIDTH HEIGHT MODE Y M D h m s ZONE DST LAT LON HOUSE "
                      "[Y2 M2 D2 h2 m2 s2 ZONE2 DST2 LAT2 LON2]\n";
// The bitmap, its image copy and the PNG encoder hold the whole picture
// several times over: 8192 a side is about a gigabyte in all.
constexpr int kMaxSide = 8192;

} // namespace

int main(int argc, char** argv)
{
    if (argc != 16 && argc != 26)
        return Usage(kUsage);
    int width = 0, height = 0, mode = 0;
    if (!ParseSize("wheelshot", "WIDTH", argv[2], kMaxSide, &width) ||
        !ParseSize("wheelshot", "HEIGHT", argv[3], kMaxSide, &height))
        return Usage(kUsage);
    ChartArguments chartArguments;
    if (!ParseMode(argv[4], &mode) || !ParseChartArguments(argv + 5, argc - 5, &chartArguments))
        return Usage(kUsage);

    if (!StartChartTool("wheelshot", argv))
        return 1;

    // Start-up defaults, then the given charts in their slots, then the real
    // recalculation of all eight slots and the shown slots of the type.
    ToolCharts charts;
    FillToolCharts(mode, chartArguments, &charts);

    auto* frame = new wxFrame(nullptr, wxID_ANY, "wheelshot");
    frame->SetClientSize(width, height);
    auto* canvas = new CChartCanvas(frame);
    canvas->SetSize(0, 0, width, height);
    HandToCanvas(charts, mode, *canvas);

    wxBitmap bitmap(width, height, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        canvas->Draw(dc);
    }
    const int lines = canvas->GetAspectCount();
    const int configurations = canvas->GetPatterns().GetCount();
    if (!SaveAndCloseChartTool("wheelshot", bitmap, argv[1], frame))
        return 1;
    std::printf("%s: %dx%d, mode 0x%x, %d lines, %d configurations\n", argv[1], width, height,
                mode, lines, configurations);
    return 0;
}
