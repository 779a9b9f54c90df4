#pragma once
// Device detection: takes the flight controller, the DIP controller or the
// bootloader that the HID device controller offers, by product string alone,
// makes it the current device with its transfer mode, and announces its
// arrival and removal to the windows. Runs on the GUI thread; the main window
// owns one; its search timer ticks every second from the start.

#include "device/hid/HidDeviceController.h"

#include <memory>
#include <string>

class TDeviceLink {
public:
    // Makes the device controller (`HID`) with OnEnumerate and OnDeviceUnplug
    // set, and starts the search timer (`tmrFindDevice`, 1000 ms).
    TDeviceLink();
    // Release, as the main window's close does.
    ~TDeviceLink();
    TDeviceLink(const TDeviceLink&) = delete;
    TDeviceLink& operator=(const TDeviceLink&) = delete;

    THidDeviceController* HID() const { return hid_.get(); }

    static constexpr unsigned kSearchIntervalMs = 1000;

    // The device's HID product string as 8-bit text.
    static std::string GetProductName(THidDevice* device);
    // The controller's enumeration event: always goes on.
    bool HIDEnumerate(THidDevice* HidDev, int Idx);
    // The controller's unplug event: only the current device's removal counts.
    void HIDDeviceUnplug(THidDevice* HidDev);
    // The search timer's tick: offers the devices while none is current.
    void tmrFindDeviceTimer();
    // Detaches the current device's handler and frees the device controller
    // (whose removal of the claimed device announces it once more).
    void Release();

private:
    static void SearchTimerProc(platform::HWND, platform::UINT, platform::UINT_PTR id, platform::DWORD);
    std::unique_ptr<THidDeviceController> hid_;
    platform::UINT_PTR tmrFindDevice_ = 0;
};

// Worker, flight controller only: the switch to the bootloader, sent twice
// with 50 ms after each; no answer is awaited.
void SendEnterBootloader();
// GUI thread: the bootloader's leave request; no answer is awaited.
void SendLeaveBootloader();
