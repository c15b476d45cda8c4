// Zodiac and degrees-minutes-seconds conversions, the daylight-saving hour,
// and the Julian day of a local moment and back.
#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "engine/angles.h"
#include "tests/engine/civil_time.h"
#include "tests/support/sample_charts.h"

namespace {

TEST(ZodiacPosition, SplitsAndRoundsWithCarries)
{
    struct Case {
        double longitude;
        bool round;
        ObjectId sign;
        int degrees, minutes;
    };
    const Case cases[] = {
        {0.0, false, 500, 0, 0},
        {29.5, false, 500, 29, 30},
        {30.0, false, 501, 0, 0},
        {123.25, false, 504, 3, 15},
        // Just below a full turn: no carry without rounding, every carry with it.
        {359.99999, false, 511, 29, 59},
        {359.99999, true, 500, 0, 0},
        // 10 degrees 0 minutes 30 seconds exactly: 30 seconds do not round up.
        {10.0 + 30.0 / 3600.0, true, 500, 10, 0},
        {10.0 + 31.0 / 3600.0, true, 500, 10, 1},
        // The "Null" houses' thirteenth cusp and values out of range land in
        // Aries..Pisces instead of reaching sign 512 or below 500.
        {360.0, false, 500, 0, 0},
        {390.5, false, 501, 0, 30},
        {-0.5, false, 511, 29, 30},
        {-720.0, false, 500, 0, 0},
    };
    for (const Case& c : cases) {
        ZodiacPosition z;
        SplitZodiacPosition(c.longitude, &z, c.round);
        EXPECT_EQ(z.sign, c.sign) << c.longitude;
        EXPECT_EQ(z.degrees, c.degrees) << c.longitude;
        EXPECT_EQ(z.minutes, c.minutes) << c.longitude;
        EXPECT_GE(z.seconds, 0.0) << c.longitude;
        EXPECT_LT(z.seconds, 60.0) << c.longitude;
    }
    SplitZodiacPosition(1.0, nullptr, true); // must not crash
}

TEST(ZodiacPosition, RoundingKeepsTheSecondsValue)
{
    ZodiacPosition z;
    SplitZodiacPosition(359.99999, &z, true);
    EXPECT_NEAR(z.seconds, 59.964, 1e-3);
}

TEST(DmsAngle, DecimalAndBackCarrySignOnFirstNonZeroComponent)
{
    struct Case {
        double value;
        int degrees, minutes;
        double seconds;
    };
    const Case cases[] = {
        {-0.5, 0, -30, 0.0},   {-12.25, -12, 15, 0.0}, {12.25, 12, 15, 0.0},
        {0.0, 0, 0, 0.0},      {-74.0, -74, 0, 0.0},   {-1.0 / 3600.0, 0, 0, -1.0},
        {40.7, 40, 42, 0.0},   {179.999, 179, 59, 56.4},
    };
    for (const Case& c : cases) {
        DmsAngle a;
        EXPECT_EQ(DecimalToDms(c.value, &a), &a);
        EXPECT_EQ(a.degrees, c.degrees) << c.value;
        EXPECT_EQ(a.minutes, c.minutes) << c.value;
        EXPECT_NEAR(a.seconds, c.seconds, 1e-6) << c.value;
        EXPECT_NEAR(DmsToDecimal(&a), c.value, 1e-12) << c.value;
        EXPECT_EQ(IsDmsNegative(a), c.value < 0.0) << c.value;
    }
    EXPECT_EQ(DmsToDecimal(nullptr), 0.0);
}

TEST(DmsAngle, NegationAndSignTest)
{
    EXPECT_TRUE(IsDmsNegative({0, 0, -1.0}));
    EXPECT_FALSE(IsDmsNegative({0, 5, -1.0}));
    EXPECT_TRUE(IsDmsNegative({0, -5, 1.0}));
    EXPECT_TRUE(IsDmsNegative({-3, 5, 1.0}));

    DmsAngle a{0, 30, 0.0};
    NegateDms(&a);
    EXPECT_EQ(a.minutes, -30);
    EXPECT_EQ(a.degrees, 0);
    DmsAngle b{0, 0, 2.5};
    NegateDms(&b);
    EXPECT_EQ(b.seconds, -2.5);
}

TEST(DmsAngle, MidpointIsPlainMean)
{
    DmsAngle out;
    MidpointDms({179, 0, 0.0}, {-179, 0, 0.0}, &out);
    EXPECT_EQ(DmsToDecimal(&out), 0.0);
    MidpointDms({40, 30, 0.0}, {-10, 0, 0.0}, &out);
    EXPECT_NEAR(DmsToDecimal(&out), 15.25, 1e-12);
}

TEST(Calendar, DaysInMonth)
{
    const int cases[][3] = {{2, 2000, 29}, {2, 1900, 28}, {2, 2004, 29}, {2, 2100, 28}, {2, 2001, 28},
                            {1, 2001, 31}, {4, 2001, 30}, {12, 2001, 31}, {13, 2001, 15}, {0, 2001, 15}};
    for (const auto& c : cases)
        EXPECT_EQ(DaysInMonth(c[0], c[1]), c[2]) << c[0] << "/" << c[1];
}

// A clock time in zone 0 at 0 degrees north and east.
ChartTimeRecord MakeRecord(int year, int month, int day, int hour, int minute, int dst)
{
    ChartTimeRecord r = ov_test::SampleMoment(year, month, day, hour, minute, 0, 0.0, 0.0);
    r.dst = dst;
    return r;
}

TEST(Calendar, DaylightSavingHourRollsTheDate)
{
    struct Case {
        ChartTimeRecord before;
        bool add;
        int year, month, day, hour, minute, dst;
    };
    const Case cases[] = {
        {MakeRecord(2000, 3, 1, 0, 30, 1), false, 2000, 2, 29, 23, 30, 0},
        {MakeRecord(2001, 1, 1, 0, 10, 1), false, 2000, 12, 31, 23, 10, 0},
        {MakeRecord(2001, 3, 1, 0, 10, 1), false, 2001, 2, 28, 23, 10, 0},
        {MakeRecord(2001, 3, 1, 5, 10, 0), false, 2001, 3, 1, 5, 10, 0},  // flag clear: untouched
        {MakeRecord(1999, 12, 31, 23, 30, 0), true, 2000, 1, 1, 0, 30, 1},
        {MakeRecord(2000, 2, 28, 23, 0, 0), true, 2000, 2, 29, 0, 0, 1},
        {MakeRecord(2000, 2, 28, 23, 0, 1), true, 2000, 2, 28, 23, 0, 1}, // flag set: untouched
    };
    for (const Case& c : cases) {
        ChartTimeRecord r = c.before;
        if (c.add)
            AddDstHour(&r);
        else
            RemoveDstHour(&r);
        EXPECT_EQ(r.year, c.year);
        EXPECT_EQ(r.month, c.month);
        EXPECT_EQ(r.day, c.day);
        EXPECT_EQ(r.hour, c.hour);
        EXPECT_EQ(r.minute, c.minute);
        EXPECT_EQ(r.dst, c.dst);
    }
}

TEST(JulianDay, LocalTimeAgreesWithIndependentArithmetic)
{
    // Zones and the daylight-saving hour are fractions of a day: an integer
    // division would drop them entirely.
    struct Case {
        civil::Moment local;
        int zone, dst;
    };
    const Case cases[] = {
        {{2000, 1, 1, 12, 0, 0}, 0, 0},    {{2000, 1, 1, 7, 0, 0}, -5, 0},
        {{1987, 7, 14, 23, 59, 59}, 1, 1}, {{1066, 10, 14, 9, 30, 0}, 0, 0},
        {{2999, 12, 31, 0, 0, 1}, 12, 1},  {{1969, 2, 28, 18, 5, 7}, -10, 0},
    };
    for (const Case& c : cases) {
        const civil::Moment ut = civil::FromSeconds(civil::ToSeconds(c.local) - (c.zone + c.dst) * 3600);
        const double jd = LocalTimeToJulianDay(c.local.year, c.local.month, c.local.day, c.local.hour,
                                               c.local.minute, c.local.second, c.zone, c.dst);
        EXPECT_NEAR(jd, civil::JulianDay(ut), 1e-8) << c.local.year;
    }
    EXPECT_EQ(LocalTimeToJulianDay(2000, 1, 1, 12, 0, 0.0, 0, 0), 2451545.0);
    // A zone that no file may hold any more still counts without overflow:
    // the daylight-saving hour added to INT_MAX wrapped around to INT_MIN.
    EXPECT_EQ(LocalTimeToJulianDay(2000, 1, 1, 12, 0, 0.0, INT_MAX, 1), 2451545.0 - 2147483648.0 / 24);
}

TEST(JulianDay, RoundTripKeepsEverySecond)
{
    // Without rounding to milliseconds about half of all moments came back
    // one second early (the floor of 11.9999999 seconds).
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int64_t> seconds(civil::ToSeconds({1000, 1, 1, 0, 0, 0}),
                                                   civil::ToSeconds({3000, 12, 31, 23, 59, 59}));
    std::uniform_int_distribution<int> zones(-12, 14);
    std::uniform_int_distribution<int> flags(0, 1);
    int failures = 0;
    for (int i = 0; i < 20000 && failures < 5; ++i) {
        const civil::Moment t = civil::FromSeconds(seconds(random));
        const int zone = zones(random), dst = flags(random);
        const double jd = LocalTimeToJulianDay(t.year, t.month, t.day, t.hour, t.minute, t.second, zone, dst);
        int y, mo, d, h, mi;
        double s;
        JulianDayToLocalTime(jd, zone, dst, &y, &mo, &d, &h, &mi, &s);
        const bool same = y == t.year && mo == t.month && d == t.day && h == t.hour && mi == t.minute &&
                          s == t.second;
        if (!same) {
            ++failures;
            ADD_FAILURE() << t.year << "-" << t.month << "-" << t.day << " " << t.hour << ":" << t.minute
                          << ":" << t.second << " came back as " << y << "-" << mo << "-" << d << " " << h
                          << ":" << mi << ":" << s;
        }
    }
}

TEST(JulianDay, FractionalSecondsComeBackTruncatedAndEndOfDayCarries)
{
    int y, mo, d, h, mi;
    double s;
    double jd = LocalTimeToJulianDay(2010, 6, 15, 10, 20, 30.75, 2, 1);
    JulianDayToLocalTime(jd, 2, 1, &y, &mo, &d, &h, &mi, &s);
    EXPECT_EQ(h, 10);
    EXPECT_EQ(mi, 20);
    EXPECT_EQ(s, 30.0);

    // 23:59:59.9996 rounds to the next day's midnight, carried into the date.
    jd = LocalTimeToJulianDay(2000, 12, 31, 23, 59, 59.9996, 0, 0);
    JulianDayToLocalTime(jd, 0, 0, &y, &mo, &d, &h, &mi, &s);
    EXPECT_EQ(y, 2001);
    EXPECT_EQ(mo, 1);
    EXPECT_EQ(d, 1);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(mi, 0);
    EXPECT_EQ(s, 0.0);
}

TEST(JulianDay, ChartRecordSetFromJulianDayKeepsPlace)
{
    ChartTimeRecord r = MakeRecord(1990, 5, 17, 8, 45, 0);
    r.latitude = {51, 30, 0.0};
    r.progressed = 1;
    const double jd = LocalTimeToJulianDay(1990, 5, 17, 8, 45, 0.0, 0, 0);
    SetChartFromJulianDay(jd, -3, 1, &r);
    EXPECT_EQ(r.timeZone, -3);
    EXPECT_EQ(r.dst, 1);
    EXPECT_EQ(r.hour, 6); // 08:45 UT is 05:45 zone time, 06:45 on the clock
    EXPECT_EQ(r.minute, 45);
    EXPECT_EQ(r.latitude.degrees, 51);
    EXPECT_EQ(r.progressed, 1);
    EXPECT_NEAR(GetChartJulianDay(r), jd, 1e-9);
}

} // namespace
