#include "files/astrolog_file.h"

#include <climits>
#include <cmath>

#include <wx/arrstr.h>
#include <wx/tokenzr.h>

#include "files/coordinate_text.h"
#include "files/decimal_text.h"

namespace {

constexpr size_t kMinimumAstrologFileSize = 10;

/// "/qb" or "-qb": Windows builds of Astrolog write the first, Unix builds
/// the second.
bool IsSwitch(const wxString& line, const char* name)
{
    return line.length() >= 3 && (line[0] == '/' || line[0] == '-') && line.Mid(1, 2) == name;
}

/// A coordinate with its degrees right-aligned in the given width.
wxString PaddedCoordinate(const DmsAngle& angle, const char* positive, const char* negative, size_t width)
{
    wxString text = FormatCoordinate(angle, positive, negative);
    const size_t colon = text.find(':');
    if (colon != wxString::npos && colon < width)
        text.Prepend(wxString(' ', width - colon));
    return text;
}

wxString QuotedText(wxString text)
{
    // A double quote would end the field early on reading back.
    text.Replace("\"", "'");
    return "\"" + text + "\"";
}

/// Applies one "qb" line; true when its date and time were both readable.
bool ReadChartLine(const wxString& line, ChartTimeRecord* time)
{
    wxArrayString tokens = wxStringTokenize(line, " \t", wxTOKEN_STRTOK);
    while (tokens.size() < 9)
        tokens.push_back(wxString());
    const bool date = ParseDateInto(tokens[1] + " " + tokens[2] + " " + tokens[3], &time->month, &time->day,
                                    &time->year);
    const bool clock = ParseTimeInto(tokens[4], &time->hour, &time->minute, &time->second);
    time->dst = tokens[5] == "DT" ? 1 : 0;
    // Astrolog counts hours west; the minutes of the zone are dropped.
    time->timeZone = -LeadingInteger(tokens[6].BeforeFirst(':'));
    ParseCoordinate(tokens[7], &time->longitude, 'E', 'W', true);
    ParseCoordinate(tokens[8], &time->latitude, 'N', 'S', false);
    time->progressed = 0;
    return date && clock;
}

void ReadNameLine(const wxString& line, ChartNameRecord* name)
{
    const wxArrayString pieces = wxSplit(line, '"', '\0');
    name->name = pieces.size() > 1 ? pieces[1] : wxString();
    name->place = pieces.size() > 3 ? pieces[3] : wxString();
}

} // namespace

AstrologHeaderStatus CheckAstrologFileHeader(const std::string& bytes)
{
    if (bytes.size() < kMinimumAstrologFileSize)
        return AstrologHeaderStatus::TooSmall;
    return bytes.compare(0, 5, "@0102") == 0 ? AstrologHeaderStatus::Ok : AstrologHeaderStatus::Invalid;
}

std::string FormatAstrologFile(const ChartTimeRecord& time, const ChartNameRecord& name)
{
    const int month = time.month >= 1 && time.month <= 12 ? time.month : 1;
    const wxString monthName = wxString(GetIdName(ids::kMonthFirst + month - 1)).Left(3);
    const int second = time.second >= 59.0 ? 59 : time.second >= 0.0 ? int(std::floor(time.second)) : 0;
    const char marker = time.dst ? 'D' : 'S';
    wxString text = "@0102  ; Astrolog chart info.\r\n";
    text << wxString::Format("/qb %s %d %d %2d:%02d:%02d %cT ", monthName, time.day, time.year, time.hour,
                             time.minute, second, marker);
    text << wxString::Format("%+d:00 ", -time.timeZone) << PaddedCoordinate(time.longitude, "E", "W", 3) << " "
         << PaddedCoordinate(time.latitude, "N", "S", 2) << "\r\n";
    text << "/zi " << QuotedText(name.name) << " " << QuotedText(name.place) << "\r\n";
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return std::string(utf8.data(), utf8.length());
}

bool ReadAstrologFileLines(const std::vector<wxString>& lines, ChartTimeRecord* time, ChartNameRecord* name)
{
    ChartTimeRecord newTime = *time;
    ChartNameRecord newName = *name;
    bool readable = false;
    for (const wxString& line : lines) {
        if (IsSwitch(line, "qb"))
            readable = ReadChartLine(line, &newTime) || readable;
        else if (IsSwitch(line, "zi"))
            ReadNameLine(line, &newName);
    }
    if (!readable)
        return false;
    newName.isNow = 0;
    *time = newTime;
    *name = newName;
    return true;
}
