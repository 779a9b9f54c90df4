#pragma once
// Text commands that steer a running emulator: plug and unplug, kind,
// memories, timing and faults (the list is in tools/README.md).

#include "tools/emulator/ControllerEmulator.h"

#include <string>

class EmulatorConsole {
public:
    explicit EmulatorConsole(ControllerEmulator& emulator) : emulator_(emulator) {}

    // Runs one command line and gives what to show: "ok", a status, or an
    // error line starting with "error:".
    std::string Run(const std::string& line);

    bool QuitRequested() const { return quit_; }

private:
    ControllerEmulator& emulator_;
    int selected_ = 0;
    bool quit_ = false;
};

// "flight", "dip" or "boot".
bool ParseDeviceKind(const std::string& word, DeviceKind& kind);
