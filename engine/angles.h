// Angles in degrees-minutes-seconds and zodiac form, chart moments as local
// civil time, and the Julian day (universal time) of a moment and back.
#pragma once

#include <cstdint>
#include <wx/string.h>

#include "engine/object_ids.h"

/// An angle as degrees, minutes and seconds. The sign sits on the first
/// non-zero component; north latitudes and east longitudes are positive.
struct DmsAngle {
    int32_t degrees = 0;
    int32_t minutes = 0;
    double seconds = 0.0;
};

/// A longitude as degrees within a sign (0..29), the sign (500..511),
/// minutes and seconds.
struct ZodiacPosition {
    int32_t degrees = 0;
    ObjectId sign = ids::kSignFirst;
    int32_t minutes = 0;
    double seconds = 0.0;
};

/// The input of one chart: place, local clock time, zone and flags.
/// Universal time = local time - zone - (1 hour when dst is set).
struct ChartTimeRecord {
    DmsAngle latitude;
    DmsAngle longitude;
    int32_t hour = 0;
    int32_t minute = 0;
    double second = 0.0;
    int32_t timeZone = 0;   ///< whole hours east of Greenwich
    int32_t dst = 0;        ///< non-zero: clock one hour ahead of zone time
    int32_t progressed = 0; ///< slots 0/1: show progressed; slot 7: now at start-up
    int32_t month = 1;
    int32_t day = 1;
    int32_t year = 2000;
};

/// Name and place of one chart, and whether its moment is "Now".
struct ChartNameRecord {
    wxString name;
    wxString place;
    uint8_t isNow = 0;
};

/// An angle in degrees brought into [0, 360) (360 itself becomes 0; NaN and
/// infinities become 0).
double NormalizeDegrees(double degrees);

/// Sign, degrees, minutes and seconds of a longitude (brought into [0, 360)
/// first); with round, seconds over 30 carry into the minute and onward.
void SplitZodiacPosition(double longitude, ZodiacPosition* out, bool round);
/// Decimal degrees to degrees-minutes-seconds; returns out.
DmsAngle* DecimalToDms(double value, DmsAngle* out);
/// Degrees-minutes-seconds to decimal degrees; 0.0 for null.
double DmsToDecimal(const DmsAngle* angle);
/// Plain mean of two angles (no wrap at 180 degrees).
void MidpointDms(const DmsAngle& a, const DmsAngle& b, DmsAngle* out);
/// Negates the first non-zero component.
void NegateDms(DmsAngle* angle);
/// True when the first non-zero component is negative.
bool IsDmsNegative(const DmsAngle& angle);
/// Days of a Gregorian month; 15 for a month outside 1..12.
int DaysInMonth(int month, int year);
/// Same moment as zone time: a set daylight-saving flag is cleared and the
/// clock put back an hour, rolling the date. A clear flag is left alone.
void RemoveDstHour(ChartTimeRecord* record);
/// Same moment on the daylight-saving clock: the flag is set and the clock
/// put forward an hour, rolling the date. A set flag is left alone.
void AddDstHour(ChartTimeRecord* record);
/// Universal-time Julian day of a local clock time (Gregorian calendar).
double LocalTimeToJulianDay(int year, int month, int day, int hour, int minute, double second,
                            int timeZone, int dst);
/// Local date and clock time of a Julian day, to the whole second (the
/// time is rounded to milliseconds, then the seconds truncated).
void JulianDayToLocalTime(double jd, int timeZone, int dst, int* year, int* month, int* day,
                          int* hour, int* minute, double* second);
/// Universal-time Julian day of a chart's moment.
double GetChartJulianDay(const ChartTimeRecord& record);
/// Stores zone and flag, then the local date and time of the Julian day;
/// place and progressed flag stay.
void SetChartFromJulianDay(double jd, int timeZone, int dst, ChartTimeRecord* record);
