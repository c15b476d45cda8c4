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

/// A count of milliseconds truncated toward zero. The count comes from a
/// typed decimal number times unit lengths, and a binary fraction holds the
/// typed number only to within a few units in its last place: 0.02 hours
/// comes out as 71,999.99999... ms. A count within that error of a whole
/// millisecond (scale is the size of the whole step the count belongs to,
/// in milliseconds) is that millisecond; any other is truncated.
int64_t TruncateMillis(double millis, double scale)
{
    constexpr double kBinaryError = 1.0 / (1LL << 48); // 32 units in the last place of a double
    const double nearest = std::round(millis);
    if (std::fabs(millis - nearest) <= std::fabs(scale) * kBinaryError)
        return static_cast<int64_t>(nearest);
    return static_cast<int64_t>(std::trunc(millis));
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
    static const struct {
        const char* word;
        TimeUnit unit;
    } kWords[] = {{"second", kUnitSecond}, {"minute", kUnitMinute}, {"hour", kUnitHour}, {"day", kUnitDay},
                  {"week", kUnitWeek},     {"month", kUnitMonth},   {"year", kUnitYear}};
    const wxString lower = unit.Lower();
    for (const auto& w : kWords)
        if (lower.Find(w.word) != wxNOT_FOUND)
            return w.unit;
    return kUnitNone;
}

namespace {

/// The leading number of a text; false when it starts with none.
bool ReadLeadingNumber(const wxString& text, double* value)
{
    const wxCharBuffer buffer = text.mb_str();
    const char* start = buffer.data();
    if (start == nullptr)
        return false;
    char* end = nullptr;
    *value = std::strtod(start, &end);
    return end != start;
}

} // namespace

double ReadCount(const wxString& text)
{
    double value = 0.0;
    return ReadLeadingNumber(text, &value) ? value : 0.0;
}

bool CountHasNumber(const wxString& text)
{
    double value = 0.0;
    return ReadLeadingNumber(text, &value);
}

TimeMotionStep MakeStep(double count, const wxString& unitText, bool timeConsistent, bool wholeRounding)
{
    TimeMotionStep step;
    step.timeSpan = wxTimeSpan();
    const TimeUnit unit = ParseTimeUnit(unitText);
    // A count that is no number, or whose step would carry a chart beyond
    // every supported year, would overflow the span fields: refuse it.
    if (!std::isfinite(count) || std::fabs(count) * UnitMillis(unit) > kMaxSpanDouble) {
        step.valid = false;
        return step;
    }
    if (std::fabs(count) < 0.0001 || unit == kUnitNone)
        return step;

    const double nearest = std::floor(count + 0.5);
    if (wholeRounding && std::fabs(count - nearest) < 0.0001) {
        const long n = static_cast<long>(nearest);
        const int n32 = static_cast<int>(nearest);
        switch (unit) {
        case kUnitSecond: step.timeSpan = wxTimeSpan::Seconds(n); break;
        case kUnitMinute: step.timeSpan = wxTimeSpan::Minutes(n); break;
        case kUnitHour: step.timeSpan = wxTimeSpan::Hours(n); break;
        case kUnitDay: step.dateSpan = wxDateSpan::Days(n32); break;
        case kUnitWeek: step.dateSpan = wxDateSpan::Weeks(n32); break;
        case kUnitMonth: step.dateSpan = wxDateSpan::Months(n32); break;
        case kUnitYear: step.dateSpan = wxDateSpan::Years(n32); break;
        default: break;
        }
        step.hasTimeSpan = unit <= kUnitHour;
        step.hasDateSpan = unit >= kUnitDay;
        return step;
    }

    const double whole = std::trunc(count);
    const double fraction = count - whole;
    const int w = static_cast<int>(whole);
    // The clock part in milliseconds: the whole count of a clock unit, or
    // the rest of a calendar unit beyond its whole days.
    double restMillis = count * UnitMillis(unit);
    if (unit >= kUnitDay) {
        double days = 0.0;
        wxDateSpan span;
        switch (unit) {
        case kUnitDay:
            span = wxDateSpan::Days(w);
            restMillis = fraction * kMsPerDay;
            break;
        case kUnitWeek:
            days = std::trunc(fraction * 7.0);
            span = wxDateSpan(0, 0, w, static_cast<int>(days));
            restMillis = (fraction * 7.0 - days) * kMsPerDay;
            break;
        default: {
            const double length = unit == kUnitMonth ? kDaysPerMonth : kDaysPerYear;
            // "Time Consistent" counts the whole step in mean-length days;
            // otherwise whole months or years stay calendar units.
            const double inDays = (timeConsistent ? count : fraction) * length;
            days = std::trunc(inDays);
            const int wholeUnits = timeConsistent ? 0 : w;
            span = unit == kUnitMonth ? wxDateSpan(0, wholeUnits, 0, static_cast<int>(days))
                                      : wxDateSpan(wholeUnits, 0, 0, static_cast<int>(days));
            restMillis = (inDays - days) * kMsPerDay;
            break;
        }
        }
        step.dateSpan = span;
        step.hasDateSpan = true;
    }
    step.timeSpan = wxTimeSpan::Milliseconds(TruncateMillis(restMillis, count * UnitMillis(unit)));
    step.hasTimeSpan = true;
    return step;
}

TimeMotionStep ParseStep(const wxString& countText, const wxString& unit, bool timeConsistent)
{
    return MakeStep(ReadCount(countText), unit, timeConsistent, true);
}

int32_t ToTimerMillis(double value, const wxString& unit)
{
    const double product = value * UnitMillis(ParseTimeUnit(unit));
    constexpr int64_t kLongest = std::numeric_limits<int32_t>::max();
    // NaN fails both comparisons and so is refused as well.
    if (!(product > 0.0 && product < static_cast<double>(kLongest + 1)))
        return 0;
    const int64_t millis = TruncateMillis(product, product);
    return millis >= 1 && millis <= kLongest ? static_cast<int32_t>(millis) : 0;
}

bool ToTimeSpanMillis(double value, const wxString& unit, int64_t* millis)
{
    const TimeUnit u = ParseTimeUnit(unit);
    if (u == kUnitNone || !std::isfinite(value) || std::fabs(value) * UnitMillis(u) > kMaxSpanDouble)
        return false;
    const double product = value * UnitMillis(u);
    if (u == kUnitMonth || u == kUnitYear)
        *millis = static_cast<int64_t>(std::trunc(value * (u == kUnitMonth ? kDaysPerMonth : kDaysPerYear)) *
                                       86400000.0);
    else
        *millis = TruncateMillis(product, product);
    return true;
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
