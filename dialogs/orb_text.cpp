#include "dialogs/orb_text.h"

#include <charconv>
#include <cmath>
#include <string>

std::optional<double> ParseLeadingNumber(const wxString& text)
{
    const std::string s = text.ToStdString(wxConvUTF8);
    const char* p = s.data();
    const char* end = p + s.size();
    while (p < end && (*p == ' ' || *p == '\t'))
        ++p;
    // from_chars takes a minus sign but no plus sign; strtod takes both.
    if (p < end && *p == '+') {
        ++p;
        if (p < end && *p == '-')
            return 0.0; // "+-1" starts with no number
    }
    double value = 0.0;
    const auto result = std::from_chars(p, end, value, std::chars_format::general);
    if (result.ec == std::errc::invalid_argument)
        return 0.0;
    if (result.ec == std::errc::result_out_of_range) {
        // Too small underflows to zero harmlessly; too large is no number an
        // orb can take.
        const std::string number(p, result.ptr);
        const size_t e = number.find_first_of("eE");
        const bool tiny = e != std::string::npos && e + 1 < number.size() && number[e + 1] == '-';
        if (tiny)
            return 0.0;
        return std::nullopt;
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

wxString FormatOneDecimal(double value)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    if (result.ec != std::errc())
        return "0.0";
    return wxString::FromAscii(buffer, result.ptr - buffer);
}

double ReduceOrb(double value)
{
    double r = std::fmod(value, 180.0);
    if (r < 0.0)
        r += 180.0;
    // A tiny negative remainder rounds up to 180 when added; -0 would print
    // as "-0.0". Both mean no orb at all.
    if (r >= 180.0 || r == 0.0)
        r = 0.0;
    return r;
}

double ReadOrbText(const wxString& text, double previous)
{
    const std::optional<double> value = ParseLeadingNumber(text);
    return value ? ReduceOrb(*value) : previous;
}

wxString StepOrbText(const wxString& text, OrbStep step)
{
    double value = ParseLeadingNumber(text).value_or(0.0);
    switch (step) {
    case OrbStep::PlusOne: value += 1.0; break;
    case OrbStep::MinusOne: value -= 1.0; break;
    case OrbStep::Double: value *= 2.0; break;
    case OrbStep::Halve: value /= 2.0; break;
    }
    if (!std::isfinite(value))
        value = 0.0;
    return FormatOneDecimal(value);
}
