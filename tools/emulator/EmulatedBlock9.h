#pragma once
// The second stage's settings block 9 as the flight controller keeps it: no
// layout of its own, so it holds every payload byte a write request brings
// (all a feature report carries after the frame's six bytes), and a read
// answers them back. Tests read it to see exactly what a write sent.

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr std::uint8_t kBlock9 = 9;
// Report ID, 0x03, length, 0x12, command, block.
constexpr std::size_t kRequestFrameBytes = 6;

// The block at power-up: zeros, as long as a request of `featureLength` can fill.
std::vector<std::uint8_t> EmptyBlock9(std::uint16_t featureLength);
