// Dates and clock times as text, in the user's language: written with the C
// runtime's strftime, read by this program's own rules (the class library's
// free-form parser reads partial texts, invents missing years, drops the
// sign of a year and lets the computer's time zone move the day).
#include "files/coordinate_text.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <langinfo.h>
#include <locale.h>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <time.h>
#include <vector>

#include <wx/arrstr.h>
#include <wx/strconv.h>

namespace {

bool IsDigit(wxChar c) { return c >= '0' && c <= '9'; }
bool IsBlank(wxChar c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsSign(wxChar c) { return c == '+' || c == '-'; }
wxString Trimmed(const wxString& text) { return wxString(text).Trim(true).Trim(false); }

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

/// One loaded locale for dates and times: its LC_TIME and LC_CTYPE (the
/// character set comes from the same locale as the time names: with the C
/// character set a UTF-8 "März" would decode as "MÃ¤rz"), and its month
/// names, lower case without a final full stop.
struct TimeLocale {
    locale_t handle = nullptr;
    std::string codeset;
    bool utf8 = false;
    std::vector<wxString> months[12];

    wxString Decode(const char* bytes, size_t length) const
    {
        // Plain ASCII reads alike in every codeset; no converter needed.
        if (std::all_of(bytes, bytes + length, [](char c) { return (c & 0x80) == 0; }))
            return wxString::FromAscii(bytes, length);
        if (utf8)
            return wxString::FromUTF8(bytes, length);
        wxCSConv conv(codeset);
        wxString text(bytes, conv, length);
        return text.empty() && length ? wxString::FromAscii(bytes, length) : text;
    }

    /// The text in the locale's codeset; empty when it cannot be written in it.
    std::string Encode(const wxString& text) const
    {
        // A wxString can hold values beyond the last code point, U+10FFFF;
        // no codeset writes them, and the UTF-8 converter asserts on them.
        for (const wxUniChar c : text)
            if (c.GetValue() > 0x10FFFF)
                return std::string();
        if (text.IsAscii()) {
            const wxCharBuffer bytes = text.ToAscii();
            return std::string(bytes.data(), bytes.length());
        }
        if (utf8) {
            const wxScopedCharBuffer bytes = text.utf8_str();
            return std::string(bytes.data(), bytes.length());
        }
        wxCSConv conv(codeset);
        const wxCharBuffer bytes = text.mb_str(conv);
        return bytes.data() ? std::string(bytes.data(), bytes.length()) : std::string();
    }
};

/// The named locale, loaded once and kept for the process's lifetime (the C
/// library keeps loaded locale data anyway); null when it does not load.
const TimeLocale* LoadTimeLocale(const std::string& name)
{
    // Never destroyed: a formatter may run while statics are torn down.
    static std::mutex mutex;
    static auto& loaded = *new std::map<std::string, std::unique_ptr<TimeLocale>>;
    const std::lock_guard<std::mutex> lock(mutex);
    auto found = loaded.find(name);
    if (found != loaded.end())
        return found->second.get();
    const locale_t handle = newlocale(LC_TIME_MASK | LC_CTYPE_MASK, name.c_str(), static_cast<locale_t>(nullptr));
    if (!handle)
        return nullptr; // not cached: it may be installed later
    auto entry = std::make_unique<TimeLocale>();
    entry->handle = handle;
    entry->codeset = nl_langinfo_l(CODESET, handle);
    entry->utf8 = wxString(entry->codeset).Upper() == "UTF-8";
    const locale_t previous = uselocale(handle); // lower case by the locale's own letters
    for (int m = 0; m < 12; ++m) {
        for (nl_item item : {nl_item(MON_1 + m), nl_item(ABMON_1 + m), nl_item(ALTMON_1 + m),
                             nl_item(_NL_ABALTMON_1 + m)}) {
            const char* bytes = nl_langinfo_l(item, handle);
            wxString text = Trimmed(entry->Decode(bytes, strlen(bytes))).Lower();
            if (text.EndsWith("."))
                text.RemoveLast();
            if (!text.empty())
                entry->months[m].push_back(text);
        }
    }
    uselocale(previous);
    return loaded.emplace(name, std::move(entry)).first->second.get();
}

/// The dates-and-times locale of the user's environment, confined to this
/// thread for the object's lifetime; numbers keep the process locale. A
/// locale that is not installed falls back to "C".
class ScopedTimeLocale {
public:
    ScopedTimeLocale()
    {
        m_locale = LoadTimeLocale(TimeLocaleName());
        if (!m_locale)
            m_locale = LoadTimeLocale("C");
        if (m_locale)
            m_previous = uselocale(m_locale->handle);
    }
    ~ScopedTimeLocale()
    {
        if (m_locale)
            uselocale(m_previous);
    }
    ScopedTimeLocale(const ScopedTimeLocale&) = delete;
    ScopedTimeLocale& operator=(const ScopedTimeLocale&) = delete;

    /// strftime in the confined locale, decoded from that locale's own codeset.
    wxString Format(const char* format, const struct tm& moment) const
    {
        char buffer[256];
        const size_t length = strftime(buffer, sizeof buffer, format, &moment);
        return m_locale ? m_locale->Decode(buffer, length) : wxString::FromAscii(buffer, length);
    }

    /// The month names of the locale for month 1..12 (long and short, in
    /// both grammatical forms where the language has two).
    const std::vector<wxString>& MonthNames(int month) const
    {
        static const std::vector<wxString> none;
        return m_locale ? m_locale->months[month - 1] : none;
    }

    /// Reads the whole text as the locale's clock form ("%X", which gives
    /// "15時04分09秒" in Japanese or "03:04:09 PM" in American English).
    bool ReadLocalTime(const wxString& text, int* hour, int* minute, int* second) const
    {
        if (!m_locale)
            return false;
        const std::string bytes = m_locale->Encode(text);
        if (bytes.empty())
            return false;
        struct tm moment = {};
        const char* end = strptime_l(bytes.c_str(), "%X", &moment, m_locale->handle);
        if (end != bytes.c_str() + bytes.size())
            return false;
        if (moment.tm_hour < 0 || moment.tm_hour > 23 || moment.tm_min < 0 || moment.tm_min > 59 ||
            moment.tm_sec < 0 || moment.tm_sec > 59)
            return false;
        *hour = moment.tm_hour;
        *minute = moment.tm_min;
        *second = moment.tm_sec;
        return true;
    }

private:
    const TimeLocale* m_locale = nullptr;
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

/// 1..12 for an English month name or its first three letters or more,
/// else 0. Astrolog writes these in every language.
int EnglishMonth(const wxString& lower)
{
    static const char* const kMonths[12] = {"january", "february", "march", "april", "may", "june",
                                            "july", "august", "september", "october", "november",
                                            "december"};
    if (lower.length() < 3)
        return 0;
    for (int m = 0; m < 12; ++m) {
        const wxString name(kMonths[m]);
        if (lower.length() <= name.length() && name.StartsWith(lower))
            return m + 1;
    }
    return 0;
}

/// 1..12 for a month name of the user's language or of English (any case,
/// a final full stop ignored), else 0.
int ReadMonthName(const wxString& word, const ScopedTimeLocale& locale)
{
    wxString lower = word.Lower();
    if (lower.EndsWith("."))
        lower.RemoveLast();
    if (lower.empty())
        return 0;
    for (int m = 1; m <= 12; ++m)
        for (const wxString& name : locale.MonthNames(m))
            if (name == lower)
                return m;
    return EnglishMonth(lower);
}

/// One number or month name of a date text.
struct DateItem {
    int month = 0;          ///< 1..12 for a month name, 0 for a number
    long value = 0;
    int digits = 0;
    bool hasSign = false;
    bool negative = false;
    bool hasSuffix = false; ///< "25th", "6." (only a day may have one)
};

// Nine digits always fit a long; a longer year is no date this program can
// hold, and it is refused instead of being wrapped into some other year.
// kMaxTextYear is the largest such year.
constexpr size_t kMaxDigits = 9;

/// Reads digits from text at i into item; false when there are none or too many.
bool ReadDigits(const wxString& text, size_t* i, DateItem* item)
{
    const size_t start = *i;
    while (*i < text.length() && IsDigit(text[*i]))
        ++*i;
    const size_t count = *i - start;
    if (count == 0 || count > kMaxDigits)
        return false;
    item->digits = int(count);
    item->value = std::strtol(text.Mid(start, count).utf8_str(), nullptr, 10);
    return true;
}

/// A whole word that is a number: a sign, digits, and an ordinal suffix
/// ("1st", "25th") or a full stop ("6.").
bool ReadNumberWord(const wxString& word, DateItem* item)
{
    size_t i = 0;
    if (word.length() > 1 && IsSign(word[0])) {
        item->hasSign = true;
        item->negative = word[0] == '-';
        ++i;
    }
    if (!ReadDigits(word, &i, item))
        return false;
    const wxString suffix = word.Mid(i).Lower();
    if (suffix.empty())
        return true;
    item->hasSuffix = suffix == "." || suffix == "st" || suffix == "nd" || suffix == "rd" || suffix == "th";
    return item->hasSuffix;
}

/// Three numbers joined by one separator: "12/30/2011", "6.12.2026",
/// "2026-12-06", "-500/12/06", "5/7/-4346". A sign may stand only where a year
/// can (first or last), and never after the "-" separator.
bool ReadNumberGroup(const wxString& word, DateItem items[3], wxChar* separator)
{
    size_t i = 0;
    for (int k = 0; k < 3; ++k) {
        if (k > 0) {
            if (i >= word.length() || (k == 1 && wxString("/.-").find(word[i]) == wxString::npos) ||
                (k == 2 && word[i] != *separator))
                return false;
            *separator = word[i++];
        }
        const bool signAllowed = k == 0 || (k == 2 && *separator != '-');
        if (signAllowed && i + 1 < word.length() && IsSign(word[i]) && IsDigit(word[i + 1])) {
            items[k].hasSign = true;
            items[k].negative = word[i] == '-';
            ++i;
        }
        if (!ReadDigits(word, &i, &items[k]))
            return false;
    }
    return i == word.length();
}

/// Reads a whole date text: a day, a month (a name or a number) and a year,
/// each exactly once, nothing left over. The year keeps its sign.
bool ReadDate(const wxString& text, int* month, int* day, int* year)
{
    const ScopedTimeLocale locale; // month names in the user's language
    wxArrayString words;
    wxString current;
    for (wxChar c : Trimmed(text)) {
        if (IsBlank(c) || c == ',') {
            if (!current.empty())
                words.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        words.push_back(current);

    DateItem items[3];
    wxChar separator = ' ';
    if (words.size() == 1) {
        if (!ReadNumberGroup(words[0], items, &separator))
            return false;
    } else if (words.size() == 3) {
        for (int k = 0; k < 3; ++k) {
            // A word of digits is a number even where a language's month
            // names are digits too; "12月" is a month name.
            if (ReadNumberWord(words[k], &items[k]))
                continue;
            items[k] = DateItem();
            items[k].month = ReadMonthName(words[k], locale);
            if (!items[k].month)
                return false;
        }
    } else {
        return false;
    }

    const DateItem* d = nullptr;
    const DateItem* m = nullptr;
    const DateItem* y = nullptr;
    if (items[1].month && !items[0].month && !items[2].month) {
        d = &items[0], m = &items[1], y = &items[2]; // 6 December 2026
    } else if (items[0].month && !items[1].month && !items[2].month) {
        m = &items[0], d = &items[1], y = &items[2]; // December 6, 2026
    } else if (!items[0].month && !items[1].month && !items[2].month) {
        if (items[0].hasSign || items[0].digits > 2)
            y = &items[0], m = &items[1], d = &items[2]; // 2026-12-06
        else if (separator == '.')
            d = &items[0], m = &items[1], y = &items[2]; // 6.12.2026
        else if (items[0].value > 12 && items[1].value <= 12)
            d = &items[0], m = &items[1], y = &items[2]; // 30 12 2011
        else
            m = &items[0], d = &items[1], y = &items[2]; // 12 30 2011, as Astrolog writes
    } else {
        return false;
    }
    if (d->hasSign || m->hasSign || m->hasSuffix || y->hasSuffix)
        return false;
    const long monthNumber = m->month ? m->month : m->value;
    const long yearNumber = y->negative ? -y->value : y->value;
    if (monthNumber < 1 || monthNumber > 12 || d->value < 1 ||
        d->value > DaysInMonth(int(monthNumber), int(yearNumber)))
        return false;
    *month = int(monthNumber);
    *day = int(d->value);
    *year = int(yearNumber);
    return true;
}

enum class DateRead { NotThisForm, Invalid, Ok };

/// h:mm[:ss[.fff]] or h.mm[.ss] with an optional am/pm (a.m./p.m.) marker,
/// with or without a blank ("3:04:09pm", as Astrolog writes), a bare hour
/// with or without a marker ("7pm", "7" or "07" for 07:00), "noon" and
/// "midnight". The whole text must be read.
DateRead ReadClockTime(const wxString& text, int* hour, int* minute, int* second)
{
    const wxString t = Trimmed(text);
    if (t.CmpNoCase("noon") == 0 || t.CmpNoCase("midnight") == 0) {
        *hour = t.CmpNoCase("noon") == 0 ? 12 : 0;
        *minute = *second = 0;
        return DateRead::Ok;
    }
    size_t i = 0;
    auto readNumber = [&](size_t minDigits, int* out) {
        const size_t start = i;
        int value = 0;
        while (i < t.length() && IsDigit(t[i]) && i - start < 2)
            value = value * 10 + (t[i++] - '0');
        *out = value;
        return i - start >= minDigits;
    };
    int h = 0, m = 0, s = 0;
    if (!readNumber(1, &h))
        return DateRead::NotThisForm;
    const wxChar separator = i < t.length() && (t[i] == ':' || t[i] == '.') ? wxChar(t[i]) : wxChar(0);
    // "12.30" is a time only with two digits after the stop ("12.5" is not).
    const size_t minDigits = separator == '.' ? 2 : 1;
    if (separator) {
        ++i;
        if (!readNumber(minDigits, &m))
            return DateRead::NotThisForm;
        if (i < t.length() && t[i] == separator) {
            ++i;
            if (!readNumber(minDigits, &s))
                return DateRead::NotThisForm;
            if (separator == ':' && i + 1 < t.length() && t[i] == '.' && IsDigit(t[i + 1])) {
                ++i; // fractions of a second: whole seconds are kept
                while (i < t.length() && IsDigit(t[i]))
                    ++i;
            }
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
    else if (!marker.empty())
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

wxString FormatLongDate(int month, int day, int year)
{
    // No calendar has these; below the lowest year the C runtime's year
    // field (counted from 1900) cannot hold it.
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < INT_MIN + 1900)
        return wxString();
    const ScopedTimeLocale locale;
    wxString text = locale.Format("%d %B %Y", MakeTm(year, month, day, 12, 0, 0));
    if (text.StartsWith("0"))
        text.erase(0, 1);
    return text;
}

wxString FormatLocalTime(int hour, int minute, double second)
{
    // A clock has no such time (and a NaN or huge second has no whole
    // number): nothing to show.
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || !(second >= 0.0 && second < 60.0))
        return wxString();
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
    if (!ReadDate(text, &m, &d, &y))
        return false;
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
    if (read == DateRead::NotThisForm && !ScopedTimeLocale().ReadLocalTime(Trimmed(text), &h, &m, &s))
        return false;
    *hour = h;
    *minute = m;
    *second = s;
    return true;
}
