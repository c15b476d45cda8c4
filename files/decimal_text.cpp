#include "files/decimal_text.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace {

/// The "C" locale as an object, made once; passed to the *_l functions or
/// made current for this thread only, never for the process.
locale_t CNumericLocale()
{
    static const locale_t locale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

} // namespace

double ReadLeadingDecimal(const char* text)
{
    char* end = nullptr;
    const double value = strtod_l(text, &end, CNumericLocale());
    return end == text ? 0.0 : value;
}

double ReadLeadingDecimal(const wxString& text)
{
    // A number is ASCII: anything else only ends it, and the ASCII form
    // cannot fail as UTF-8 would on values beyond U+10FFFF.
    return ReadLeadingDecimal(text.ToAscii().data());
}

std::string FormatFixed(double value, int decimals)
{
    const locale_t previous = uselocale(CNumericLocale());
    char small[64];
    const int length = std::snprintf(small, sizeof small, "%.*f", decimals, value);
    std::string text;
    if (length >= 0 && static_cast<size_t>(length) < sizeof small) {
        text.assign(small, static_cast<size_t>(length));
    } else if (length > 0) { // a huge value: hundreds of digits
        text.resize(static_cast<size_t>(length) + 1);
        std::snprintf(&text[0], text.size(), "%.*f", decimals, value);
        text.resize(static_cast<size_t>(length));
    }
    uselocale(previous);
    return text;
}

int LeadingInteger(const wxString& text)
{
    size_t i = 0;
    int sign = 1;
    if (i < text.length() && (text[i] == '+' || text[i] == '-')) {
        sign = text[i] == '-' ? -1 : 1;
        ++i;
    }
    long long value = 0;
    for (; i < text.length() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min<long long>(value * 10 + (text[i] - '0'), INT_MAX);
    return int(sign * value);
}
