#pragma once
// A flight as a stream log: 30 s of sensor records at 10 ms (pad, boost,
// coast, apogee, descent), a GPS fix before every tenth record once the
// receiver has one, a GPS outage with its error flag, and one pressure
// sensor error.

#include "tools/loggen/StreamLogBuilder.h"

#include <cstdint>
#include <vector>

// A fix as it lands: in the slot of the sensor record after it.
struct StreamFixMark {
    std::int32_t Record = 0;
    std::int32_t Latitude = 0, Longitude = 0;  // degrees x 100,000
};

// Records First to Last (inclusive) carry these error flags.
struct StreamErrorSpan {
    std::int32_t First = 0, Last = 0;
    std::uint32_t Flags = 0;
};

struct SampleStreamFlight {
    std::int32_t Records = 0;
    std::vector<StreamFixMark> Fixes;
    std::vector<StreamErrorSpan> Errors;
    StreamLogBuilder Log;
};

// Error flag bits of the sample: bit k is error kind k.
inline constexpr std::uint32_t kGpsErrorFlag = 1u << 0;
inline constexpr std::uint32_t kPressureSensorErrorFlag = 1u << 1;

// The same flight every time.
SampleStreamFlight MakeSampleStreamFlight();
