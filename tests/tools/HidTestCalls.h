#pragma once
// The HID layer's calls as the tests use them: open, ask, poll.

#include "platform/hid/Hid.h"
#include "platform/system/Files.h"
#include "platform/system/LastError.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using Report = std::vector<std::uint8_t>;

// A handle closed when it goes out of scope.
class HidHandle {
public:
    explicit HidHandle(const std::string& path, platform::DWORD access = platform::GENERIC_READ | platform::GENERIC_WRITE)
        : handle_(platform::HidOpenDevice(path.c_str(), access)), error_(platform::GetLastError()) {}
    ~HidHandle() {
        if (IsOpen()) platform::CloseHandle(handle_);
    }
    HidHandle(const HidHandle&) = delete;
    HidHandle& operator=(const HidHandle&) = delete;
    bool IsOpen() const { return handle_ != platform::INVALID_HANDLE_VALUE; }
    platform::HANDLE Get() const { return handle_; }
    platform::DWORD OpenError() const { return error_; }

private:
    platform::HANDLE handle_;
    platform::DWORD error_;
};

inline std::string ProductOf(platform::HANDLE handle) {
    platform::WCHAR text[127] = {};
    if (!platform::HidD_GetProductString(handle, text, sizeof text)) return "<failed>";
    std::string product;
    for (platform::WCHAR* c = text; *c; ++c) product += static_cast<char>(*c);
    return product;
}

inline platform::HIDP_CAPS CapsOf(platform::HANDLE handle) {
    platform::HIDP_CAPS caps{};
    platform::PHIDP_PREPARSED_DATA data = nullptr;
    if (platform::HidD_GetPreparsedData(handle, &data)) {
        platform::HidP_GetCaps(data, &caps);
        platform::HidD_FreePreparsedData(data);
    }
    return caps;
}

// The path of the first interface with this product string, or empty.
inline std::string PathOfProduct(const std::string& product) {
    for (const platform::HidInterface& found : platform::HidGetInterfaces()) {
        HidHandle handle(found.DevicePath, 0);
        if (handle.IsOpen() && ProductOf(handle.Get()) == product) return found.DevicePath;
    }
    return {};
}

// Report ID 0, then the request frame; zeros up to the report length.
inline Report Request(std::uint8_t command, std::uint8_t sub, const Report& payload = {}, std::uint8_t lengthByte = 0x2A,
                      std::size_t reportLength = 65) {
    Report report(reportLength, 0);
    report[1] = 0x03;
    report[2] = lengthByte;
    report[3] = 0x12;
    report[4] = command;
    report[5] = sub;
    for (std::size_t i = 0; i < payload.size() && 6 + i < reportLength; ++i) report[6 + i] = payload[i];
    return report;
}

inline bool Send(platform::HANDLE handle, const Report& report) {
    return platform::HidD_SetFeature(handle, report.data(), static_cast<platform::ULONG>(report.size()));
}

inline Report GetFeature(platform::HANDLE handle, std::size_t length = 65) {
    Report report(length, 0);
    if (!platform::HidD_GetFeature(handle, report.data(), static_cast<platform::ULONG>(report.size()))) return {};
    return report;
}

// Checks every 5 ms until `done` holds or the time is up; true when it held.
// For what another thread (the emulator, a reader) brings about.
template <class Condition>
bool WaitUntil(Condition done, int timeoutMs = 2000) {
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Polls until an answer with the command code at byte 3 comes.
inline std::optional<Report> PollAnswer(platform::HANDLE handle, std::uint8_t command, int timeoutMs = 1000) {
    Report report;
    if (!WaitUntil([&] {
            report = GetFeature(handle);
            return report.size() > 3 && report[3] == command;
        }, timeoutMs))
        return std::nullopt;
    return report;
}

// Sends the request and polls for its answer.
inline std::optional<Report> Ask(platform::HANDLE handle, const Report& request, int timeoutMs = 1000) {
    if (!Send(handle, request)) return std::nullopt;
    return PollAnswer(handle, request[4], timeoutMs);
}

inline std::uint32_t BigEndian(const Report& report, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | report.at(at + i);
    return v;
}
