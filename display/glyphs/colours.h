// Colours of the colour classes (signs, houses, points) and of the aspects.
// Every channel is the intensity byte or a whole-number fraction of it,
// truncated, so that dimmed lines keep the hue of the full colour.
#pragma once

#include <cstdint>
#include <wx/colour.h>

#include "engine/object_ids.h"

/// Red, green and blue of one colour as plain bytes (what the wxColour is built from).
struct RgbTriple {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

/// Components of a colour class 250..272 at an intensity; black for any other number.
RgbTriple ColourClassRgb(int32_t colourClass, uint8_t intensity);

/// Components of an aspect 1000..1020 at an intensity; black for any other number.
RgbTriple AspectRgb(ObjectId aspect, uint8_t intensity);

/// The colour of a colour class at an intensity (0..255).
wxColour GetColourClassColour(int32_t colourClass, uint8_t intensity);

/// The colour of an aspect identifier (1000..1020) at an intensity (0..255).
wxColour GetAspectColour(ObjectId aspect, uint8_t intensity);

/// Colour of an identifier's colour class at full intensity (signs, houses, points).
wxColour GetIdColour(ObjectId id, uint8_t intensity = 255);
