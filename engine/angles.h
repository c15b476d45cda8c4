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

void SplitZodiacPosition(double longitude, ZodiacPosition* out, bool round);
DmsAngle* DecimalToDms(double value, DmsAngle* out);
double DmsToDecimal(const DmsAngle* angle);
void MidpointDms(const DmsAngle& a, const DmsAngle& b, DmsAngle* out);
void NegateDms(DmsAngle* angle);
bool IsDmsNegative(const DmsAngle& angle);
int DaysInMonth(int month, int year);
void RemoveDstHour(ChartTimeRecord* record);
void AddDstHour(ChartTimeRecord* record);
double LocalTimeToJulianDay(int year, int month, int day, int hour, int minute, double second,
                            int timeZone, int dst);
void JulianDayToLocalTime(double jd, int timeZone, int dst, int* year, int* month, int* day,
                          int* hour, int* minute, double* second);
double GetChartJulianDay(const ChartTimeRecord& record);
void SetChartFromJulianDay(double jd, int timeZone, int dst, ChartTimeRecord* record);
