#pragma once
// The emulator running in this process on a fresh socket, chosen for the HID
// layer (through VELZAR_HID_EMULATOR) for as long as the session lives.
// For tests; one session at a time.

#include "tools/emulator/ControllerEmulator.h"

#include <memory>
#include <string>

class EmulatorSession {
public:
    EmulatorSession();
    ~EmulatorSession();
    EmulatorSession(const EmulatorSession&) = delete;
    EmulatorSession& operator=(const EmulatorSession&) = delete;

    ControllerEmulator& Emulator() { return *emulator_; }
    // Ends the emulator as if its program stopped; the variable stays set.
    void StopEmulator() { emulator_.reset(); }

private:
    std::string folder_;
    std::unique_ptr<ControllerEmulator> emulator_;
};
