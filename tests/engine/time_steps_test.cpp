// The time-motion arithmetic: steps of counts and units, timer periods,
// smooth spans and offsets, and moving a chart's moment.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <random>
#include <string>

#include "engine/time_steps.h"
#include "tests/support/test_locale.h"
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

/// What a count typed as the decimal k / 10^decimals gives in a unit, worked
/// out here in exact rational arithmetic on those digits: the step's fields,
/// the smooth span and the timer period.
struct ExactStep {
    bool hasDate = false, hasTime = false;
    int64_t years = 0, months = 0, weeks = 0, days = 0, ms = 0;
    int64_t span = 0;  // smooth-motion span, ms
    int32_t timer = 0; // stepwise period, ms; 0 refused
};

using Int = __int128;

Int Pow10(int n)
{
    Int p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

ExactStep Exact(int64_t k, int decimals, int unit, bool timeConsistent)
{
    constexpr Int kDay = 86400000;
    // Units in ms as numerator / 10^8: the mean month and year as written.
    const Int scale = Pow10(8);
    const Int unitMs[] = {1000 * scale, 60000 * scale, 3600000 * scale, kDay * scale, 7 * kDay * scale,
                          Int(3043684983LL) * kDay, Int(36524219800LL) * kDay};
    const int u = unit - kUnitSecond;
    const Int p = Pow10(decimals);
    const int sign = k < 0 ? -1 : 1;
    const Int a = k < 0 ? -Int(k) : Int(k);
    const Int whole = a / p, fraction = a % p;
    ExactStep e;
    e.span = static_cast<int64_t>(u >= 5 ? a * (unitMs[u] / kDay) / (p * scale) * kDay : a * unitMs[u] / (p * scale));
    const Int total = a * unitMs[u] / (p * scale);
    e.timer = k > 0 && total >= 1 && total <= 2147483647 ? static_cast<int32_t>(total) : 0;
    e.span *= sign;
    if (a * 10000 < p)
        return e; // below 0.0001: no movement
    if (fraction * 10000 < p || (p - fraction) * 10000 < p) { // within 0.0001 of whole
        const int64_t n = sign * static_cast<int64_t>(whole + (2 * fraction >= p));
        int64_t* field[] = {&e.ms, &e.ms, &e.ms, &e.days, &e.weeks, &e.months, &e.years};
        *field[u] = u == 0 ? n * 1000 : u == 1 ? n * 60000 : u == 2 ? n * 3600000 : n;
        e.hasTime = u <= 2;
        e.hasDate = u > 2;
        return e;
    }
    e.hasTime = true;
    e.hasDate = u > 2;
    // The part of the count the calendar does not keep, in units of the
    // day or of the unit itself; the rest is clock time beyond whole days.
    Int daysOf = 0, msOf = 0;
    if (u <= 2) {
        msOf = total;
    } else if (u == 3) {
        e.days = static_cast<int64_t>(whole);
        daysOf = 0, msOf = fraction * kDay / p;
    } else if (u == 4) {
        e.weeks = static_cast<int64_t>(whole);
        daysOf = fraction * 7 / p, msOf = fraction * 7 * kDay / p;
    } else {
        const Int counted = timeConsistent ? a : fraction;
        if (!timeConsistent)
            (u == 5 ? e.months : e.years) = static_cast<int64_t>(whole);
        daysOf = counted * (unitMs[u] / kDay) / (p * scale);
        msOf = counted * unitMs[u] / (p * scale);
    }
    e.days += static_cast<int64_t>(daysOf);
    e.ms = static_cast<int64_t>(msOf - daysOf * kDay);
    e.years *= sign, e.months *= sign, e.weeks *= sign, e.days *= sign, e.ms *= sign;
    return e;
}

const wxString kUnitNames[] = {"Seconds", "Minutes", "Hours", "Days", "Weeks", "Months", "Years"};

/// Checks the step, span and period a count text gives against the exact
/// values; false (after a failure) when they differ.
bool MatchesExact(const std::string& text, int64_t k, int decimals, int unit, bool timeConsistent)
{
    const ExactStep e = Exact(k, decimals, unit, timeConsistent);
    const wxString& name = kUnitNames[unit - kUnitSecond];
    const wxString typed = wxString::FromAscii(text.c_str());
    const TimeMotionStep step = ParseStep(typed, name, timeConsistent);
    int64_t span = 0;
    const bool spanMade = ToTimeSpanMillis(ReadTypedCount(typed), name, &span);
    const int32_t timer = ToTimerMillis(ReadTypedCount(typed), name);
    const bool same = step.valid && step.hasDateSpan == e.hasDate && step.hasTimeSpan == e.hasTime &&
                      (!e.hasTime || step.timeSpan.GetValue().GetValue() == e.ms) &&
                      (!e.hasDate || (step.dateSpan.GetYears() == e.years && step.dateSpan.GetMonths() == e.months &&
                                      step.dateSpan.GetWeeks() == e.weeks && step.dateSpan.GetDays() == e.days)) &&
                      spanMade && span == e.span && timer == e.timer;
    if (!same) {
        ADD_FAILURE() << '"' << text << "\" " << name << (timeConsistent ? ", time consistent" : ", calendar consistent")
                      << " gives " << step.dateSpan.GetYears() << " y " << step.dateSpan.GetMonths() << " m "
                      << step.dateSpan.GetWeeks() << " w " << step.dateSpan.GetDays() << " d "
                      << step.timeSpan.GetValue().GetValue() << " ms (" << step.hasDateSpan << step.hasTimeSpan
                      << "), span " << span << ", period " << timer << "; exactly " << e.years << " y " << e.months
                      << " m " << e.weeks << " w " << e.days << " d " << e.ms << " ms (" << e.hasDate << e.hasTime
                      << "), span " << e.span << ", period " << e.timer;
    }
    return same;
}

std::string Decimal(int64_t k, int decimals)
{
    const uint64_t a = k < 0 ? 0 - static_cast<uint64_t>(k) : static_cast<uint64_t>(k);
    std::string digits = std::to_string(a);
    if (decimals > 0) {
        if (digits.size() <= static_cast<size_t>(decimals))
            digits.insert(0, decimals + 1 - digits.size(), '0');
        digits.insert(digits.size() - decimals, ".");
    }
    return (k < 0 ? "-" : "") + digits;
}

// Catches lengths read off the binary value of a typed count: "0.02" hours
// came out 1 ms short, then a tolerance rounded true fractions just below a
// millisecond up (56.89 months, 711.8 years), and "2.0001" hours read as a
// whole 2 hours. Every count is checked against exact arithmetic on the
// digits typed: all three-decimal counts up to 100 months and years by both
// methods, below 25 of the other units, and a seeded random set with up to
// six decimals, up to the longest span, in every unit, typed plainly or
// with an exponent.
TEST(TimeSteps, StepsSpansAndPeriodsComeFromTheDigitsTyped)
{
    int wrong = 0;
    for (int unit = kUnitSecond; unit <= kUnitYear; ++unit) {
        const int64_t limit = unit >= kUnitMonth ? 100000 : 24999;
        for (const bool timeConsistent : {true, false}) {
            if (unit < kUnitMonth && !timeConsistent)
                continue; // the method only matters for months and years
            for (int64_t k = -limit; k <= limit && wrong < 10; ++k)
                wrong += !MatchesExact(Decimal(k, 3), k, 3, unit, timeConsistent);
        }
    }

    std::mt19937_64 random(20261207);
    const double unitMillis[] = {1e3, 6e4, 3.6e6, 8.64e7, 6.048e8, 2.6297438e9, 3.1556926e10};
    for (int unit = kUnitSecond; unit <= kUnitYear; ++unit) {
        // Counts spread evenly over their number of digits, up to just below
        // the longest span a step may have.
        const double largest = 0.999 * static_cast<double>(kMaxMotionSpanMillis) / unitMillis[unit - kUnitSecond];
        for (int i = 0; i < 6000 && wrong < 20; ++i) {
            const int decimals = static_cast<int>(random() % 7);
            const double magnitude = std::pow(largest, std::uniform_real_distribution<double>(0, 1)(random));
            int64_t k = static_cast<int64_t>(magnitude * std::pow(10.0, decimals)) + static_cast<int64_t>(random() % 10);
            if (random() % 2)
                k = -k;
            const bool timeConsistent = random() % 2;
            std::string text = Decimal(k, decimals);
            switch (random() % 4) {
            case 0: text = std::to_string(k) + "e-" + std::to_string(decimals); break; // "5689e-2"
            case 1: text += decimals > 0 ? "000" : ".000"; break;                      // trailing zeros
            case 2: text = (k < 0 ? "-00" : "+00") + Decimal(k < 0 ? -k : k, decimals) + " later"; break;
            default: break;
            }
            wrong += !MatchesExact(text, k, decimals, unit, timeConsistent);
        }
    }

    // Counts an astrologer reported, and the worked examples of the step
    // lengths, by name.
    const struct {
        const char* text;
        const char* unit;
        bool timeConsistent;
        int years, months, days;
        int64_t ms;
    } examples[] = {
        {"56.89", "Months", true, 0, 0, 1731, 47726221},      // not ...222
        {"14.722", "Years", false, 14, 0, 263, 60900504},     // not ...505
        {"711.8", "Years", true, 0, 0, 259979, 34260744},     // not ...745
        {"1.5", "Months", false, 0, 1, 15, 18871912},         // 5 h 14 min 31 s 912 ms
        {"1.5", "Months", true, 0, 0, 45, 56615737},          // 15 h 43 min 35 s 737 ms
        {"2.0000001", "Days", true, 0, 0, 2, 0},              // a whole 2 days
    };
    for (const auto& x : examples) {
        const TimeMotionStep step = ParseStep(x.text, x.unit, x.timeConsistent);
        EXPECT_EQ(step.dateSpan.GetYears() * 1000000LL + step.dateSpan.GetMonths() * 1000LL + step.dateSpan.GetDays(),
                  x.years * 1000000LL + x.months * 1000LL + x.days)
            << x.text << " " << x.unit;
        EXPECT_EQ(step.hasTimeSpan ? step.timeSpan.GetValue().GetValue() : 0, x.ms) << x.text << " " << x.unit;
    }
    EXPECT_EQ(ParseStep("49331515.295666", "Hours", true).timeSpan.GetValue().GetValue(), 177593455064397LL);
    EXPECT_EQ(ParseStep("0.02", "Hours", true).timeSpan.GetValue().GetValue(), 72000);
    // 1.0001 and 2.0001 hours both keep their 0.36 s.
    EXPECT_EQ(ParseStep("1.0001", "Hours", true).timeSpan.GetValue().GetValue(), 3600360);
    EXPECT_EQ(ParseStep("2.0001", "Hours", true).timeSpan.GetValue().GetValue(), 7200360);
    int64_t span = 0;
    ASSERT_TRUE(ToTimeSpanMillis(ReadTypedCount("45545.909243"), "Months", &span));
    EXPECT_EQ(span, 1386273LL * 86400000);
    EXPECT_EQ(ToTimerMillis(ReadTypedCount("1.005"), "Seconds"), 1005);
}

/// A chart at noon of its zone (the records' zone 0) on the given day.
ChartTimeRecord ChartAtNoon(int year, int month, int day)
{
    ChartTimeRecord chart;
    chart.year = year;
    chart.month = month;
    chart.day = day;
    chart.hour = 12;
    return chart;
}

/// The milliseconds one step moves the chart; the lowest int64_t when the
/// chart has no moment or the step cannot be taken.
int64_t MillisMovedBy(const TimeMotionStep& step, int direction, ChartTimeRecord* chart)
{
    int64_t start = 0, moved = 0;
    if (!ChartMomentMillis(*chart, &start) || !StepChartTime(step, direction, chart) ||
        !ChartMomentMillis(*chart, &moved))
        return std::numeric_limits<int64_t>::min();
    return moved - start;
}

// Catches a count read through the process's character set and numeric
// locale: in the C locale a text with any other character than ASCII has no
// narrow form, so "3días" days read as no number and moved nothing; under a
// decimal comma "56.89" months would end at its point. The leading number
// counts, with "." as its point and a comma ending it, in every locale.
TEST(TimeSteps, TheLeadingNumberCountsWhateverFollowsItInEveryLocale)
{
    const ov_test::ScopedTimeZone zone("UTC0");
    const int64_t h = 3600000, day = 86400000;
    const struct {
        const char* text; // UTF-8
        const char* unit;
        int months, days;
        int64_t ms;    // the clock part (0 when none)
        int64_t moved; // from 2026-01-10 12:00 UT
    } counts[] = {
        {"3días", "Days", 0, 3, 0, 3 * day},
        {"2½", "Hours", 0, 0, 2 * h, 2 * h},
        {"1.5€", "Hours", 0, 0, 3 * h / 2, 3 * h / 2},
        {"0.02ч", "Hours", 0, 0, 72000, 72000},
        // 56.89 x 30.43684983 mean days = 1731 days and 47,726,221.44 ms.
        {"56.89€", "Months", 0, 1731, 47726221, 1731 * day + 47726221},
        // The comma ends the number: 56 calendar months, to 2030-09-10.
        {"56,89", "Months", 56, 0, 0, 1704 * day},
    };
    auto check = [&](const char* where) {
        SCOPED_TRACE(where);
        for (const auto& c : counts) {
            SCOPED_TRACE(c.text);
            const TimeMotionStep step = ParseStep(wxString::FromUTF8(c.text), c.unit, true);
            ASSERT_TRUE(step.valid);
            EXPECT_EQ(step.dateSpan.GetYears(), 0);
            EXPECT_EQ(step.dateSpan.GetMonths(), step.hasDateSpan ? c.months : 0);
            EXPECT_EQ(step.dateSpan.GetDays(), step.hasDateSpan ? c.days : 0);
            EXPECT_EQ(step.hasTimeSpan ? step.timeSpan.GetValue().GetValue() : 0, c.ms);
            ChartTimeRecord chart = ChartAtNoon(2026, 1, 10);
            EXPECT_EQ(MillisMovedBy(step, 1, &chart), c.moved);
        }
    };
    const std::string before = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"C", "C.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr)
            check(name);
    }
    std::setlocale(LC_ALL, "C");
    {
        // A decimal comma, compiled when the machine has none installed.
        const ov_test::ScopedNumericLocale comma("de_DE.UTF-8");
        if (comma.UsesDecimalComma())
            check("numbers with a decimal comma");
    }
    std::setlocale(LC_ALL, before.c_str());
}

// Catches a count beyond 32 bits converted to int, which is undefined: three
// billion seconds or minutes, whole or with a fraction, are steps the span
// limit accepts, and each moves a chart by exactly its length and back.
TEST(TimeSteps, CountsBeyondThirtyTwoBitsMoveByTheirWholeLength)
{
    const ov_test::ScopedTimeZone zone("UTC0");
    const struct {
        const char* text;
        const char* unit;
        int64_t ms;
    } counts[] = {{"3000000000", "Seconds", 3000000000000LL},     {"-3000000000.25", "Seconds", -3000000000250LL},
                  {"3000000000", "Minutes", 180000000000000LL},   {"4294967296.5", "Seconds", 4294967296500LL},
                  {"2.5e9", "Minutes", 150000000000000LL},        {"-199999999999.999", "Seconds", -199999999999999LL}};
    for (const auto& c : counts) {
        SCOPED_TRACE(c.text);
        const TimeMotionStep step = ParseStep(c.text, c.unit, true);
        ASSERT_TRUE(step.valid);
        ASSERT_TRUE(step.hasTimeSpan);
        EXPECT_FALSE(step.hasDateSpan);
        EXPECT_EQ(step.timeSpan.GetValue().GetValue(), c.ms);
        // From far enough on the other side for the step to stay within
        // the supported years.
        ChartTimeRecord chart = ChartAtNoon(c.ms > 0 ? -4000 : 4000, 6, 15);
        EXPECT_EQ(MillisMovedBy(step, 1, &chart), c.ms);
        EXPECT_EQ(MillisMovedBy(step, -1, &chart), -c.ms);
    }
    // Just beyond the longest span: refused, not wrapped.
    EXPECT_FALSE(ParseStep("400000000001", "Seconds", true).valid);
    EXPECT_FALSE(ParseStep("-1e300", "Minutes", true).valid);
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
