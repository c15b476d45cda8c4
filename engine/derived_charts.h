// Charts derived from others: secondary progressions, the composite
// midpoint chart and the Davison relationship chart.
#pragma once

#include "engine/chart_positions.h"

void ComputeProgressedChartData(const ChartTimeRecord* natal, const ChartTimeRecord* target,
                                ChartTimeRecord* out);
void ComputeDavisonChartData(const ChartTimeRecord* a, const ChartTimeRecord* b, ChartTimeRecord* out);
void ComputeProgressedChart(const ChartTimeRecord* natal, const ChartTimeRecord* target,
                            const ChartTimeRecord* progressed, ObjectId houseSystem, ChartPositions* out);
void ComputeCompositeChart(const ChartTimeRecord* a, const ChartTimeRecord* b, double armcA, double armcB,
                           ObjectId houseSystem, ChartPositions* out);
void ComputeCompositePoints(const PointPositionEntry* a, const PointPositionEntry* b, ChartPositions* out);
