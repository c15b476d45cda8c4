// The chart set a drawing tool shows: start-up defaults, the given charts in
// their slots, then the program's own recalculation.
#pragma once

#include "engine/chart_set.h"
#include "tools/support/tool_arguments.h"

class CChartCanvas;

/// Everything the main frame would hand to its canvas.
struct ToolCharts {
    ChartSet set;
    ChartRestrictions restrictions;
    ChartSettings settings;
};

/// Fills the set with the start-up defaults and the start-up restrictions and
/// orbs, puts the first chart into the native slot and the second (if given)
/// into the transit slot for the natal-with-transits type or else the partner
/// slot, then recalculates all eight slots in the given house system and
/// selects the type's shown slots. The given charts get blank names: they are
/// nowhere in particular.
void FillToolCharts(ChartModeFlags mode, const ChartArguments& arguments, ToolCharts* out);

/// Hands restrictions, charts and mode to the canvas as the main frame does.
void HandToCanvas(const ToolCharts& charts, ChartModeFlags mode, CChartCanvas& canvas);
