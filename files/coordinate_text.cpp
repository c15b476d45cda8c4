// Latitudes and longitudes as text: "37:47:00N" and "122W25".
#include "files/coordinate_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <wx/arrstr.h>

namespace {

bool IsDigit(wxChar c) { return c >= '0' && c <= '9'; }
bool IsLetter(wxChar c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
wxChar ToUpper(wxChar c) { return (c >= 'a' && c <= 'z') ? wxChar(c - 'a' + 'A') : c; }
bool SameLetter(wxChar a, wxChar b) { return ToUpper(a) == ToUpper(b); }
bool IsBlank(wxChar c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Coordinate pieces are read up to this value and no further: anything above
// it is out of range anyway, and a long digit string cannot overflow.
constexpr int32_t kNumberCap = 1000000;
int32_t AddDigit(int32_t value, wxChar digit) { return std::min(value * 10 + (digit - '0'), kNumberCap); }

/// The leading whole number of a colon piece: blanks, then digits up to the
/// first non-digit. No digits read as 0.
int32_t LeadingNumber(const wxString& piece)
{
    size_t i = 0;
    while (i < piece.length() && IsBlank(piece[i]))
        ++i;
    int32_t value = 0;
    for (; i < piece.length() && IsDigit(piece[i]); ++i)
        value = AddDigit(value, piece[i]);
    return value;
}

/// Whole degrees, minutes and seconds that name a point on the globe: up to
/// 90 (latitudes) or 180 (longitudes) and no further, minutes and seconds
/// under 60. Anything else would be written back as a different place.
bool InRange(int32_t degrees, int32_t minutes, int32_t seconds, bool longitude)
{
    const int32_t limit = longitude ? 180 : 90;
    if (minutes >= 60 || seconds >= 60 || degrees > limit)
        return false;
    return degrees < limit || (minutes == 0 && seconds == 0);
}

/// Stores the unsigned parts in angle, the sign on the first non-zero one.
void StoreAngle(int32_t degrees, int32_t minutes, int32_t seconds, bool negative, DmsAngle* angle)
{
    DmsAngle result;
    result.degrees = degrees;
    result.minutes = minutes;
    result.seconds = seconds;
    if (negative)
        NegateDms(&result);
    *angle = result;
}

} // namespace

wxString FormatCoordinate(const DmsAngle& angle, const wxString& positiveText, const wxString& negativeText,
                          bool longitude)
{
    // Whole numbers in 64 bits: a NaN second counts as none and a huge one is
    // capped, so no value of the record makes the conversions overflow.
    constexpr double kMaxSeconds = 1e12;
    const double rawSeconds = std::isfinite(angle.seconds) ? std::min(std::fabs(angle.seconds), kMaxSeconds) : 0.0;
    long long seconds = static_cast<long long>(std::floor(rawSeconds + 0.5));
    long long minutes = std::llabs(static_cast<long long>(angle.minutes)) + seconds / 60;
    seconds %= 60;
    const long long givenDegrees = std::llabs(static_cast<long long>(angle.degrees));
    long long degrees = givenDegrees + minutes / 60;
    minutes %= 60;
    // 59.5 seconds and above carry, so that a save and reload keeps the
    // arc-minute; but a carry never takes a latitude onto the pole or a
    // longitude onto the date line, which the angle itself never reached.
    // Any other whole degree, 90 of longitude among them, takes the carry.
    if (degrees != givenDegrees && degrees == (longitude ? 180 : 90)) {
        degrees -= 1;
        minutes = 59;
        seconds = 59;
    }
    wxString text = wxString::Format("%lld:%02lld:%02lldHEMI", degrees, minutes, seconds);
    // Less than half a second south or west is written as zero, and a zero
    // reads back as north or east.
    const bool negative = IsDmsNegative(angle) && (degrees || minutes || seconds);
    text.Replace("HEMI", negative ? negativeText : positiveText);
    return text;
}

bool ParseCoordinate(const wxString& rawText, DmsAngle* angle, wxChar positiveLetter, wxChar negativeLetter,
                     bool longitude)
{
    if (!angle)
        return false;
    const wxString text = wxString(rawText).Trim(true).Trim(false);
    // A sign belongs before the degrees only: "1:-2N" or "122W-25" would give
    // a value that is written back as a different one.
    const size_t sign = text.find_first_of("+-");
    if (sign != wxString::npos && (sign != 0 || text.find_first_of("+-", 1) != wxString::npos))
        return false;

    // Compact form: digits, the hemisphere letter, then the minutes.
    enum { kDegrees, kMinutes } state = kDegrees;
    int32_t degrees = 0, minutes = 0;
    bool negative = false;
    int afterLetter = 0;
    for (wxChar c : text) {
        if (state == kDegrees) {
            if (IsDigit(c)) {
                degrees = AddDigit(degrees, c);
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
        minutes = AddDigit(minutes, c);
    }
    if (afterLetter > 0) {
        if (!InRange(degrees, minutes, 0, longitude))
            return false;
        StoreAngle(degrees, minutes, 0, negative, angle);
        return true;
    }

    // Colon form: [sign]degrees:minutes[:seconds] ending in the hemisphere letter.
    const wxArrayString pieces = wxSplit(text, ':', '\0');
    if (pieces.size() < 2 || pieces[0].empty() || pieces[1].empty())
        return false;
    const bool signedNegative = text.StartsWith("-");
    degrees = LeadingNumber(sign == 0 ? pieces[0].Mid(1) : pieces[0]);
    minutes = LeadingNumber(pieces[1]);
    const int32_t seconds = pieces.size() >= 3 ? LeadingNumber(pieces[2]) : 0;
    const wxString& last = pieces[pieces.size() >= 3 ? 2 : 1];
    if (last.empty() || !InRange(degrees, minutes, seconds, longitude))
        return false;
    const wxChar letter = last.Last();
    if (SameLetter(letter, negativeLetter))
        negative = true;
    else if (SameLetter(letter, positiveLetter))
        negative = false;
    else
        return false;
    StoreAngle(degrees, minutes, seconds, negative != signedNegative, angle);
    return true;
}
