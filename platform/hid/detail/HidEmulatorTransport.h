#pragma once
// Devices of the controller emulator, reached through its packet socket.

#include "platform/hid/HidTransport.h"

namespace platform {

class HidEmulatorTransport : public HidTransport {
public:
    explicit HidEmulatorTransport(std::string socketPath) : socketPath_(std::move(socketPath)) {}
    // Empty when the emulator is not running.
    std::vector<HidDeviceDescription> Enumerate() override;
    std::unique_ptr<HidConnection> Open(const HidDeviceDescription& device, DWORD& error) override;

private:
    std::string socketPath_;
};

}  // namespace platform
