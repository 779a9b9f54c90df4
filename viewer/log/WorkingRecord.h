#pragma once
// The record being built while a log is decoded.

#include "viewer/log/FlightTables.h"

#include <cstdint>

struct WorkingRecord {
    std::int32_t Roll = 0, Pitch = 0, Course = 0;                    // 0.01 degree
    std::int32_t AccelerationX = 0, AccelerationY = 0, AccelerationZ = 0;  // mg
    std::int32_t AngularRateX = 0, AngularRateY = 0, AngularRateZ = 0;    // degree/s
    std::int32_t Acceleration100g = 0;                               // mg
    std::int32_t BaroAltitude = 0;                                   // 0.1 m
    std::int32_t PowerVoltage = 0;                                   // mV
    EventCode Event = 0;
    // Written by the accelerometer integration; they keep their values from
    // record to record, also through records that carry no acceleration.
    std::int32_t AccelSpeed = 0;     // mm/s
    std::int32_t AccelAltitude = 0;  // mm
};

// The record as the flight-data table keeps it: the fields a paged log does
// not carry are 0.
FlightRecord ToFlightRecord(const WorkingRecord& record);
