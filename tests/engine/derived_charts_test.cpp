// Progressed, composite and Davison charts: the worked figures of each rule
// and the scratch values that must not leak garbage into a chart.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

#include <wx/debug.h>

#include "engine/derived_charts.h"
#include "tests/support/sample_charts.h"
#include "tests/support/time_zone.h"

namespace {

using ov_test::SampleMoment;

constexpr double kTropicalYear = 365.24219893;

double ArcFrom(double from, double to)
{
    const double d = std::fmod(to - from, 360.0);
    return d < 0.0 ? d + 360.0 : d;
}

// Distance of two longitudes on the shorter arc.
double AngleGap(double a, double b)
{
    const double d = ArcFrom(a, b);
    return d > 180.0 ? 360.0 - d : d;
}

TEST(ProgressedChart, TargetAtBirthGivesTheBirthChart)
{
    ChartTimeRecord natal = SampleMoment(1975, 4, 12, 14, 20, 2, 48.85, 2.35);
    natal.dst = 1;
    ChartTimeRecord progressed;
    ComputeProgressedChartData(&natal, &natal, &progressed);
    EXPECT_EQ(progressed.year, 1975);
    EXPECT_EQ(progressed.month, 4);
    EXPECT_EQ(progressed.day, 12);
    EXPECT_EQ(progressed.hour, 14);
    EXPECT_EQ(progressed.minute, 20);
    EXPECT_EQ(progressed.second, 0.0);
    EXPECT_EQ(progressed.timeZone, 2);
    EXPECT_EQ(progressed.dst, 1);
    EXPECT_EQ(progressed.progressed, 1);
    EXPECT_EQ(progressed.latitude.degrees, 48);

    ChartPositions birth{}, chart{};
    ComputeNatalChart(&natal, ids::kPlacidus, &birth);
    ComputeProgressedChart(&natal, &natal, &progressed, ids::kPlacidus, &chart);
    EXPECT_NEAR(chart.armc, birth.armc, 1e-9);
    EXPECT_NEAR(chart.siderealTime, birth.armc / 15.0, 1e-9);
    for (int k = 1; k <= 12; ++k)
        EXPECT_NEAR(chart.cusps[k].longitude, birth.cusps[k].longitude, 1e-6) << k;
    for (int i = 0; i < kComputedPoints; ++i)
        EXPECT_NEAR(chart.points[i].longitude, birth.points[i].longitude, 1e-9) << i;
}

TEST(ProgressedChart, ThirtyYearsMoveThirtyDaysAndTheArmc)
{
    const ChartTimeRecord natal = SampleMoment(1960, 1, 20, 6, 0, -5, 40.7, -74.0);
    ChartTimeRecord target;
    const double targetJd = GetChartJulianDay(natal) + 30 * kTropicalYear;
    SetChartFromJulianDay(targetJd, 0, 0, &target);
    target.second += (targetJd - GetChartJulianDay(target)) * 86400.0; // keep the fraction of a second
    ChartTimeRecord progressed;
    ComputeProgressedChartData(&natal, &target, &progressed);
    EXPECT_EQ(progressed.year, 1960);
    EXPECT_EQ(progressed.month, 2);
    EXPECT_EQ(progressed.day, 19);
    EXPECT_EQ(progressed.hour, 6);
    EXPECT_EQ(progressed.minute, 0);
    EXPECT_EQ(progressed.timeZone, -5);

    ChartPositions birth{}, chart{}, direct{};
    ComputeNatalChart(&natal, 781, &birth);
    ComputeProgressedChart(&natal, &target, &progressed, 781, &chart);
    EXPECT_NEAR(ArcFrom(birth.armc, chart.armc), 30 * 360.0 / kTropicalYear, 1e-6);
    EXPECT_NEAR(ArcFrom(birth.armc, chart.armc), 29.5694, 1e-4);
    EXPECT_NEAR(chart.siderealTime, chart.armc / 15.0, 1e-12);
    EXPECT_EQ(chart.cusps[1].houseSystem, 781);
    // The points are those of an ordinary chart for the progressed moment.
    ComputeNatalChart(&progressed, 781, &direct);
    for (int i = 0; i < kComputedPoints; ++i) {
        EXPECT_EQ(chart.points[i].longitude, direct.points[i].longitude) << i;
        EXPECT_EQ(chart.points[i].houseSystem, 781);
    }
}

TEST(ProgressedChart, NullHousesKeepTimeAndArmc)
{
    const ChartTimeRecord natal = SampleMoment(1990, 10, 1, 22, 10, 3, 55.75, 37.6);
    const ChartTimeRecord target = SampleMoment(2030, 10, 1, 22, 10, 3, 55.75, 37.6);
    ChartTimeRecord progressed;
    ComputeProgressedChartData(&natal, &target, &progressed);
    ChartPositions chart{};
    chart.armc = 11.0;
    chart.siderealTime = 0.5;
    ComputeProgressedChart(&natal, &target, &progressed, ids::kNullHouses, &chart);
    EXPECT_EQ(chart.armc, 11.0);
    EXPECT_EQ(chart.siderealTime, 0.5);
    EXPECT_EQ(chart.cusps[13].longitude, 360.0);
    EXPECT_EQ(chart.points[0].house, static_cast<int>(chart.points[0].longitude / 30.0) + 1);
    ComputeProgressedChart(&natal, &target, nullptr, ids::kNullHouses, &chart); // must not crash
}

TEST(CompositeChart, PointsAreShorterArcMidpointsAndPlainMeans)
{
    PointPositionEntry a[kComputedPoints] = {}, b[kComputedPoints] = {};
    // The last pair: a body one chart could not compute (zeros) has no
    // midpoint and stays at zero, so it is unavailable in the composite too.
    const double pairs[][2] = {{350.0, 10.0}, {10.0, 350.0}, {100.0, 200.0}, {0.5, 180.5}, {359.0, 1.0},
                               {0.0, 200.0}};
    const double expected[] = {0.0, 0.0, 150.0, 90.5, 0.0, 0.0};
    for (int i = 0; i < 6; ++i) {
        a[i].longitude = pairs[i][0];
        b[i].longitude = pairs[i][1];
    }
    a[2].latitude = 2.0;
    b[2].latitude = -1.0;
    a[2].distance = 1.0;
    b[2].distance = 3.0;
    a[2].longitudeSpeed = 1.0;
    b[2].longitudeSpeed = -0.5;
    a[2].latitudeSpeed = 0.2;
    b[2].latitudeSpeed = 0.4;
    a[2].distanceSpeed = -0.01;
    b[2].distanceSpeed = 0.03;
    b[5].latitude = 1.0;
    b[5].distance = 2.0;
    b[5].longitudeSpeed = 0.5;

    ChartPositions out{};
    for (int k = 1; k <= 13; ++k)
        out.cusps[k].longitude = (k - 1) * 30.0;
    ComputeCompositePoints(a, b, &out);
    for (int i = 0; i < 6; ++i) {
        EXPECT_LT(AngleGap(expected[i], out.points[i].longitude), 1e-9) << i;
        EXPECT_EQ(out.points[i].house, static_cast<int>(std::fmod(expected[i], 360.0) / 30.0) + 1) << i;
    }
    EXPECT_EQ(out.points[2].latitude, 0.5);
    EXPECT_EQ(out.points[2].distance, 2.0);
    EXPECT_EQ(out.points[2].longitudeSpeed, 0.25);
    EXPECT_NEAR(out.points[2].latitudeSpeed, 0.3, 1e-15);
    EXPECT_NEAR(out.points[2].distanceSpeed, 0.01, 1e-15);
    EXPECT_EQ(out.points[2].zodiac.sign, 505);
    EXPECT_EQ(out.points[5].longitude, 0.0);
    EXPECT_EQ(out.points[5].latitude, 0.0);
    EXPECT_EQ(out.points[5].distance, 0.0);
    EXPECT_EQ(out.points[5].longitudeSpeed, 0.0);
}

TEST(CompositeChart, HousesFromMidpointArmcAndMeanTime)
{
    const ChartTimeRecord a = SampleMoment(1970, 3, 3, 3, 3, 1, 50.0, 10.0);
    const ChartTimeRecord b = SampleMoment(1972, 9, 9, 21, 9, -7, 30.0, -110.0);
    ChartPositions chartA{}, chartB{}, composite{};
    ComputeNatalChart(&a, ids::kPlacidus, &chartA);
    ComputeNatalChart(&b, ids::kPlacidus, &chartB);
    ComputeCompositeChart(&a, &b, chartA.armc, chartB.armc, ids::kPlacidus, &composite);

    const double gap = ArcFrom(chartA.armc, chartB.armc);
    const double expectedArmc = std::fmod(chartA.armc + (gap <= 180.0 ? gap / 2 : gap / 2 + 180.0), 360.0);
    EXPECT_LT(AngleGap(expectedArmc, composite.armc), 1e-9);
    EXPECT_NEAR(composite.siderealTime, (chartA.siderealTime + chartB.siderealTime) / 2.0, 1e-12);
    for (int i = 0; i < kComputedPoints; ++i) {
        EXPECT_GE(composite.points[i].house, 1) << i;
        EXPECT_EQ(composite.points[i].houseSystem, ids::kPlacidus);
    }
    // The houses belong to the midpoint ARMC at the mean latitude of 40 degrees.
    HouseCuspEntry expectedCusps[14] = {};
    double armc = composite.armc;
    ComputeHousesEx(&a, ids::kPlacidus, expectedCusps, true, &armc, nullptr, 40.0,
                    (ComputeObliquity(&a) + ComputeObliquity(&b)) / 2.0);
    for (int k = 1; k <= 13; ++k)
        EXPECT_EQ(composite.cusps[k].longitude, expectedCusps[k].longitude) << k;
}

TEST(CompositeChart, NullHousesAverageZeroedScratchNotGarbage)
{
    const ChartTimeRecord a = SampleMoment(1970, 3, 3, 3, 3, 1, 50.0, 10.0);
    const ChartTimeRecord b = SampleMoment(1972, 9, 9, 21, 9, -7, 30.0, -110.0);
    ChartPositions composite{};
    composite.siderealTime = 99.0;
    ComputeCompositeChart(&a, &b, 10.0, 30.0, ids::kNullHouses, &composite);
    EXPECT_EQ(composite.siderealTime, 0.0);
    EXPECT_EQ(composite.armc, 20.0);
    EXPECT_EQ(composite.cusps[13].longitude, 360.0);
}

TEST(DavisonChart, MeanMomentZoneAndPlace)
{
    struct Case {
        int zoneA, zoneB, zone;
        double lonA, lonB, lon;
        double latA, latB, lat;
    };
    const Case cases[] = {
        {-5, 1, -2, 179.0, -179.0, 0.0, 10.0, 20.0, 15.0},
        {-5, -6, -5, -74.0, -87.5, -80.75, 40.5, 41.5, 41.0},
        {3, 4, 3, 10.0, 20.0, 15.0, -30.0, 30.0, 0.0},
        {-3, 2, 0, 0.0, 0.5, 0.25, -0.5, 0.0, -0.25},
        // The sum of two zones overflowed int, giving -1.
        {INT_MAX, INT_MAX, INT_MAX, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
        {INT_MIN, INT_MIN, INT_MIN, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        // January in the southern winter of the test zone: no daylight saving.
        const ChartTimeRecord a = SampleMoment(1981, 1, 10, 10, 0, c.zoneA, c.latA, c.lonA);
        const ChartTimeRecord b = SampleMoment(1981, 1, 20, 18, 0, c.zoneB, c.latB, c.lonB);
        ChartTimeRecord out;
        out.progressed = 5;
        ComputeDavisonChartData(&a, &b, &out);
        EXPECT_EQ(out.timeZone, c.zone);
        EXPECT_NEAR(DmsToDecimal(&out.longitude), c.lon, 1e-12);
        EXPECT_NEAR(DmsToDecimal(&out.latitude), c.lat, 1e-12);
        EXPECT_NEAR(GetChartJulianDay(out), (GetChartJulianDay(a) + GetChartJulianDay(b)) / 2.0, 1.0 / 86400);
        EXPECT_EQ(out.progressed, 5);
    }
}

// Runs the Davison computation with the computer's zone set to a known one.
class DavisonDaylightSaving : public ::testing::Test {
protected:

    static ChartTimeRecord DavisonAround(int year, int month, int day)
    {
        // Two charts a day either side of noon UT on the given date.
        ChartTimeRecord a = SampleMoment(year, month, day, 12, 0, 0, 52.5, 13.4);
        ChartTimeRecord b = a;
        SetChartFromJulianDay(GetChartJulianDay(a) - 1.0, 0, 0, &a);
        SetChartFromJulianDay(GetChartJulianDay(b) + 1.0, 0, 0, &b);
        ChartTimeRecord out;
        ComputeDavisonChartData(&a, &b, &out);
        return out;
    }

private:
    const ov_test::ScopedTimeZone zone_{"Europe/Berlin"};
};

TEST_F(DavisonDaylightSaving, SummerDateShowsTheClockHourAhead)
{
    const ChartTimeRecord out = DavisonAround(2000, 7, 15);
    EXPECT_EQ(out.dst, 1);
    EXPECT_EQ(out.hour, 13);
    EXPECT_EQ(out.day, 15);
    const ChartTimeRecord winter = DavisonAround(2000, 1, 15);
    EXPECT_EQ(winter.dst, 0);
    EXPECT_EQ(winter.hour, 12);
}

TEST_F(DavisonDaylightSaving, UnknownBefore1970IsNotDaylightSaving)
{
    // The date library answers "cannot tell" (-1) here; that must not add an hour.
    const ChartTimeRecord out = DavisonAround(1950, 7, 15);
    EXPECT_EQ(out.dst, 0);
    EXPECT_EQ(out.hour, 12);
}

// The mean date once went through the class library's calendar, which
// asserts before its day zero (24 November -4713) and hung the tools. Worked
// by hand in the proleptic Gregorian calendar (-4800 is a leap year, -5000
// and -5400 are not); in Berlin's zone the far-future summer keeps the hour.
TEST_F(DavisonDaylightSaving, MeanDateAcrossTheWholeEphemerisRange)
{
    struct Moment {
        int year, month, day, hour, zone;
    };
    struct Case {
        Moment a, b, mean;
        int dst;
    };
    const Case cases[] = {
        {{-4800, 2, 28, 12, 0}, {-4800, 3, 1, 12, 0}, {-4800, 2, 29, 12, 0}, 0},
        {{-5000, 2, 28, 0, 0}, {-5000, 3, 2, 0, 0}, {-5000, 3, 1, 0, 0}, 0},
        {{-5400, 1, 1, 6, 3}, {-5400, 1, 1, 10, -5}, {-5400, 1, 1, 8, -1}, 0},
        {{-5400, 1, 1, 0, 0}, {-5398, 1, 1, 0, 0}, {-5399, 1, 1, 0, 0}, 0},
        {{-4713, 11, 20, 0, 0}, {-4713, 11, 30, 0, 0}, {-4713, 11, 25, 0, 0}, 0},
        {{-1, 12, 31, 20, 0}, {0, 1, 1, 4, 0}, {0, 1, 1, 0, 0}, 0},
        {{5399, 12, 31, 0, 0}, {5399, 12, 31, 12, 0}, {5399, 12, 31, 6, 0}, 0},
        {{5399, 7, 1, 0, 0}, {5399, 7, 1, 12, 0}, {5399, 7, 1, 7, 0}, 1},
    };
    // An assertion would wait on a dialog in the program: count them here.
    static int assertions = 0;
    const wxAssertHandler_t previous =
        wxSetAssertHandler([](const wxString&, int, const wxString&, const wxString&, const wxString&) {
            ++assertions;
        });
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a.year << "-" << c.a.month << "-" << c.a.day);
        const ChartTimeRecord a = SampleMoment(c.a.year, c.a.month, c.a.day, c.a.hour, 0, c.a.zone, 10.0, 20.0);
        const ChartTimeRecord b = SampleMoment(c.b.year, c.b.month, c.b.day, c.b.hour, 0, c.b.zone, 30.0, 40.0);
        ChartTimeRecord out;
        ComputeDavisonChartData(&a, &b, &out);
        EXPECT_EQ(out.year, c.mean.year);
        EXPECT_EQ(out.month * 100 + out.day, c.mean.month * 100 + c.mean.day);
        EXPECT_EQ(out.hour * 3600 + out.minute * 60 + out.second, c.mean.hour * 3600.0);
        EXPECT_EQ(out.timeZone, c.mean.zone);
        EXPECT_EQ(out.dst, c.dst);
        EXPECT_NEAR(DmsToDecimal(&out.latitude), 20.0, 1e-12);
    }
    wxSetAssertHandler(previous);
    EXPECT_EQ(assertions, 0);
}

} // namespace
