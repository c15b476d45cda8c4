#include "display/aspects/aspect_search.h"

#include <cmath>

#include "display/aspects/polar_mapping.h"

double PointLongitude(const ChartPositions& chart, PointIndex index)
{
    return index < kComputedPoints ? chart.points[index].longitude
                                   : chart.cusps[index - kComputedPoints + 1].longitude;
}

bool MatchAspect(double angleA, double angleB, double exactAngle, double orbLimit, double* orb)
{
    const double d = std::fabs(angleA - angleB);
    const double direct = std::fabs(d - exactAngle);
    const double complementary = std::fabs((360.0 - d) - exactAngle);
    // Strictly below the limit: a pair exactly at the orb is no aspect.
    if (direct < orbLimit) {
        *orb = direct;
        return true;
    }
    if (complementary < orbLimit) {
        *orb = complementary;
        return true;
    }
    return false;
}

void AddAspectRecord(AspectRecord* records, int* count, ObjectId aspect, ChartSlot slotA,
                     ChartSlot slotB, ObjectId pointA, ObjectId pointB, double angleA,
                     double angleB, double orb, int index)
{
    if (index < 0) {
        if (*count >= kMaxAspects)
            return;
        index = (*count)++;
    } else if (index >= kMaxAspects) {
        return;
    }
    AspectRecord& r = records[index];
    r.chartA = slotA;
    r.chartB = slotB;
    r.aspect = aspect;
    r.pointA = pointA;
    r.pointB = pointB;
    r.angleA = angleA;
    r.angleB = angleB;
    r.orb = orb;
}

int FindAspectRecords(const ChartPositions* positions,
                      const uint8_t (*pointRestricted)[kChartPoints],
                      const uint8_t* aspectRestricted, const double* orbs, ChartSlot slotA,
                      ChartSlot slotB, AspectRecord* records)
{
    if (slotA < 0 || slotA >= kChartSlots || slotB < 0 || slotB >= kChartSlots)
        return 0;
    const ChartPositions& chartA = positions[slotA];
    const ChartPositions& chartB = positions[slotB];
    const double reference = chartA.cusps[1].longitude;

    double exact[kAspectKinds];
    for (int k = 0; k < kAspectKinds; ++k)
        exact[k] = GetAspectAngle(ids::kAspectFirst + k);
    double anglesB[kChartPoints];
    for (int j = 0; j < kChartPoints; ++j)
        anglesB[j] = WheelAngle(PointLongitude(chartB, j), reference);

    int count = 0;
    for (int i = 0; i < kChartPoints; ++i) {
        if (pointRestricted[slotA][i])
            continue;
        // Within one chart each unordered pair once, and never cusp with cusp.
        const int n = slotA != slotB ? kChartPoints : (i < kComputedPoints ? i : kComputedPoints);
        const double angleA = WheelAngle(PointLongitude(chartA, i), reference);
        const ObjectId idA = PointIndexToId(i);
        for (int j = 0; j < n; ++j) {
            if (pointRestricted[slotB][j])
                continue;
            const ObjectId idB = PointIndexToId(j);
            // A pair is visited only here, so the record it may already have is
            // the one appended during this pair's own pass over the kinds.
            int existing = -1;
            for (int k = 0; k < kAspectKinds; ++k) {
                if (aspectRestricted[k])
                    continue;
                double orb = 0.0;
                if (!MatchAspect(angleA, anglesB[j], exact[k], orbs[k], &orb))
                    continue;
                if (existing < 0) {
                    if (count >= kMaxAspects)
                        continue;
                    existing = count;
                    AddAspectRecord(records, &count, ids::kAspectFirst + k, slotA, slotB, idA, idB,
                                    angleA, anglesB[j], orb, -1);
                } else if (orb < records[existing].orb) {
                    AddAspectRecord(records, &count, ids::kAspectFirst + k, slotA, slotB, idA, idB,
                                    angleA, anglesB[j], orb, existing);
                }
            }
        }
    }
    return count;
}

void ComputeAspectLine(AspectRecord* record, int cx, int cy, double radiusA, double radiusB)
{
    int ax, ay, bx, by;
    PolarPoint(cx, cy, record->angleA, radiusA, &ax, &ay);
    PolarPoint(cx, cy, record->angleB, radiusB, &bx, &by);
    const bool reversed = record->chartA == record->chartB && record->aspect != ids::kDisposits &&
                          record->pointB < record->pointA;
    record->x1 = reversed ? bx : ax;
    record->y1 = reversed ? by : ay;
    record->x2 = reversed ? ax : bx;
    record->y2 = reversed ? ay : by;
}
