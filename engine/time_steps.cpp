#include "engine/time_steps.h"

#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <limits>

#include "platform/local_zone.h"

namespace {

constexpr int64_t kMsPerSecond = 1000;
constexpr int64_t kMsPerMinute = 60 * kMsPerSecond;
constexpr int64_t kMsPerHour = 60 * kMsPerMinute;
constexpr int64_t kMsPerDay = 24 * kMsPerHour;
constexpr double kMaxSpanDouble = static_cast<double>(kMaxMotionSpanMillis);

/// Milliseconds of one unit, as the timer periods count them.
double UnitMillis(TimeUnit unit)
{
    switch (unit) {
    case kUnitSecond: return 1000.0;
    case kUnitMinute: return 60.0 * 1000.0;
    case kUnitHour: return 60.0 * 60.0 * 1000.0;
    case kUnitDay: return 24.0 * 60.0 * 60.0 * 1000.0;
    case kUnitWeek: return 7.0 * 24.0 * 60.0 * 60.0 * 1000.0;
    case kUnitMonth: return kDaysPerMonth * 24.0 * 60.0 * 60.0 * 1000.0;
    case kUnitYear: return kDaysPerYear * 24.0 * 60.0 * 60.0 * 1000.0;
    default: return 0.0;
    }
}

/// The exact length of a unit, as multiplier / 10^decimals: milliseconds,
/// or days for the mean month and year.
struct ExactLength {
    uint64_t multiplier;
    int decimals;
};

/// The mean month (30.43684983 days) and year (365.242198 days), as written.
constexpr ExactLength kMonthDays{3043684983ULL, 8};
constexpr ExactLength kYearDays{365242198ULL, 6};

ExactLength UnitExactMillis(TimeUnit unit)
{
    switch (unit) {
    case kUnitSecond: return {uint64_t{kMsPerSecond}, 0};
    case kUnitMinute: return {uint64_t{kMsPerMinute}, 0};
    case kUnitHour: return {uint64_t{kMsPerHour}, 0};
    case kUnitDay: return {uint64_t{kMsPerDay}, 0};
    case kUnitWeek: return {uint64_t{7 * kMsPerDay}, 0};
    case kUnitMonth: return {kMonthDays.multiplier * kMsPerDay, kMonthDays.decimals};
    case kUnitYear: return {kYearDays.multiplier * kMsPerDay, kYearDays.decimals};
    default: return {0, 0};
    }
}

/// floor(|count| (or its fraction) x length), as a signed 64-bit count of
/// the length's unit; the span limits keep it far inside 64 bits.
int64_t Truncated(const TypedCount& count, bool fractionOnly, ExactLength length)
{
    return static_cast<int64_t>(TruncatedProduct(count, fractionOnly, length.multiplier, length.decimals));
}

/// True when a count is no number, or its step or span in the unit would
/// carry a chart beyond every supported year.
bool BeyondSpanLimit(const TypedCount& count, TimeUnit unit)
{
    return !std::isfinite(count.value) || std::fabs(count.value) * UnitMillis(unit) > kMaxSpanDouble;
}

// Proleptic Gregorian day numbers counted from 1970-01-01.
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int64_t* year, int* month, int* day)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    *day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    *month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    *year = yoe + era * 400 + (*month <= 2);
}

int64_t FloorDiv(int64_t a, int64_t b)
{
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

bool YearSupported(int64_t year) { return year >= kFirstMotionYear && year <= kLastMotionYear; }

/// A clock reading (date and time of day) as milliseconds counted as if UTC.
struct Clock {
    int64_t year = 1970;
    int month = 1;
    int day = 1;
    int64_t timeOfDay = 0; ///< milliseconds since midnight
};

int64_t ClockToMillis(const Clock& c) { return DaysFromCivil(c.year, c.month, c.day) * kMsPerDay + c.timeOfDay; }

Clock MillisToClock(int64_t millis)
{
    Clock c;
    const int64_t days = FloorDiv(millis, kMsPerDay);
    c.timeOfDay = millis - days * kMsPerDay;
    CivilFromDays(days, &c.year, &c.month, &c.day);
    return c;
}

/// Calendar addition: years and months with the day clamped to the month's
/// length, then days; the time of day stays.
void AddCalendar(const wxDateSpan& span, int direction, Clock* c)
{
    const int64_t monthIndex = c->year * 12 + (c->month - 1) +
                               (static_cast<int64_t>(span.GetYears()) * 12 + span.GetMonths()) * direction;
    c->year = FloorDiv(monthIndex, 12);
    c->month = static_cast<int>(monthIndex - c->year * 12) + 1;
    if (YearSupported(c->year)) {
        const int length = DaysInMonth(c->month, static_cast<int>(c->year));
        if (c->day > length)
            c->day = length;
    }
    const int64_t days = DaysFromCivil(c->year, c->month, c->day) +
                         static_cast<int64_t>(span.GetTotalDays()) * direction;
    CivilFromDays(days, &c->year, &c->month, &c->day);
}

/// The daylight-saving flag the computer's clock gives a chart of this zone
/// at a moment, read as a chart for now reads it (platform::ReadComputerZone):
/// its summer flag where its whole-hour zone is this zone, -1 where the
/// computer's clock there belongs to another zone.
int ComputerFlagAt(int32_t timeZone, int64_t utcMillis)
{
    platform::ComputerZone computer;
    if (!platform::ReadComputerZone(FloorDiv(utcMillis, kMsPerSecond), &computer))
        return -1;
    return computer.zoneHours == timeZone ? (computer.summer ? 1 : 0) : -1;
}

/// True when the record's zone and daylight-saving flag are the computer's
/// clock at the record's own moment, as a chart for now would hold it. Only
/// such a chart is carried on by the computer's clock changes: a chart whose
/// flag says otherwise (a summer
/// chart on a computer without summer time, a July chart saved without the
/// flag) would see its clock stand still or jump by two hours on a one-hour
/// step.
bool AgreesWithComputer(const ChartTimeRecord& record, int64_t utcMillis)
{
    return ComputerFlagAt(record.timeZone, utcMillis) == (record.dst != 0 ? 1 : 0);
}

int64_t RecordOffsetMillis(const ChartTimeRecord& record)
{
    return (static_cast<int64_t>(record.timeZone) + (record.dst != 0 ? 1 : 0)) * kMsPerHour;
}

/// The record's clock reading; false outside the supported years or for a
/// zone that is not a plausible number of hours.
bool RecordClock(const ChartTimeRecord& record, Clock* clock)
{
    if (!YearSupported(record.year) || std::abs(static_cast<int64_t>(record.timeZone)) > 24)
        return false;
    const double second = std::isfinite(record.second) ? record.second : 0.0;
    if (std::fabs(second) > 1e6)
        return false;
    const double whole = std::trunc(second);
    clock->year = record.year;
    clock->month = record.month;
    clock->day = record.day;
    // The fraction to whole microseconds first: a kept millisecond such as
    // 0.57 s is stored a hair below its value and must read back the same.
    const double micros = std::round((second - whole) * 1e6);
    clock->timeOfDay = static_cast<int64_t>(record.hour) * kMsPerHour + static_cast<int64_t>(record.minute) * kMsPerMinute +
                       static_cast<int64_t>(whole) * kMsPerSecond + static_cast<int64_t>(std::trunc(micros / 1000.0));
    // Months outside 1..12 would index nothing sensible; normalise through
    // the day count, which takes any month and day.
    *clock = MillisToClock(ClockToMillis(*clock));
    return true;
}

} // namespace

TimeUnit ParseTimeUnit(const wxString& unit)
{
    // Wide words: a narrow one would be converted on every search.
    static const struct {
        const wchar_t* word;
        TimeUnit unit;
    } kWords[] = {{L"second", kUnitSecond}, {L"minute", kUnitMinute}, {L"hour", kUnitHour}, {L"day", kUnitDay},
                  {L"week", kUnitWeek},     {L"month", kUnitMonth},   {L"year", kUnitYear}};
    const wxString lower = unit.Lower();
    for (const auto& w : kWords)
        if (lower.Find(w.word) != wxNOT_FOUND)
            return w.unit;
    return kUnitNone;
}

bool CountHasNumber(const wxString& text)
{
    return ReadTypedCount(text).hasNumber;
}

TimeMotionStep MakeStep(const TypedCount& count, const wxString& unitText, bool timeConsistent,
                        bool wholeRounding)
{
    TimeMotionStep step;
    step.timeSpan = wxTimeSpan();
    const TimeUnit unit = ParseTimeUnit(unitText);
    // A count that is no number, or whose step would carry a chart beyond
    // every supported year, would overflow the span fields: refuse it.
    if (BeyondSpanLimit(count, unit)) {
        step.valid = false;
        return step;
    }
    if (IsBelowTenThousandth(count) || unit == kUnitNone)
        return step;
    if (count.tooLarge) {
        step.valid = false;
        return step;
    }
    // Worked out on the magnitude; a negative count negates every field.
    // The span limit keeps every count here far inside int: no more than
    // about 4.6 million days.
    const int64_t sign = count.negative ? -1 : 1;

    if (wholeRounding && IsNearlyWhole(count)) {
        const int64_t n = sign * static_cast<int64_t>(NearestWhole(count));
        switch (unit) {
        case kUnitSecond: step.timeSpan = wxTimeSpan::Milliseconds(n * kMsPerSecond); break;
        case kUnitMinute: step.timeSpan = wxTimeSpan::Milliseconds(n * kMsPerMinute); break;
        case kUnitHour: step.timeSpan = wxTimeSpan::Milliseconds(n * kMsPerHour); break;
        case kUnitDay: step.dateSpan = wxDateSpan::Days(static_cast<int>(n)); break;
        case kUnitWeek: step.dateSpan = wxDateSpan::Weeks(static_cast<int>(n)); break;
        case kUnitMonth: step.dateSpan = wxDateSpan::Months(static_cast<int>(n)); break;
        case kUnitYear: step.dateSpan = wxDateSpan::Years(static_cast<int>(n)); break;
        default: break;
        }
        step.hasTimeSpan = unit <= kUnitHour;
        step.hasDateSpan = unit >= kUnitDay;
        return step;
    }

    // The clock part in milliseconds: the whole count of a clock unit, or
    // the rest of a calendar unit beyond its whole days. Each part is the
    // typed number times the unit, truncated toward zero.
    int64_t restMillis = 0;
    if (unit <= kUnitHour) {
        restMillis = Truncated(count, false, UnitExactMillis(unit));
    } else {
        const int whole = static_cast<int>(count.whole);
        int days = 0;
        wxDateSpan span;
        switch (unit) {
        case kUnitDay:
            span = wxDateSpan::Days(whole);
            restMillis = Truncated(count, true, {kMsPerDay, 0});
            break;
        case kUnitWeek:
            days = static_cast<int>(Truncated(count, true, {7, 0}));
            span = wxDateSpan(0, 0, whole, days);
            restMillis = Truncated(count, true, {7 * kMsPerDay, 0}) - days * kMsPerDay;
            break;
        default: {
            const ExactLength length = unit == kUnitMonth ? kMonthDays : kYearDays;
            // "Time Consistent" counts the whole step in mean-length days;
            // otherwise whole months or years stay calendar units.
            const bool fractionOnly = !timeConsistent;
            days = static_cast<int>(Truncated(count, fractionOnly, length));
            const int wholeUnits = timeConsistent ? 0 : whole;
            span = unit == kUnitMonth ? wxDateSpan(0, wholeUnits, 0, days) : wxDateSpan(wholeUnits, 0, 0, days);
            restMillis = Truncated(count, fractionOnly, {length.multiplier * kMsPerDay, length.decimals}) -
                         days * kMsPerDay;
            break;
        }
        }
        step.dateSpan = count.negative ? span.Neg() : span;
        step.hasDateSpan = true;
    }
    step.timeSpan = wxTimeSpan::Milliseconds(sign * restMillis);
    step.hasTimeSpan = true;
    return step;
}

TimeMotionStep MakeStep(double count, const wxString& unit, bool timeConsistent, bool wholeRounding)
{
    return MakeStep(TypedCountOf(count), unit, timeConsistent, wholeRounding);
}

TimeMotionStep ParseStep(const wxString& countText, const wxString& unit, bool timeConsistent)
{
    return MakeStep(ReadTypedCount(countText), unit, timeConsistent, true);
}

int32_t ToTimerMillis(const TypedCount& count, const wxString& unit)
{
    const TimeUnit u = ParseTimeUnit(unit);
    const double product = count.value * UnitMillis(u);
    constexpr int64_t kLongest = std::numeric_limits<int32_t>::max();
    // A first look in double keeps the exact product within 64 bits; NaN
    // fails both comparisons and so is refused as well.
    if (!(product > 0.0 && product < 2.0 * static_cast<double>(kLongest)) || count.tooLarge)
        return 0;
    const int64_t millis = Truncated(count, false, UnitExactMillis(u));
    return millis >= 1 && millis <= kLongest ? static_cast<int32_t>(millis) : 0;
}

int32_t ToTimerMillis(double value, const wxString& unit)
{
    return ToTimerMillis(TypedCountOf(value), unit);
}

bool ToTimeSpanMillis(const TypedCount& count, const wxString& unit, int64_t* millis)
{
    const TimeUnit u = ParseTimeUnit(unit);
    if (u == kUnitNone || BeyondSpanLimit(count, u) || count.tooLarge)
        return false;
    int64_t magnitude = 0;
    if (u == kUnitMonth || u == kUnitYear) // whole days of the mean length
        magnitude = Truncated(count, false, u == kUnitMonth ? kMonthDays : kYearDays) * kMsPerDay;
    else
        magnitude = Truncated(count, false, UnitExactMillis(u));
    *millis = count.negative ? -magnitude : magnitude;
    return true;
}

bool ToTimeSpanMillis(double value, const wxString& unit, int64_t* millis)
{
    return ToTimeSpanMillis(TypedCountOf(value), unit, millis);
}

int FramePeriodMillis(int framesPerSecond)
{
    if (framesPerSecond <= 0)
        return 0;
    return static_cast<int>(std::floor(1000.0 / framesPerSecond + 0.5));
}

bool SmoothOffsetMillis(int64_t elapsed, int64_t step, int64_t real, int direction, int64_t* offset)
{
    if (real <= 0)
        return false;
    // Elapsed times step needs more than 64 bits for long runs of big steps.
    const __int128 product = static_cast<__int128>(elapsed) * step * direction;
    const __int128 result = product / real;
    if (result > kMaxMotionSpanMillis || result < -kMaxMotionSpanMillis)
        return false;
    *offset = static_cast<int64_t>(result);
    return true;
}

bool ChartMomentMillis(const ChartTimeRecord& record, int64_t* utcMillis)
{
    Clock clock;
    if (!RecordClock(record, &clock))
        return false;
    *utcMillis = ClockToMillis(clock) - RecordOffsetMillis(record);
    return true;
}

namespace {

/// Writes a moment into a record whose zone and flag were (follows) or were
/// not the computer's clock at its present moment.
bool WriteChartMoment(int64_t utcMillis, bool follows, ChartTimeRecord* record, bool keepMillis)
{
    if (std::abs(static_cast<int64_t>(record->timeZone)) > 24 ||
        utcMillis > kMaxMotionSpanMillis || utcMillis < -kMaxMotionSpanMillis)
        return false;
    // The zone never changes and the clock is always written in the zone
    // plus the flag's hour, so the record names exactly the given moment.
    // Only the flag may follow the computer's clock, and only where that
    // clock reads as this zone, with or without summer time.
    int dst = record->dst;
    if (follows) {
        const int flag = ComputerFlagAt(record->timeZone, utcMillis);
        if (flag >= 0)
            dst = flag;
    }
    const int64_t offset = (static_cast<int64_t>(record->timeZone) + (dst != 0 ? 1 : 0)) * kMsPerHour;
    const Clock clock = MillisToClock(utcMillis + offset);
    if (!YearSupported(clock.year))
        return false;
    record->year = static_cast<int32_t>(clock.year);
    record->month = clock.month;
    record->day = clock.day;
    record->hour = static_cast<int32_t>(clock.timeOfDay / kMsPerHour);
    record->minute = static_cast<int32_t>(clock.timeOfDay / kMsPerMinute % 60);
    record->second = static_cast<double>(clock.timeOfDay / kMsPerSecond % 60);
    if (keepMillis)
        record->second += static_cast<double>(clock.timeOfDay % kMsPerSecond) / 1000.0;
    record->dst = dst;
    return true;
}

} // namespace

bool SetChartMoment(int64_t utcMillis, ChartTimeRecord* record, bool keepMillis)
{
    int64_t current = 0;
    const bool follows = ChartMomentMillis(*record, &current) && AgreesWithComputer(*record, current);
    return WriteChartMoment(utcMillis, follows, record, keepMillis);
}

bool StepChartTime(const TimeMotionStep& step, int direction, ChartTimeRecord* record)
{
    if (!step.valid)
        return false;
    int64_t moment = 0;
    if (!ChartMomentMillis(*record, &moment))
        return false;
    // Read once: the computer's clock at the chart's present moment.
    const bool follows = AgreesWithComputer(*record, moment);
    if (step.hasDateSpan) {
        // The calendar part keeps the clock reading. A chart that follows
        // the computer's clock reads the same on it; at the new date that
        // reading may fall in summer time or not, and where the computer's
        // clock cannot show it (a skipped hour, another offset) the chart's
        // own zone and flag name the moment.
        Clock clock = MillisToClock(moment + RecordOffsetMillis(*record));
        AddCalendar(step.dateSpan, direction, &clock);
        if (!YearSupported(clock.year))
            return false;
        const int64_t reading = ClockToMillis(clock);
        moment = reading - RecordOffsetMillis(*record);
        if (follows) {
            // The chart's own flag first: in the hour a change of the clocks
            // repeats, the reading keeps the flag it had.
            const int own = record->dst != 0 ? 1 : 0;
            for (const int flag : {own, 1 - own}) {
                const int64_t candidate = reading - (static_cast<int64_t>(record->timeZone) + flag) * kMsPerHour;
                if (ComputerFlagAt(record->timeZone, candidate) == flag) {
                    moment = candidate;
                    break;
                }
            }
        }
    }
    // Every step moves by exactly its length: a fraction of a second the
    // chart already holds is kept, and one a step adds as well.
    if (step.hasTimeSpan) {
        const int64_t span = step.timeSpan.GetValue().GetValue();
        if (span > kMaxMotionSpanMillis || span < -kMaxMotionSpanMillis)
            return false;
        moment += span * direction;
    }
    return WriteChartMoment(moment, follows, record, true);
}
