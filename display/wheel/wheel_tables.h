// Tables the wheel drawing fills for the mouse hover: where each point's
// glyph sits, the wheel angles of cusps and signs, and the ring geometry.
#pragma once

#include <cstdint>

#include "engine/object_ids.h"

/// One point's glyph on the wheel: its hit box in window pixels, its true
/// wheel angle and the angle it is drawn at after spreading crowded glyphs.
struct PointPlacement {
    int32_t left = 0;
    int32_t top = 0;
    int32_t height = 0;
    int32_t width = 0;
    double trueAngle = 0.0;
    double displayAngle = 0.0;
    ObjectId pointId = 0;
};

/// One entry of the house or sign angle table: wheel angle and house or sign number.
struct WheelAngleEntry {
    double angle = 0.0;
    int32_t number = 0;
};

/// Entries 1..12 are used; 0 and 13 stay zero.
constexpr int kAngleTableSize = 14;

/// The square and the radii of the last drawn wheel of one slot.
struct WheelGeometry {
    int32_t originX = 0;
    int32_t originY = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t outerRadius = 0;
    int32_t signInnerRadius = 0;
    int32_t aspectRadius = 0;
};

/// Sizes of one wheel from its square: outer and inner diameter of the
/// zodiac ring, glyph scale and size, radius of the glyph centres and of the
/// aspect circle.
struct WheelLayout {
    int32_t D = 0;
    int32_t S = 0;
    int32_t scale = 1;
    int32_t G = 10;
    int32_t R3 = 0;
    int32_t R4 = 0;
};
