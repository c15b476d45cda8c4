// Numbers in the program's files and fields are always written and read
// with "." as the decimal point, whatever language the user runs in. The
// process's numeric locale is never changed for this.
#pragma once

#include <string>

#include <wx/string.h>

/// The decimal number at the start of the text as strtod reads it in the
/// "C" locale (leading blanks and a sign allowed, "inf" and "nan" too);
/// 0 when the text does not begin with one.
double ReadLeadingDecimal(const char* text);
double ReadLeadingDecimal(const wxString& text);

/// printf's "%.<decimals>f" with "." as the decimal point.
std::string FormatFixed(double value, int decimals);

/// The leading whole number of a text (a sign allowed), 0 when there is none;
/// values beyond 32 bits are clamped.
int LeadingInteger(const wxString& text);
