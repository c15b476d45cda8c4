// A time-motion count as the user typed it. A count such as "0.02" or
// "56.89" has no exact binary form, so the steps, timer periods and smooth
// spans made from it are worked out on its decimal digits, in integers:
// every millisecond they truncate is the one the typed number gives.
#pragma once

#include <cstdint>
#include <string>

#include <wx/string.h>

/// A count: its value as a double (for range checks) and the same number as
/// a decimal, magnitude whole.fraction with the sign apart.
struct TypedCount {
    double value = 0.0;
    /// False when the text starts with no number (the count is then 0).
    bool hasNumber = false;
    bool negative = false;
    /// The whole part; meaningful only while !tooLarge.
    uint64_t whole = 0;
    /// The digits after the point, without trailing zeros. A fraction below
    /// 1e-20 is dropped: no product taken here can carry it to a whole unit.
    std::string fraction;
    /// True when the whole part has more than 18 digits.
    bool tooLarge = false;
};

/// The leading number of a count field's text, whatever characters follow
/// it, as strtod reads it in the C locale: "." is the decimal point whatever
/// the process's locale, and a comma ends the number. A plain decimal (sign,
/// digits, point, exponent) keeps its digits exactly; any other number that
/// reading accepts (hexadecimal, for one) is taken as its shortest decimal
/// form.
TypedCount ReadTypedCount(const wxString& text);

/// A count given as a double, taken as its shortest decimal form (the
/// digits that read back as the same double: 1.5, 0.02).
TypedCount TypedCountOf(double value);

/// True when the count lies within 0.0001 of a whole number (strictly).
bool IsNearlyWhole(const TypedCount& count);
/// The whole number nearest the count's magnitude (halves round up).
uint64_t NearestWhole(const TypedCount& count);
/// True when the count's magnitude is below 0.0001.
bool IsBelowTenThousandth(const TypedCount& count);

/// floor(|x| x multiplier / 10^decimals), exactly, where x is the count or,
/// with fractionOnly, the fraction of its magnitude. The caller keeps the
/// result within 64 bits (the span limits do).
uint64_t TruncatedProduct(const TypedCount& count, bool fractionOnly, uint64_t multiplier, int decimals);
