// The hover geometry: rings, angles, sign and house sectors, hit boxes,
// distance to aspect lines, and the status texts of points and houses.
#include <gtest/gtest.h>

#include <cmath>

#include "display/wheel/wheel_hit_test.h"

TEST(HoverHitTest, RingBoundariesBelongToTheInnerRegion)
{
    const struct {
        double d;
        WheelRegion region;
    } cases[] = {
        {300.5, WheelRegion::Outside},  {300.0, WheelRegion::SignRing},  {234.1, WheelRegion::SignRing},
        {234.0, WheelRegion::PointRing}, {190.01, WheelRegion::PointRing}, {190.0, WheelRegion::AspectArea},
        {0.0, WheelRegion::AspectArea},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyWheelDistance(c.d, 300, 234, 190), c.region) << c.d;
}

TEST(HoverHitTest, PointerAngleIsTheInverseOfTheWheelMapping)
{
    const struct {
        double dx, dy, angle;
    } cases[] = {
        {-10, 0, 0}, {0, 10, 90}, {10, 0, 180}, {0, -10, 270}, {-10, 10, 45}, {-10, -0.0001, 359.9994},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(PointerWheelAngle(c.dx, c.dy), c.angle, 1e-3) << c.dx << "," << c.dy;
    // Straight left with a negative zero still gives an angle inside [0, 360).
    const double a = PointerWheelAngle(-10, -0.0);
    EXPECT_GE(a, 0.0);
    EXPECT_LT(a, 360.0);
}

TEST(HoverHitTest, SignSectorsIncludingTheOneThroughZero)
{
    // Ascendant at 10 degrees Aries: Aries begins 10 degrees before the
    // ascendant, so its sector runs through wheel angle 0.
    double angles[13] = {};
    for (int s = 1; s <= 12; ++s)
        angles[s] = std::fmod((s - 1) * 30.0 - 10.0 + 360.0, 360.0);
    const struct {
        double a;
        int sign;
    } cases[] = {{0.0, 1}, {19.99, 1}, {350.0, 1}, {20.0, 2}, {49.9, 2}, {320.0, 12}, {349.99, 12}, {200, 8}};
    for (const auto& c : cases)
        EXPECT_EQ(FindSignOrdinal(angles, c.a), c.sign) << c.a;
}

TEST(HoverHitTest, HouseSectorsAndTheTwelfthAsFallback)
{
    const double angles[13] = {0, 0, 25, 60, 90, 120, 160, 180, 205, 240, 270, 300, 340};
    const struct {
        double a;
        int house;
    } cases[] = {{0, 1}, {24.9, 1}, {25, 2}, {179.9, 6}, {180, 7}, {339.9, 11}, {340, 12}, {359.9, 12}};
    for (const auto& c : cases)
        EXPECT_EQ(FindHouseNumber(angles, c.a), c.house) << c.a;
}

TEST(HoverHitTest, DistanceToLinesCountsTheirExtensionAndZeroLength)
{
    const struct {
        int x1, y1, x2, y2, x, y;
        double distance;
    } cases[] = {
        {0, 0, 100, 0, 50, 6, 6.0},     // beside the middle
        {0, 0, 100, 0, 300, -4, 4.0},   // far beyond an end, on the extension
        {0, 0, 0, 100, 3, 50, 3.0},     // vertical line
        {0, 0, 30, 40, 40, -30, 50.0},  // perpendicular through the first end
        {10, 10, 10, 10, 13, 14, 5.0},  // zero length: from the first end
    };
    for (const auto& c : cases)
        EXPECT_NEAR(DistanceToAspectLine(c.x1, c.y1, c.x2, c.y2, c.x, c.y), c.distance, 1e-9);
    EXPECT_LE(DistanceToAspectLine(0, 0, 100, 0, 50, 6), kAspectNearDistance) << "6 pixels is still near";
}

TEST(HoverHitTest, PointAndHouseStatusTexts)
{
    // 15 deg 29.6 min Taurus rounds to 15 Taurus 30.
    EXPECT_EQ(FormatPointStatus(10000, 45.4933), "Sun: 15 Taurus 30");
    EXPECT_EQ(FormatPointStatus(10001, 359.999), "Moon: 0 Aries 0") << "rounding past 360 wraps to Aries";
    EXPECT_EQ(FormatHouseStatus(8, 200.5, 231.25), "Eigth House: 20 Libra 30 - 21 Scorpio 15");
    EXPECT_EQ(FormatHouseStatus(12, 330.0, 0.0), "Twelfth House: 0 Pisces 0 - 0 Aries 0");
}
