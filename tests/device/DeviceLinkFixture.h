#pragma once
// The device link against the in-process emulator, with the test's thread as
// the GUI thread: it runs the messages and handovers while it waits, and
// every announcement lands as a line in `heard`.

#include "device/link/DeviceAnnouncements.h"
#include "device/link/DeviceLink.h"
#include "device/link/DeviceTransfer.h"
#include "tests/device/MessagePump.h"
#include "tools/emulator/EmulatorSession.h"
#include "ui/core/Thread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

inline std::string ColorText(platform::COLORREF color) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(color));
    return text;
}

// Every announcement as one line: "<where>: <what>".
struct AnnouncementRecorder {
    AnnouncementRecorder() {
        TDeviceAnnouncements& a = DeviceAnnouncements();
        a.MainLog = [this](const std::string& line) { heard.push_back("main log: " + line); };
        a.FirmwareLog = [this](const std::string& line) { heard.push_back("firmware log: " + line); };
        a.LogFilesStatus = Status("log files panel");
        a.FirmwareStatus = Status("firmware panel");
        a.DipStatus = Status("DIP panel");
        a.EnableDeviceSettingsButtons = [this] { heard.push_back("settings buttons on"); };
        a.DisableDeviceSettingsButtons = [this] { heard.push_back("settings buttons off"); };
    }
    ~AnnouncementRecorder() { DeviceAnnouncements() = TDeviceAnnouncements{}; }
    TAnnouncedStatus Status(std::string where) {
        return [this, where](platform::COLORREF color, const std::string& caption) {
            heard.push_back(where + ": " + ColorText(color) + " " + caption);
        };
    }
    std::vector<std::string> heard;
};

struct DeviceLinkFixture : ::testing::Test {
    DeviceLinkFixture() : link(std::make_unique<TDeviceLink>()) {}
    ~DeviceLinkFixture() override {
        link.reset();
        RunMessages();
    }
    ControllerEmulator& Emulator() { return session.Emulator(); }
    // Lets the controller take in the plugged devices, then ticks the search
    // timer until a device is current in `mode`.
    bool Connect(std::int32_t mode) {
        return RunMessagesUntil([&] {
            link->tmrFindDeviceTimer();
            return TransferMode() == mode;
        });
    }
    bool Disconnected() {
        return RunMessagesUntil([] { return CurrentDevice() == nullptr; });
    }
    EmulatorSession session;
    AnnouncementRecorder recorder;
    std::unique_ptr<TDeviceLink> link;
};
