#pragma once
// "Рассчитать высоту": the vertical acceleration between the two time
// markers integrated into the speed gained and the distance covered.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The acceleration at a tick, in g.
using AccelerationAt = std::function<double(std::int32_t tick)>;

struct MarkerIntegration {
    long double Mean = 0;      // mean sample, in 1/512 g
    long double Speed = 0;     // m/s
    long double Distance = 0;  // m
};

// Over the ticks `start` to `end` (both within `ticks` samples, end not
// before start), each sample scaled to 1/512 g and averaged with the two
// before it (the first with the samples that follow it), less the 1 g
// reference `oneG` in the same units.
MarkerIntegration IntegrateBetweenMarkers(const AccelerationAt& acceleration, std::int32_t ticks, std::int32_t start,
                                          std::int32_t end, double oneG);

// What keeps the integration from running, as the message that says so;
// empty when it can run.
std::string MarkerIntegrationProblem(std::int32_t ticks, std::int32_t start, std::int32_t end);

// The three lines for the text log: "Sred = ", "Speed = ", "Dist = ".
std::vector<std::string> MarkerIntegrationLines(const MarkerIntegration& result);
