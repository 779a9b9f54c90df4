#pragma once
// Arrival and removal of HID interfaces, told as they happen: from udev's
// hidraw events (or a rescan each second where udev gives none), or from the
// controller emulator's plug and unplug. The window system turns the notices
// into device-change messages for the window that asked for them.

#include "platform/system/BasicTypes.h"

#include <functional>
#include <memory>
#include <string>

namespace platform {

// The wParam of the device-change message that says devices came or went.
constexpr WPARAM DBT_DEVNODES_CHANGED = 0x0007;

enum class HidDeviceEvent { Arrival, Removal };

struct HidDeviceNotice {
    HidDeviceEvent event = HidDeviceEvent::Arrival;
    std::string devicePath;
};

class HidDeviceNotifier {
public:
    using Callback = std::function<void(const HidDeviceNotice&)>;

    // Starts watching the transport in use now. The callback runs on the
    // notifier's own thread, one notice at a time in the order they happened;
    // it should only hand the notice on (post a message, fill a queue).
    explicit HidDeviceNotifier(Callback callback);
    // Stops watching; no callback runs once this returns. Must not be called
    // from the callback.
    ~HidDeviceNotifier();
    HidDeviceNotifier(const HidDeviceNotifier&) = delete;
    HidDeviceNotifier& operator=(const HidDeviceNotifier&) = delete;

    class Watcher;

private:
    std::unique_ptr<Watcher> watcher_;
};

}  // namespace platform
