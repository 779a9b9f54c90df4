#include "settings/singlestage/EasyThread.h"

#include "device/link/DeviceTransfer.h"
#include "device/link/DeviceWorkers.h"
#include "platform/system/Clock.h"
#include "ui/core/ScopeGuards.h"

#include <algorithm>

std::atomic<std::int32_t> EasyJob{0};
std::atomic<bool> EasyBusy{false};

namespace {

const char* const kReadFailed = "Ошибка чтения настроек!";
const char* const kWriteFailed = "Ошибка записи настроек!";

}  // namespace

std::vector<std::uint8_t> EasyRequestPayload(const std::vector<std::uint8_t>& block) {
    std::vector<std::uint8_t> payload(DeviceRequest::kMostPayload, 0);
    std::copy_n(block.begin(), std::min(block.size(), payload.size()), payload.begin());
    return payload;
}

TcfgEasyThread::TcfgEasyThread(std::weak_ptr<TEasySettingsView> view) : view_(std::move(view)) {}

void TcfgEasyThread::Log(const std::string& line) {
    Synchronize([this, line] {
        if (auto view = view_.lock()) view->AddLogLine(line);
    });
}

void TcfgEasyThread::RunGuiStep() {
    Synchronize([this] {
        ScopeExit done([this] { GuiStep = gsDone; });
        auto view = view_.lock();
        if (!view) return;
        switch (GuiStep) {
            case gsShowBalloon:
                view->ShowStatusBalloon(pendingBalloonOk_, pendingBalloonText_);
                break;
            case gsDecodeBlock1:
            case gsDecodeBlock2:
                view->DecodeBlock(static_cast<std::uint8_t>(GuiStep), received_);
                if (GuiStep == gsDecodeBlock2) view->ShowStatusBalloon(true, "Настройки успешно прочитаны!");
                break;
            case gsEncodeBlock1:
            case gsEncodeBlock2:
                encoded_ = view->EncodeBlock(static_cast<std::uint8_t>(GuiStep - gsEncodeBlock1 + 1));
                break;
        }
    });
}

void TcfgEasyThread::SetPendingBalloon(bool ok, const std::string& text) {
    pendingBalloonOk_ = ok;
    pendingBalloonText_ = "*" + text;
}

void TcfgEasyThread::Fail(const std::string& balloon) {
    SetPendingBalloon(false, balloon);
    GuiStep = gsShowBalloon;
    RunGuiStep();
}

void TcfgEasyThread::Execute() {
    // However the job ends, the window may start the next one.
    ScopeExit jobEnded([] { EasyBusy = false; });
    const std::int32_t job = EasyJob;
    try {
        if (job == ejRead) ReadSettings();
        if (job == ejWrite) WriteSettings();
    } catch (const std::exception& error) {
        Log(std::string("Ошибка: ") + error.what());
        Fail(job == ejRead ? kReadFailed : kWriteFailed);
    }
}

TcfgEasyThread::TTry TcfgEasyThread::ReadTry(std::uint8_t block) {
    TDeviceTransaction transaction;
    const std::vector<std::uint8_t> payload = EasyRequestPayload({});
    transaction.SetRequest(DeviceRequest(kLengthSettingsOrBoot, cmdReadSettings, block).Bytes(payload.data(), payload.size()));
    transaction.SendReport();
    if (!transaction.WaitForReply(cmdReadSettings, kEasyAnswerMs)) return TTry::NoAnswer;
    DeviceAnswer answer = transaction.Answer();
    if (answer.Sub() != block) return TTry::WrongBlock;
    received_.assign(EasyBlockSize(block), 0);
    answer.CopyData(received_.data(), received_.size());
    return TTry::Answered;
}

bool TcfgEasyThread::ReadBlock(std::uint8_t block) {
    const std::string number = std::to_string(block);
    for (int attempt = 1; attempt <= kEasyTries && !Terminated(); ++attempt) {
        switch (ReadTry(block)) {
            case TTry::Answered:
                GuiStep = block == 1 ? gsDecodeBlock1 : gsDecodeBlock2;
                RunGuiStep();
                return true;
            case TTry::WrongBlock:
                Log("Не верный ответ! " + number);
                break;
            case TTry::NoAnswer:
                if (attempt == kEasyTries) Log("Устройство не отвечает! " + number);
                break;
        }
    }
    if (!Terminated()) Fail(kReadFailed);
    return false;
}

void TcfgEasyThread::ReadSettings() {
    Log("ЧТЕНИЕ НАСТРОЕК!");
    if (!ReadBlock(1)) return;
    platform::Sleep(kEasyBetweenBlocksMs);
    ReadBlock(2);
}

bool TcfgEasyThread::Encode(std::uint8_t block) {
    GuiStep = block == 1 ? gsEncodeBlock1 : gsEncodeBlock2;
    RunGuiStep();
    if (encoded_.Ok()) return true;
    Log(encoded_.Error);
    Fail(std::string(kWriteFailed) + "\r" + encoded_.Error);
    return false;
}

TcfgEasyThread::TTry TcfgEasyThread::WriteTry(std::uint8_t block) {
    TDeviceTransaction transaction;
    const std::vector<std::uint8_t> payload = EasyRequestPayload(encoded_.Bytes);
    transaction.SetRequest(DeviceRequest(kLengthSettingsOrBoot, cmdWriteSettings, block).Bytes(payload.data(), payload.size()));
    transaction.SendReport();
    if (!transaction.WaitForReply(cmdWriteSettings, kEasyAnswerMs)) return TTry::NoAnswer;
    return transaction.Answer().Sub() == block ? TTry::Answered : TTry::WrongBlock;
}

bool TcfgEasyThread::WriteBlock(std::uint8_t block) {
    for (int attempt = 1; attempt <= kEasyTries && !Terminated(); ++attempt) {
        // Every try takes the values as the window holds them now.
        if (!Encode(block)) return false;
        platform::Sleep(kEasyBeforeWriteMs);
        switch (WriteTry(block)) {
            case TTry::Answered:
                Log("Блок " + std::to_string(block) + " успешно записан!");
                return true;
            case TTry::WrongBlock:
                Log("Не верный ответ!");
                break;
            case TTry::NoAnswer:
                if (attempt == kEasyTries) Log("Устройство не отвечает!");
                break;
        }
    }
    if (!Terminated()) Fail(kWriteFailed);
    return false;
}

void TcfgEasyThread::WriteSettings() {
    Log("Поток записи запущен");
    // A value that cannot be stored stops the job before anything is sent.
    if (!Encode(1) || !Encode(2)) return;
    if (!WriteBlock(1) || !WriteBlock(2)) return;
    SetPendingBalloon(true, "Настройки успешно записаны!");
    GuiStep = gsShowBalloon;
    RunGuiStep();
}

bool StartEasyJob(std::int32_t job, std::weak_ptr<TEasySettingsView> view) {
    if (EasyBusy) return false;
    EasyJob = job;
    EasyBusy = true;
    if (StartDeviceWorker(std::make_unique<TcfgEasyThread>(std::move(view)), TDeviceWorkerKind::Settings)) return true;
    EasyBusy = false;
    return false;
}
