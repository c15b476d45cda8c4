#include "tools/support/tool_charts.h"

#include "display/wheel/chart_canvas.h"
#include "shell/chart_slots.h"

void FillToolCharts(ChartModeFlags mode, const ChartArguments& arguments, ToolCharts* out)
{
    ChartSet& set = out->set;
    ChartSettings& settings = out->settings;
    SetStartupDefaults(set, out->restrictions, settings, GetCurrentMoment());
    const ChartType type = mode & 0xFF;
    // No start-up city name beside the given coordinates, and not "Now".
    set.times[kSlotNative] = arguments.first;
    set.names[kSlotNative] = ChartNameRecord();
    if (arguments.hasSecond) {
        const ChartSlot slot = type == kChartTransits ? kSlotTransit : kSlotPartner;
        set.times[slot] = arguments.second;
        set.names[slot] = ChartNameRecord();
    }
    settings.houseSystem = arguments.houseSystem;
    settings.chartType = type;
    settings.view = mode & ~0xFF;
    RecalculateCharts(set, out->restrictions, arguments.houseSystem);
    SelectShownCharts(type, set, settings);
}

void HandToCanvas(const ToolCharts& charts, ChartModeFlags mode, CChartCanvas& canvas)
{
    const ChartRestrictions& r = charts.restrictions;
    canvas.SetRestrictions(r.pointRestricted, r.aspectRestricted, r.orbs, false);
    canvas.SetChartData(charts.set.positions, charts.set.times, charts.set.names, false);
    canvas.SetChartMode(mode, charts.settings.shownA, charts.settings.shownB, charts.settings.shownC, true, false);
}
