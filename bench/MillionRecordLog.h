#pragma once
// The log the load benchmarks read: a million full records at 10 ms, with
// changing values so that every scale and sign branch is taken. Records
// carry event codes as the values come (nearly all of them), or, for a log
// like a flight's, none.

#include "tools/loggen/LogFileBuilder.h"

#include <array>
#include <string>

inline constexpr int kRecords = 1000000;

inline std::string MillionRecordLog(bool withEvents = true) {
    LogFileBuilder log;
    log.AddHeaderPage(0x2A17C3E5, {});
    std::array<SensorRecordRaw, LogFileBuilder::kSensorRecordsPerPage> records{};
    std::uint16_t value = 0;
    for (int page = 0; page < kRecords / 5; ++page) {
        for (auto& record : records) {
            value = static_cast<std::uint16_t>(value * 25173u + 13849u);
            record.Roll = record.Pitch = record.Course = value;
            record.AccelerationX = record.AccelerationY = record.AccelerationZ = value;
            record.AngularRateX = record.AngularRateY = record.AngularRateZ = value;
            record.Acceleration100g = record.BaroAltitude = record.PowerVoltage = value;
            record.Event = withEvents ? static_cast<std::uint8_t>(value % 23) : 0;
        }
        log.AddSensorPage(LogFileBuilder::kOneTickRate, records);
    }
    return log.Bytes();
}
