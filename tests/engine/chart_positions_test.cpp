// Natal chart rules that the comparison with swetest does not reach: the
// ephemeris files really being used, the "Null" and rejected house systems,
// and house placement at cusps and across 0 degrees.
#include <gtest/gtest.h>

#include <cmath>

#include <swephexp.h>

#include "engine/chart_positions.h"
#include "tests/support/sample_charts.h"

namespace {

using ov_test::SampleMoment;

TEST(NatalChart, AllPointsComputeFromEphemerisFilesFrom1000To3000)
{
    // Without the data files the Moon and planets quietly fall back to the
    // analytical theory and the asteroids come back as zeros (then hidden).
    for (int year = 1000; year <= 3000; year += 125) {
        SCOPED_TRACE(year);
        const ChartTimeRecord record = SampleMoment(year, 6, 15, 12, 30, 1, 48.2, 16.37);
        ChartPositions chart{};
        ComputeNatalChart(&record, ids::kPlacidus, &chart);
        for (int i = 0; i < kComputedPoints; ++i)
            EXPECT_GT(std::fabs(chart.points[i].longitude), 1e-6) << GetIdName(PointIndexToId(i));

        const double jd = GetChartJulianDay(record);
        for (int i = 0; i < kComputedPoints; ++i) {
            const int body = IdToEphemerisNumber(PointIndexToId(i));
            if (body >= 40) // the hypothetical bodies have no files
                continue;
            double values[6];
            char error[AS_MAXCH] = {};
            const int flags = swe_calc_ut(jd, body, SEFLG_SPEED, values, error);
            EXPECT_GE(flags, 0) << GetIdName(PointIndexToId(i)) << ": " << error;
            EXPECT_EQ(flags & SEFLG_MOSEPH, 0) << GetIdName(PointIndexToId(i)) << ": " << error;
        }
    }
}

TEST(NatalChart, NullHousesAreWholeSignsFromAriesAndKeepTime)
{
    const ChartTimeRecord record = SampleMoment(1984, 11, 3, 4, 30, 1, 59.33, 18.06);
    ChartPositions chart{};
    chart.siderealTime = 7.25;
    chart.armc = 123.0;
    ComputeNatalChart(&record, ids::kNullHouses, &chart);
    EXPECT_EQ(chart.siderealTime, 7.25);
    EXPECT_EQ(chart.armc, 123.0);
    for (int k = 1; k <= 13; ++k) {
        EXPECT_EQ(chart.cusps[k].longitude, (k - 1) * 30.0);
        EXPECT_EQ(chart.cusps[k].houseSystem, ids::kNullHouses);
    }
    // The thirteenth cusp is 360 but its sign form stays within the zodiac.
    EXPECT_EQ(chart.cusps[13].zodiac.sign, ids::kSignFirst);
    for (int i = 0; i < kComputedPoints; ++i) {
        EXPECT_EQ(chart.points[i].house, static_cast<int>(std::floor(chart.points[i].longitude / 30.0)) + 1);
        EXPECT_EQ(chart.points[i].houseSystem, ids::kNullHouses);
    }
}

TEST(NatalChart, RejectedHouseSystemsLeaveCuspsAndTimeAlone)
{
    const ChartTimeRecord record = SampleMoment(2001, 9, 9, 9, 30, 1, 45.0, 7.0);
    for (ObjectId hs : {779, 793, 794, 0}) {
        ChartPositions chart{};
        for (int k = 1; k <= 13; ++k)
            chart.cusps[k].longitude = 1000.0 + k;
        chart.siderealTime = 3.0;
        chart.armc = 45.0;
        ComputeNatalChart(&record, hs, &chart);
        for (int k = 1; k <= 13; ++k)
            EXPECT_EQ(chart.cusps[k].longitude, 1000.0 + k) << hs;
        EXPECT_EQ(chart.siderealTime, 3.0) << hs;
        EXPECT_EQ(chart.armc, 45.0) << hs;
        EXPECT_GT(chart.points[0].longitude, 0.0) << hs; // the points are still computed
        EXPECT_EQ(chart.points[0].houseSystem, hs);
    }
}

TEST(NatalChart, SuppliedArmcIsRequiredWhenAsked)
{
    const ChartTimeRecord record = SampleMoment(2001, 9, 9, 9, 30, 1, 45.0, 7.0);
    HouseCuspEntry cusps[14] = {};
    cusps[1].longitude = 77.0;
    double siderealTime = -1.0;
    ComputeHousesEx(&record, ids::kPlacidus, cusps, true, nullptr, &siderealTime, 45.0, 23.44);
    EXPECT_EQ(cusps[1].longitude, 77.0);
    EXPECT_EQ(siderealTime, -1.0);

    double armc = 90.0; // MC at 0 Cancer... close to 90 degrees of longitude
    ComputeHousesEx(&record, ids::kPlacidus, cusps, true, &armc, &siderealTime, 45.0, 23.44);
    EXPECT_NEAR(cusps[10].longitude, 90.0, 1e-9);
    EXPECT_NEAR(armc, 90.0, 1e-9);
}

TEST(HousePlacement, CuspsBelongToTheHouseTheyBegin)
{
    HouseCuspEntry cusps[14] = {};
    const double longitudes[14] = {0, 350, 20, 50, 80, 110, 140, 170, 200, 230, 260, 290, 320};
    for (int k = 1; k <= 12; ++k)
        cusps[k].longitude = longitudes[k];
    cusps[13].longitude = longitudes[1];

    struct Case {
        double longitude;
        int house;
    };
    const Case cases[] = {
        {50.0, 3},  {80.0, 4},  {79.999999, 3}, {350.0, 1}, {355.0, 1}, {0.0, 1},
        {19.9, 1},  {20.0, 2},  {349.9, 12},    {320.0, 12}, {319.9, 11},
    };
    PointPositionEntry points[kComputedPoints] = {};
    for (const Case& c : cases) {
        points[5].longitude = c.longitude;
        EXPECT_EQ(FindHouseOfPoint(5, points, cusps), c.house) << c.longitude;
    }
    EXPECT_EQ(FindHouseOfPoint(26, points, cusps), 0); // a cusp index has no position here
    EXPECT_EQ(FindHouseOfPoint(-1, points, cusps), 0);
    EXPECT_EQ(FindHouseOfPoint(0, nullptr, cusps), 0);
}

TEST(HousePlacement, UncomputedCuspsLeaveHouseButSetSystem)
{
    ChartPositions chart{};
    chart.points[3].longitude = 100.0;
    chart.points[3].house = 7;
    EXPECT_EQ(FindHouseOfPoint(3, chart.points, chart.cusps), 0);
    AssignHouses(&chart, 785);
    EXPECT_EQ(chart.points[3].house, 7);
    EXPECT_EQ(chart.points[3].houseSystem, 785);
}

} // namespace
