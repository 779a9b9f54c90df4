#pragma once
// The settings exchange tests' one emulated controller: its settings blocks,
// the faults it is told to make and the requests it has heard.

#include "tests/device/DeviceLinkFixture.h"

#include <cstdint>
#include <optional>
#include <vector>

struct SettingsExchangeFixture : DeviceLinkFixture {
    using Bytes = std::vector<std::uint8_t>;

    Bytes DeviceBlock(std::uint8_t block) {
        return Emulator().WithDevice(device, [&](EmulatedDevice& d) { return d.settingsBlocks[block]; });
    }
    void SetDeviceBlock(std::uint8_t block, const Bytes& bytes) {
        Emulator().WithDevice(device, [&](EmulatedDevice& d) { d.settingsBlocks[block] = bytes; });
    }
    // `count` times (-1: for ever), after `after` good answers, `ms` late where the kind is slow.
    void Fault(FaultKind kind, std::uint8_t command, std::optional<std::uint8_t> block, int count = -1, int after = 0,
               std::uint32_t ms = 0) {
        Emulator().WithDevice(device, [&](EmulatedDevice& d) { d.AddFault(FaultRule{kind, count, command, block, ms, after}); });
    }
    int Requests() {
        return Emulator().WithDevice(device, [](EmulatedDevice& d) { return d.RequestCount(); });
    }

    int device = 0;
};
