#pragma once
// A plausible single-stage flight and the log the controller writes of it:
// a few seconds on the pad in short records at 100 ms, the flight in full
// records at 10 ms (boost, burnout, coast, apogee, drogue, main, landing),
// then the ground again in short records.

#include "tools/loggen/LogFileBuilder.h"

#include <cstdint>
#include <string>
#include <vector>

// An event as the event list shows it: the code and the log time of its row.
struct FlightEventMark {
    std::int32_t LogTime = 0;
    std::uint8_t Code = 0;
};

// What one record says, in the units the viewer shows.
struct FlightSample {
    std::int32_t TicksAfter = 0;       // log time after the record
    bool FullRecord = false;           // else a short record (altitude and voltage only)
    std::int32_t BaroAltitude = 0;     // 0.1 m
    double AccelerationZ = 0;          // mg, before the controller's counts
    double AngularRateX = 0;           // degree/s
    std::int32_t PowerVoltage = 0;     // mV
    std::uint8_t Event = 0;
};

struct SampleFlight {
    std::uint32_t DeviceIdentity = 0;
    SettingsSnapshot Settings;
    std::vector<FlightSample> Samples;
    // Start, burnout, apogee, drogue, main chute, landing.
    std::vector<FlightEventMark> Events;
    std::int32_t BurnoutTick = 0;
    std::int32_t ApogeeAltitude = 0;  // 0.1 m
    LogFileBuilder Log;
};

// The same flight every time.
SampleFlight MakeSampleFlight();
