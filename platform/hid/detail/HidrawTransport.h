#pragma once
// Devices on the system's hidraw nodes, through hidapi; report lengths from
// the report descriptor in sysfs.

#include "platform/hid/HidTransport.h"

namespace platform {

class HidrawTransport : public HidTransport {
public:
    std::vector<HidDeviceDescription> Enumerate() override;
    std::unique_ptr<HidConnection> Open(const HidDeviceDescription& device, DWORD& error) override;
};

}  // namespace platform
