// The one mapping from wheel angles to screen pixels that the whole wheel
// uses, and the wheel angle of a longitude.
#pragma once

/// 2 x acos(0), set once before main.
extern const double PI;

/// Rounds to the nearest whole number, halves away from zero.
int RoundHalfAway(double value);

/// Wheel angle of a longitude against the reference Ascendant, 0 <= angle < 360.
double WheelAngle(double longitude, double ascendant);

/// Screen point at a wheel angle and radius around (cx, cy): angle 0 lies
/// left of the centre, 90 below, 180 right, 270 above.
void PolarPoint(int cx, int cy, double angle, double radius, int* x, int* y);
