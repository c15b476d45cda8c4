#include "display/wheel/wheel_layout.h"

#include <algorithm>
#include <cmath>

DrawingSquare ComputeDrawingSquare(int w, int h)
{
    DrawingSquare sq;
    sq.side = std::min(w, h);
    if (h < w)
        sq.x = (w - h) / 2;
    else
        sq.y = (h - w) / 2;
    return sq;
}

WheelLayout ComputeWheelLayout(int w, int h, bool twoRings)
{
    WheelLayout l;
    l.D = static_cast<int>(std::min(w, h) * 0.98 + 0.5);
    l.S = static_cast<int>(l.D * 0.78 + 0.5);
    if (l.D - l.S < 25)
        l.S = l.D - 25;
    l.scale = l.D - l.S < 80 ? 1 : 2;
    l.G = 10 * l.scale;
    l.R3 = l.S / 2 < 8 * l.scale ? 0 : l.S / 2 - 8 * l.scale;
    const int ringWidth = (twoRings ? 28 : 14) * l.scale;
    l.R4 = l.S / 2 - ringWidth - static_cast<int>(l.S / 25.0) - 3;
    return l;
}

int InnerRingGlyphRadius(const WheelLayout& layout) { return layout.R3 - (layout.R3 - layout.R4) / 2; }

double CuspWheelAngle(double cuspLongitude, double ascendant)
{
    double angle = cuspLongitude - ascendant;
    if (angle < 0.0)
        angle += 360.0;
    for (int k = 0; k < 8; ++k) {
        if (std::fabs(angle - k * 45.0) < 0.1) {
            angle = k * 45.0;
            break;
        }
    }
    return angle;
}

void SpreadGlyphAngles(const std::vector<int>& shown, const double* trueAngle, double* displayAngle,
                       double m)
{
    std::vector<int> order = shown;
    // Equal true angles keep index order.
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return trueAngle[a] < trueAngle[b] || (trueAngle[a] == trueAngle[b] && a < b);
    });
    const size_t n = order.size();
    for (size_t pass = 0; pass < n; ++pass) {
        // The first point in angle order never moves; every change counts at
        // once for the points after it.
        for (size_t p = 1; p < n; ++p) {
            const double left = displayAngle[order[p - 1]];
            const double right = p + 1 < n ? displayAngle[order[p + 1]] : displayAngle[order[0]] + 360.0;
            double& cur = displayAngle[order[p]];
            const bool nearLeft = std::fabs(cur - left) < m;
            const bool nearRight = std::fabs(right - cur) < m;
            if (nearLeft && nearRight)
                cur = std::fmod((left + right) / 2.0 + 360.0, 360.0);
            else if (nearLeft)
                cur = std::fmod(left + m + 360.0, 360.0);
            else if (nearRight)
                cur = std::fmod(right - m + 360.0, 360.0);
        }
    }
}

uint8_t AspectLineIntensity(double orbLimit, double orb, bool configurationsView)
{
    // No aspect is found with an orb limit of zero; guard the division anyway
    // so a stale record can never turn into a NaN intensity.
    if (!(orbLimit > 0.0))
        return 0;
    const double c = (orbLimit - orb) / orbLimit;
    if (!(c > 0.0))
        return 0;
    double value = configurationsView ? std::floor(128.0 * c + 1.0 / 256.0) + 128.0
                                      : std::floor(256.0 * c + 1.0 / 512.0);
    if (value > 255.0)
        value = 255.0;
    return static_cast<uint8_t>(value);
}

RgbTriple MeanColour(const RgbTriple& a, const RgbTriple& b)
{
    RgbTriple m;
    m.red = static_cast<uint8_t>((a.red + b.red) / 2);
    m.green = static_cast<uint8_t>((a.green + b.green) / 2);
    m.blue = static_cast<uint8_t>((a.blue + b.blue) / 2);
    return m;
}
