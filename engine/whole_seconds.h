// Angles shown to the whole second: the seconds round half up and carry into
// the minutes, the degrees and, for a zodiac position, the sign, so that
// 59.5 seconds and more never show as 60.
#pragma once

#include "engine/angles.h"

/// Degrees, minutes and seconds of an angle's magnitude (all three
/// non-negative), the seconds a whole number below 60.
DmsAngle RoundToWholeSeconds(const DmsAngle& angle);

/// A zodiac position with whole seconds below 60; a carry past 29 degrees
/// moves into the next sign (29 Pisces 59'59.5" is 0 Aries 00'00").
ZodiacPosition RoundToWholeSeconds(const ZodiacPosition& position);
