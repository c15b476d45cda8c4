// The chart data file as text: one chart's name, date, clock time, zone,
// city and coordinates as "Key: value" lines. Plain functions over the chart
// records; reading the file and showing messages is the file component's.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include <wx/string.h>

#include "engine/chart_set.h"
#include "files/zone_clock.h"

/// The first line of every chart data file.
extern const char kChartFileHeaderLine[];

enum class ChartHeaderStatus {
    Ok,       ///< version up to 1.0
    TooSmall, ///< under 45 bytes
    Invalid,  ///< not our product word, wrong key, or a version below 0.01
    TooNew    ///< a version above 1.0: the user may try anyway
};

/// Checks the header of a chart data file from its bytes.
ChartHeaderStatus CheckChartFileHeader(const std::string& bytes);

/// Whether a slot's chart is written as "Now": for the default slot its
/// progressed flag (now at start-up), for the native, partner and transit
/// slots the name record's flag; the derived slots never.
bool IsChartSetToNow(ChartSlot slot, const ChartTimeRecord& time, const ChartNameRecord& name);

/// The whole file (UTF-8, CR LF line ends) for one chart. The time is
/// written as 24-hour "HH:MM:SS", which reads back in every locale.
std::string FormatChartFile(const ChartTimeRecord& time, const ChartNameRecord& name, bool setToNow);

/// Zones a file may hold, in whole hours east: anything beyond is damage,
/// not a place on Earth.
constexpr int kMaxFileTimeZone = 24;

enum class ChartFileReading {
    Read,     ///< the records hold the file's chart
    SetToNow, ///< "Date: Now" followed by a "Time" line: the caller sets the slot to now
    Refused   ///< a zone outside -24..24; the records are unchanged
};

/// Reads the key lines into the slot's records; keys missing from the file
/// leave the fields as they were. For SetToNow the caller then sets the slot
/// to now, which also empties its name. The now flag (and for the default
/// slot the progressed flag) ends true exactly for SetToNow.
ChartFileReading ReadChartFileLines(const std::vector<wxString>& lines, ChartSlot slot, const LocalNow& now,
                                    ChartTimeRecord* time, ChartNameRecord* name);
