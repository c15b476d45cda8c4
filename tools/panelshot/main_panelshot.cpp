// Developer tool: paints one page of the information panel for given birth
// data into a PNG, 200 pixels wide.
//   panelshot OUT.png HEIGHT MODE PAGE ITEM Y M D h m s ZONE DST LAT LON HOUSE
//             [Y2 M2 D2 h2 m2 s2 ZONE2 DST2 LAT2 LON2]
// MODE is the chart-mode word as for wheelshot, PAGE the page kind (0 summary,
// 1 sign, 2 house, 3 point, 4 aspect list) and ITEM the selected sign, house
// or point identifier, or -1. The chart set goes through the real
// recalculation with the start-up restrictions and orbs to a real canvas and
// panel pair, wired as the main frame wires them.
#include <cstdio>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>

#include "display/wheel/chart_canvas.h"
#include "display/panel/chart_info.h"
#include "tools/support/tool_app.h"
#include "tools/support/tool_arguments.h"
#include "tools/support/tool_charts.h"

namespace {

const char kUsage[] = "usage: panelshot OUT.png HEIGHT MODE PAGE ITEM Y M D h m s ZONE DST LAT LON HOUSE "
                      "[Y2 M2 D2 h2 m2 s2 ZONE2 DST2 LAT2 LON2]\n";
constexpr int kPanelWidth = 200;
// The drawing surfaces of the toolkit (cairo image surfaces) and X windows
// hold at most 32767 pixels a side.
constexpr int kMaxHeight = 32767;

} // namespace

int main(int argc, char** argv)
{
    if (argc != 17 && argc != 27)
        return Usage(kUsage);
    int height = 0, mode = 0, page = 0, item = 0;
    if (!ParseSize("panelshot", "HEIGHT", argv[2], kMaxHeight, &height))
        return Usage(kUsage);
    ChartArguments chartArguments;
    if (!ParseMode(argv[3], &mode) || !ParseInt(argv[4], 0, 4, &page) ||
        !ParseInt(argv[5], -1, 100000, &item) || !ParseChartArguments(argv + 6, argc - 6, &chartArguments))
        return Usage(kUsage);

    if (!StartChartTool("panelshot", argv))
        return 1;

    ToolCharts charts;
    FillToolCharts(mode, chartArguments, &charts);

    // The frame's wiring: canvas and panel side by side, the panel handed to
    // the canvas before any data.
    auto* frame = new wxFrame(nullptr, wxID_ANY, "panelshot");
    frame->SetClientSize(700 + kPanelWidth, height);
    auto* canvas = new CChartCanvas(frame);
    auto* panel = new CChartInfo(frame, canvas);
    canvas->SetSize(0, 0, 700, height);
    panel->SetSize(700, 0, kPanelWidth, height);
    canvas->SetInfoPanel(panel);
    HandToCanvas(charts, mode, *canvas);

    // The dispositor views build their list while the wheel paints.
    {
        wxBitmap wheel(700, height, 24);
        wxMemoryDC dc(wheel);
        canvas->Draw(dc);
    }

    // What a click on the wheel (or the aspect-list command) would select;
    // pages are about the wheel's chart, or the inner ring's.
    const ChartSlot slot = IsSingleWheel(mode) ? charts.settings.shownA : charts.settings.shownB;
    if (page == kPageAspects && item < 0)
        panel->SetAspectSortOrder(kListAll | kListSortByOrb, false);
    else
        panel->SetPage(page, item, slot);

    // Two passes: the first page sets the scroll range, which may take room
    // for the scroll bar; the second draws at the final client size.
    wxBitmap bitmap(kPanelWidth, height, 24);
    for (int pass = 0; pass < 2; ++pass) {
        wxMemoryDC dc(bitmap);
        panel->Draw(dc);
    }
    const int pageHeight = panel->GetVirtualSize().y;
    const int aspects = panel->GetAspectCount();
    if (!SaveAndCloseChartTool("panelshot", bitmap, argv[1], frame))
        return 1;
    std::printf("%s: %dx%d, mode 0x%x, page %d, item %d, slot %d, %d aspects, page height %d\n", argv[1],
                kPanelWidth, height, mode, page, item, slot, aspects, pageHeight);
    return 0;
}
