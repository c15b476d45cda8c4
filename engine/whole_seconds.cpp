#include "engine/whole_seconds.h"

#include <cmath>
#include <cstdlib>

namespace {

// Rounds the seconds and carries; returns how many whole degrees carried.
int CarrySeconds(int* minutes, double* seconds)
{
    double whole = std::floor(std::fabs(*seconds) + 0.5);
    int carried = 0;
    if (whole >= 60.0) {
        whole -= 60.0;
        ++*minutes;
    }
    if (*minutes >= 60) {
        *minutes -= 60;
        carried = 1;
    }
    *seconds = whole;
    return carried;
}

} // namespace

DmsAngle RoundToWholeSeconds(const DmsAngle& angle)
{
    DmsAngle out;
    out.minutes = std::abs(angle.minutes);
    out.seconds = angle.seconds;
    out.degrees = std::abs(angle.degrees) + CarrySeconds(&out.minutes, &out.seconds);
    return out;
}

ZodiacPosition RoundToWholeSeconds(const ZodiacPosition& position)
{
    ZodiacPosition out = position;
    out.degrees += CarrySeconds(&out.minutes, &out.seconds);
    if (out.degrees >= 30) {
        out.degrees -= 30;
        out.sign = out.sign >= ids::kSignLast ? ids::kSignFirst : out.sign + 1;
    }
    return out;
}
