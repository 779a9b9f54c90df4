#include "device/link/DeviceTransfer.h"

#include "common/SystemText.h"
#include "common/TextFormatting.h"
#include "device/hid/HidDevice.h"
#include "device/link/DeviceAnnouncements.h"
#include "device/link/DeviceWorkers.h"
#include "platform/system/Clock.h"
#include "platform/system/LastError.h"
#include "ui/core/Thread.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <vector>

namespace {

using namespace std::chrono_literals;

// Input reports kept for one wait; as many as the device's input buffers.
constexpr std::size_t kMostWaitingReports = 128;
constexpr std::uint32_t kFeaturePollMs = 5;
// Command byte of the report a feature get returns when no answer is new.
constexpr std::uint8_t kIdleCommand = 0;

// The request whose answers are still owed, and how many.
struct OwedAnswers {
    THidDevice* device = nullptr;
    std::array<std::uint8_t, kSendBufferSize> request{};
    int count = 0;
    std::uint64_t lastSentAt = 0;
};

struct LinkState {
    std::recursive_mutex transaction;
    std::atomic<THidDevice*> device{nullptr};
    std::atomic<std::int32_t> mode{tmNone};
    // Touched only under the transaction lock.
    std::array<std::uint8_t, kSendBufferSize> send{};
    std::array<std::uint8_t, kReceiveBufferSize> receive{};
    OwedAnswers owed;

    // Mode-2 answers handed over by OnHidData on the GUI thread.
    std::mutex answerLock;
    std::condition_variable answerCame;
    THidDevice* awaitedDevice = nullptr;  // set from a send until the transaction ends
    std::deque<std::vector<std::uint8_t>> reports;
};

LinkState& Link() {
    static LinkState state;
    return state;
}

// On the GUI thread the workers' handovers keep running while it waits, so a
// worker that hands something over inside its transaction cannot stall it.
void LockTransaction() {
    LinkState& link = Link();
    if (!IsMainThread()) {
        link.transaction.lock();
        return;
    }
    while (!link.transaction.try_lock()) CheckSynchronize(5);
}

void ForgetAwaitedReports() {
    LinkState& link = Link();
    std::lock_guard guard(link.answerLock);
    link.awaitedDevice = nullptr;
    link.reports.clear();
}

std::uint64_t Now() { return platform::GetTickCount64(); }

}  // namespace

THidDevice* CurrentDevice() { return Link().device.load(); }

std::int32_t TransferMode() { return Link().mode.load(); }

void SetCurrentDevice(THidDevice* device, std::int32_t mode) {
    if (!device) mode = tmNone;
    if (mode == tmNone) device = nullptr;
    LinkState& link = Link();
    LockTransaction();
    link.device = device;
    link.mode = mode;
    link.owed = {};
    link.transaction.unlock();
    ForgetAwaitedReports();
}

void DropTransferMode() {
    LinkState& link = Link();
    link.mode = tmNone;
    std::lock_guard guard(link.answerLock);
    link.answerCame.notify_all();
}

TDeviceTransaction::TDeviceTransaction() {
    LockTransaction();
    device_ = Link().device;
    mode_ = device_ ? Link().mode.load() : tmNone;
}

TDeviceTransaction::~TDeviceTransaction() {
    // Input reports that may answer an owed request are kept for the next
    // transaction to take them.
    if (Link().owed.count == 0) ForgetAwaitedReports();
    Link().transaction.unlock();
}

bool TDeviceTransaction::DeviceStillCurrent() const {
    return device_ && mode_ != tmNone && Link().device == device_ && Link().mode == mode_;
}

void TDeviceTransaction::SetRequest(const DeviceRequest& request) { request.WriteTo(Link().send); }

const std::array<std::uint8_t, kSendBufferSize>& TDeviceTransaction::SendBuffer() const { return Link().send; }

const std::array<std::uint8_t, kReceiveBufferSize>& TDeviceTransaction::ReceiveBuffer() const {
    return Link().receive;
}

DeviceAnswer TDeviceTransaction::Answer() const { return DeviceAnswer(Link().receive, mode_); }

void TDeviceTransaction::SendReport() { Send(true); }

void TDeviceTransaction::SendReportWithoutAnswer() { Send(false); }

void TDeviceTransaction::Send(bool answerExpected) {
    if (!DeviceStillCurrent()) return;
    LinkState& link = Link();
    link.send[0] = 0;
    OwedAnswers& owed = link.owed;
    const bool sameRequest = owed.count > 0 && owed.device == device_ && owed.request == link.send;
    if (!sameRequest) WaitOutLateAnswers();
    platform::HIDP_CAPS caps;
    device_->GetCaps(caps);
    bool sent = false;
    switch (mode_) {
        case tmFlightController:
        case tmBootloader:
            sent = device_->SetFeature(link.send.data(),
                                       std::min<platform::ULONG>(caps.FeatureReportByteLength, kSendBufferSize));
            break;
        case tmDip: {
            {
                // Armed before the report leaves, so a quick answer is not lost;
                // an answer to the same request sent before still counts.
                std::lock_guard guard(link.answerLock);
                if (!sameRequest) link.reports.clear();
                link.awaitedDevice = device_;
            }
            platform::DWORD written = 0;
            sent = device_->WriteOutput(link.send.data(),
                                        std::min<platform::DWORD>(caps.OutputReportByteLength, kSendBufferSize), written);
            break;
        }
        default:
            return;
    }
    if (!sent) {
        std::uint32_t code = platform::GetLastError();
        Announce(&TDeviceAnnouncements::MainLog,
                 FormatString("SET FEATURE ERROR: %s (%x)", {SysErrorText(code), code}));
        return;
    }
    if (!answerExpected) return;
    if (!sameRequest) owed = OwedAnswers{device_, link.send, 0, 0};
    ++owed.count;
    owed.lastSentAt = Now();
}

void TDeviceTransaction::WaitOutLateAnswers() {
    OwedAnswers& owed = Link().owed;
    if (owed.device == device_) {
        while (owed.count > 0 && DeviceStillCurrent() && !DeviceWorkersStopping()) {
            bool taken = TakeAnswer();
            if (owed.count == 0 || Now() - owed.lastSentAt > kLateAnswerLimitMs) break;
            if (!taken || mode_ != tmDip) PauseForAnswer();
        }
    }
    owed = {};
}

bool TDeviceTransaction::ReadFeatureReport() {
    if (!device_) return false;
    LinkState& link = Link();
    link.receive[0] = 0;
    platform::HIDP_CAPS caps;
    device_->GetCaps(caps);
    return device_->GetFeature(link.receive.data(),
                               std::min<platform::ULONG>(caps.FeatureReportByteLength, kReceiveBufferSize));
}

bool TDeviceTransaction::Matches(std::uint8_t code, std::optional<std::uint8_t> sub) const {
    DeviceAnswer answer = Answer();
    return answer.Command() == code && (!sub || answer.Sub() == *sub);
}

bool TDeviceTransaction::TakeAnswer() {
    bool taken = false;
    switch (mode_) {
        case tmFlightController:
        case tmBootloader:
            taken = ReadFeatureReport() && Answer().Command() != kIdleCommand;
            break;
        case tmDip:
            taken = TakeInputReport();
            break;
        default:
            return false;
    }
    OwedAnswers& owed = Link().owed;
    if (taken && owed.count > 0) --owed.count;
    return taken;
}

bool TDeviceTransaction::TakeInputReport() {
    LinkState& link = Link();
    std::vector<std::uint8_t> report;
    {
        std::lock_guard guard(link.answerLock);
        if (link.reports.empty()) return false;
        report = std::move(link.reports.front());
        link.reports.pop_front();
    }
    std::copy(report.begin(), report.end(), link.receive.begin());
    return true;
}

void TDeviceTransaction::PauseForAnswer() {
    if (mode_ != tmDip) {
        platform::Sleep(kFeaturePollMs);
        return;
    }
    // Mode-2 answers come through the GUI thread: serve it when waiting there.
    if (IsMainThread()) {
        CheckSynchronize(5);
        return;
    }
    LinkState& link = Link();
    std::unique_lock guard(link.answerLock);
    // Bounded slices: the clock may be a test's virtual clock.
    link.answerCame.wait_for(guard, 10ms, [&] { return !link.reports.empty() || link.mode != mode_; });
}

bool TDeviceTransaction::WaitForReply(std::uint8_t code, std::uint32_t timeoutMs, std::optional<std::uint8_t> sub) {
    if (mode_ != tmFlightController && mode_ != tmBootloader && mode_ != tmDip) return false;
    std::uint64_t start = Now();
    for (;;) {
        if (!DeviceStillCurrent() || DeviceWorkersStopping()) return false;
        bool taken = TakeAnswer();
        if (taken && Matches(code, sub)) return true;
        if (Now() - start > timeoutMs) return false;
        // Another mode-2 report may wait already: look again at once.
        if (!taken || mode_ != tmDip) PauseForAnswer();
    }
}

void OnHidData(THidDevice* HidDev, std::uint8_t, const std::uint8_t* Data, std::uint32_t Size) {
    LinkState& link = Link();
    std::lock_guard guard(link.answerLock);
    if (!HidDev || HidDev != link.awaitedDevice || Size == 0) return;
    link.reports.emplace_back(Data, Data + std::min<std::size_t>(Size, kReceiveBufferSize));
    if (link.reports.size() > kMostWaitingReports) link.reports.pop_front();
    link.answerCame.notify_all();
}

bool AnswerArrived() {
    LinkState& link = Link();
    std::lock_guard guard(link.answerLock);
    return !link.reports.empty();
}
