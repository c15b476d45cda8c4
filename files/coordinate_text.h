// Text forms of latitudes, longitudes, dates and clock times shared by the
// chart data file, the Astrolog exchange, the chart dialog and the panel.
#pragma once

#include <cstdint>
#include <wx/string.h>

#include "engine/angles.h"

/// "D:MM:SSH" with the absolute degrees, minutes and whole seconds, H being
/// negativeText when the angle is negative and positiveText otherwise.
/// Seconds that round to 60 carry into the minutes and degrees, but never
/// onto 90 degrees of latitude or 180 of longitude; a NaN second counts as 0
/// and huge ones are capped.
wxString FormatCoordinate(const DmsAngle& angle, const wxString& positiveText,
                          const wxString& negativeText, bool longitude);

/// Reads "122W25" (compact) or "122:25:00W" / "37:47N" (colon form) into
/// angle. Up to 90 degrees for a latitude and 180 for a longitude, minutes
/// and seconds under 60, a sign only before the degrees; anything else
/// fails. On failure angle is left exactly as it was.
bool ParseCoordinate(const wxString& text, DmsAngle* angle, wxChar positiveLetter,
                     wxChar negativeLetter, bool longitude);

/// "6 December 2026" in the user's date language (no leading zero on the
/// day). Empty for a month outside 1..12 or a day outside 1..31.
wxString FormatLongDate(int month, int day, int year);

/// The user's clock format of the whole seconds; a 12-hour text loses the
/// leading zero of its hour, a 24-hour text keeps it. Empty for a time no
/// clock shows (hour outside 0..23, minute or second outside 0..59, NaN).
wxString FormatLocalTime(int hour, int minute, double second);

/// The largest year, and with a minus sign the smallest, that ParseDateInto
/// reads; a text reader that moves a date must not carry it beyond these.
constexpr int32_t kMaxTextYear = 999999999;

/// Reads a whole date with a day, a month and a year into the three fields:
/// "6 December 2026", "1 März -500" (month names of the user's language or
/// English), "Dec 6, 2026", "12 6 2026" and "12/30/2011" (month day year;
/// day first when the first number cannot be a month), "6.12.2026" (day
/// month year), "2026-12-06" and "-500/12/06" (year first). The year keeps
/// its sign; the computer's time zone plays no part. On failure (anything
/// left unread, a missing or impossible field) the fields keep their values
/// and false is returned. Years have at most nine digits (kMaxTextYear).
bool ParseDateInto(const wxString& text, int32_t* month, int32_t* day, int32_t* year);

/// Reads a whole clock time into the fields, storing whole seconds:
/// "15:04:09", "9:05" and "12.30" (24-hour), "3:04:09pm" or "3:04:09 PM"
/// (12-hour, with or without a blank or seconds), "7pm", a bare hour "7" or
/// "07" (07:00:00), "noon", "midnight",
/// or the user's locale's own clock form ("15時04分09秒"). On failure the
/// fields keep their values and false is returned.
bool ParseTimeInto(const wxString& text, int32_t* hour, int32_t* minute, double* second);
