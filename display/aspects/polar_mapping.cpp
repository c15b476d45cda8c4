#include "display/aspects/polar_mapping.h"

#include <cmath>

const double PI = 2.0 * std::acos(0.0);

int RoundHalfAway(double value)
{
    return static_cast<int>(value > 0 ? std::floor(value + 0.5) : std::ceil(value - 0.5));
}

double WheelAngle(double longitude, double ascendant)
{
    return std::fmod(longitude - ascendant + 360.0, 360.0);
}

void PolarPoint(int cx, int cy, double angle, double radius, int* x, int* y)
{
    const double a = PI / 180.0 * (180.0 - angle);
    *x = cx + RoundHalfAway(std::cos(a) * radius);
    *y = cy + RoundHalfAway(std::sin(a) * radius);
}
