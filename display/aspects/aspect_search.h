// Aspect finding over plain records: every pair of shown points within the
// orb of a searched aspect kind, one record per pair with the smallest orb.
#pragma once

#include <cstdint>

#include "display/aspects/aspect_record.h"
#include "engine/chart_positions.h"
#include "engine/chart_set.h"

/// Ecliptic longitude of a point index: a body's point entry, or the cusp
/// entry of house index - 25 for the twelve cusps.
double PointLongitude(const ChartPositions& chart, PointIndex index);

/// Whether two wheel angles stand in an aspect of the given exact angle
/// strictly within orbLimit; *orb receives the distance from exact (the
/// direct difference when both directions are within the limit).
bool MatchAspect(double angleA, double angleB, double exactAngle, double orbLimit, double* orb);

/// Appends a record (index < 0) or overwrites record index. Writes the
/// slots, identifiers, angles and orb; the line end points and the
/// configuration list stay as they were. An append to a full array does nothing.
void AddAspectRecord(AspectRecord* records, int* count, ObjectId aspect, ChartSlot slotA,
                     ChartSlot slotB, ObjectId pointA, ObjectId pointB, double angleA,
                     double angleB, double orb, int index);

/// Finds the aspects between the shown points of slot A and slot B (one
/// chart when they are equal) into records[0..kMaxAspects) and returns the
/// count. Order: point i of A ascending, then j of B, each pair keeping the
/// aspect kind of smallest orb (the lower identifier at equal orbs). Wheel
/// angles are measured from slot A's Ascendant. A slot outside 0..7 finds nothing.
int FindAspectRecords(const ChartPositions* positions,
                      const uint8_t (*pointRestricted)[kChartPoints],
                      const uint8_t* aspectRestricted, const double* orbs, ChartSlot slotA,
                      ChartSlot slotB, AspectRecord* records);

/// Screen end points of a record's line at the two radii around (cx, cy).
/// Within one chart (and not for a dispositor relation) the line starts at
/// the smaller identifier, so cusps come before bodies.
void ComputeAspectLine(AspectRecord* record, int cx, int cy, double radiusA, double radiusB);
