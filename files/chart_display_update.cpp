// The walks from a change to the screen, one per kind of change.
#include "files/chart_file_host.h"

ChartDisplayUpdate ChartDisplayUpdate::AfterChartRead()
{
    ChartDisplayUpdate u;
    u.recalculate = true;
    u.selectShownCharts = true;
    u.chartMode = CanvasCall::Quiet;
    u.chartData = CanvasCall::Refresh;
    return u;
}

ChartDisplayUpdate ChartDisplayUpdate::AfterConfigurationRead()
{
    ChartDisplayUpdate u = AfterChartRead();
    u.restrictions = CanvasCall::Refresh;
    return u;
}

ChartDisplayUpdate ChartDisplayUpdate::AfterChartDataChange()
{
    return AfterChartRead();
}

ChartDisplayUpdate ChartDisplayUpdate::AfterChartTypeChange()
{
    ChartDisplayUpdate u;
    u.selectShownCharts = true;
    u.chartMode = CanvasCall::Refresh;
    u.modeRecomputesAspects = true;
    return u;
}

ChartDisplayUpdate ChartDisplayUpdate::AfterViewChange()
{
    ChartDisplayUpdate u;
    u.chartMode = CanvasCall::Refresh;
    u.modeRecomputesAspects = true;
    return u;
}

ChartDisplayUpdate ChartDisplayUpdate::AfterTimeStep()
{
    ChartDisplayUpdate u;
    u.recalculate = true;
    u.chartData = CanvasCall::Refresh;
    return u;
}

ChartDisplayUpdate ChartDisplayUpdate::AfterRestrictionChange()
{
    ChartDisplayUpdate u;
    u.restrictions = CanvasCall::Refresh;
    return u;
}

ChartDisplayUpdate ChartDisplayUpdate::AtStartup()
{
    ChartDisplayUpdate u;
    u.restrictions = CanvasCall::Quiet;
    u.chartData = CanvasCall::Quiet;
    u.chartMode = CanvasCall::Quiet;
    u.modeRecomputesAspects = true;
    u.chartModeLast = true;
    return u;
}

ChartDisplayUpdate ChartDisplayUpdate::AfterChartInfoEdit()
{
    ChartDisplayUpdate u;
    u.recalculate = true;
    u.chartData = CanvasCall::Quiet;
    u.chartMode = CanvasCall::Refresh;
    u.modeRecomputesAspects = true;
    u.chartModeLast = true;
    return u;
}

ChartDisplayUpdate ChartDisplayUpdate::AfterCalculationChange()
{
    ChartDisplayUpdate u;
    u.recalculate = true;
    u.chartMode = CanvasCall::Quiet;
    u.chartData = CanvasCall::Refresh;
    return u;
}
