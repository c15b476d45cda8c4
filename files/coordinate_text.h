// Text forms of latitudes, longitudes, dates and clock times shared by the
// chart data file, the Astrolog exchange, the chart dialog and the panel.
#pragma once

#include <cstdint>
#include <wx/string.h>

#include "engine/angles.h"

/// "D:MM:SSH" with the absolute degrees, minutes and whole seconds, H being
/// negativeText when the angle is negative and positiveText otherwise.
/// Seconds that round to 60 carry into the minutes and degrees.
wxString FormatCoordinate(const DmsAngle& angle, const wxString& positiveText,
                          const wxString& negativeText);

/// Reads "122W25" (compact) or "122:25:00W" / "37:47N" (colon form) into
/// angle. Degrees are reduced modulo 180 for a longitude and 90 for a
/// latitude. On failure angle is left exactly as it was.
bool ParseCoordinate(const wxString& text, DmsAngle* angle, wxChar positiveLetter,
                     wxChar negativeLetter, bool longitude);

/// "6 December 2026" in the user's date language (no leading zero on the day).
wxString FormatLongDate(int month, int day, int year);

/// The user's clock format of the whole seconds; a 12-hour text loses the
/// leading zero of its hour, a 24-hour text keeps it.
wxString FormatLocalTime(int hour, int minute, double second);

/// Reads a date ("6 December 2026", "Dec 6 -500", "12 6 2026" as month day
/// year, or whatever the class library's parser understands) into the three
/// fields. On failure the fields keep their values and false is returned.
bool ParseDateInto(const wxString& text, int32_t* month, int32_t* day, int32_t* year);

/// Reads a clock time (h:mm[:ss] with an optional am/pm marker, or whatever
/// the class library's parser understands) into the fields, storing whole
/// seconds. On failure the fields keep their values and false is returned.
bool ParseTimeInto(const wxString& text, int32_t* hour, int32_t* minute, double* second);
