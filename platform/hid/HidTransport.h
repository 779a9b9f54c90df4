#pragma once
// What the HID functions need of a way to reach devices: hidraw, or the
// controller emulator's socket. Internal to the platform layer.

#include "platform/system/Handles.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// What is known of an interface without opening it.
struct HidDeviceDescription {
    std::string path;
    DWORD instance = 0;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t version = 0;
    std::u16string product;
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    // Report lengths with the report ID byte; 0 when the device has none.
    std::uint16_t inputLength = 0;
    std::uint16_t outputLength = 0;
    std::uint16_t featureLength = 0;
};

// One interface opened for reading and writing. Every call is safe from any
// thread; each returns a system error code, 0 on success.
class HidConnection {
public:
    virtual ~HidConnection() = default;
    // `report` comes sized to the feature length with the report ID in byte 0.
    virtual DWORD GetFeature(std::vector<std::uint8_t>& report) = 0;
    // Whole reports of the device's lengths.
    virtual DWORD SetFeature(const std::vector<std::uint8_t>& report) = 0;
    virtual DWORD WriteOutput(const std::vector<std::uint8_t>& report) = 0;
    // The next input report with its report ID in byte 0, waiting up to
    // timeoutMs (0: only what is already there). ERROR_TIMEOUT,
    // ERROR_OPERATION_ABORTED after CancelRead, ERROR_DEVICE_NOT_CONNECTED.
    virtual DWORD ReadInput(std::vector<std::uint8_t>& report, DWORD timeoutMs) = 0;
    // Ends the waiting read, or the next one when none waits.
    virtual void CancelRead() = 0;
};

class HidTransport {
public:
    virtual ~HidTransport() = default;
    virtual std::vector<HidDeviceDescription> Enumerate() = 0;
    virtual std::optional<HidDeviceDescription> Describe(const std::string& path);
    // Null with the error code when the interface cannot be opened for
    // reading and writing.
    virtual std::unique_ptr<HidConnection> Open(const HidDeviceDescription& device, DWORD& error) = 0;
};

// The emulator's when HID_EMULATOR_VARIABLE is set, else hidraw; read at each call.
HidTransport& CurrentHidTransport();

}  // namespace platform
