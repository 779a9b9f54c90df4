#include "device/hid/HidDeviceReadThread.h"

#include "device/hid/HidDevice.h"
#include "platform/system/Clock.h"
#include "platform/system/LastError.h"

namespace {

// How often a pause between tries looks whether the thread is to stop.
constexpr platform::DWORD kStopCheckMs = 5;

}  // namespace

void THidDeviceReadThread::Execute() {
    while (!Terminated()) {
        platform::HIDP_CAPS caps;
        bool haveCaps = Device->GetCaps(caps);
        buffer_.assign(caps.InputReportByteLength, 0);
        if (haveCaps && buffer_.empty()) platform::SetLastError(platform::ERROR_NOT_SUPPORTED);

        platform::DWORD read = 0;
        bool got = !buffer_.empty() &&
                   Device->ReadInput(buffer_.data(), static_cast<platform::DWORD>(buffer_.size()), read,
                                     static_cast<platform::DWORD>(Device->ThreadSleepTime()));
        if (Terminated()) break;
        if (!got) {
            std::uint32_t error = platform::GetLastError();
            if (error == platform::ERROR_TIMEOUT || error == platform::ERROR_OPERATION_ABORTED) continue;
            LastError = error;
            Synchronize([this, error] {
                if (Device->DataErrorHandler()) Device->DataErrorHandler()(Device, error);
            });
            // A device that cannot be read now is tried again a sleep period
            // later, not at once: a gone device would otherwise spin.
            std::uint64_t until = platform::GetTickCount64() + Device->ThreadSleepTime();
            while (!Terminated() && platform::GetTickCount64() < until) platform::Sleep(kStopCheckMs);
            continue;
        }
        NumBytesRead = read;
        if (read == 0) continue;
        Synchronize([this, read] {
            if (Device->DataHandler()) Device->DataHandler()(Device, buffer_[0], buffer_.data() + 1, read - 1);
        });
    }
}
