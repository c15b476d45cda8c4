// Orb texts of the settings dialogs: read and written with "." as the decimal
// point whatever the user's locale, reduced to the range an orb may take.
#pragma once

#include <optional>

#include <wx/string.h>

/// The decimal number at the start of text (leading blanks skipped), 0 when
/// the text does not start with one, nullopt when it is not finite ("nan",
/// "inf", "1e999"). The decimal point is "." in every locale.
std::optional<double> ParseLeadingNumber(const wxString& text);

/// value with one decimal and "." as the decimal point, as "%.1f" in the C locale.
wxString FormatOneDecimal(double value);

/// value reduced to [0, 180): the remainder of the division by 180, with 180
/// added to a negative remainder.
double ReduceOrb(double value);

/// The orb an orb field's text confirms: its leading number reduced to
/// [0, 180), or previous when the text holds no finite number.
double ReadOrbText(const wxString& text, double previous);

/// The orb buttons of the aspect settings dialog.
enum class OrbStep { PlusOne, MinusOne, Double, Halve };

/// The field's text after an orb button: its leading number (0 when none)
/// stepped and written with one decimal. A text whose number is not finite,
/// or whose result would not be, counts as 0.
wxString StepOrbText(const wxString& text, OrbStep step);
