#include "files/astrolog_file.h"

#include <climits>
#include <cmath>

#include <wx/arrstr.h>
#include <wx/tokenzr.h>

#include "files/chart_data_file.h"
#include "files/coordinate_text.h"
#include "files/decimal_text.h"
#include "files/text_file_io.h"

namespace {

constexpr size_t kMinimumAstrologFileSize = 10;

/// "/qb" or "-qb": Windows builds of Astrolog write the first, Unix builds
/// the second.
bool IsSwitch(const wxString& line, const char* name)
{
    return line.length() >= 3 && (line[0] == '/' || line[0] == '-') && line.Mid(1, 2) == name;
}

/// A coordinate with its degrees right-aligned in the given width.
wxString PaddedCoordinate(const DmsAngle& angle, const char* positive, const char* negative, bool longitude,
                          size_t width)
{
    wxString text = FormatCoordinate(angle, positive, negative, longitude);
    const size_t colon = text.find(':');
    if (colon != wxString::npos && colon < width)
        text.Prepend(wxString(' ', width - colon));
    return text;
}

wxString QuotedText(const wxString& field)
{
    // A double quote would end the field early on reading back.
    wxString text = SingleLine(field);
    text.Replace("\"", "'");
    return "\"" + text + "\"";
}

/// Moves the clock time by less than a day, rolling the date (proleptic
/// Gregorian, as the engine counts) when it passes midnight. The clock was
/// read in whole seconds. False, with the record unchanged, when the date
/// would leave the years the date reader reads: such a chart could not be
/// written out and read back.
bool ShiftClockSeconds(ChartTimeRecord* time, int seconds)
{
    constexpr int kDay = 24 * 60 * 60;
    int clock = time->hour * 3600 + time->minute * 60 + int(time->second) + seconds;
    int year = time->year, month = time->month, day = time->day;
    if (clock < 0) {
        clock += kDay;
        if (--day < 1) {
            if (--month < 1) {
                month = 12;
                --year;
            }
            day = DaysInMonth(month, year);
        }
    } else if (clock >= kDay) {
        clock -= kDay;
        if (++day > DaysInMonth(month, year)) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    if (year < -kMaxTextYear || year > kMaxTextYear)
        return false;
    time->year = year;
    time->month = month;
    time->day = day;
    time->hour = clock / 3600;
    time->minute = clock / 60 % 60;
    time->second = clock % 60;
    return true;
}

bool IsDigit(wxUniChar c) { return c >= '0' && c <= '9'; }

/// Reads a zone field, in hours west: "-5:30", "+8:00", "-5", or with a
/// decimal fraction of an hour, "-5.5" or "+3.75" (minutes after a colon
/// add to such hours). The result is whole seconds west, a fraction of a
/// second rounded to the nearest; false for a zone beyond 24 hours.
bool ReadZoneSeconds(const wxString& field, long long* westSeconds)
{
    // The hours are a sign, digits and a fraction; anything after them is
    // ignored. They are read with "." whatever the user's language.
    const wxString hoursText = field.BeforeFirst(':');
    size_t end = !hoursText.empty() && (hoursText[0] == '+' || hoursText[0] == '-') ? 1 : 0;
    while (end < hoursText.length() && IsDigit(hoursText[end]))
        ++end;
    if (end + 1 < hoursText.length() && hoursText[end] == '.' && IsDigit(hoursText[end + 1])) {
        ++end;
        while (end < hoursText.length() && IsDigit(hoursText[end]))
            ++end;
    }
    const double hours = std::fabs(ReadLeadingDecimal(hoursText.Left(end)));
    int minutes = field.Find(':') == wxNOT_FOUND ? 0 : LeadingInteger(field.AfterFirst(':'));
    if (minutes < 0 || minutes > 59)
        minutes = 0;
    if (!(hours <= kMaxFileTimeZone))
        return false;
    const long long seconds = std::llround(hours * 3600) + minutes * 60;
    if (seconds > kMaxFileTimeZone * 3600LL)
        return false;
    *westSeconds = hoursText.StartsWith("-") ? -seconds : seconds;
    return true;
}

enum class ChartLine { Unreadable, Readable, Refused };

/// Applies one "qb" line; Readable when its date and time were both
/// readable, Refused for a zone beyond 24 hours or a date the zone's
/// minutes would move beyond the readable years.
ChartLine ReadChartLine(const wxString& line, ChartTimeRecord* time)
{
    wxArrayString tokens = wxStringTokenize(line, " \t", wxTOKEN_STRTOK);
    while (tokens.size() < 9)
        tokens.push_back(wxString());
    long long westSeconds = 0;
    if (!ReadZoneSeconds(tokens[6], &westSeconds))
        return ChartLine::Refused;

    const bool date = ParseDateInto(tokens[1] + " " + tokens[2] + " " + tokens[3], &time->month, &time->day,
                                    &time->year);
    const bool clock = ParseTimeInto(tokens[4], &time->hour, &time->minute, &time->second);
    time->dst = tokens[5] == "DT" ? 1 : 0;
    // Astrolog counts hours west, this program whole hours east. The part of
    // the zone below an hour cannot be kept in the zone; the clock time takes
    // it instead, so that the moment stays the one the file gives. A zone
    // further west has its clock later for the same moment.
    time->timeZone = -int(westSeconds / 3600);
    if (date && clock && !ShiftClockSeconds(time, int(westSeconds % 3600)))
        return ChartLine::Refused;
    ParseCoordinate(tokens[7], &time->longitude, 'E', 'W', true);
    ParseCoordinate(tokens[8], &time->latitude, 'N', 'S', false);
    time->progressed = 0;
    return date && clock ? ChartLine::Readable : ChartLine::Unreadable;
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
    text << wxString::Format("%+lld:00 ", -static_cast<long long>(time.timeZone))
         << PaddedCoordinate(time.longitude, "E", "W", true, 3) << " "
         << PaddedCoordinate(time.latitude, "N", "S", false, 2) << "\r\n";
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
        if (IsSwitch(line, "qb")) {
            const ChartLine read = ReadChartLine(line, &newTime);
            if (read == ChartLine::Refused)
                return false;
            readable = read == ChartLine::Readable || readable;
        }
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
