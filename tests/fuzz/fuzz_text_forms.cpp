// Feeds arbitrary text and field values to the coordinate, date and time
// forms in six languages. The first byte chooses the language ('0' C,
// '1' English, '2' German, '3' French, '4' Russian, '5' Japanese); the rest is
// the text, and its first bytes are also read as raw field values.
//
// Properties: a reading that succeeds is in range and writes and reads back
// to exactly the same value; a reading that fails leaves the fields alone;
// the formatters' own texts read back to the fields they were given (or are
// refused), whatever the fields hold, without undefined arithmetic.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

#include <wx/string.h>

#include "files/coordinate_text.h"
#include "files/text_file_io.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

const char* const kLocales[] = {"C", "en_US.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8", "ja_JP.UTF-8"};
constexpr int kLocaleCount = 6;

void Require(bool condition, const char* property, const wxString& text)
{
    if (condition)
        return;
    fprintf(stderr, "property failed: %s [%s] in %s\n", property, static_cast<const char*>(text.utf8_str()),
            getenv("LC_ALL"));
    std::abort();
}

bool SameAngle(const DmsAngle& a, const DmsAngle& b)
{
    return a.degrees == b.degrees && a.minutes == b.minutes && a.seconds == b.seconds;
}

double Decimal(const DmsAngle& a) { return DmsToDecimal(&a); }

void CheckCoordinateText(const wxString& text, bool longitude)
{
    const wxChar positive = longitude ? 'E' : 'N';
    const wxChar negative = longitude ? 'W' : 'S';
    const DmsAngle before{7, 8, 9.0};
    DmsAngle angle = before;
    if (!ParseCoordinate(text, &angle, positive, negative, longitude)) {
        Require(SameAngle(angle, before), "a refused coordinate leaves the angle alone", text);
        return;
    }
    Require(std::fabs(Decimal(angle)) <= (longitude ? 180.0 : 90.0), "a coordinate read is in range", text);
    Require(std::abs(angle.minutes) < 60 && std::fabs(angle.seconds) < 60 && angle.seconds == std::floor(angle.seconds),
            "minutes and whole seconds under 60", text);
    const wxString written = FormatCoordinate(angle, wxString(positive), wxString(negative), longitude);
    DmsAngle again{};
    Require(ParseCoordinate(written, &again, positive, negative, longitude), "a written coordinate reads", written);
    Require(Decimal(again) == Decimal(angle), "a coordinate reads back to its value", written);
    Require(FormatCoordinate(again, wxString(positive), wxString(negative), longitude) == written, "a coordinate is written alike",
            written);
}

void CheckWrittenCoordinate(const DmsAngle& angle, bool longitude)
{
    const wxString positive = longitude ? "E" : "N";
    const wxString negative = longitude ? "W" : "S";
    const wxString written = FormatCoordinate(angle, positive, negative, longitude);
    DmsAngle back{};
    if (ParseCoordinate(written, &back, positive[0], negative[0], longitude))
        Require(FormatCoordinate(back, positive, negative, longitude) == written, "a written coordinate is a fixed point", written);
}

void CheckDateFields(int month, int day, int year, bool mustRead)
{
    const wxString written = FormatLongDate(month, day, year);
    int32_t m = -7, d = -8, y = -9;
    if (ParseDateInto(written, &m, &d, &y))
        Require(m == month && d == day && y == year, "a written date reads back to its fields", written);
    else
        Require(!mustRead && m == -7 && d == -8 && y == -9, "a date that was read is read again", written);
}

void CheckTimeFields(int hour, int minute, double second, bool mustRead)
{
    const wxString written = FormatLocalTime(hour, minute, second);
    int32_t h = -7, m = -8;
    double s = -9.0;
    if (ParseTimeInto(written, &h, &m, &s))
        Require(h == hour && m == minute && s == std::floor(second), "a written time reads back to its fields", written);
    else
        Require(!mustRead && h == -7 && m == -8 && s == -9.0, "a time that was read is read again", written);
}

void CheckDateText(const wxString& text)
{
    int32_t month = -7, day = -8, year = -9;
    if (!ParseDateInto(text, &month, &day, &year)) {
        Require(month == -7 && day == -8 && year == -9, "a refused date leaves the fields alone", text);
        return;
    }
    Require(month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(month, year), "a date read is a date", text);
    CheckDateFields(month, day, year, true);
}

void CheckTimeText(const wxString& text)
{
    int32_t hour = -7, minute = -8;
    double second = -9.0;
    if (!ParseTimeInto(text, &hour, &minute, &second)) {
        Require(hour == -7 && minute == -8 && second == -9.0, "a refused time leaves the fields alone", text);
        return;
    }
    Require(hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59 &&
                second == std::floor(second),
            "a time read is a time", text);
    CheckTimeFields(hour, minute, second, true);
}

/// Raw field values, taken from the input's bytes.
struct RawFields {
    int32_t month, day, year, hour, minute;
    double second;
    int32_t degrees, minutes;
    double seconds;
};

int Reduce(int32_t value, int modulus) { return int(uint32_t(value) % uint32_t(modulus)); }

} // namespace

// With LOCPATH set, the C library's newlocale keeps the search list it builds
// from it; that is no leak of ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:__argz_add_sep\nleak:argz_add_sep\n"; }

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ov_fuzz::CompileLocales("fuzz_text_forms", std::vector<std::string>(kLocales + 1, kLocales + kLocaleCount));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    setenv("LC_ALL", kLocales[data[0] % kLocaleCount], 1);
    const char* rest = reinterpret_cast<const char*>(data + 1);
    // Decoded as the file readers decode (UTF-8 when valid, else Latin-1),
    // the only way bytes become these texts: a plain UTF-8 decoding would
    // admit values beyond U+10FFFF that no reader or text field produces.
    const std::vector<wxString> lines = SplitDecodedLines(std::string(rest, size - 1));
    wxString text;
    for (size_t i = 0; i < lines.size(); ++i)
        text += (i ? "\n" : "") + lines[i];

    for (bool longitude : {false, true})
        CheckCoordinateText(text, longitude);
    CheckDateText(text);
    CheckTimeText(text);

    RawFields raw{};
    memcpy(&raw, rest, std::min(size - 1, sizeof raw));
    // As they come (INT_MIN years, NaN seconds) and brought into range.
    CheckDateFields(raw.month, raw.day, raw.year, false);
    const int month = 1 + Reduce(raw.month, 12), day = 1 + Reduce(raw.day, 31), year = Reduce(raw.year, 10800) - 5400;
    CheckDateFields(month, day, year, day <= DaysInMonth(month, year));
    CheckTimeFields(raw.hour, raw.minute, raw.second, false);
    const double second = std::isfinite(raw.second) ? std::fmod(std::fabs(raw.second), 60.0) : 0.0;
    CheckTimeFields(Reduce(raw.hour, 24), Reduce(raw.minute, 60), second, true);
    const DmsAngle angle{raw.degrees, raw.minutes, raw.seconds};
    const DmsAngle reduced{Reduce(raw.degrees, 181) * (raw.degrees < 0 ? -1 : 1), Reduce(raw.minutes, 60),
                           std::isfinite(raw.seconds) ? std::fmod(raw.seconds, 60.0) : 0.0};
    for (bool longitude : {false, true}) {
        CheckWrittenCoordinate(angle, longitude);
        CheckWrittenCoordinate(reduced, longitude);
    }
    return 0;
}
