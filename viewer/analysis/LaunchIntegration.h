#pragma once
// "Speed": the launch found in the vertical acceleration, then speed and
// altitude integrated from it until the engine burns out.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// `accelerationMg`: the vertical acceleration of each tick, in mg, as far as
// the data goes. `seedTick`: where the three-sample window takes its first
// values. Answers the lines for the text log: none without a launch, two
// without a burnout, six with both.
std::vector<std::string> LaunchIntegrationLines(std::span<const std::int32_t> accelerationMg, std::int32_t seedTick);

// A tick as minutes (no padding), seconds and hundredths: "m:ss:hh".
std::string LaunchTimeText(std::int32_t tick);
