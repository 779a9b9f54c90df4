#pragma once
// One HID device as the device controller finds it: its interface, its
// attributes, capabilities and product string, feature and output reports,
// and a read thread that hands each input report to the data handler on the
// GUI thread.

#include "platform/hid/Hid.h"
#include "ui/core/Exceptions.h"
#include "ui/core/Object.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

class THidDevice;
class THidDeviceController;
class THidDeviceReadThread;

VELZAR_EXCEPTION(EControllerError, Exception);

// Data: the report ID, then the report without it.
using THidDataEvent =
    std::function<void(THidDevice* HidDev, std::uint8_t ReportID, const std::uint8_t* Data, std::uint32_t Size)>;
using THidDataErrorEvent = std::function<void(THidDevice* HidDev, std::uint32_t Error)>;
using THidUnplugEvent = std::function<void(THidDevice* HidDev)>;

// What the controller learned of a device interface.
class THidPnPInfo : public TObject {
public:
    THidPnPInfo(std::string devicePath, platform::DWORD deviceId)
        : DevicePath(std::move(devicePath)), DeviceID(deviceId) {}
    const std::string DevicePath;
    const platform::DWORD DeviceID;
};

// The handlers a device takes from its controller when it is made.
struct THidDeviceHandlers {
    THidDataEvent OnData;
    THidDataErrorEvent OnDataError;
    THidUnplugEvent OnUnplug;
};

class THidDevice : public TObject {
public:
    // Opens the device (for reading and writing, else for queries only) and
    // reads its attributes; raises EControllerError "device cannot be opened"
    // or "device cannot be identified".
    THidDevice(std::unique_ptr<THidPnPInfo> pnpInfo, THidDeviceController* controller, THidDeviceHandlers handlers);
    // Stops the read thread, closes the handles.
    ~THidDevice() override;

    const THidPnPInfo& PnPInfo() const { return *pnpInfo_; }
    THidDeviceController* Controller() const { return controller_; }
    void DetachFromController() { controller_ = nullptr; }
    bool IsPresent() const { return isPresent_; }
    bool IsClaimed() const { return isClaimed_; }
    bool IsListed() const { return isListed_; }
    void SetClaimed(bool claimed) { isClaimed_ = claimed; }
    void SetListed(bool listed) { isListed_ = listed; }
    // The synchronous handle could be opened for reading and writing.
    bool OpenedReadWrite() const { return openedReadWrite_; }
    const platform::HIDD_ATTRIBUTES& Attributes() const { return attributes_; }

    // Zeroed first; false when the capabilities cannot be had.
    bool GetCaps(platform::HIDP_CAPS& caps);
    // Cached after the first success (up to 254 characters).
    std::u16string GetProductString();
    // Touch the device only when the number differs from the one recorded.
    void SetNumInputBuffers(platform::ULONG count);
    void SetNumReadBuffers(platform::ULONG count);
    platform::ULONG NumInputBuffers() const { return inputBuffers_; }
    platform::ULONG NumReadBuffers() const { return readBuffers_; }
    // Taken only from 10 to 10000 ms.
    void SetThreadSleepTime(int ms);
    int ThreadSleepTime() const { return threadSleepTime_; }

    // On the synchronous handle; false with the system's last error when the
    // device cannot be opened or the call fails. Safe from any thread.
    bool GetFeature(void* report, platform::ULONG length);
    bool SetFeature(const void* report, platform::ULONG length);
    bool WriteOutput(const void* report, platform::DWORD length, platform::DWORD& written);
    // One input report on the read handle, waiting up to timeoutMs.
    bool ReadInput(void* report, platform::DWORD length, platform::DWORD& read, platform::DWORD timeoutMs);

    // A null handler stops the read thread and waits for it; a handler starts
    // it when the device is present, claimed and opened for reading and writing.
    void SetDataHandler(THidDataEvent handler);
    const THidDataEvent& DataHandler() const { return onData_; }
    void SetDataErrorHandler(THidDataErrorEvent handler) { onDataError_ = std::move(handler); }
    const THidDataErrorEvent& DataErrorHandler() const { return onDataError_; }
    void SetUnplugHandler(THidUnplugEvent handler) { onUnplug_ = std::move(handler); }
    const THidUnplugEvent& UnplugHandler() const { return onUnplug_; }
    bool ReadThreadRunning() const { return readThread_ != nullptr; }
    // Device objects alive in the program, to see that none is kept for ever.
    static int LiveCount();

    // The device has gone: handles closed, not present, the unplug handler
    // called once and cleared.
    void Unplug();
    void CloseHandles();

private:
    bool Accessible() const { return isPresent_ && (isClaimed_ || isListed_ || creating_); }
    // With syncLock_ held.
    bool OpenSyncHandleLocked();
    void CloseSyncHandleLocked();
    bool OpenReadHandle();
    void CloseReadHandle();
    void StopReadThread();

    std::unique_ptr<THidPnPInfo> pnpInfo_;
    THidDeviceController* controller_;
    std::atomic<bool> isPresent_{true};
    std::atomic<bool> isClaimed_{false};
    std::atomic<bool> isListed_{false};
    bool creating_ = true;
    bool openedReadWrite_ = false;
    platform::HIDD_ATTRIBUTES attributes_;
    std::u16string productString_;
    bool haveCaps_ = false;
    platform::HIDP_CAPS caps_{};

    // The synchronous handle serves every thread that sends or polls; the
    // lock keeps one thread from closing it under another.
    std::mutex syncLock_;
    platform::HANDLE syncHandle_ = platform::INVALID_HANDLE_VALUE;
    std::mutex readLock_;
    platform::HANDLE readHandle_ = platform::INVALID_HANDLE_VALUE;
    // Wanted by the program, and as the handle reported it (0 once closed).
    platform::ULONG wantedInputBuffers_ = 0, wantedReadBuffers_ = 0;
    std::atomic<platform::ULONG> inputBuffers_{0}, readBuffers_{0};
    std::atomic<int> threadSleepTime_{100};

    THidDataEvent onData_;
    THidDataErrorEvent onDataError_;
    THidUnplugEvent onUnplug_;
    std::unique_ptr<THidDeviceReadThread> readThread_;
};
