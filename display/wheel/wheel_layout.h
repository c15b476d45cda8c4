// Geometry of the chart wheel as plain arithmetic: the drawing square, the
// ring radii and glyph scale, cusp angles, the spreading of crowded glyphs, and the intensities and colours of the lines.
#pragma once

#include <cstdint>
#include <vector>

#include "display/glyphs/colours.h"
#include "display/aspects/polar_mapping.h"
#include "display/wheel/wheel_tables.h"
#include "engine/angles.h"
#include "engine/object_ids.h"

/// The centred square a wheel is drawn in, inside a w x h window.
struct DrawingSquare {
    int x = 0;
    int y = 0;
    int side = 0;
};


/// The square of side min(w, h) centred in a w x h window.
DrawingSquare ComputeDrawingSquare(int w, int h);

/// Radii and glyph scale for a square of w x h, with one ring or two.
WheelLayout ComputeWheelLayout(int w, int h, bool twoRings);

/// Point-glyph radius on the inner ring of a two-ring wheel: halfway between
/// the glyph radius and the aspect circle.
int InnerRingGlyphRadius(const WheelLayout& layout);

/// A cusp's wheel angle, snapped to a multiple of 45 degrees when within 0.1
/// of one so that angular houses draw as straight axes.
double CuspWheelAngle(double cuspLongitude, double ascendant);

/// Spreads crowded glyphs: display angles are pushed at least minSeparation
/// apart, in true-angle order, around the circle. order lists the shown point
/// indices; trueAngle and displayAngle are indexed by point index.
void SpreadGlyphAngles(const std::vector<int>& order, const double* trueAngle, double* displayAngle,
                       double minSeparation);

/// Intensity of an aspect line from its orb: 255 when exact, falling to 0 at
/// the orb limit; in the configurations view never below 128 within orb.
uint8_t AspectLineIntensity(double orbLimit, double orb, bool configurationsView);

/// Channel-wise integer mean of two colours (the dispositor line between a
/// point and its ruler).
RgbTriple MeanColour(const RgbTriple& a, const RgbTriple& b);
