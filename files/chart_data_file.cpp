#include "files/chart_data_file.h"

#include <cctype>
#include <climits>
#include <cmath>

#include "files/coordinate_text.h"
#include "files/decimal_text.h"
#include "files/text_file_io.h"

const char kChartFileHeaderLine[] = "Orbivantelle Data File, Format Version: 1.0";

namespace {

const char kHeaderKey[] = "Orbivantelle Data File, Format Version";
constexpr size_t kMinimumChartFileSize = 45; // the header line and its CR LF

bool IsDigit(wxChar c) { return c >= '0' && c <= '9'; }

/// The leading decimal number of a text ("1.0 beta" gives 1.0), 0 when the
/// text does not begin with one. Read without the C locale, whose decimal
/// separator may be a comma.
double LeadingDecimal(const wxString& text)
{
    size_t i = 0;
    if (i < text.length() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const size_t digitsStart = i;
    while (i < text.length() && IsDigit(text[i]))
        ++i;
    bool digits = i > digitsStart;
    if (i < text.length() && text[i] == '.') {
        ++i;
        const size_t fraction = i;
        while (i < text.length() && IsDigit(text[i]))
            ++i;
        digits = digits || i > fraction;
    }
    if (!digits)
        return 0.0;
    if (i < text.length() && (text[i] == 'e' || text[i] == 'E')) {
        size_t k = i + 1;
        if (k < text.length() && (text[k] == '+' || text[k] == '-'))
            ++k;
        if (k < text.length() && IsDigit(text[k])) {
            while (k < text.length() && IsDigit(text[k]))
                ++k;
            i = k;
        }
    }
    double value = 0.0;
    return text.Left(i).ToCDouble(&value) ? value : 0.0;
}

/// Splits a key line: the comment from the first "#" is cut off, the key is
/// the text before the first ":", both trimmed. False when there is no ":".
bool SplitKeyLine(const wxString& line, wxString* key, wxString* value)
{
    wxString text = line.BeforeFirst('#');
    const size_t colon = text.find(':');
    if (colon == wxString::npos)
        return false;
    *key = text.Left(colon).Trim(true).Trim(false);
    *value = text.Mid(colon + 1).Trim(true).Trim(false);
    return true;
}

wxString MonthName(int month)
{
    if (month < 1 || month > 12)
        return "January";
    return GetIdName(ids::kMonthFirst + month - 1);
}

/// Whole seconds 0..59 of a stored second, whatever the double holds.
int WholeSeconds(double second)
{
    if (!(second >= 0.0))
        return 0;
    return second >= 59.0 ? 59 : int(std::floor(second));
}

void ReadCoordinates(const wxString& value, ChartTimeRecord* time)
{
    const wxString first = value.BeforeFirst(' ');
    const wxString second = value.AfterFirst(' ').Upper().Trim(false);
    if (ParseCoordinate(first, &time->longitude, 'E', 'W', true)) {
        ParseCoordinate(second, &time->latitude, 'N', 'S', false);
    } else {
        ParseCoordinate(first, &time->latitude, 'N', 'S', false);
        ParseCoordinate(second, &time->longitude, 'E', 'W', true);
    }
}

} // namespace

ChartHeaderStatus CheckChartFileHeader(const std::string& bytes)
{
    if (bytes.size() < kMinimumChartFileSize)
        return ChartHeaderStatus::TooSmall;
    // The product word, compared byte by byte without regard to case.
    for (size_t i = 0; i < 12; ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (std::tolower(c) != std::tolower(static_cast<unsigned char>(kHeaderKey[i])) || c >= 0x80)
            return ChartHeaderStatus::Invalid;
    }
    const size_t end = bytes.find_first_of("\r\n");
    const std::vector<wxString> first = SplitDecodedLines(bytes.substr(0, end));
    wxString key, value;
    if (first.empty() || !SplitKeyLine(first[0], &key, &value) || !key.IsSameAs(kHeaderKey, false))
        return ChartHeaderStatus::Invalid;
    const double version = LeadingDecimal(value);
    if (!(version >= 0.01))
        return ChartHeaderStatus::Invalid;
    return version <= 1.0 ? ChartHeaderStatus::Ok : ChartHeaderStatus::TooNew;
}

bool IsChartSetToNow(ChartSlot slot, const ChartTimeRecord& time, const ChartNameRecord& name)
{
    if (slot == kSlotDefault)
        return time.progressed != 0;
    // The derived slots keep the "now" flag of the start-up defaults, but
    // their moment is computed: writing "Now" would lose it.
    return slot <= kSlotTransit && name.isNow != 0;
}

std::string FormatChartFile(const ChartTimeRecord& time, const ChartNameRecord& name, bool setToNow)
{
    wxString text;
    text << kChartFileHeaderLine << "\r\n";
    text << "\r\n";
    text << "Name: " << SingleLine(name.name) << "\r\n";
    if (setToNow) {
        text << "Date: Now\r\nTime: Now\r\n";
    } else {
        text << wxString::Format("Date: %d %s %d\r\n", time.day, MonthName(time.month), time.year);
        text << wxString::Format("Time: %02d:%02d:%02d\r\n", time.hour, time.minute, WholeSeconds(time.second));
    }
    text << wxString::Format("Timezone: %d%s # %s\r\n", time.timeZone, time.dst && !setToNow ? " (DST)" : "",
                             "Positive values are Eastern hemisphere; negative, Western");
    text << "City: " << SingleLine(name.place) << "\r\n";
    text << "Coordinates: " << FormatCoordinate(time.longitude, "E", "W", true) << " "
         << FormatCoordinate(time.latitude, "N", "S", false) << "\r\n";
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return std::string(utf8.data(), utf8.length());
}

ChartFileReading ReadChartFileLines(const std::vector<wxString>& lines, ChartSlot slot, const LocalNow& now,
                                    ChartTimeRecord* slotTime, ChartNameRecord* slotName)
{
    // Read into copies: a refused file leaves the slot as it was.
    ChartTimeRecord readTime = *slotTime;
    ChartNameRecord readName = *slotName;
    ChartTimeRecord* time = &readTime;
    ChartNameRecord* name = &readName;
    bool dateIsNow = false;
    bool timeIsNow = false;
    for (const wxString& line : lines) {
        wxString key, value;
        if (!SplitKeyLine(line, &key, &value))
            continue;
        key.MakeLower();
        if (key == "name") {
            name->name = value;
        } else if (key == "date") {
            dateIsNow = value.IsSameAs("now", false);
            if (dateIsNow) {
                time->month = now.month;
                time->day = now.day;
                time->year = now.year;
            } else {
                ParseDateInto(value, &time->month, &time->day, &time->year);
            }
            time->progressed = dateIsNow && slot == kSlotDefault ? 1 : 0;
            name->isNow = dateIsNow ? 1 : 0;
        } else if (key == "time") {
            if (dateIsNow) {
                timeIsNow = true;
            } else if (value.IsSameAs("now", false)) {
                time->hour = now.hour;
                time->minute = now.minute;
                time->second = now.second;
            } else {
                ParseTimeInto(value, &time->hour, &time->minute, &time->second);
            }
        } else if (key == "timezone") {
            time->timeZone = LeadingInteger(value.BeforeFirst(' '));
            if (time->timeZone < -kMaxFileTimeZone || time->timeZone > kMaxFileTimeZone)
                return ChartFileReading::Refused;
            const bool marked = value.Find(' ') != wxNOT_FOUND && value.AfterFirst(' ').Upper().Contains("DST");
            time->dst = (dateIsNow ? now.dst : marked) ? 1 : 0;
        } else if (key == "city") {
            name->place = value;
        } else if (key == "coordinates") {
            ReadCoordinates(value, time);
        }
    }
    name->isNow = timeIsNow ? 1 : 0;
    if (slot == kSlotDefault)
        time->progressed = timeIsNow ? 1 : 0;
    *slotTime = readTime;
    *slotName = readName;
    return timeIsNow ? ChartFileReading::SetToNow : ChartFileReading::Read;
}
