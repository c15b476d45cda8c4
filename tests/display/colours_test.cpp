// Colour tables: every class and aspect at full intensity, the truncating
// fractions at other intensities, and the aliases and gaps of the tables.
#include <gtest/gtest.h>

#include "display/glyphs/colours.h"

namespace {

struct ColourCase {
    int id;
    int intensity;
    int r, g, b;
};

void ExpectRgb(const wxColour& c, const ColourCase& e)
{
    EXPECT_EQ(c.Red(), e.r) << "id " << e.id << " at " << e.intensity;
    EXPECT_EQ(c.Green(), e.g) << "id " << e.id << " at " << e.intensity;
    EXPECT_EQ(c.Blue(), e.b) << "id " << e.id << " at " << e.intensity;
}

TEST(ColourClassColour, TableAtFullAndReducedIntensity)
{
    const ColourCase cases[] = {
        {250, 255, 255, 0, 0},   {251, 255, 191, 191, 0}, {252, 255, 0, 255, 31},
        {253, 255, 63, 63, 255}, {260, 255, 255, 0, 255}, {261, 255, 0, 127, 127},
        {262, 255, 127, 0, 127}, {263, 255, 127, 63, 63},
        // The fractions truncate on the byte: 3 * 128 / 4 = 96, 128 / 8 = 16.
        {251, 128, 96, 96, 0},   {252, 128, 0, 128, 16},  {253, 100, 25, 25, 100},
        {263, 1, 0, 0, 0},       {250, 0, 0, 0, 0},
        // Gaps and numbers outside the table are black.
        {254, 255, 0, 0, 0},     {255, 255, 0, 0, 0},     {259, 255, 0, 0, 0},
        {264, 255, 0, 0, 0},     {269, 255, 0, 0, 0},     {249, 255, 0, 0, 0},
        {273, 255, 0, 0, 0},     {-1, 255, 0, 0, 0},
    };
    for (const ColourCase& c : cases)
        ExpectRgb(GetColourClassColour(c.id, static_cast<uint8_t>(c.intensity)), c);
}

TEST(ColourClassColour, AliasesGiveFireEarthAndWaterNotAir)
{
    for (int intensity : {0, 1, 100, 128, 200, 255}) {
        const uint8_t i = static_cast<uint8_t>(intensity);
        EXPECT_EQ(GetColourClassColour(270, i), GetColourClassColour(250, i));
        EXPECT_EQ(GetColourClassColour(271, i), GetColourClassColour(251, i));
        EXPECT_EQ(GetColourClassColour(272, i), GetColourClassColour(253, i));
    }
    EXPECT_NE(GetColourClassColour(272, 255), GetColourClassColour(252, 255));
}

TEST(AspectColour, TableAtFullIntensity)
{
    const ColourCase cases[] = {
        {1000, 255, 255, 255, 0}, {1001, 255, 85, 85, 255},  {1002, 255, 255, 0, 0},
        {1003, 255, 0, 255, 0},   {1004, 255, 0, 191, 191},  {1005, 255, 255, 0, 255},
        {1006, 255, 127, 127, 0}, {1007, 255, 255, 127, 0},  {1008, 255, 255, 127, 0},
        {1009, 255, 0, 127, 127}, {1010, 255, 0, 127, 127},  {1011, 255, 0, 127, 127},
        {1012, 255, 127, 127, 0}, {1013, 255, 127, 0, 127},  {1014, 255, 127, 0, 127},
        {1015, 255, 127, 127, 0}, {1016, 255, 127, 127, 0},  {1017, 255, 127, 0, 127},
        {1018, 255, 0, 0, 0},     {1019, 255, 0, 0, 0},      {1020, 255, 191, 191, 191},
        {999, 255, 0, 0, 0},      {1021, 255, 0, 0, 0},
        // Dimmed lines keep their hue: 128 / 3 = 42, 3 * 128 / 4 = 96.
        {1001, 128, 42, 42, 128}, {1020, 128, 96, 96, 96},   {1002, 0, 0, 0, 0},
    };
    for (const ColourCase& c : cases)
        ExpectRgb(GetAspectColour(c.id, static_cast<uint8_t>(c.intensity)), c);
}

} // namespace
