#include "display/wheel/wheel_hit_test.h"

#include <cmath>
#include <wx/intl.h>

#include "engine/angles.h"

WheelRegion ClassifyWheelDistance(double d, int outerRadius, int signInnerRadius, int aspectRadius)
{
    if (d > outerRadius)
        return WheelRegion::Outside;
    if (d > signInnerRadius)
        return WheelRegion::SignRing;
    if (d > aspectRadius)
        return WheelRegion::PointRing;
    return WheelRegion::AspectArea;
}

double PointerWheelAngle(double dx, double dy)
{
    double a = 180.0 - std::atan2(dy, dx) * 180.0 / M_PI;
    // atan2 gives (-180, 180], so a lies in [0, 360]; 360 is 0.
    if (a >= 360.0)
        a -= 360.0;
    if (a < 0.0)
        a += 360.0;
    return a;
}

int FindSignOrdinal(const double angles[13], double a)
{
    for (int s = 1; s <= 11; ++s) {
        if (angles[s + 1] < angles[s]) {
            if (a >= angles[s] || a < angles[s + 1])
                return s;
        } else if (angles[s] <= a && a < angles[s + 1]) {
            return s;
        }
    }
    return 12;
}

int FindHouseNumber(const double angles[13], double a)
{
    for (int h = 1; h <= 11; ++h) {
        if (angles[h] <= a && a < angles[h + 1])
            return h;
    }
    return 12;
}

bool HitBoxContains(int left, int top, int width, int height, int x, int y)
{
    return left <= x && x <= left + width && top <= y && y <= top + height;
}

double DistanceToAspectLine(int x1, int y1, int x2, int y2, int x, int y)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length > 0.5)
        return std::fabs(dx * (y1 - y) - double(x1 - x) * dy) / length;
    return std::hypot(double(x1 - x), double(y1 - y));
}

const char* HouseOrdinal(int house)
{
    // "Eigth" is the program's own spelling of this text.
    static const char* const kOrdinals[12] = {"First",   "Second", "Third", "Fourth", "Fifth",    "Sixth",
                                              "Seventh", "Eigth",  "Ninth", "Tenth",  "Eleventh", "Twelfth"};
    return house >= 1 && house <= 12 ? kOrdinals[house - 1] : "";
}

namespace {

ZodiacPosition ToMinute(double longitude)
{
    ZodiacPosition z;
    SplitZodiacPosition(longitude, &z, true);
    return z;
}

wxString Translated(const char* text)
{
    return wxGetTranslation(wxString::FromUTF8(text));
}

} // namespace

wxString FormatPointStatus(ObjectId pointId, double longitude)
{
    const ZodiacPosition z = ToMinute(longitude);
    return Translated(GetIdName(pointId)) +
           wxString::Format(": %d %s %d", z.degrees, Translated(GetIdName(z.sign)), z.minutes);
}

wxString FormatHouseStatus(int house, double cuspLongitude, double nextCuspLongitude)
{
    const ZodiacPosition a = ToMinute(cuspLongitude);
    const ZodiacPosition b = ToMinute(nextCuspLongitude);
    return wxString::Format(wxGetTranslation("%s House: %d %s %d - %d %s %d"), Translated(HouseOrdinal(house)),
                            a.degrees, Translated(GetIdName(a.sign)), a.minutes, b.degrees,
                            Translated(GetIdName(b.sign)), b.minutes);
}
