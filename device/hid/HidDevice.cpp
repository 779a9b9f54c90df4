#include "device/hid/HidDevice.h"

#include "device/hid/HidDeviceReadThread.h"
#include "platform/system/Files.h"
#include "platform/system/LastError.h"

#include <algorithm>

namespace {

constexpr std::size_t kProductStringChars = 254;

std::atomic<int> liveDevices{0};

bool Fail(std::uint32_t error) {
    platform::SetLastError(error);
    return false;
}

}  // namespace

THidDevice::THidDevice(std::unique_ptr<THidPnPInfo> pnpInfo, THidDeviceController* controller, THidDeviceHandlers handlers)
    : pnpInfo_(std::move(pnpInfo)),
      controller_(controller),
      onData_(std::move(handlers.OnData)),
      onDataError_(std::move(handlers.OnDataError)),
      onUnplug_(std::move(handlers.OnUnplug)) {
    std::lock_guard guard(syncLock_);
    if (!OpenSyncHandleLocked()) throw EControllerError("device cannot be opened");
    attributes_.Size = sizeof(platform::HIDD_ATTRIBUTES);
    bool identified = platform::HidD_GetAttributes(syncHandle_, &attributes_);
    CloseSyncHandleLocked();
    creating_ = false;
    if (!identified) throw EControllerError("device cannot be identified");
    ++liveDevices;
}

int THidDevice::LiveCount() { return liveDevices; }

THidDevice::~THidDevice() {
    --liveDevices;
    onUnplug_ = nullptr;
    onDataError_ = nullptr;
    SetDataHandler(nullptr);
    CloseHandles();
}

bool THidDevice::OpenSyncHandleLocked() {
    if (syncHandle_ != platform::INVALID_HANDLE_VALUE) return true;
    if (!Accessible()) return Fail(platform::ERROR_DEVICE_NOT_CONNECTED);
    const char* path = pnpInfo_->DevicePath.c_str();
    syncHandle_ = platform::HidOpenDevice(path, platform::GENERIC_READ | platform::GENERIC_WRITE);
    bool readWrite = syncHandle_ != platform::INVALID_HANDLE_VALUE;
    if (!readWrite) syncHandle_ = platform::HidOpenDevice(path, 0);
    if (syncHandle_ == platform::INVALID_HANDLE_VALUE) return false;
    if (creating_) openedReadWrite_ = readWrite;
    if (wantedInputBuffers_ != 0 && platform::HidD_SetNumInputBuffers(syncHandle_, wantedInputBuffers_)) {
        platform::ULONG count = 0;
        if (platform::HidD_GetNumInputBuffers(syncHandle_, &count)) inputBuffers_ = count;
    }
    return true;
}

void THidDevice::CloseSyncHandleLocked() {
    if (syncHandle_ == platform::INVALID_HANDLE_VALUE) return;
    platform::CloseHandle(syncHandle_);
    syncHandle_ = platform::INVALID_HANDLE_VALUE;
    inputBuffers_ = 0;
}

bool THidDevice::OpenReadHandle() {
    std::lock_guard guard(readLock_);
    if (readHandle_ != platform::INVALID_HANDLE_VALUE) return true;
    if (!Accessible()) return Fail(platform::ERROR_DEVICE_NOT_CONNECTED);
    readHandle_ = platform::HidOpenDevice(pnpInfo_->DevicePath.c_str(), platform::GENERIC_READ | platform::GENERIC_WRITE);
    if (readHandle_ == platform::INVALID_HANDLE_VALUE) return false;
    if (wantedReadBuffers_ != 0 && platform::HidD_SetNumInputBuffers(readHandle_, wantedReadBuffers_)) {
        platform::ULONG count = 0;
        if (platform::HidD_GetNumInputBuffers(readHandle_, &count)) readBuffers_ = count;
    }
    return true;
}

void THidDevice::CloseReadHandle() {
    std::lock_guard guard(readLock_);
    if (readHandle_ == platform::INVALID_HANDLE_VALUE) return;
    // A read waiting on the handle ends now rather than at its time-out.
    platform::HidCancelInputRead(readHandle_);
    platform::CloseHandle(readHandle_);
    readHandle_ = platform::INVALID_HANDLE_VALUE;
    readBuffers_ = 0;
}

void THidDevice::CloseHandles() {
    {
        std::lock_guard guard(syncLock_);
        CloseSyncHandleLocked();
    }
    CloseReadHandle();
}

bool THidDevice::GetCaps(platform::HIDP_CAPS& caps) {
    caps = platform::HIDP_CAPS{};
    std::lock_guard guard(syncLock_);
    if (!haveCaps_) {
        bool wasOpen = syncHandle_ != platform::INVALID_HANDLE_VALUE;
        if (!OpenSyncHandleLocked()) return false;
        platform::PHIDP_PREPARSED_DATA data = nullptr;
        if (platform::HidD_GetPreparsedData(syncHandle_, &data)) {
            haveCaps_ = platform::HidP_GetCaps(data, &caps_) == platform::HIDP_STATUS_SUCCESS;
            platform::HidD_FreePreparsedData(data);
        }
        if (!wasOpen) CloseSyncHandleLocked();
        if (!haveCaps_) return false;
    }
    caps = caps_;
    return true;
}

std::u16string THidDevice::GetProductString() {
    std::lock_guard guard(syncLock_);
    if (!productString_.empty()) return productString_;
    bool wasOpen = syncHandle_ != platform::INVALID_HANDLE_VALUE;
    if (!OpenSyncHandleLocked()) return productString_;
    platform::WCHAR text[kProductStringChars] = {};
    if (platform::HidD_GetProductString(syncHandle_, text, sizeof text))
        productString_.assign(text, std::find(text, text + kProductStringChars, u'\0'));
    if (!wasOpen) CloseSyncHandleLocked();
    return productString_;
}

void THidDevice::SetNumInputBuffers(platform::ULONG count) {
    std::lock_guard guard(syncLock_);
    if (count == inputBuffers_ || !OpenSyncHandleLocked()) return;
    wantedInputBuffers_ = count;
    platform::HidD_SetNumInputBuffers(syncHandle_, count);
    platform::ULONG read = 0;
    if (platform::HidD_GetNumInputBuffers(syncHandle_, &read)) inputBuffers_ = read;
}

void THidDevice::SetNumReadBuffers(platform::ULONG count) {
    if (count == readBuffers_ || !OpenReadHandle()) return;
    std::lock_guard guard(readLock_);
    wantedReadBuffers_ = count;
    platform::HidD_SetNumInputBuffers(readHandle_, count);
    platform::ULONG read = 0;
    if (platform::HidD_GetNumInputBuffers(readHandle_, &read)) readBuffers_ = read;
}

void THidDevice::SetThreadSleepTime(int ms) {
    if (ms >= 10 && ms <= 10000) threadSleepTime_ = ms;
}

bool THidDevice::GetFeature(void* report, platform::ULONG length) {
    std::lock_guard guard(syncLock_);
    return OpenSyncHandleLocked() && platform::HidD_GetFeature(syncHandle_, report, length);
}

bool THidDevice::SetFeature(const void* report, platform::ULONG length) {
    std::lock_guard guard(syncLock_);
    return OpenSyncHandleLocked() && platform::HidD_SetFeature(syncHandle_, report, length);
}

bool THidDevice::WriteOutput(const void* report, platform::DWORD length, platform::DWORD& written) {
    written = 0;
    std::lock_guard guard(syncLock_);
    return OpenSyncHandleLocked() && platform::HidWriteOutput(syncHandle_, report, length, &written);
}

bool THidDevice::ReadInput(void* report, platform::DWORD length, platform::DWORD& read, platform::DWORD timeoutMs) {
    read = 0;
    if (!OpenReadHandle()) return false;
    platform::HANDLE handle;
    {
        std::lock_guard guard(readLock_);
        handle = readHandle_;
    }
    // A handle closed meanwhile fails the read cleanly: the layer keeps its
    // object until the call returns.
    return platform::HidReadInput(handle, report, length, &read, timeoutMs);
}

void THidDevice::SetDataHandler(THidDataEvent handler) {
    if (!handler) StopReadThread();
    onData_ = std::move(handler);
    if (onData_ && isPresent_ && isClaimed_ && openedReadWrite_ && !readThread_) {
        readThread_ = std::make_unique<THidDeviceReadThread>(this);
        readThread_->Start();
    }
}

void THidDevice::StopReadThread() {
    if (!readThread_) return;
    readThread_->Terminate();
    {
        std::lock_guard guard(readLock_);
        if (readHandle_ != platform::INVALID_HANDLE_VALUE) platform::HidCancelInputRead(readHandle_);
    }
    // On the GUI thread WaitFor keeps running the thread's synchronized
    // calls, so a thread waiting to hand over a report cannot hold this up.
    readThread_->WaitFor();
    readThread_.reset();
}

void THidDevice::Unplug() {
    CloseHandles();
    isPresent_ = false;
    THidUnplugEvent handler = std::move(onUnplug_);
    onUnplug_ = nullptr;
    if (handler) handler(this);
}
