#include "settings/secondstage/Stage2Thread.h"

#include "device/link/DeviceTransfer.h"
#include "device/link/DeviceWorkers.h"
#include "ui/core/ScopeGuards.h"

#include <vector>

std::atomic<std::int32_t> Stage2Job{0};
std::atomic<bool> Stage2Busy{false};

TcfgThread::TcfgThread(std::weak_ptr<TStage2View> view) : view_(std::move(view)) {}

void TcfgThread::Log(const std::string& line) {
    Synchronize([this, line] {
        if (auto view = view_.lock()) view->AddLogLine(line);
    });
}

TcfgThread::TTry TcfgThread::Try(std::uint8_t command) {
    TDeviceTransaction transaction;
    if (command == cmdReadSettings) {
        transaction.SetRequest(DeviceRequest(kStage2ReadLength, cmdReadSettings, kStage2Block));
    } else {
        // The window encodes none of its values: zeros, whatever the buffer held.
        const std::vector<std::uint8_t> zeros(DeviceRequest::kMostPayload, 0);
        transaction.SetRequest(DeviceRequest(kLengthSettingsOrBoot, cmdWriteSettings, kStage2Block).Bytes(zeros.data(), zeros.size()));
    }
    transaction.SendReport();
    if (!transaction.WaitForReply(command, kStage2AnswerMs)) return TTry::NoAnswer;
    return transaction.Answer().Sub() == kStage2Block ? TTry::Answered : TTry::WrongBlock;
}

void TcfgThread::ReadStage2Settings() {
    for (int pass = 0; pass < kStage2Tries && !Terminated(); ++pass) {
        switch (Try(cmdReadSettings)) {
            case TTry::Answered: break;
            case TTry::WrongBlock: Log("Bad command!!!"); break;
            case TTry::NoAnswer: Log("Time out!!!"); break;
        }
    }
}

void TcfgThread::WriteStage2Settings() {
    for (int attempt = 0; attempt < kStage2Tries && !Terminated(); ++attempt) {
        switch (Try(cmdWriteSettings)) {
            case TTry::Answered: Log("Подтверждение активный участок подъема"); return;
            case TTry::WrongBlock: Log("Bad command!!!"); break;
            case TTry::NoAnswer: Log("Time out!!!"); break;
        }
    }
}

void TcfgThread::Execute() {
    ScopeExit jobEnded([] { Stage2Busy = false; });
    const std::int32_t job = Stage2Job;
    if (job == s2Read) ReadStage2Settings();
    if (job == s2Write) WriteStage2Settings();
}

bool StartStage2Job(std::int32_t job, std::weak_ptr<TStage2View> view) {
    if (Stage2Busy) return false;
    Stage2Job = job;
    Stage2Busy = true;
    if (StartDeviceWorker(std::make_unique<TcfgThread>(std::move(view)), TDeviceWorkerKind::Settings)) return true;
    Stage2Busy = false;
    return false;
}
