#include "engine/typed_count.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace {

/// More whole digits than this cannot be a count any span limit accepts.
constexpr int kMaxWholeDigits = 18;
/// Leading zeros after the point beyond which a fraction is dropped: every
/// multiplier here is below 10^18, so its product stays below 10^-2.
constexpr int64_t kMaxFractionZeros = 20;
/// Exponents are read up to this size; larger ones saturate.
constexpr int64_t kExponentCap = 1000000;

/// The "C" locale as an object, made once: every count field takes "." as
/// its decimal point, whatever the process's locale says.
locale_t CNumericLocale()
{
    static const locale_t locale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

/// Fills the decimal fields from the significant digits of a plain decimal
/// and the place of its point (digits before it, possibly negative or beyond
/// the digits).
void SetDigits(const std::string& digits, int64_t point, TypedCount* count)
{
    count->whole = 0;
    count->fraction.clear();
    count->tooLarge = false;
    size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return; // zero
    point -= static_cast<int64_t>(first);
    std::string significant = digits.substr(first);
    while (!significant.empty() && significant.back() == '0') {
        significant.pop_back();
    }
    const int64_t length = static_cast<int64_t>(significant.size());
    if (point > kMaxWholeDigits) {
        count->tooLarge = true;
        return;
    }
    for (int64_t i = 0; i < point; ++i)
        count->whole = count->whole * 10 + (i < length ? static_cast<uint64_t>(significant[i] - '0') : 0);
    if (point >= length)
        return;
    if (point < -kMaxFractionZeros)
        return; // below 1e-20
    if (point >= 0)
        count->fraction = significant.substr(static_cast<size_t>(point));
    else
        count->fraction = std::string(static_cast<size_t>(-point), '0') + significant;
}

/// Reads [text, end) as a plain decimal with "." as its point. False when
/// it is anything else (hexadecimal, "inf", "nan").
bool ReadPlainDecimal(const char* text, const char* end, TypedCount* count)
{
    const char* p = text;
    while (p < end && std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-'))
        negative = *p++ == '-';
    std::string digits;
    int64_t point = -1;
    while (p < end) {
        if (std::isdigit(static_cast<unsigned char>(*p))) {
            digits.push_back(*p++);
        } else if (*p == '.' && point < 0) {
            point = static_cast<int64_t>(digits.size());
            ++p;
        } else {
            break;
        }
    }
    if (digits.empty())
        return false;
    if (point < 0)
        point = static_cast<int64_t>(digits.size());
    int64_t exponent = 0;
    if (p < end && (*p == 'e' || *p == 'E')) {
        ++p;
        bool negativeExponent = false;
        if (p < end && (*p == '+' || *p == '-'))
            negativeExponent = *p++ == '-';
        if (p == end || !std::isdigit(static_cast<unsigned char>(*p)))
            return false;
        while (p < end && std::isdigit(static_cast<unsigned char>(*p))) {
            if (exponent < kExponentCap)
                exponent = exponent * 10 + (*p - '0');
            ++p;
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    if (p != end)
        return false;
    count->negative = negative;
    SetDigits(digits, point + exponent, count);
    return true;
}

} // namespace

TypedCount TypedCountOf(double value)
{
    TypedCount count;
    count.value = value;
    count.hasNumber = true;
    if (!std::isfinite(value)) {
        count.tooLarge = true;
        return count;
    }
    // The shortest digits that read back as this double.
    char text[64];
    const std::to_chars_result written = std::to_chars(text, text + sizeof text, value);
    ReadPlainDecimal(text, written.ptr, &count);
    return count;
}

TypedCount ReadTypedCount(const wxString& text)
{
    // A number is ASCII: the text's leading ASCII characters hold all of
    // it, and whatever follows them (a unit in any script, a currency sign)
    // only ends it. Taken as they are, not converted to the process's
    // character set, where a text with any other character has no form.
    std::string ascii;
    for (const wxUniChar c : text) {
        if (!c.IsAscii())
            break;
        ascii.push_back(static_cast<char>(c.GetValue()));
    }
    const char* start = ascii.c_str();
    char* end = nullptr;
    const double value = strtod_l(start, &end, CNumericLocale());
    TypedCount count;
    if (end == start)
        return count;
    if (!ReadPlainDecimal(start, end, &count))
        count = TypedCountOf(value);
    count.value = value;
    count.hasNumber = true;
    return count;
}

bool IsBelowTenThousandth(const TypedCount& count)
{
    // Trailing zeros are gone: a fraction is zero (empty) or ends in a digit.
    return !count.tooLarge && count.whole == 0 &&
           (count.fraction.empty() || count.fraction.compare(0, 4, "0000") == 0);
}

bool IsNearlyWhole(const TypedCount& count)
{
    const std::string& f = count.fraction;
    // Trailing zeros are gone, so "0000..." is below 0.0001 and "9999"
    // followed by more digits above 0.9999; 0.0001 itself is neither.
    return f.empty() || f.compare(0, 4, "0000") == 0 || (f.size() > 4 && f.compare(0, 4, "9999") == 0);
}

uint64_t NearestWhole(const TypedCount& count)
{
    return count.whole + (!count.fraction.empty() && count.fraction[0] >= '5' ? 1 : 0);
}

uint64_t TruncatedProduct(const TypedCount& count, bool fractionOnly, uint64_t multiplier, int decimals)
{
    // floor((W + F / 10^K) m / 10^d) = floor((W m + floor(F m / 10^K)) / 10^d):
    // the part dropped inside is below one and W m is whole.
    unsigned __int128 carry = 0;
    for (auto digit = count.fraction.rbegin(); digit != count.fraction.rend(); ++digit)
        carry = (static_cast<unsigned __int128>(*digit - '0') * multiplier + carry) / 10;
    unsigned __int128 total = carry;
    if (!fractionOnly)
        total += static_cast<unsigned __int128>(count.whole) * multiplier;
    for (int i = 0; i < decimals; ++i)
        total /= 10;
    return static_cast<uint64_t>(total);
}
