#pragma once
// Degrees, as angles are given to drawing calls and kept in settings, and the
// radians the trigonometric functions take.

#include <numbers>

namespace platform {

inline constexpr double kRadiansPerDegree = std::numbers::pi / 180;

constexpr double DegreesToRadians(double degrees) { return degrees * kRadiansPerDegree; }
constexpr double RadiansToDegrees(double radians) { return radians / kRadiansPerDegree; }

}  // namespace platform
