// The time-motion arithmetic: steps of counts and units, timer periods,
// smooth spans and offsets, and moving a chart's moment.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <string>

#include "engine/time_steps.h"
#include "tests/support/time_zone.h"

namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(TimeSteps, MakeStepSplitsCountsIntoCalendarAndClockParts)
{
    struct Case {
        double count;
        const char* unit;
        bool timeConsistent;
        int years, months, weeks, days; // expected date span (when hasDate)
        int64_t ms;                     // expected time span (when hasTime)
        bool hasDate, hasTime, valid;
    };
    const int64_t h = 3600000, m = 60000, s = 1000;
    const Case cases[] = {
        {1, "Months", true, 0, 1, 0, 0, 0, true, false, true},
        {2.0000001, "Days", true, 0, 0, 0, 2, 0, true, false, true},
        {1.5, "Days", true, 0, 0, 0, 1, 12 * h, true, true, true},
        {1.5, "Weeks", true, 0, 0, 1, 3, 12 * h, true, true, true},
        {1.5, "Months", false, 0, 1, 0, 15, 5 * h + 14 * m + 31 * s + 912, true, true, true},
        {1.5, "Months", true, 0, 0, 0, 45, 15 * h + 43 * m + 35 * s + 737, true, true, true},
        {0.5, "Hours", true, 0, 0, 0, 0, 30 * m, false, true, true},
        {-2, "Hours", true, 0, 0, 0, 0, -2 * h, false, true, true},
        {-1.5, "Days", true, 0, 0, 0, -1, -12 * h, true, true, true},
        {-3, "years", true, -3, 0, 0, 0, 0, true, false, true},
        {0, "Hours", true, 0, 0, 0, 0, 0, false, false, true},
        {5, "Fortnights", true, 0, 0, 0, 0, 0, false, false, true},
        // Counts that are no number or would overflow the span fields.
        {kNan, "Days", true, 0, 0, 0, 0, 0, false, false, false},
        {kInf, "Hours", true, 0, 0, 0, 0, 0, false, false, false},
        {1e30, "Years", false, 0, 0, 0, 0, 0, false, false, false},
        {-1e30, "Seconds", true, 0, 0, 0, 0, 0, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " " << c.unit);
        const TimeMotionStep step = MakeStep(c.count, c.unit, c.timeConsistent, true);
        EXPECT_EQ(step.valid, c.valid);
        ASSERT_EQ(step.hasDateSpan, c.hasDate);
        ASSERT_EQ(step.hasTimeSpan, c.hasTime);
        if (c.hasDate) {
            EXPECT_EQ(step.dateSpan.GetYears(), c.years);
            EXPECT_EQ(step.dateSpan.GetMonths(), c.months);
            EXPECT_EQ(step.dateSpan.GetWeeks(), c.weeks);
            EXPECT_EQ(step.dateSpan.GetDays(), c.days);
        }
        if (c.hasTime) {
            EXPECT_EQ(step.timeSpan.GetValue().GetValue(), c.ms);
        }
    }
    // The field text's leading number counts; none reads as no movement.
    EXPECT_EQ(ParseStep("1.5 or so", "Days", true).timeSpan.GetValue().GetValue(), 12 * h);
    const TimeMotionStep none = ParseStep("abc", "Hours", true);
    EXPECT_FALSE(none.hasDateSpan || none.hasTimeSpan);
    EXPECT_TRUE(none.valid);
}

TEST(TimeSteps, PeriodsAndSpansRefuseWhatATimerOrChartCannotHold)
{
    EXPECT_EQ(ParseTimeUnit("SECONDS"), kUnitSecond);
    EXPECT_EQ(ParseTimeUnit("Months"), kUnitMonth);
    EXPECT_EQ(ParseTimeUnit("fortnight"), kUnitNone);

    struct Case {
        double value;
        const char* unit;
        int32_t timer;
    };
    const Case timers[] = {
        {0.5, "Seconds", 500}, {1, "Minutes", 60000}, {1, "Days", 86400000},
        {0, "Seconds", 0}, {0.0004, "Seconds", 0}, {-1, "Seconds", 0}, {1, "", 0},
        {kNan, "Seconds", 0}, {kInf, "Seconds", 0}, {1e30, "Seconds", 0},
        // 2,147,483,647 ms is the longest period a timer takes; 25 days is more.
        {2147483.647, "Seconds", 2147483647}, {25, "Days", 0},
    };
    for (const Case& c : timers)
        EXPECT_EQ(ToTimerMillis(c.value, c.unit), c.timer) << c.value << " " << c.unit;

    int64_t ms = -1;
    EXPECT_TRUE(ToTimeSpanMillis(1, "Months", &ms));
    EXPECT_EQ(ms, 30LL * 86400000); // whole days of the mean month
    EXPECT_TRUE(ToTimeSpanMillis(1, "Years", &ms));
    EXPECT_EQ(ms, 365LL * 86400000);
    EXPECT_TRUE(ToTimeSpanMillis(-1.5, "Hours", &ms));
    EXPECT_EQ(ms, -5400000);
    for (double bad : {kNan, kInf, 1e30})
        EXPECT_FALSE(ToTimeSpanMillis(bad, "Hours", &ms)) << bad;
    EXPECT_FALSE(ToTimeSpanMillis(1, "parsecs", &ms));

    EXPECT_EQ(FramePeriodMillis(1), 1000);
    EXPECT_EQ(FramePeriodMillis(72), 14);
    EXPECT_EQ(FramePeriodMillis(100), 10);
    EXPECT_EQ(FramePeriodMillis(0), 0);
}

// Catches the binary error of a typed decimal count: "0.02" hours is not
// exactly 0.02 in a double, and truncating its milliseconds gave 71,999.
// Every count with up to three decimals below 25 of a clock unit, a day or
// a week is a whole number of milliseconds, worked out here on the typed
// digits in integers.
TEST(TimeSteps, DecimalCountsGiveTheMillisecondsTyped)
{
    const struct {
        const char* unit;
        int64_t millis; // of one unit
    } units[] = {{"Seconds", 1000}, {"Minutes", 60000}, {"Hours", 3600000}, {"Days", 86400000},
                 {"Weeks", 7 * 86400000LL}};
    constexpr int64_t kDay = 86400000;
    int wrong = 0;
    for (const auto& u : units) {
        for (int64_t thousandths = -24999; thousandths <= 24999 && wrong < 10; ++thousandths) {
            if (thousandths == 0)
                continue;
            char text[32];
            std::snprintf(text, sizeof text, "%s%lld.%03lld", thousandths < 0 ? "-" : "",
                          static_cast<long long>(std::llabs(thousandths) / 1000),
                          static_cast<long long>(std::llabs(thousandths) % 1000));
            const int64_t total = thousandths * (u.millis / 1000);
            const TimeMotionStep step = ParseStep(text, u.unit, true);
            // Days and weeks keep whole days (of the fraction, for weeks) as
            // calendar days and the rest as clock time.
            int64_t days = 0, weeks = 0;
            if (u.millis == kDay)
                days = total / kDay;
            else if (u.millis > kDay)
                weeks = thousandths / 1000, days = (total - weeks * u.millis) / kDay;
            const int64_t clock = total - (weeks * 7 + days) * kDay;
            const int64_t gotClock = step.hasTimeSpan ? step.timeSpan.GetValue().GetValue() : 0;
            const int gotDays = step.hasDateSpan ? step.dateSpan.GetDays() : 0;
            const int gotWeeks = step.hasDateSpan ? step.dateSpan.GetWeeks() : 0;
            if (gotClock != clock || gotDays != days || gotWeeks != weeks) {
                ADD_FAILURE() << text << " " << u.unit << " gives " << gotWeeks << " weeks, " << gotDays
                              << " days and " << gotClock << " ms instead of " << weeks << ", " << days << " and "
                              << clock;
                ++wrong;
            }
            // Timer periods and smooth spans read the same count.
            int64_t span = 0;
            if (!ToTimeSpanMillis(ReadCount(text), u.unit, &span) || span != total ||
                (total > 0 && total <= 2147483647 && ToTimerMillis(ReadCount(text), u.unit) != total)) {
                ADD_FAILURE() << text << " " << u.unit << " gives a span of " << span << " ms and a period of "
                              << ToTimerMillis(ReadCount(text), u.unit) << " ms instead of " << total;
                ++wrong;
            }
        }
    }
}

TEST(TimeSteps, SmoothOffsetScalesElapsedTimeWithoutOverflow)
{
    int64_t offset = 0;
    // One hour per second: 2.5 s of real time is 2 h 30 min of chart time.
    ASSERT_TRUE(SmoothOffsetMillis(2500, 3600000, 1000, 1, &offset));
    EXPECT_EQ(offset, 9000000);
    ASSERT_TRUE(SmoothOffsetMillis(1000, 30LL * 86400000, 1000, -1, &offset));
    EXPECT_EQ(offset, -30LL * 86400000);
    ASSERT_TRUE(SmoothOffsetMillis(1, 1, 3, 1, &offset)); // truncates toward zero
    EXPECT_EQ(offset, 0);
    // A day of running at the biggest step: the 64-bit product overflows,
    // the offset lies beyond every supported year.
    EXPECT_FALSE(SmoothOffsetMillis(86400000, kMaxMotionSpanMillis, 1000, 1, &offset));
    EXPECT_FALSE(SmoothOffsetMillis(1000, 3600000, 0, 1, &offset));
    EXPECT_FALSE(SmoothOffsetMillis(1000, 3600000, -1000, 1, &offset));
}

/// New York's rules for the computer's zone while a test runs.
class ChartMomentTest : public testing::Test {
protected:

    static ChartTimeRecord Chart(int y, int mo, int d, int h, int mi, double s, int zone, int dst)
    {
        ChartTimeRecord r;
        r.year = y;
        r.month = mo;
        r.day = d;
        r.hour = h;
        r.minute = mi;
        r.second = s;
        r.timeZone = zone;
        r.dst = dst;
        return r;
    }

private:
    const ov_test::ScopedTimeZone zone_{"EST5EDT,M3.2.0,M11.1.0"};
};

TEST_F(ChartMomentTest, StepsMoveTheChartsOwnMomentAndKeepTheCalendar)
{
    const TimeMotionStep hour = MakeStep(1, "Hours", true, true);
    const TimeMotionStep month = MakeStep(1, "Months", true, true);
    struct Case {
        const char* what;
        ChartTimeRecord before;
        const TimeMotionStep* step;
        int direction;
        ChartTimeRecord after;
    };
    const Case cases[] = {
        // Calendar steps clamp the day and keep the computer's clock reading.
        {"31 March back a month", Chart(2026, 3, 31, 10, 0, 0, -5, 1), &month, -1, Chart(2026, 2, 28, 10, 0, 0, -5, 0)},
        {"leap year", Chart(2024, 3, 31, 10, 0, 0, -5, 1), &month, -1, Chart(2024, 2, 29, 10, 0, 0, -5, 0)},
        {"31 January on", Chart(2026, 1, 31, 23, 0, 0, -5, 0), &month, 1, Chart(2026, 2, 28, 23, 0, 0, -5, 0)},
        // A chart in another zone keeps its zone and flag: one hour is one hour.
        {"Tokyo in July", Chart(2026, 7, 15, 10, 0, 0, 9, 0), &hour, 1, Chart(2026, 7, 15, 11, 0, 0, 9, 0)},
        {"London summer", Chart(2026, 7, 15, 23, 30, 0, 0, 1), &hour, 1, Chart(2026, 7, 16, 0, 30, 0, 0, 1)},
        {"Tokyo a month", Chart(2026, 3, 31, 10, 0, 0, 9, 0), &month, -1, Chart(2026, 2, 28, 10, 0, 0, 9, 0)},
        // The computer's own zone follows its rules across the change of clocks.
        {"spring forward", Chart(2026, 3, 8, 1, 30, 0, -5, 0), &hour, 1, Chart(2026, 3, 8, 3, 30, 0, -5, 1)},
        {"fall back", Chart(2026, 11, 1, 1, 30, 0, -5, 1), &hour, 1, Chart(2026, 11, 1, 1, 30, 0, -5, 0)},
        // The fraction of a second stays: a step moves by exactly its length.
        {"fraction", Chart(2026, 1, 10, 10, 20, 30.75, -5, 0), &hour, 1, Chart(2026, 1, 10, 11, 20, 30.75, -5, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ChartTimeRecord r = c.before;
        ASSERT_TRUE(StepChartTime(*c.step, c.direction, &r));
        EXPECT_EQ(r.year, c.after.year);
        EXPECT_EQ(r.month, c.after.month);
        EXPECT_EQ(r.day, c.after.day);
        EXPECT_EQ(r.hour, c.after.hour);
        EXPECT_EQ(r.minute, c.after.minute);
        EXPECT_EQ(r.second, c.after.second);
        EXPECT_EQ(r.timeZone, c.after.timeZone);
        EXPECT_EQ(r.dst, c.after.dst);
        if (c.step == &hour) { // real time, measured through the Julian day
            EXPECT_NEAR((GetChartJulianDay(r) - GetChartJulianDay(c.before)) * 24.0,
                        c.direction * (1.0 - (c.before.second - r.second) / 3600), 1e-6);
        }
    }
}

// Catches a step that drops the fraction of a second a chart holds: after a
// half-second step a one-second step moved it half a second, or 1.5 back.
TEST_F(ChartMomentTest, EveryStepMovesByExactlyItsLength)
{
    const TimeMotionStep half = MakeStep(0.5, "Seconds", true, true);
    const TimeMotionStep second = MakeStep(1, "Seconds", true, true);
    const TimeMotionStep day = MakeStep(1, "Days", true, true);
    const struct {
        const TimeMotionStep* step;
        int direction;
        int64_t movedMillis; // from the start, after this step
    } steps[] = {{&half, 1, 500}, {&second, 1, 1500}, {&second, -1, 500}, {&day, 1, 86400500},
                 {&second, -1, 86399500}, {&half, 1, 86400000}};
    ChartTimeRecord r = Chart(2026, 1, 10, 10, 0, 0, -5, 0);
    int64_t start = 0;
    ASSERT_TRUE(ChartMomentMillis(r, &start));
    for (const auto& s : steps) {
        ASSERT_TRUE(StepChartTime(*s.step, s.direction, &r));
        int64_t moment = 0;
        ASSERT_TRUE(ChartMomentMillis(r, &moment));
        EXPECT_EQ(moment - start, s.movedMillis);
    }
    EXPECT_EQ(r.day, 11);
    EXPECT_EQ(r.hour, 10);
    EXPECT_EQ(r.second, 0.0);
}

TEST_F(ChartMomentTest, MomentsBeyondTheSupportedYearsAreRefusedUnchanged)
{
    const ChartTimeRecord last = Chart(kLastMotionYear, 12, 31, 23, 0, 0, 9, 0);
    ChartTimeRecord r = last;
    EXPECT_FALSE(StepChartTime(MakeStep(2, "Hours", true, true), 1, &r));
    EXPECT_EQ(r.year, kLastMotionYear);
    EXPECT_EQ(r.hour, 23);
    EXPECT_FALSE(StepChartTime(MakeStep(20000, "Years", false, true), -1, &r));
    EXPECT_FALSE(StepChartTime(MakeStep(1e30, "Days", true, true), 1, &r));
    ChartTimeRecord far = Chart(2000000000, 1, 1, 0, 0, 0, 0, 0);
    EXPECT_FALSE(StepChartTime(MakeStep(1, "Hours", true, true), 1, &far));
    EXPECT_EQ(far.year, 2000000000);

    // A moment from the chart's own clock, zone and flag, and back.
    int64_t moment = 0;
    ChartTimeRecord tokyo = Chart(2026, 7, 15, 10, 0, 0, 9, 0);
    ASSERT_TRUE(ChartMomentMillis(tokyo, &moment));
    EXPECT_EQ(moment, 1784077200000LL); // 2026-07-15 01:00 UTC
    ASSERT_TRUE(SetChartMoment(moment + 90 * 60000, &tokyo));
    EXPECT_EQ(tokyo.hour, 11);
    EXPECT_EQ(tokyo.minute, 30);
    EXPECT_FALSE(SetChartMoment(kMaxMotionSpanMillis, &tokyo));
    EXPECT_EQ(tokyo.year, 2026);
}

} // namespace
