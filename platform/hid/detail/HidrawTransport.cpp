#include "platform/hid/detail/HidrawTransport.h"

#include "platform/hid/HidReportDescriptor.h"
#include "platform/system/LastError.h"

#include <hidapi.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <unistd.h>

namespace platform {
namespace {

// hidapi's enumeration and start-up are not safe from two threads at once.
std::mutex& HidapiLock() {
    static std::mutex lock;
    return lock;
}

bool StartHidapi() {
    static bool started = hid_init() == 0;
    return started;
}

std::filesystem::path SysfsDevice(const std::string& devicePath) {
    return std::filesystem::path("/sys/class/hidraw") / std::filesystem::path(devicePath).filename() / "device";
}

// The HID bus numbers every device it adds ("0003:VVVV:PPPP.000A"), so the
// number changes when a device is plugged in again.
DWORD InstanceOf(const std::string& devicePath) {
    std::error_code error;
    std::string target = std::filesystem::read_symlink(SysfsDevice(devicePath), error).filename().string();
    auto dot = target.rfind('.');
    if (error || dot == std::string::npos) return 0;
    return static_cast<DWORD>(std::strtoul(target.c_str() + dot + 1, nullptr, 16));
}

HidReportLengths LengthsOf(const std::string& devicePath) {
    std::ifstream in(SysfsDevice(devicePath) / "report_descriptor", std::ios::binary);
    std::vector<std::uint8_t> descriptor((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return ParseHidReportLengths(descriptor.data(), descriptor.size());
}

std::u16string ToUtf16(const wchar_t* text) {
    std::u16string result;
    for (; text && *text; ++text) {
        auto c = static_cast<std::uint32_t>(*text);
        if (c >= 0x10000 && c <= 0x10FFFF) {
            c -= 0x10000;
            result.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            result.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            result.push_back(static_cast<char16_t>(c));
        }
    }
    return result;
}

// A failed call on a node that is gone means the device went away.
DWORD FailureOf(const std::string& devicePath) {
    return ::access(devicePath.c_str(), F_OK) == 0 ? ERROR_GEN_FAILURE : ERROR_DEVICE_NOT_CONNECTED;
}

class HidrawConnection : public HidConnection {
public:
    HidrawConnection(hid_device* device, std::string path, bool numberedReports)
        : device_(device), path_(std::move(path)), numberedReports_(numberedReports) {}
    ~HidrawConnection() override { hid_close(device_); }

    DWORD GetFeature(std::vector<std::uint8_t>& report) override {
        std::lock_guard guard(lock_);
        int got = hid_get_feature_report(device_, report.data(), report.size());
        if (got < 0) return FailureOf(path_);
        std::fill(report.begin() + std::min<std::size_t>(got, report.size()), report.end(), 0);
        return ERROR_SUCCESS;
    }

    DWORD SetFeature(const std::vector<std::uint8_t>& report) override {
        std::lock_guard guard(lock_);
        return hid_send_feature_report(device_, report.data(), report.size()) < 0 ? FailureOf(path_) : ERROR_SUCCESS;
    }

    DWORD WriteOutput(const std::vector<std::uint8_t>& report) override {
        std::lock_guard guard(lock_);
        return hid_write(device_, report.data(), report.size()) < 0 ? FailureOf(path_) : ERROR_SUCCESS;
    }

    // hidapi cannot interrupt a read, so the wait goes in short slices that
    // let feature calls and a cancel in between.
    DWORD ReadInput(std::vector<std::uint8_t>& report, DWORD timeoutMs) override {
        constexpr int kSliceMs = 10;
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        std::vector<std::uint8_t> buffer(report.size());
        for (;;) {
            if (cancelled_.exchange(false)) return ERROR_OPERATION_ABORTED;
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            int slice = static_cast<int>(std::clamp<std::int64_t>(left.count(), 0, kSliceMs));
            int got;
            {
                std::lock_guard guard(lock_);
                got = hid_read_timeout(device_, buffer.data(), buffer.size(), slice);
            }
            if (got < 0) return FailureOf(path_);
            if (got > 0) {
                // Without numbered reports the node gives no ID byte; callers always get one.
                report.clear();
                if (!numberedReports_) report.push_back(0);
                report.insert(report.end(), buffer.begin(), buffer.begin() + got);
                return ERROR_SUCCESS;
            }
            if (slice == 0) return ERROR_TIMEOUT;
        }
    }

    void CancelRead() override { cancelled_ = true; }

private:
    std::mutex lock_;
    hid_device* device_;
    std::string path_;
    bool numberedReports_;
    std::atomic<bool> cancelled_{false};
};

}  // namespace

std::vector<HidDeviceDescription> HidrawTransport::Enumerate() {
    std::vector<HidDeviceDescription> devices;
    {
        std::lock_guard guard(HidapiLock());
        if (!StartHidapi()) return devices;
        hid_device_info* list = hid_enumerate(0, 0);
        for (hid_device_info* info = list; info; info = info->next) {
            HidDeviceDescription device;
            device.path = info->path ? info->path : "";
            device.vendorId = info->vendor_id;
            device.productId = info->product_id;
            device.version = info->release_number;
            device.product = ToUtf16(info->product_string);
            device.usagePage = info->usage_page;
            device.usage = info->usage;
            devices.push_back(std::move(device));
        }
        hid_free_enumeration(list);
    }
    for (HidDeviceDescription& device : devices) {
        device.instance = InstanceOf(device.path);
        HidReportLengths lengths = LengthsOf(device.path);
        device.inputLength = lengths.input;
        device.outputLength = lengths.output;
        device.featureLength = lengths.feature;
    }
    // hidapi lists a node once per top-level usage; the node is one interface.
    std::stable_sort(devices.begin(), devices.end(), [](const auto& a, const auto& b) { return a.path < b.path; });
    devices.erase(std::unique(devices.begin(), devices.end(), [](const auto& a, const auto& b) { return a.path == b.path; }),
                  devices.end());
    return devices;
}

std::unique_ptr<HidConnection> HidrawTransport::Open(const HidDeviceDescription& device, DWORD& error) {
    hid_device* opened = nullptr;
    {
        std::lock_guard guard(HidapiLock());
        if (StartHidapi()) opened = hid_open_path(device.path.c_str());
    }
    if (!opened) {
        error = ::access(device.path.c_str(), R_OK | W_OK) == 0 ? ERROR_GEN_FAILURE : ErrorFromErrno(errno);
        return nullptr;
    }
    error = ERROR_SUCCESS;
    return std::make_unique<HidrawConnection>(opened, device.path, LengthsOf(device.path).numberedReports);
}

}  // namespace platform
