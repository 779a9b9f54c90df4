#pragma once
// The scales of the controller's raw 16-bit record values. Each takes the
// big-endian value as an unsigned number 0..65535.

#include <cstdint>

// Signed value through the device sign rule (angles, altitude, voltage).
std::int32_t DecodeSigned(std::uint32_t raw);

// Acceleration at 2048 counts per g, in mg: the value is quartered
// (truncated toward zero) and scaled by 1.953125.
std::int32_t DecodeAcceleration(std::uint32_t raw);

// Angular rate in degrees per second: value / 16.38.
std::int32_t DecodeAngularRate(std::uint32_t raw);

// The 100 g accelerometer in mg: an offset of 8 counts, then 1,000,000 / 9766
// mg per count.
std::int32_t DecodeAcceleration100g(std::uint32_t raw);
