#include "platform/hid/Hid.h"

#include "platform/hid/HidTransport.h"
#include "platform/hid/detail/HidEmulatorTransport.h"
#include "platform/hid/detail/HidrawTransport.h"
#include "platform/system/Files.h"
#include "platform/system/LastError.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>

namespace platform {

struct HidPreparsedData {
    HIDP_CAPS caps;
};

namespace {

constexpr ULONG kDefaultInputBuffers = 32;

// One open handle: what the interface was when opened, and its connection
// when it was opened for reading and writing.
class HidHandleObject : public KernelObject {
public:
    HidHandleObject(HidDeviceDescription device, std::unique_ptr<HidConnection> connection)
        : device_(std::move(device)), connection_(std::move(connection)) {}

    const HidDeviceDescription& Device() const { return device_; }
    HidConnection* Connection() const { return connection_.get(); }

    ULONG InputBuffers() const {
        std::lock_guard guard(lock_);
        return inputBuffers_;
    }
    void SetInputBuffers(ULONG count) {
        std::lock_guard guard(lock_);
        inputBuffers_ = count;
        while (pending_.size() > inputBuffers_) pending_.pop_front();
    }

    // Takes in what has arrived, keeping only the newest reports that fit the
    // buffers, then gives the oldest kept or waits for the next.
    DWORD ReadInput(std::vector<std::uint8_t>& report, DWORD timeoutMs) {
        std::lock_guard readGuard(readLock_);
        for (;;) {
            std::vector<std::uint8_t> arrived(device_.inputLength);
            DWORD error = connection_->ReadInput(arrived, 0);
            if (error == ERROR_TIMEOUT) break;
            if (error != ERROR_SUCCESS) return error;
            std::lock_guard guard(lock_);
            pending_.push_back(std::move(arrived));
            while (pending_.size() > inputBuffers_) pending_.pop_front();
        }
        {
            std::lock_guard guard(lock_);
            if (!pending_.empty()) {
                report = std::move(pending_.front());
                pending_.pop_front();
                return ERROR_SUCCESS;
            }
        }
        report.assign(device_.inputLength, 0);
        return connection_->ReadInput(report, timeoutMs);
    }

private:
    HidDeviceDescription device_;
    std::unique_ptr<HidConnection> connection_;
    mutable std::mutex lock_;
    std::mutex readLock_;
    ULONG inputBuffers_ = kDefaultInputBuffers;
    std::deque<std::vector<std::uint8_t>> pending_;
};

std::shared_ptr<HidHandleObject> HidObject(HANDLE handle) {
    auto object = LookupHandleAs<HidHandleObject>(handle);
    if (!object) SetLastError(ERROR_INVALID_HANDLE);
    return object;
}

// The connection of a handle opened for reading and writing, or null with
// the last error set.
HidConnection* ReadWriteConnection(const std::shared_ptr<HidHandleObject>& object) {
    if (!object) return nullptr;
    if (!object->Connection()) SetLastError(ERROR_ACCESS_DENIED);
    return object->Connection();
}

BOOLEAN Succeeded(DWORD error) {
    if (error == ERROR_SUCCESS) return TRUE;
    SetLastError(error);
    return FALSE;
}

// A whole report of `length` bytes from a caller's buffer: shorter buffers are
// padded with zeros; empty or longer ones are refused.
bool WholeReport(const void* buffer, ULONG bufferLength, std::uint16_t length, std::vector<std::uint8_t>& report) {
    if (!buffer || bufferLength == 0 || length == 0 || bufferLength > length) {
        SetLastError(length == 0 ? ERROR_NOT_SUPPORTED : ERROR_INVALID_PARAMETER);
        return false;
    }
    report.assign(length, 0);
    std::memcpy(report.data(), buffer, bufferLength);
    return true;
}

}  // namespace

std::optional<HidDeviceDescription> HidTransport::Describe(const std::string& path) {
    for (HidDeviceDescription& device : Enumerate())
        if (device.path == path) return std::move(device);
    return std::nullopt;
}

HidTransport& CurrentHidTransport() {
    static std::mutex lock;
    static HidrawTransport hidraw;
    static std::map<std::string, std::unique_ptr<HidEmulatorTransport>> emulators;
    const char* socketPath = std::getenv(HID_EMULATOR_VARIABLE);
    if (!socketPath || !*socketPath) return hidraw;
    std::lock_guard guard(lock);
    auto& emulator = emulators[socketPath];
    if (!emulator) emulator = std::make_unique<HidEmulatorTransport>(socketPath);
    return *emulator;
}

std::vector<HidInterface> HidGetInterfaces() {
    std::vector<HidInterface> interfaces;
    for (const HidDeviceDescription& device : CurrentHidTransport().Enumerate())
        interfaces.push_back({device.path, device.instance});
    return interfaces;
}

HANDLE HidOpenDevice(const char* devicePath, DWORD access) {
    if (!devicePath) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    HidTransport& transport = CurrentHidTransport();
    std::optional<HidDeviceDescription> device = transport.Describe(devicePath);
    if (!device) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    std::unique_ptr<HidConnection> connection;
    if (access & (GENERIC_READ | GENERIC_WRITE)) {
        DWORD error = ERROR_SUCCESS;
        connection = transport.Open(*device, error);
        if (!connection) {
            SetLastError(error);
            return INVALID_HANDLE_VALUE;
        }
    }
    return RegisterHandle(std::make_shared<HidHandleObject>(std::move(*device), std::move(connection)));
}

BOOLEAN HidD_GetAttributes(HANDLE device, HIDD_ATTRIBUTES* attributes) {
    auto object = HidObject(device);
    if (!object) return FALSE;
    if (!attributes) return Succeeded(ERROR_INVALID_PARAMETER);
    attributes->Size = sizeof(HIDD_ATTRIBUTES);
    attributes->VendorID = object->Device().vendorId;
    attributes->ProductID = object->Device().productId;
    attributes->VersionNumber = object->Device().version;
    return TRUE;
}

BOOLEAN HidD_GetProductString(HANDLE device, void* buffer, ULONG bufferLength) {
    auto object = HidObject(device);
    if (!object) return FALSE;
    if (!buffer || bufferLength < sizeof(WCHAR)) return Succeeded(ERROR_INVALID_PARAMETER);
    const std::u16string& product = object->Device().product;
    std::size_t fits = std::min<std::size_t>(product.size(), bufferLength / sizeof(WCHAR) - 1);
    auto* out = static_cast<WCHAR*>(buffer);
    std::copy_n(product.begin(), fits, out);
    out[fits] = 0;
    return TRUE;
}

BOOLEAN HidD_GetPreparsedData(HANDLE device, PHIDP_PREPARSED_DATA* preparsedData) {
    auto object = HidObject(device);
    if (!object) return FALSE;
    if (!preparsedData) return Succeeded(ERROR_INVALID_PARAMETER);
    auto* data = new HidPreparsedData{};
    const HidDeviceDescription& d = object->Device();
    data->caps.Usage = d.usage;
    data->caps.UsagePage = d.usagePage;
    data->caps.InputReportByteLength = d.inputLength;
    data->caps.OutputReportByteLength = d.outputLength;
    data->caps.FeatureReportByteLength = d.featureLength;
    *preparsedData = data;
    return TRUE;
}

BOOLEAN HidD_FreePreparsedData(PHIDP_PREPARSED_DATA preparsedData) {
    if (!preparsedData) return Succeeded(ERROR_INVALID_PARAMETER);
    delete preparsedData;
    return TRUE;
}

NTSTATUS HidP_GetCaps(PHIDP_PREPARSED_DATA preparsedData, HIDP_CAPS* capabilities) {
    if (!preparsedData || !capabilities) return HIDP_STATUS_INVALID_PREPARSED_DATA;
    *capabilities = preparsedData->caps;
    return HIDP_STATUS_SUCCESS;
}

BOOLEAN HidD_SetNumInputBuffers(HANDLE device, ULONG numberBuffers) {
    auto object = HidObject(device);
    if (!object) return FALSE;
    if (numberBuffers < 2 || numberBuffers > HID_MAX_INPUT_BUFFERS) return Succeeded(ERROR_INVALID_PARAMETER);
    object->SetInputBuffers(numberBuffers);
    return TRUE;
}

BOOLEAN HidD_GetNumInputBuffers(HANDLE device, ULONG* numberBuffers) {
    auto object = HidObject(device);
    if (!object) return FALSE;
    if (!numberBuffers) return Succeeded(ERROR_INVALID_PARAMETER);
    *numberBuffers = object->InputBuffers();
    return TRUE;
}

BOOLEAN HidD_GetFeature(HANDLE device, void* reportBuffer, ULONG reportBufferLength) {
    auto object = HidObject(device);
    HidConnection* connection = ReadWriteConnection(object);
    if (!connection) return FALSE;
    std::uint16_t length = object->Device().featureLength;
    if (length == 0) return Succeeded(ERROR_NOT_SUPPORTED);
    if (!reportBuffer || reportBufferLength == 0) return Succeeded(ERROR_INVALID_PARAMETER);
    std::vector<std::uint8_t> report(length, 0);
    report[0] = *static_cast<const std::uint8_t*>(reportBuffer);
    DWORD error = connection->GetFeature(report);
    if (error != ERROR_SUCCESS) return Succeeded(error);
    std::memcpy(reportBuffer, report.data(), std::min<std::size_t>(reportBufferLength, report.size()));
    return TRUE;
}

BOOLEAN HidD_SetFeature(HANDLE device, const void* reportBuffer, ULONG reportBufferLength) {
    auto object = HidObject(device);
    HidConnection* connection = ReadWriteConnection(object);
    if (!connection) return FALSE;
    std::vector<std::uint8_t> report;
    if (!WholeReport(reportBuffer, reportBufferLength, object->Device().featureLength, report)) return FALSE;
    return Succeeded(connection->SetFeature(report));
}

BOOL HidWriteOutput(HANDLE device, const void* reportBuffer, DWORD reportBufferLength, DWORD* written) {
    if (written) *written = 0;
    auto object = HidObject(device);
    HidConnection* connection = ReadWriteConnection(object);
    if (!connection) return FALSE;
    std::vector<std::uint8_t> report;
    if (!WholeReport(reportBuffer, reportBufferLength, object->Device().outputLength, report)) return FALSE;
    if (!Succeeded(connection->WriteOutput(report))) return FALSE;
    if (written) *written = reportBufferLength;
    return TRUE;
}

BOOL HidReadInput(HANDLE device, void* buffer, DWORD bufferLength, DWORD* read, DWORD timeoutMs) {
    if (read) *read = 0;
    auto object = HidObject(device);
    HidConnection* connection = ReadWriteConnection(object);
    if (!connection) return FALSE;
    if (object->Device().inputLength == 0) return Succeeded(ERROR_NOT_SUPPORTED);
    if (!buffer || bufferLength == 0) return Succeeded(ERROR_INVALID_PARAMETER);
    std::vector<std::uint8_t> report;
    DWORD error = object->ReadInput(report, timeoutMs);
    if (error != ERROR_SUCCESS) return Succeeded(error);
    std::size_t copied = std::min<std::size_t>(bufferLength, report.size());
    std::memcpy(buffer, report.data(), copied);
    if (read) *read = static_cast<DWORD>(copied);
    return TRUE;
}

BOOL HidCancelInputRead(HANDLE device) {
    auto object = HidObject(device);
    HidConnection* connection = ReadWriteConnection(object);
    if (!connection) return FALSE;
    connection->CancelRead();
    return TRUE;
}

}  // namespace platform
