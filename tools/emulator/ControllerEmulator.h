#pragma once
// The controller emulator: serves emulated devices to the HID layer through a
// packet socket, and lets its owner plug and unplug them, switch their kind
// and set their memories and faults while they run. Used in-process by tests
// and by the velzar-emulator program.

#include "tools/emulator/EmulatedDevice.h"

#include "platform/hid/HidSocket.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class ControllerEmulator {
public:
    // Starts serving at the socket path; throws std::runtime_error when the
    // socket cannot be made.
    explicit ControllerEmulator(std::string socketPath);
    // Unplugs everything, ends every connection and removes the socket.
    ~ControllerEmulator();
    ControllerEmulator(const ControllerEmulator&) = delete;
    ControllerEmulator& operator=(const ControllerEmulator&) = delete;

    const std::string& SocketPath() const { return socketPath_; }

    // A new device, plugged in unless told otherwise; gives its number.
    int AddDevice(DeviceKind kind, bool plugged = true);
    int DeviceCount() const;

    void Plug(int device);
    void Unplug(int device);
    bool IsPlugged(int device) const;
    // Unplugs the device and plugs it in again as the kind after the delay.
    void Replug(int device, DeviceKind kind, std::uint32_t delayMs);
    // The path the HID layer sees while the device is plugged in; empty otherwise.
    std::string DevicePath(int device) const;

    // Runs `change` on the device under the emulator's lock: set memories,
    // faults or timing, or read what the program wrote.
    template <class Change>
    auto WithDevice(int device, Change change) {
        std::lock_guard guard(lock_);
        return change(SlotAt(device).device);
    }

    struct Connection;
    struct Slot {
        explicit Slot(DeviceKind kind) : device(kind) {}
        EmulatedDevice device;
        bool plugged = false;
        platform::DWORD instance = 0;
        // A switch under way: going at unplugAt, back as replugKind at replugAt.
        std::optional<EmulatedDevice::Clock::time_point> unplugAt;
        std::optional<EmulatedDevice::Clock::time_point> replugAt;
        DeviceKind replugKind = DeviceKind::FlightController;
        std::uint32_t replugDelayMs = 0;
    };

private:
    Slot& SlotAt(int device);
    const Slot& SlotAt(int device) const;
    // Raises std::out_of_range for a device the emulator does not have.
    std::size_t SlotIndex(int device) const;
    void AcceptConnections();
    void Serve(std::shared_ptr<Connection> connection);
    void ServeRequests(Connection& connection);
    void ServeWatch(Connection& connection);
    void RunSchedule();
    // All with the lock held.
    void PlugLocked(Slot& slot);
    void UnplugLocked(Slot& slot);
    void ApplyLocked(Slot& slot, const DeviceAction& action);
    void TellWatchersLocked(bool arrival, platform::DWORD instance, const std::string& path);
    Slot* PluggedSlotLocked(platform::DWORD instance);

    std::string socketPath_;
    mutable std::mutex lock_;
    std::condition_variable scheduleChanged_;
    std::condition_variable connectionsEnded_;
    bool stopping_ = false;
    platform::DWORD nextInstance_ = 1;
    std::vector<std::unique_ptr<Slot>> slots_;
    std::vector<std::shared_ptr<Connection>> connections_;
    int servingThreads_ = 0;
    platform::HidSocket listener_;
    platform::HidWakeEvent stop_;
    std::thread acceptThread_;
    std::thread scheduleThread_;
};
