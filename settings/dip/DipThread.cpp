#include "settings/dip/DipThread.h"

#include "device/link/DeviceTransfer.h"
#include "device/link/DeviceWorkers.h"
#include "ui/core/ScopeGuards.h"

#include <algorithm>

std::atomic<std::int32_t> DipJob{0};
std::atomic<bool> DipBusy{false};

namespace {

// A request: the frame, then the block from byte 6 and zeros up to the end of
// the buffer, never what an earlier request left there.
DeviceRequest DipRequest(std::uint8_t command, std::uint8_t block, const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> payload(DeviceRequest::kMostPayload, 0);
    std::copy_n(bytes.begin(), std::min(bytes.size(), payload.size()), payload.begin());
    DeviceRequest request(kLengthSettingsOrBoot, command, block);
    request.Bytes(payload.data(), payload.size());
    return request;
}

// No device makes every try go unanswered; a device of another kind is refused.
bool WrongDevice(const TDeviceTransaction& transaction) {
    return transaction.Mode() != tmDip && transaction.Mode() != tmNone;
}

}  // namespace

TcfgDipThread::TcfgDipThread(std::weak_ptr<TDipSettingsView> view) : view_(std::move(view)) {}

void TcfgDipThread::Log(const std::string& line) {
    Synchronize([this, line] {
        if (auto view = view_.lock()) view->AddLogLine(line);
    });
}

void TcfgDipThread::Execute() {
    // However the job ends, the window may start the next one.
    ScopeExit jobEnded([] { DipBusy = false; });
    const std::int32_t job = DipJob;
    try {
        if (job == djRead) ReadDipSettings();
        if (job == djWrite) WriteDipSettings();
    } catch (const std::exception& error) {
        Log(std::string("Ошибка: ") + error.what());
    }
}

template <class Try>
bool TcfgDipThread::TryBlock(Try one) {
    for (int attempt = 1; attempt <= kDipTries && !Terminated(); ++attempt) {
        switch (one()) {
            case TTry::Answered: return true;
            case TTry::WrongBlock: Log(kDipWrongAnswer); break;
            case TTry::NoAnswer:
                if (attempt == kDipTries) Log(kDipNoAnswer);
                break;
            case TTry::WrongDevice: Log(kDipWrongDevice); return false;
        }
    }
    return false;
}

TcfgDipThread::TTry TcfgDipThread::ReadTry(std::uint8_t block) {
    TDeviceTransaction transaction;
    if (WrongDevice(transaction)) return TTry::WrongDevice;
    transaction.SetRequest(DipRequest(cmdReadSettings, block, {}));
    transaction.SendReport();
    if (!transaction.WaitForReply(cmdReadSettings, kDipAnswerMs)) return TTry::NoAnswer;
    const DeviceAnswer answer = transaction.Answer();
    if (answer.Sub() != block) return TTry::WrongBlock;
    received_.assign(DipBlockSize(block), 0);
    answer.CopyData(received_.data(), received_.size());
    return TTry::Answered;
}

void TcfgDipThread::Decode(std::uint8_t block) {
    Synchronize([this, block] {
        if (auto view = view_.lock()) view->DecodeBlock(block, received_);
    });
}

void TcfgDipThread::ReadDipSettings() {
    for (std::uint8_t block = 1; block <= kDipBlockCount; ++block) {
        if (!TryBlock([this, block] { return ReadTry(block); })) return;
        Decode(block);
    }
}

std::vector<std::uint8_t> TcfgDipThread::Encode(std::uint8_t block) {
    TDipEncoding encoded;
    Synchronize([this, block, &encoded] {
        if (auto view = view_.lock()) encoded = view->EncodeBlock(block);
    });
    if (!encoded.Ok()) Log(encoded.Error + " Настройки не записаны.");
    return encoded.Bytes;
}

TcfgDipThread::TTry TcfgDipThread::WriteTry(std::uint8_t block, const std::vector<std::uint8_t>& bytes) {
    TDeviceTransaction transaction;
    if (WrongDevice(transaction)) return TTry::WrongDevice;
    transaction.SetRequest(DipRequest(cmdWriteSettings, block, bytes));
    transaction.SendReport();
    if (!transaction.WaitForReply(cmdWriteSettings, kDipAnswerMs)) return TTry::NoAnswer;
    return transaction.Answer().Sub() == block ? TTry::Answered : TTry::WrongBlock;
}

void TcfgDipThread::WriteDipSettings() {
    Log(kDipWriteStarted);
    // Both blocks are taken from the window before anything is sent, so a
    // value that cannot be sent stops the job with neither block written.
    std::vector<std::uint8_t> blocks[kDipBlockCount];
    for (std::uint8_t block = 1; block <= kDipBlockCount; ++block) {
        blocks[block - 1] = Encode(block);
        if (blocks[block - 1].empty()) return;
    }
    for (std::uint8_t block = 1; block <= kDipBlockCount; ++block) {
        if (!TryBlock([this, block, &blocks] { return WriteTry(block, blocks[block - 1]); })) return;
        Log("Блок " + std::to_string(block) + " успешно записан!");
    }
    Log(kDipWriteEnded);
}

bool StartDipJob(std::int32_t job, std::weak_ptr<TDipSettingsView> view) {
    if (DipBusy) return false;
    DipJob = job;
    DipBusy = true;
    if (StartDeviceWorker(std::make_unique<TcfgDipThread>(std::move(view)), TDeviceWorkerKind::Settings)) return true;
    DipBusy = false;
    return false;
}
