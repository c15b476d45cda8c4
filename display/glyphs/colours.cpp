#include "display/glyphs/colours.h"

namespace {

// The fractions are integer arithmetic on the unsigned byte, truncating.
uint8_t Part(uint8_t i, int numerator, int denominator)
{
    return static_cast<uint8_t>(static_cast<int>(i) * numerator / denominator);
}

RgbTriple Rgb(uint8_t r, uint8_t g, uint8_t b)
{
    RgbTriple c;
    c.red = r;
    c.green = g;
    c.blue = b;
    return c;
}

wxColour ToColour(const RgbTriple& c) { return wxColour(c.red, c.green, c.blue); }

} // namespace

RgbTriple ColourClassRgb(int32_t colourClass, uint8_t i)
{
    switch (colourClass) {
    case 250: // fire
    case 270:
        return Rgb(i, 0, 0);
    case 251: // earth
    case 271:
        return Rgb(Part(i, 3, 4), Part(i, 3, 4), 0);
    case 252: // air
        return Rgb(0, i, Part(i, 1, 8));
    case 253: // water; 272 deliberately shares it rather than the air colour
    case 272:
        return Rgb(Part(i, 1, 4), Part(i, 1, 4), i);
    case 260: // Chiron to Pholus
        return Rgb(i, 0, i);
    case 261: // nodes, Lilith and the calculated points
        return Rgb(0, Part(i, 1, 2), Part(i, 1, 2));
    case 262: // the hypothetical bodies
        return Rgb(Part(i, 1, 2), 0, Part(i, 1, 2));
    case 263: // everything else
        return Rgb(Part(i, 1, 2), Part(i, 1, 4), Part(i, 1, 4));
    default:
        return Rgb(0, 0, 0);
    }
}

RgbTriple AspectRgb(ObjectId aspect, uint8_t i)
{
    const uint8_t half = Part(i, 1, 2);
    switch (aspect) {
    case 1000: return Rgb(i, i, 0);                             // Conjunction
    case 1001: return Rgb(Part(i, 1, 3), Part(i, 1, 3), i);     // Opposition
    case 1002: return Rgb(i, 0, 0);                             // Square
    case 1003: return Rgb(0, i, 0);                             // Trine
    case 1004: return Rgb(0, Part(i, 3, 4), Part(i, 3, 4));     // Sextile
    case 1005: return Rgb(i, 0, i);                             // Inconjunct
    case 1006: return Rgb(half, half, 0);                        // Semisextile
    case 1007:                                                  // Semisquare
    case 1008: return Rgb(i, half, 0);                          // Sesquiquadrature
    case 1009:                                                  // Quintile
    case 1010:                                                  // Biquintile
    case 1011: return Rgb(0, half, half);                       // Semiquintile
    case 1012:                                                  // Septile
    case 1015:                                                  // Biseptile
    case 1016: return Rgb(half, half, 0);                       // Triseptile
    case 1013:                                                  // Novile
    case 1014:                                                  // Binovile
    case 1017: return Rgb(half, 0, half);                       // Quatronovile
    case 1020: return Rgb(Part(i, 3, 4), Part(i, 3, 4), Part(i, 3, 4)); // Disposits
    default: return Rgb(0, 0, 0);                               // parallels and the rest
    }
}

wxColour GetColourClassColour(int32_t colourClass, uint8_t intensity)
{
    return ToColour(ColourClassRgb(colourClass, intensity));
}

wxColour GetAspectColour(ObjectId aspect, uint8_t intensity)
{
    return ToColour(AspectRgb(aspect, intensity));
}

wxColour GetIdColour(ObjectId id, uint8_t intensity)
{
    return GetColourClassColour(GetColourClass(id), intensity);
}
