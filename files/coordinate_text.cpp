#include "files/coordinate_text.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <langinfo.h>
#include <locale.h>

#include <wx/arrstr.h>
#include <wx/datetime.h>
#include <wx/strconv.h>

namespace {

bool IsDigit(wxChar c) { return c >= '0' && c <= '9'; }
bool IsLetter(wxChar c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
wxChar ToUpper(wxChar c) { return (c >= 'a' && c <= 'z') ? wxChar(c - 'a' + 'A') : c; }
bool SameLetter(wxChar a, wxChar b) { return ToUpper(a) == ToUpper(b); }
bool IsBlank(wxChar c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

/// Appends a digit to a number kept reduced modulo m. Reducing as we go gives
/// the exact remainder of any digit string and never overflows.
int32_t AddDigitModulo(int32_t value, wxChar digit, int32_t m) { return (value * 10 + (digit - '0')) % m; }

/// The leading whole number of a piece (blanks and a sign allowed before it,
/// reading stops at the first non-digit), as a remainder modulo m that keeps
/// the number's sign. No digits read as 0.
int32_t LeadingNumberModulo(const wxString& piece, int32_t m)
{
    size_t i = 0;
    while (i < piece.length() && IsBlank(piece[i]))
        ++i;
    int sign = 1;
    if (i < piece.length() && (piece[i] == '+' || piece[i] == '-')) {
        sign = piece[i] == '-' ? -1 : 1;
        ++i;
    }
    int32_t value = 0;
    for (; i < piece.length() && IsDigit(piece[i]); ++i)
        value = AddDigitModulo(value, piece[i], m);
    return sign * value;
}

/// The user's locale for dates and times, chosen as the C runtime chooses
/// LC_TIME: LC_ALL, then LC_TIME, then LANG.
const char* TimeLocaleName()
{
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return "C";
}

/// The LC_TIME category of the user's environment, confined to this thread
/// for the object's lifetime; numbers keep the process locale. A locale that
/// is not installed falls back to "C".
class ScopedTimeLocale {
public:
    ScopedTimeLocale()
    {
        // The character set comes from the same locale as the time names:
        // with the C character set a UTF-8 "März" would decode as "MÃ¤rz".
        const int mask = LC_TIME_MASK | LC_CTYPE_MASK;
        m_locale = newlocale(mask, TimeLocaleName(), static_cast<locale_t>(nullptr));
        if (!m_locale)
            m_locale = newlocale(mask, "C", static_cast<locale_t>(nullptr));
        if (m_locale)
            m_previous = uselocale(m_locale);
    }
    ~ScopedTimeLocale()
    {
        if (!m_locale)
            return;
        uselocale(m_previous);
        freelocale(m_locale);
    }
    ScopedTimeLocale(const ScopedTimeLocale&) = delete;
    ScopedTimeLocale& operator=(const ScopedTimeLocale&) = delete;

    /// strftime in the confined locale, decoded from that locale's own codeset.
    wxString Format(const char* format, const struct tm& moment) const
    {
        char buffer[256];
        const size_t length = strftime(buffer, sizeof buffer, format, &moment);
        buffer[length] = '\0';
        const char* codeset = m_locale ? nl_langinfo_l(CODESET, m_locale) : "ANSI_X3.4-1968";
        if (wxString(codeset).Upper() == "UTF-8")
            return wxString::FromUTF8(buffer, length);
        wxCSConv conv(codeset);
        wxString text(buffer, conv, length);
        return text.empty() && length ? wxString::FromAscii(buffer, length) : text;
    }

private:
    locale_t m_locale = nullptr;
    locale_t m_previous = nullptr;
};

struct tm MakeTm(int year, int month, int day, int hour, int minute, int second)
{
    struct tm moment = {};
    moment.tm_year = year - 1900;
    moment.tm_mon = month - 1;
    moment.tm_mday = day;
    moment.tm_hour = hour;
    moment.tm_min = minute;
    moment.tm_sec = second;
    moment.tm_isdst = -1;
    return moment;
}

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int MonthLength(int month, int year)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

/// A whole, optionally signed, number filling the whole token.
bool ReadSignedNumber(const wxString& token, long* value)
{
    size_t i = (token.length() > 1 && (token[0] == '-' || token[0] == '+')) ? 1 : 0;
    if (i >= token.length() || token.length() - i > 9)
        return false;
    for (size_t k = i; k < token.length(); ++k)
        if (!IsDigit(token[k]))
            return false;
    return token.ToLong(value);
}

/// 1..12 for an English month name or its first three letters, else 0.
int ReadMonthName(const wxString& token)
{
    static const char* const kMonths[12] = {"january", "february", "march", "april", "may", "june",
                                            "july", "august", "september", "october", "november",
                                            "december"};
    const wxString lower = token.Lower();
    if (lower.length() < 3)
        return 0;
    for (int m = 0; m < 12; ++m) {
        const wxString name(kMonths[m]);
        if (lower == name || (lower.length() <= name.length() && name.StartsWith(lower)))
            return m + 1;
    }
    return 0;
}

enum class DateRead { NotThisForm, Invalid, Ok };

/// Day-month-year and month-day-year with a month name, or three numbers as
/// month day year (day first when the first number cannot be a month). The
/// year keeps its sign, which the class library's parser drops.
DateRead ReadDateTokens(const wxString& text, int* month, int* day, int* year)
{
    wxArrayString tokens;
    wxString current;
    for (wxChar c : text) {
        if (IsBlank(c) || c == ',') {
            if (!current.empty())
                tokens.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        tokens.push_back(current);
    const bool yearFirst = tokens.size() == 1;
    if (yearFirst) {
        // Year-month-day ("2026-12-06", "-500-03-01"): the library parser
        // reads an impossible month there as a day.
        const wxString& token = tokens[0];
        const size_t signLength = (token.StartsWith("-") || token.StartsWith("+")) ? 1 : 0;
        wxArrayString parts = wxSplit(token.Mid(signLength), '-', '\0');
        if (parts.size() != 3 || parts[1].length() > 2 || parts[2].length() > 2)
            return DateRead::NotThisForm;
        parts[0] = token.Left(signLength) + parts[0];
        tokens = parts;
        std::swap(tokens[0], tokens[2]);
        std::swap(tokens[0], tokens[1]); // month day year
    }
    if (tokens.size() != 3)
        return DateRead::NotThisForm;

    long n0 = 0, n1 = 0, n2 = 0;
    const bool num0 = ReadSignedNumber(tokens[0], &n0);
    const bool num1 = ReadSignedNumber(tokens[1], &n1);
    if (!ReadSignedNumber(tokens[2], &n2)) {
        // A year too long to hold is no date; the library parser would
        // make some other year of it.
        const wxString digits = tokens[2].Mid(tokens[2].StartsWith("-") || tokens[2].StartsWith("+") ? 1 : 0);
        return !digits.empty() && digits.find_first_not_of("0123456789") == wxString::npos ? DateRead::Invalid
                                                                                         : DateRead::NotThisForm;
    }
    long m = 0, d = 0;
    if (num0 && num1) {
        m = n0;
        d = n1;
        if (m > 12 && d <= 12 && !yearFirst)
            std::swap(m, d);
    } else if (num0 && ReadMonthName(tokens[1])) {
        d = n0;
        m = ReadMonthName(tokens[1]);
    } else if (num1 && ReadMonthName(tokens[0])) {
        m = ReadMonthName(tokens[0]);
        d = n1;
    } else {
        return DateRead::NotThisForm;
    }
    if (m < 1 || m > 12 || d < 1 || d > MonthLength(int(m), int(n2)))
        return DateRead::Invalid;
    *month = int(m);
    *day = int(d);
    *year = int(n2);
    return DateRead::Ok;
}

/// h:mm[:ss[.fff]] with an optional am/pm (a.m./p.m.) marker, or a bare hour
/// with a marker ("7pm"). The class library's parser takes "3:04:09pm" and
/// "7pm" for morning times, so this comes first.
DateRead ReadClockTime(const wxString& text, int* hour, int* minute, int* second)
{
    const wxString t = wxString(text).Trim(true).Trim(false);
    size_t i = 0;
    auto readNumber = [&](int maxDigits, int* out) {
        const size_t start = i;
        int value = 0;
        while (i < t.length() && IsDigit(t[i]) && int(i - start) < maxDigits)
            value = value * 10 + (t[i++] - '0');
        *out = value;
        return i > start;
    };
    int h = 0, m = 0, s = 0;
    if (!readNumber(2, &h))
        return DateRead::NotThisForm;
    const bool bareHour = i >= t.length() || t[i] != ':';
    if (!bareHour) {
        ++i;
        if (!readNumber(2, &m))
            return DateRead::NotThisForm;
    }
    if (!bareHour && i < t.length() && t[i] == ':') {
        ++i;
        if (!readNumber(2, &s))
            return DateRead::NotThisForm;
        if (i < t.length() && t[i] == '.') {
            ++i;
            while (i < t.length() && IsDigit(t[i]))
                ++i;
        }
    }
    while (i < t.length() && IsBlank(t[i]))
        ++i;
    wxString marker = t.Mid(i).Lower();
    marker.Replace(".", "");
    int afternoon = -1;
    if (marker == "am")
        afternoon = 0;
    else if (marker == "pm")
        afternoon = 1;
    else if (!marker.empty() || bareHour)
        return DateRead::NotThisForm;
    if (m > 59 || s > 59)
        return DateRead::Invalid;
    if (afternoon >= 0) {
        if (h < 1 || h > 12)
            return DateRead::Invalid;
        h = h % 12 + (afternoon ? 12 : 0);
    } else if (h > 23) {
        return DateRead::Invalid;
    }
    *hour = h;
    *minute = m;
    *second = s;
    return DateRead::Ok;
}

} // namespace

wxString FormatCoordinate(const DmsAngle& angle, const wxString& positiveText, const wxString& negativeText)
{
    int degrees = std::abs(angle.degrees);
    int minutes = std::abs(angle.minutes);
    int seconds = int(std::floor(std::fabs(angle.seconds) + 0.5));
    // 59.5 seconds and above would print as 60; carry so that a save and
    // reload keeps the arc-minute.
    if (seconds >= 60) {
        seconds -= 60;
        ++minutes;
    }
    if (minutes >= 60) {
        minutes -= 60;
        ++degrees;
    }
    // The reader reduces degrees modulo 90 (latitudes) and 180 (longitudes),
    // so a carry onto 90 or 180 would read back as 0; stay under it instead.
    if (degrees != std::abs(angle.degrees) && degrees % 90 == 0) {
        degrees -= 1;
        minutes = 59;
        seconds = 59;
    }
    wxString text = wxString::Format("%d:%02d:%02dHEMI", degrees, minutes, seconds);
    text.Replace("HEMI", IsDmsNegative(angle) ? negativeText : positiveText);
    return text;
}

bool ParseCoordinate(const wxString& rawText, DmsAngle* angle, wxChar positiveLetter, wxChar negativeLetter,
                     bool longitude)
{
    if (!angle)
        return false;
    const wxString text = wxString(rawText).Trim(true).Trim(false);
    const int32_t degreeModulus = longitude ? 180 : 90;

    // Compact form: digits, the hemisphere letter, then the minutes.
    enum { kDegrees, kMinutes } state = kDegrees;
    int32_t degrees = 0, minutes = 0;
    bool negative = false;
    int afterLetter = 0;
    for (wxChar c : text) {
        if (state == kDegrees) {
            if (IsDigit(c)) {
                degrees = AddDigitModulo(degrees, c, degreeModulus);
                continue;
            }
            if (!IsLetter(c))
                break;
            if (SameLetter(c, positiveLetter))
                negative = false;
            else if (SameLetter(c, negativeLetter))
                negative = true;
            else
                break;
            state = kMinutes;
            continue;
        }
        ++afterLetter;
        if (!IsDigit(c))
            break;
        minutes = AddDigitModulo(minutes, c, 60);
    }
    if (afterLetter > 0) {
        DmsAngle result;
        result.degrees = degrees;
        result.minutes = minutes;
        result.seconds = 0.0;
        if (negative)
            NegateDms(&result);
        *angle = result;
        return true;
    }

    // Colon form: degrees:minutes[:seconds] ending in the hemisphere letter.
    const wxArrayString pieces = wxSplit(text, ':', '\0');
    if (pieces.empty() || pieces[0].empty() || pieces.size() < 2 || pieces[1].empty())
        return false;
    DmsAngle result;
    result.degrees = LeadingNumberModulo(pieces[0], degreeModulus);
    result.minutes = LeadingNumberModulo(pieces[1], 60);
    result.seconds = pieces.size() >= 3 ? LeadingNumberModulo(pieces[2], 60) : 0;
    const wxString& last = pieces[pieces.size() >= 3 ? 2 : 1];
    if (last.empty())
        return false;
    const wxChar letter = last.Last();
    if (SameLetter(letter, negativeLetter))
        NegateDms(&result);
    else if (!SameLetter(letter, positiveLetter))
        return false;
    *angle = result;
    return true;
}

wxString FormatLongDate(int month, int day, int year)
{
    const ScopedTimeLocale locale;
    wxString text = locale.Format("%d %B %Y", MakeTm(year, month, day, 12, 0, 0));
    if (text.StartsWith("0"))
        text.erase(0, 1);
    return text;
}

wxString FormatLocalTime(int hour, int minute, double second)
{
    const ScopedTimeLocale locale;
    wxString text = locale.Format("%X", MakeTm(2000, 1, 1, hour, minute, int(std::floor(second))));
    const bool twelveHour = text.find_first_of("aApP") != wxString::npos;
    if (twelveHour && text.StartsWith("0"))
        text.erase(0, 1);
    return text;
}

bool ParseDateInto(const wxString& text, int32_t* month, int32_t* day, int32_t* year)
{
    if (!month || !day || !year)
        return false;
    int m = 0, d = 0, y = 0;
    const DateRead read = ReadDateTokens(text, &m, &d, &y);
    if (read == DateRead::Invalid)
        return false;
    if (read == DateRead::NotThisForm) {
        wxDateTime parsed;
        wxString::const_iterator end;
        if (!parsed.ParseDate(text, &end) || !parsed.IsValid())
            return false;
        const wxDateTime::Tm tm = parsed.GetTm(wxDateTime::Local);
        m = tm.mon + 1;
        d = tm.mday;
        y = tm.year;
    }
    *month = m;
    *day = d;
    *year = y;
    return true;
}

bool ParseTimeInto(const wxString& text, int32_t* hour, int32_t* minute, double* second)
{
    if (!hour || !minute || !second)
        return false;
    int h = 0, m = 0, s = 0;
    const DateRead read = ReadClockTime(text, &h, &m, &s);
    if (read == DateRead::Invalid)
        return false;
    if (read == DateRead::NotThisForm) {
        wxDateTime parsed;
        wxString::const_iterator end;
        if (!parsed.ParseTime(text, &end) || !parsed.IsValid())
            return false;
        h = parsed.GetHour();
        m = parsed.GetMinute();
        s = parsed.GetSecond();
    }
    *hour = h;
    *minute = m;
    *second = s;
    return true;
}
