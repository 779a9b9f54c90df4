#pragma once
// The list of HID devices present, kept up to date on device-change
// messages, offered to the owner through OnEnumerate, and handed out to the
// program by claiming. Runs on the GUI thread.

#include "device/hid/HidDevice.h"
#include "platform/hid/HidDeviceNotifier.h"
#include "platform/window/WindowMessages.h"
#include "ui/core/Component.h"
#include "ui/core/Events.h"

#include <memory>
#include <vector>

// Offered device and its list index; false stops the walk.
using THidEnumerateEvent = std::function<bool(THidDevice* HidDev, int Idx)>;

class THidDeviceController : public TComponent {
    DECLARE_CLASS_INFO
public:
    // Makes the hidden window and posts it a device change (lParam -1), so
    // the first list is built once the message loop runs.
    explicit THidDeviceController(TComponent* owner);
    // Clears the events; a claimed device gets its unplug handling, then
    // every device is freed.
    ~THidDeviceController() override;

    // Rebuilds the list from the interfaces present.
    void DeviceChange();
    // Offers every plugged-in device to OnEnumerate in list order; gives how
    // many were offered.
    int EnumerateDevices();
    // A device inside the list and not yet claimed: claims it, starts its
    // read thread when it has a data handler.
    bool ClaimByIndex(THidDevice*& HidDev, int Idx);
    // The program lets a claimed device go. One that is unplugged leaves the
    // list and is freed: at once, or, from inside a walk of the list (its
    // unplug handler during a device change), when the walk drops it.
    void Unclaim(THidDevice* HidDev);

    int Count() const { return static_cast<int>(list_.size()); }
    THidDevice* Devices(int index) const { return list_.at(index).get(); }
    platform::HWND WindowHandle() const { return window_; }

    const THidEnumerateEvent& OnEnumerate() const { return onEnumerate_; }
    void SetOnEnumerate(THidEnumerateEvent handler) { onEnumerate_ = std::move(handler); }
    const THidUnplugEvent& OnDeviceUnplug() const { return onDeviceUnplug_; }
    void SetOnDeviceUnplug(THidUnplugEvent handler);
    const THidDataEvent& OnDeviceData() const { return onDeviceData_; }
    void SetOnDeviceData(THidDataEvent handler);
    const THidDataErrorEvent& OnDeviceDataError() const { return onDeviceDataError_; }
    void SetOnDeviceDataError(THidDataErrorEvent handler);
    const TNotifyEvent& OnDeviceChange() const { return onDeviceChange_; }
    // Also rebuilds the list, unless the component is being loaded.
    void SetOnDeviceChange(TNotifyEvent handler);
    THidUnplugEvent OnArrival;
    THidUnplugEvent OnRemoval;

    int DevThreadSleepTime() const { return devThreadSleepTime_; }
    void SetDevThreadSleepTime(int ms);

private:
    static platform::LRESULT WindowProcedure(platform::HWND window, platform::UINT message, platform::WPARAM wParam,
                                             platform::LPARAM lParam);
    THidDeviceHandlers HandlersForDevice() const;

    std::vector<std::unique_ptr<THidDevice>> list_;
    int devThreadSleepTime_ = 100;
    platform::HWND window_ = nullptr;
    bool inDeviceChange_ = false;
    // Set while the list is walked (a change, the destructor): Unclaim leaves it to the walk.
    bool walkingList_ = false;
    platform::LPARAM lastChangeParam_ = 0;
    // Turns arrivals and removals into device-change messages to the window.
    std::unique_ptr<platform::HidDeviceNotifier> notifier_;

    THidEnumerateEvent onEnumerate_;
    THidUnplugEvent onDeviceUnplug_;
    THidDataEvent onDeviceData_;
    THidDataErrorEvent onDeviceDataError_;
    TNotifyEvent onDeviceChange_;
};
