#pragma once
// Reads a device's input reports and hands each one to its data handler on
// the GUI thread.

#include "ui/core/Thread.h"

#include <cstdint>
#include <vector>

class THidDevice;

class THidDeviceReadThread : public TThread {
public:
    explicit THidDeviceReadThread(THidDevice* device) : Device(device) {}

    THidDevice* const Device;
    // Written by the thread, read after it has ended.
    std::uint32_t NumBytesRead = 0;
    std::uint32_t LastError = 0;

protected:
    void Execute() override;

private:
    // Sized from the device's input report length on every round.
    std::vector<std::uint8_t> buffer_;
};
