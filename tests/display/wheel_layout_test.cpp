// Wheel geometry as plain arithmetic: layout radii, the drawing square,
// cusp snapping, glyph spreading and the
// aspect-line intensities.
#include <gtest/gtest.h>

#include <cmath>

#include "display/wheel/wheel_layout.h"

namespace {

TEST(DrawingSquare, CentredAlongTheLongerSide)
{
    DrawingSquare wide = ComputeDrawingSquare(900, 600);
    EXPECT_EQ(wide.x, 150);
    EXPECT_EQ(wide.y, 0);
    EXPECT_EQ(wide.side, 600);
    DrawingSquare tall = ComputeDrawingSquare(401, 800);
    EXPECT_EQ(tall.x, 0);
    EXPECT_EQ(tall.y, 199);
    EXPECT_EQ(tall.side, 401);
    DrawingSquare square = ComputeDrawingSquare(300, 300);
    EXPECT_EQ(square.x, 0);
    EXPECT_EQ(square.y, 0);
}

TEST(WheelLayout, RadiiAndScaleFromTheSquare)
{
    const struct {
        int w, h;
        bool two;
        WheelLayout expected;
    } cases[] = {
        // D = 882, S = 688; D - S = 194 -> scale 2.
        {900, 900, false, {882, 688, 2, 20, 328, 344 - 28 - 27 - 3}},
        {900, 900, true, {882, 688, 2, 20, 328, 344 - 56 - 27 - 3}},
        // The smaller side decides: D = 294, S = 229, D - S = 65 -> scale 1.
        {300, 700, false, {294, 229, 1, 10, 106, 114 - 14 - 9 - 3}},
        // A tiny wheel keeps the ring 25 wide and R3 at 0.
        {20, 20, false, {20, -5, 1, 10, 0, -2 - 14 - 0 - 3}},
        {0, 0, false, {0, -25, 1, 10, 0, -12 - 14 + 1 - 3}},
    };
    for (const auto& c : cases) {
        const WheelLayout l = ComputeWheelLayout(c.w, c.h, c.two);
        EXPECT_EQ(l.D, c.expected.D) << c.w << "x" << c.h;
        EXPECT_EQ(l.S, c.expected.S) << c.w << "x" << c.h;
        EXPECT_EQ(l.scale, c.expected.scale) << c.w << "x" << c.h;
        EXPECT_EQ(l.G, c.expected.G) << c.w << "x" << c.h;
        EXPECT_EQ(l.R3, c.expected.R3) << c.w << "x" << c.h;
        EXPECT_EQ(l.R4, c.expected.R4) << c.w << "x" << c.h;
        EXPECT_GE(l.D - l.S, 25);
    }
}

TEST(WheelLayout, ScaleTwoStartsWhereTheRingIsEightyWide)
{
    // Find the smallest square drawn at scale 2 and check the ring width there.
    int first = -1;
    for (int side = 100; side < 600 && first < 0; ++side)
        if (ComputeWheelLayout(side, side, false).scale == 2)
            first = side;
    ASSERT_GT(first, 0);
    const WheelLayout at = ComputeWheelLayout(first, first, false);
    const WheelLayout below = ComputeWheelLayout(first - 1, first - 1, false);
    EXPECT_GE(at.D - at.S, 80);
    EXPECT_LT(below.D - below.S, 80);
}

TEST(WheelAngles, AgainstTheAscendantAndSnappedCusps)
{
    EXPECT_DOUBLE_EQ(NormalizeDegrees(360.0), 0.0);
    EXPECT_DOUBLE_EQ(NormalizeDegrees(-90.0), 270.0);
    EXPECT_DOUBLE_EQ(NormalizeDegrees(725.0), 5.0);
    EXPECT_DOUBLE_EQ(NormalizeDegrees(std::nan("")), 0.0);

    EXPECT_DOUBLE_EQ(CuspWheelAngle(190.05, 100.0), 90.0);
    EXPECT_NEAR(CuspWheelAngle(89.95, 100.0), 349.95, 1e-9);
    EXPECT_DOUBLE_EQ(CuspWheelAngle(280.0 + 0.0999, 100.0), 180.0);
    EXPECT_NEAR(CuspWheelAngle(280.0 + 0.1001, 100.0), 180.1001, 1e-9);
    EXPECT_DOUBLE_EQ(CuspWheelAngle(100.0, 100.0), 0.0);
    EXPECT_NEAR(CuspWheelAngle(55.02, 10.0), 45.0, 0.0);
    EXPECT_NEAR(CuspWheelAngle(10.0 + 315.05, 10.0), 315.0, 0.0);
}

double Separation(double a, double b)
{
    double d = std::fabs(a - b);
    return std::min(d, 360.0 - d);
}

TEST(SpreadGlyphs, CrowdedGlyphsArePushedApart)
{
    double trueAngle[38] = {};
    double display[38] = {};
    trueAngle[0] = 100.0;
    trueAngle[1] = 101.0;
    trueAngle[2] = 102.0;
    trueAngle[5] = 250.0;
    for (int i = 0; i < 38; ++i)
        display[i] = trueAngle[i];
    SpreadGlyphAngles({0, 1, 2, 5}, trueAngle, display, 5.5);
    // The glyph with the smallest true angle stays where it is.
    EXPECT_DOUBLE_EQ(display[0], 100.0);
    EXPECT_GE(Separation(display[0], display[1]), 5.5 - 1e-9);
    EXPECT_GE(Separation(display[1], display[2]), 5.5 - 1e-9);
    EXPECT_DOUBLE_EQ(display[5], 250.0);
    // Hidden points are not touched.
    EXPECT_DOUBLE_EQ(display[3], 0.0);
}

TEST(SpreadGlyphs, LastGlyphMovesBackAcrossZero)
{
    double trueAngle[38] = {};
    double display[38] = {};
    trueAngle[3] = 1.0;
    trueAngle[4] = 180.0;
    trueAngle[7] = 358.0; // 3 degrees before the first across 0
    for (int i = 0; i < 38; ++i)
        display[i] = trueAngle[i];
    SpreadGlyphAngles({3, 4, 7}, trueAngle, display, 5.5);
    EXPECT_DOUBLE_EQ(display[3], 1.0);
    EXPECT_DOUBLE_EQ(display[7], 1.0 + 360.0 - 5.5);
}

TEST(SpreadGlyphs, EqualAnglesKeepIndexOrderAndNothingToDo)
{
    double trueAngle[38] = {};
    double display[38] = {};
    trueAngle[9] = 40.0;
    trueAngle[2] = 40.0;
    for (int i = 0; i < 38; ++i)
        display[i] = trueAngle[i];
    SpreadGlyphAngles({9, 2}, trueAngle, display, 5.5);
    // Index 2 comes first in angle order and stays; 9 is pushed forward.
    EXPECT_DOUBLE_EQ(display[2], 40.0);
    EXPECT_DOUBLE_EQ(display[9], 45.5);
    SpreadGlyphAngles({}, trueAngle, display, 5.5);
    SpreadGlyphAngles({9}, trueAngle, display, 5.5);
    EXPECT_DOUBLE_EQ(display[9], 45.5);
}

TEST(AspectIntensity, FromOrbAndView)
{
    const struct {
        double limit, orb;
        bool patterns;
        int expected;
    } cases[] = {
        {8.0, 0.0, false, 255}, // exact: 256 capped
        {8.0, 4.0, false, 128}, {8.0, 7.99, false, 0}, {8.0, 8.0, false, 0}, {8.0, 9.0, false, 0},
        {8.0, 0.0, true, 255},  {8.0, 4.0, true, 192}, {8.0, 8.0, true, 0},  {8.0, 7.99, true, 128},
        // A zero orb limit never divides by zero.
        {0.0, 0.0, false, 0},   {0.0, 0.0, true, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AspectLineIntensity(c.limit, c.orb, c.patterns), c.expected)
            << c.limit << " " << c.orb << " " << c.patterns;
}

} // namespace
