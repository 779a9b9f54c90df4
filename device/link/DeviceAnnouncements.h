#pragma once
// What the device link tells the windows: each window attaches handlers for
// what it shows (the main window's log, the status panels of the log-file,
// firmware and DIP windows, the firmware window's log, the single-stage
// window's device buttons). Handlers always run on the GUI thread: at once
// when the link speaks there, queued in order when a worker speaks.

#include "platform/gdi/GdiTypes.h"

#include <functional>
#include <string>

constexpr platform::COLORREF kDeviceConnectedColor = 0x8000;  // green
constexpr platform::COLORREF kDeviceDisconnectedColor = 0xFF;  // red
constexpr const char* kDeviceConnectedCaption = "Устройство подключено";
constexpr const char* kDeviceDisconnectedCaption = "Устройство не подключено";

using TAnnouncedLine = std::function<void(const std::string& Line)>;
using TAnnouncedStatus = std::function<void(platform::COLORREF Color, const std::string& Caption)>;
using TAnnouncedSwitch = std::function<void()>;

struct TDeviceAnnouncements {
    TAnnouncedLine MainLog;         // the main window's text log skMemo1
    TAnnouncedLine FirmwareLog;     // the firmware window's Memo1
    TAnnouncedStatus LogFilesStatus;  // panDevState of the log-file window
    TAnnouncedStatus FirmwareStatus;  // panDevState3 of the firmware window
    TAnnouncedStatus DipStatus;       // Panel1 of the DIP settings window
    TAnnouncedSwitch EnableDeviceSettingsButtons;
    TAnnouncedSwitch DisableDeviceSettingsButtons;
};

// The one set of handlers; attach and detach on the GUI thread.
TDeviceAnnouncements& DeviceAnnouncements();

// Runs the call on the GUI thread: at once there, else queued in order.
void AnnounceOnGuiThread(std::function<void()> call);

// Calls the handler in `slot` on the GUI thread, as it is set when it runs.
template <class Slot, class... Args>
void Announce(Slot TDeviceAnnouncements::*slot, Args... args) {
    AnnounceOnGuiThread([slot, args...] {
        const Slot& handler = DeviceAnnouncements().*slot;
        if (handler) handler(args...);
    });
}
