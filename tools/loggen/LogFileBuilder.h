#pragma once
// Writes flight-log files as the controller does: 256-byte pages, a header
// page first, big-endian values.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// One record of the full kind (50 bytes), raw as the controller stores it.
struct SensorRecordRaw {
    std::uint16_t Roll = 0, Pitch = 0, Course = 0;
    std::uint16_t AccelerationX = 0, AccelerationY = 0, AccelerationZ = 0;
    std::uint16_t AngularRateX = 0, AngularRateY = 0, AngularRateZ = 0;
    std::uint16_t Acceleration100g = 8;  // 8 counts is 0 g
    std::uint16_t BaroAltitude = 0, PowerVoltage = 0;
    std::uint8_t Status = 0, Event = 0;
};

// One record of the short kind (10 bytes).
struct ShortRecordRaw {
    std::uint16_t BaroAltitude = 0, PowerVoltage = 0;
    std::uint8_t Status = 0, Event = 0;
};

inline constexpr std::size_t kEasyBlock1Bytes = 39;
inline constexpr std::size_t kEasyBlock2Bytes = 20;

// The settings snapshot a header page carries.
struct SettingsSnapshot {
    std::array<std::uint8_t, kEasyBlock1Bytes> Block1{};
    std::array<std::uint8_t, kEasyBlock2Bytes> Block2{};
};

class LogFileBuilder {
public:
    static constexpr std::size_t kPageSize = 256;
    static constexpr std::size_t kSensorRecordsPerPage = 5;
    static constexpr std::size_t kShortRecordsPerPage = 25;
    // The rate byte of pages whose records cover one 10 ms tick each.
    static constexpr std::uint8_t kOneTickRate = 1;
    static constexpr std::uint8_t kTenTickRate = 10;

    void AddHeaderPage(std::uint32_t deviceIdentity, const SettingsSnapshot& settings);
    // Up to five records; slots past them stay zero.
    void AddSensorPage(std::uint8_t rate, std::span<const SensorRecordRaw> records);
    // Up to twenty-five records; slots past them stay zero.
    void AddShortPage(std::uint8_t rate, std::span<const ShortRecordRaw> records);
    // A data page with any type byte and otherwise zero.
    void AddPageOfType(std::uint8_t type, std::uint8_t rate);
    // Any bytes, for a truncated tail or a damaged page.
    void AddBytes(std::string_view bytes) { bytes_.append(bytes); }

    const std::string& Bytes() const { return bytes_; }
    std::size_t PageCount() const { return bytes_.size() / kPageSize; }
    // Throws std::runtime_error when the file cannot be written whole.
    void WriteTo(const std::string& fileName) const;

private:
    void Append(const std::array<std::uint8_t, kPageSize>& page);

    std::string bytes_;
};
