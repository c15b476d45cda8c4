// Charts derived from others: secondary progressions, the composite
// midpoint chart and the Davison relationship chart.
#pragma once

#include "engine/chart_positions.h"

/// Secondary progression: a day after birth for each tropical year from
/// birth to the target, as a clock time in the native's zone and place.
void ComputeProgressedChartData(const ChartTimeRecord* natal, const ChartTimeRecord* target,
                                ChartTimeRecord* out);
/// The mean moment and mean place of two charts, in the mean zone (whole
/// hours, truncated), with this computer's daylight saving for that date.
void ComputeDavisonChartData(const ChartTimeRecord* a, const ChartTimeRecord* b, ChartTimeRecord* out);
/// Progressed points with houses from the natal ARMC advanced a turn per
/// squared tropical year, at the native's latitude.
void ComputeProgressedChart(const ChartTimeRecord* natal, const ChartTimeRecord* target,
                            const ChartTimeRecord* progressed, ObjectId houseSystem, ChartPositions* out);
/// Midpoint chart: points on the shorter-arc midpoints, houses from the
/// midpoint of the two ARMCs at the mean latitude and obliquity.
void ComputeCompositeChart(const ChartTimeRecord* a, const ChartTimeRecord* b, double armcA, double armcB,
                           ObjectId houseSystem, ChartPositions* out);
/// The 26 midpoint entries, placed among out's cusps.
void ComputeCompositePoints(const PointPositionEntry* a, const PointPositionEntry* b, ChartPositions* out);
