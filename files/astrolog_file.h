// Astrolog chart-info files as text: "@0102" on the first line, the chart on
// a "/qb" line and its name and place on a "/zi" line. Unix builds of
// Astrolog start the switches with "-", which is read too.
#pragma once

#include <string>
#include <vector>

#include <wx/string.h>

#include "engine/chart_set.h"

enum class AstrologHeaderStatus {
    Ok,
    TooSmall, ///< under 10 bytes
    Invalid   ///< does not begin with "@0102"
};

/// Checks the header of an Astrolog chart-info file from its bytes.
AstrologHeaderStatus CheckAstrologFileHeader(const std::string& bytes);

/// The whole file (UTF-8, CR LF line ends) for one chart. Double quotes in
/// the name and place are written as apostrophes, as Astrolog does.
std::string FormatAstrologFile(const ChartTimeRecord& time, const ChartNameRecord& name);

/// Reads the "qb" and "zi" lines into the records. Returns false and changes
/// nothing when no "qb" line has a readable date and time, or when one holds
/// a zone beyond 24 hours; otherwise the chart is neither progressed nor set
/// to now. A zone's minutes ("-5:30") or fraction of an hour ("-5.5") move
/// the clock time (and the date across midnight), as the chart keeps
/// whole-hour zones: the moment is the file's, to the second. A move that
/// would take the year beyond what the date reader reads is refused too.
bool ReadAstrologFileLines(const std::vector<wxString>& lines, ChartTimeRecord* time, ChartNameRecord* name);
