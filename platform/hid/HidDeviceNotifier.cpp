#include "platform/hid/HidDeviceNotifier.h"

#include "platform/hid/Hid.h"
#include "platform/hid/HidEmulatorProtocol.h"
#include "platform/hid/HidSocket.h"
#include "platform/hid/HidTransport.h"

#include <libudev.h>
#include <poll.h>

#include <cstdlib>
#include <map>
#include <set>
#include <thread>

namespace platform {

class HidDeviceNotifier::Watcher {
public:
    explicit Watcher(Callback callback) : callback_(std::move(callback)) {
        const char* socketPath = std::getenv(HID_EMULATOR_VARIABLE);
        if (socketPath && *socketPath)
            thread_ = std::thread([this, path = std::string(socketPath)] { WatchEmulator(path); });
        else
            thread_ = std::thread([this] { WatchHidraw(); });
    }

    ~Watcher() {
        stop_.Signal();
        thread_.join();
    }

private:
    static constexpr int kReconnectMs = 200;
    static constexpr int kRescanMs = 1000;

    // True when the stop event came within the time.
    bool StopWithin(int ms) {
        pollfd fd{stop_.Fd(), POLLIN, 0};
        return ::poll(&fd, 1, ms) > 0;
    }

    void Tell(HidDeviceEvent event, const std::string& path) { callback_({event, path}); }

    void WatchEmulator(const std::string& socketPath) {
        std::set<std::string> present;
        do {
            DWORD error = 0;
            HidSocket socket = HidSocket::Connect(socketPath, error);
            if (!socket.IsOpen() || !socket.Send(hidemu::MessageWriter(hidemu::Watch).Message())) continue;
            std::vector<std::uint8_t> message;
            for (;;) {
                HidSocket::Wait wait = socket.Receive(message, -1, &stop_);
                if (wait == HidSocket::Wait::Woken) return;
                if (wait != HidSocket::Wait::Message) break;
                hidemu::MessageReader reader(message);
                std::uint8_t op = reader.U8();
                reader.U32();
                std::string path = reader.Text();
                if (!reader.Ok()) continue;
                if (op == hidemu::Arrival && present.insert(path).second) Tell(HidDeviceEvent::Arrival, path);
                if (op == hidemu::Removal && present.erase(path)) Tell(HidDeviceEvent::Removal, path);
            }
            // The emulator has gone, and its devices with it.
            for (const std::string& path : present) Tell(HidDeviceEvent::Removal, path);
            present.clear();
        } while (!StopWithin(kReconnectMs));
    }

    void WatchHidraw() {
        udev* context = udev_new();
        udev_monitor* monitor = context ? udev_monitor_new_from_netlink(context, "udev") : nullptr;
        bool listening = monitor && udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) >= 0 &&
                         udev_monitor_enable_receiving(monitor) >= 0;
        if (listening)
            ListenToUdev(monitor);
        else
            Rescan();
        if (monitor) udev_monitor_unref(monitor);
        if (context) udev_unref(context);
    }

    void ListenToUdev(udev_monitor* monitor) {
        pollfd fds[2] = {{stop_.Fd(), POLLIN, 0}, {udev_monitor_get_fd(monitor), POLLIN, 0}};
        for (;;) {
            if (::poll(fds, 2, -1) < 0) continue;
            if (fds[0].revents & POLLIN) return;
            if (!(fds[1].revents & POLLIN)) continue;
            udev_device* device = udev_monitor_receive_device(monitor);
            if (!device) continue;
            std::string action = udev_device_get_action(device) ? udev_device_get_action(device) : "";
            const char* node = udev_device_get_devnode(device);
            if (node && action == "add") Tell(HidDeviceEvent::Arrival, node);
            if (node && action == "remove") Tell(HidDeviceEvent::Removal, node);
            udev_device_unref(device);
        }
    }

    // Compares the interfaces present each second; a device plugged in again
    // between two looks shows as a removal and an arrival by its new instance.
    void Rescan() {
        std::map<std::string, DWORD> present;
        do {
            std::map<std::string, DWORD> now;
            for (const HidInterface& found : HidGetInterfaces()) now[found.DevicePath] = found.DeviceID;
            for (const auto& [path, instance] : present) {
                auto still = now.find(path);
                if (still == now.end() || still->second != instance) Tell(HidDeviceEvent::Removal, path);
            }
            for (const auto& [path, instance] : now) {
                auto was = present.find(path);
                if (was == present.end() || was->second != instance) Tell(HidDeviceEvent::Arrival, path);
            }
            present = std::move(now);
        } while (!StopWithin(kRescanMs));
    }

    Callback callback_;
    HidWakeEvent stop_;
    std::thread thread_;
};

HidDeviceNotifier::HidDeviceNotifier(Callback callback) : watcher_(std::make_unique<Watcher>(std::move(callback))) {}

HidDeviceNotifier::~HidDeviceNotifier() = default;

}  // namespace platform
