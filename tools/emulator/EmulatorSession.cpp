#include "tools/emulator/EmulatorSession.h"

#include "platform/hid/Hid.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

EmulatorSession::EmulatorSession() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velzar-emulator-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a folder for the emulator's socket");
    folder_ = pattern;
    emulator_ = std::make_unique<ControllerEmulator>(folder_ + "/hid.sock");
    ::setenv(platform::HID_EMULATOR_VARIABLE, emulator_->SocketPath().c_str(), 1);
}

EmulatorSession::~EmulatorSession() {
    ::unsetenv(platform::HID_EMULATOR_VARIABLE);
    emulator_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}
