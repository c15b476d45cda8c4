// The values of the chart information dialog as plain records, and the rules
// that move them between a chart slot's records and the dialog's controls:
// no window code, so every rule is tested without a display.
#pragma once

#include <cstdint>

#include <wx/datetime.h>
#include <wx/string.h>

#include "engine/chart_set.h"

/// What the chart information dialog's controls hold.
struct ChartInfoFields {
    /// The calendar's date: day, month 1..12 and year as the records hold
    /// them, including dates the calendar control cannot show.
    int day = 1;
    int month = 1;
    int year = 2000;
    wxString name;
    wxString city;
    wxString time;
    wxString latitude;
    wxString longitude;
    wxString timeZone;
    bool dst = false;
    bool progressed = false; ///< for the default slot: "now at start-up"
};

/// Lowest and highest time zone the dialog accepts, in whole hours east.
/// Tonga and Samoa keep UT+13, so 13 passes although the refusal message
/// names 12 as the highest.
constexpr int kLowestTimeZone = -12;
constexpr int kHighestTimeZone = 13;

/// How a time zone text was read.
enum class TimeZoneRead { Ok, NotANumber, OutOfRange };

/// Problems found while reading the dialog back; each one left the old
/// value of its field in place.
struct ChartInfoReadResult {
    bool timeRejected = false;
    TimeZoneRead timeZone = TimeZoneRead::Ok;
    bool latitudeRejected = false;
    bool longitudeRejected = false;
};

/// Stores the local date and clock time of a moment (whole seconds) and its
/// daylight-saving state: 1 only when the computer's rules say it is in
/// force, 0 when they say it is not or cannot tell. Place, zone and
/// progressed flag stay. An invalid moment changes nothing.
void DateTimeToChartTime(const wxDateTime& moment, ChartTimeRecord* record);

/// The "Guess" button's answer for a date: ticked unless the computer's
/// clock says summer time is off, so a date it cannot tell ticks it.
bool GuessDaylightSaving(const wxDateTime& date);

/// Reads a time zone text: an optional sign and decimal digits only (an
/// empty text or a lone sign reads as 0), within the accepted range.
TimeZoneRead ReadTimeZoneText(const wxString& text, int32_t* zone);

/// The controls' values for one slot's records. For the default slot the
/// progressed box carries the slot's "now at start-up" flag: its progressed
/// flag, from which the default chart file is written.
ChartInfoFields FillChartInfoFields(const ChartTimeRecord& record, const ChartNameRecord& names);

/// Stores what the dialog holds into a slot's records: the date always, the
/// clock time, the zone and each coordinate only when they read (a good time
/// also clears the "now" flag, and so does a change of the date, the zone or
/// the summer-time flag), the two flags and the names. A zone text
/// still as it was filled in keeps the zone, even outside the range.
ChartInfoReadResult ReadChartInfoFields(const ChartInfoFields& fields, ChartTimeRecord* record,
                                        ChartNameRecord* names);

/// After an edit of the native (0) or partner (1) slot, a shown slot that
/// displays that chart switches to its progressed slot (3 or 4) when the
/// progressed flag is set, and back when it is clear. Other slots change
/// nothing.
void AdjustShownSlotsAfterEdit(ChartSlot edited, bool progressed, ChartSettings* settings);
