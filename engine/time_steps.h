// Time-motion arithmetic: unit words, the step a count and unit make, timer
// periods and smooth-motion spans, and moving a chart's moment by a step.
// Every moment is worked on as the chart's own moment (universal time from
// its clock, zone and daylight-saving flag), never as the computer's clock.
#pragma once

#include <cstdint>

#include <wx/datetime.h>
#include <wx/string.h>

#include "engine/angles.h"
#include "engine/typed_count.h"

/// The units of the time-motion unit lists; 0 when a text names none.
enum TimeUnit : int {
    kUnitNone = 0,
    kUnitSecond = 100,
    kUnitMinute = 101,
    kUnitHour = 102,
    kUnitDay = 103,
    kUnitWeek = 104,
    kUnitMonth = 105,
    kUnitYear = 106
};

/// Mean lengths of the calendar units, in days.
constexpr double kDaysPerMonth = 30.43684983;
constexpr double kDaysPerYear = 365.242198;

/// The longest span a step, a real-time span or a smooth offset may have:
/// a little more than the whole supported range of chart years.
constexpr int64_t kMaxMotionSpanMillis = 400000000000000LL; // about 12,675 years
/// Chart years the motion can reach; the ephemeris files cover them.
constexpr int kFirstMotionYear = -5000;
constexpr int kLastMotionYear = 5000;

/// One step of chart time: a calendar part and a clock part, each used only
/// when its flag is set.
struct TimeMotionStep {
    wxTimeSpan timeSpan;
    wxDateSpan dateSpan;
    bool hasTimeSpan = false;
    bool hasDateSpan = false;
    /// False when the count was not a number or the step would not fit the
    /// supported range; such a row moves nothing and a start refuses it.
    bool valid = true;
};

/// The unit a text names: "second", "minute", "hour", "day", "week",
/// "month", "year" looked for in that order, without regard to case.
TimeUnit ParseTimeUnit(const wxString& unit);

/// True when a count field's text starts with a number.
bool CountHasNumber(const wxString& text);

/// The step of count units. Whole counts (within 0.0001, when wholeRounding)
/// give calendar units as they are; fractional counts of days and weeks split
/// into calendar days and a clock rest, and of months and years into mean-
/// length days ("Time Consistent") or whole months/years plus days. Every
/// part is worked out on the count's decimal digits and truncated toward
/// zero.
TimeMotionStep MakeStep(const TypedCount& count, const wxString& unit, bool timeConsistent, bool wholeRounding);
/// The same for a count given as a double, taken as its shortest decimal.
TimeMotionStep MakeStep(double count, const wxString& unit, bool timeConsistent, bool wholeRounding);

/// The step of a count field's text and a unit (whole-number rounding on),
/// from the digits typed.
TimeMotionStep ParseStep(const wxString& countText, const wxString& unit, bool timeConsistent);

/// A stepwise timer period in milliseconds; 0 when the count and unit give
/// no usable period (not finite, below 1 ms or above 2,147,483,647 ms).
int32_t ToTimerMillis(const TypedCount& count, const wxString& unit);
int32_t ToTimerMillis(double value, const wxString& unit);

/// A smooth-motion span in milliseconds (months and years as whole days of
/// their mean length). False when the value is not finite, the unit is not
/// recognised or the span exceeds kMaxMotionSpanMillis.
bool ToTimeSpanMillis(const TypedCount& count, const wxString& unit, int64_t* millis);
bool ToTimeSpanMillis(double value, const wxString& unit, int64_t* millis);

/// The timer period of a frame rate, rounded to whole milliseconds; 0 for a
/// rate that gives no period.
int FramePeriodMillis(int framesPerSecond);

/// The chart-time offset after elapsed real milliseconds at step chart
/// milliseconds per real milliseconds: elapsed x step x direction / real,
/// truncated toward zero, computed without overflow. False when real is not
/// positive or the offset exceeds kMaxMotionSpanMillis.
bool SmoothOffsetMillis(int64_t elapsed, int64_t step, int64_t real, int direction, int64_t* offset);

/// The chart's moment in universal milliseconds since 1970. False when its
/// year lies outside the supported range.
bool ChartMomentMillis(const ChartTimeRecord& record, int64_t* utcMillis);

/// Writes a moment into a record, which then names exactly that moment: its
/// zone stays, and the clock is written in the zone plus the flag's hour.
/// When the record's zone and flag are the computer's clock at the record's
/// present moment, read as a chart for now reads it, the flag follows that
/// reading's summer time at the new moment wherever the reading's zone is
/// still the record's zone; otherwise the flag stays. Milliseconds are
/// dropped unless keepMillis. False (record unchanged) outside the
/// supported years.
bool SetChartMoment(int64_t utcMillis, ChartTimeRecord* record, bool keepMillis = false);

/// Moves a chart by a step times direction: the calendar part on the chart's
/// clock reading, kept (the day clamped to the month's length), then the
/// clock part as real time. The result keeps the milliseconds, so that every
/// step moves the chart by exactly its length. False (record unchanged) for
/// an invalid step or when the result leaves the supported years.
bool StepChartTime(const TimeMotionStep& step, int direction, ChartTimeRecord* record);
