// What lies under the mouse on the chart wheel: plain geometry and the
// status texts, so the canvas's mouse handlers stay thin and tests can call
// every rule without a window.
#pragma once

#include <wx/string.h>

#include "engine/object_ids.h"

/// The rings of the wheel from the outside in.
enum class WheelRegion {
    Outside,   ///< beyond the zodiac ring
    SignRing,  ///< the zodiac ring
    PointRing, ///< between the zodiac ring and the aspect circle
    AspectArea ///< inside the aspect circle
};

/// Which region a distance d from the centre falls in. A pointer exactly on
/// a ring's radius belongs to the inner region.
WheelRegion ClassifyWheelDistance(double d, int outerRadius, int signInnerRadius, int aspectRadius);

/// Wheel angle in [0, 360) of a pointer offset (dx, dy) from the centre:
/// 0 left of the centre, 90 below, 180 right, 270 above.
double PointerWheelAngle(double dx, double dy);

/// Sign ordinal 1..12 whose sector holds wheel angle a; angles[1..12] are
/// the wheel angles where the signs begin. A sector that runs through 0 is
/// handled; an angle no sector claims belongs to the twelfth sign.
int FindSignOrdinal(const double angles[13], double a);

/// House number 1..12 whose sector holds wheel angle a; angles[1..12] are
/// the cusps' wheel angles, house 1 starting at the ascendant.
int FindHouseNumber(const double angles[13], double a);

/// True when (x, y) lies in the box, edges included.
bool HitBoxContains(int left, int top, int width, int height, int x, int y);

/// Distance from (x, y) to the line through both end points (not clipped
/// to the segment); from the first end when the line is shorter than half
/// a pixel.
double DistanceToAspectLine(int x1, int y1, int x2, int y2, int x, int y);

/// How close to a line the pointer must be for that aspect to count.
constexpr double kAspectNearDistance = 6.0;

/// Longest status text shown in full; longer aspect lists are shortened.
constexpr size_t kStatusTextLimit = 127;

/// "Name: degrees Sign minutes" for a point at an ecliptic longitude.
wxString FormatPointStatus(ObjectId pointId, double longitude);

/// "Ordinal House: d Sign m - d Sign m" for house h between two cusps.
wxString FormatHouseStatus(int house, double cuspLongitude, double nextCuspLongitude);

/// The house's ordinal word ("First" .. "Twelfth").
const char* HouseOrdinal(int house);
