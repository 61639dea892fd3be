// Degrees to radians and back, with the game's own constants.

#pragma once

#include <cmath>

// The game converts with these exact constants (not pi/180), rounding the
// radian value to float before sin and cos, so that headings, boxes and
// shadows agree to the last bit everywhere they are computed.
inline float degreesToRadians(float degrees)
{
    return static_cast<float>(degrees * 0.0174532925);
}

inline float radiansToDegrees(double radians)
{
    return static_cast<float>(radians * 180.0 * 0.31830988654751274);
}
