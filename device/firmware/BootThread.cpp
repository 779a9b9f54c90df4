#include "device/firmware/BootThread.h"

#include "device/firmware/FirmwareImage.h"
#include "device/link/DeviceLink.h"
#include "device/link/DeviceTransfer.h"
#include "device/link/DeviceWorkers.h"
#include "platform/system/Clock.h"
#include "ui/core/Rounding.h"
#include "ui/core/ScopeGuards.h"

#include <algorithm>
#include <cstdio>

std::atomic<std::int32_t> BootJob{0};
std::atomic<bool> BootBusy{false};
std::atomic<bool> BootStop{false};
std::atomic<bool> UpdateSucceeded{false};
std::atomic<bool> ConnectChecked{false};

namespace {

constexpr std::uint64_t kConnectLimitMs = 20000;
constexpr std::uint32_t kBlockSize = 32;
constexpr int kTries = 3;
const std::string kHyphens(34, '-');
constexpr const char* kUpdateFailed = "Ошибка обновления прошивки";

std::string Hex8(std::uint32_t value) {
    char text[9];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(value));
    return text;
}

}  // namespace

TFirmwareSnapshot TFirmwareSnapshot::OfLoadedFirmware() {
    TFirmwareSnapshot snapshot;
    snapshot.Size = std::min<std::uint32_t>(FirmwareSize, FirmwareImageCapacity);
    snapshot.Checksum = FirmwareChecksum;
    std::size_t blocks = (snapshot.Size + kBlockSize - 1) / kBlockSize;
    snapshot.Image.assign(blocks * kBlockSize, 0xFF);
    std::copy_n(FirmwareImage.begin(), std::min(snapshot.Image.size(), FirmwareImage.size()), snapshot.Image.begin());
    return snapshot;
}

TBootThread::TBootThread(std::weak_ptr<TBootView> view, TFirmwareSnapshot firmware)
    : view_(std::move(view)), firmware_(std::move(firmware)) {}

void TBootThread::ToWindow(std::function<void(TBootView&)> show) {
    Queue([view = view_, show = std::move(show)] {
        if (auto shown = view.lock()) show(*shown);
    });
}

void TBootThread::Memo(const std::string& line) {
    ToWindow([line](TBootView& view) { view.AddMemoLine(line); });
}

void TBootThread::Status(const std::string& text) {
    ToWindow([text](TBootView& view) { view.SetStatus(text); });
}

void TBootThread::Gauge(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (percent == shownGauge_) return;
    shownGauge_ = percent;
    ToWindow([percent](TBootView& view) { view.SetGauge(percent); });
}

void TBootThread::Uncheck() {
    ConnectChecked = false;
    ToWindow([](TBootView& view) { view.SetConnectChecked(false); });
}

void TBootThread::Execute() {
    // However the job ends, even when telling why fails as well, the window may start the next.
    ScopeExit jobEnded([] { BootBusy = false; });
    try {
        if (BootJob == bjUpdate) Update();
        else if (BootJob == bjConnect) Connect();
    } catch (const std::exception& error) {
        // One handover, so the line and the status arrive together or not at all.
        ToWindow([line = std::string("Ошибка: ") + error.what()](TBootView& view) {
            view.AddMemoLine(line);
            view.SetStatus(kUpdateFailed);
        });
    } catch (...) {
        Status(kUpdateFailed);
    }
    if (BootJob == bjConnect && ConnectChecked) Uncheck();
}

void TBootThread::Connect() {
    Memo("Find");
    if (TransferMode() == tmFlightController) SendEnterBootloader();
    std::uint64_t start = platform::GetTickCount64();
    do {
        std::uint64_t elapsed = platform::GetTickCount64() - start;
        Gauge(static_cast<int>(Round(elapsed / 200.0)));
        if (elapsed >= kConnectLimitMs) Uncheck();
        platform::Sleep(10);
        if (TransferMode() == tmBootloader) {
            TDeviceTransaction transaction;
            transaction.SetRequest(DeviceRequest(kLengthSettingsOrBoot, cmdBoot, bootStatus));
            transaction.SendReport();
            if (transaction.WaitForReply(cmdBoot, 200) && transaction.Answer().Sub() == bootStatus) {
                Memo("Подключено!");
                Uncheck();
            }
        }
        if (!ConnectChecked) break;
    } while (!BootStop && !Terminated());
    Gauge(0);
    Memo("Exit2");
}

TBootThread::Reply TBootThread::Ask(const DeviceRequest& request, std::uint8_t sub, std::uint32_t waitMs) {
    TDeviceTransaction transaction;
    transaction.SetRequest(request);
    transaction.SendReport();
    if (!transaction.WaitForReply(cmdBoot, waitMs)) return Reply::TimedOut;
    answerData_ = transaction.Answer().Data(0);
    return transaction.Answer().Sub() == sub ? Reply::Accepted : Reply::Wrong;
}

void TBootThread::Fail(const std::string& line) {
    Memo(line);
    Status(kUpdateFailed);
}

bool TBootThread::Phase(int phase, const DeviceRequest& request, std::uint8_t sub, std::uint32_t waitMs,
                        const std::string& repeatLine, Reply& reply) {
    const std::string number = " (" + std::to_string(phase) + ")";
    for (int tries = 0;; ++tries) {
        if (!Terminated()) reply = Ask(request, sub, waitMs);
        // Told to stop: between two requests, never halfway through one.
        if (Terminated()) {
            reply = Reply::TimedOut;
            Fail("Обновление прервано" + number);
            return false;
        }
        if (reply == Reply::Accepted) return true;
        if (reply == Reply::Wrong) {
            Fail("Не верный ответ!" + number);
            return false;
        }
        if (tries + 1 >= kTries) {
            Fail("Устройство не отвечает!" + number);
            return false;
        }
        if (!repeatLine.empty()) Memo(repeatLine + number);
    }
}

void TBootThread::Finish() {
    Gauge(100);
    Memo(kHyphens);
    platform::Sleep(500);
    Gauge(0);
}

void TBootThread::Update() {
    Reply reply;
    // 1. Status.
    Memo(kHyphens);
    Memo("> Запрос статуса!");
    Status("Запрос статуса");
    shownGauge_ = -1;
    Gauge(0);
    UpdateSucceeded = false;
    if (!Phase(1, DeviceRequest(kLengthSettingsOrBoot, cmdBoot, bootStatus), bootStatus, 200, "", reply)) return;

    // 2. Erase.
    Gauge(1);
    Memo("> Очистка памяти");
    Status("Очистка памяти");
    if (!Phase(2, DeviceRequest(kLengthSettingsOrBoot, cmdBoot, bootErase).Byte(0xFF), bootErase, 5000, "", reply))
        return;
    Memo("Память успешно очищена!");

    // 3. Data, block by block.
    const std::uint32_t blocks = (firmware_.Size + kBlockSize - 1) / kBlockSize;
    Gauge(2);
    Memo("> Передача данных");
    Memo("  Блоков:" + std::to_string(blocks));
    Status("Загрузка прошивки");
    std::uint8_t sequence = 0;
    for (std::uint32_t b = 0; b < blocks; ++b) {
        DeviceRequest request(kLengthSettingsOrBoot, cmdBoot, bootData);
        request.Word16(b).Byte(b + 1 == blocks ? 7 : sequence).Bytes(&firmware_.Image[b * kBlockSize], kBlockSize);
        if (!Phase(3, request, bootData, 500, "Повторний пакет!", reply)) return;
        sequence = (sequence + 1) & 7;
        Gauge(static_cast<int>(Round(b * 96.0 / blocks + 2)));
    }

    // 4. Checksum.
    Memo("> Проверка контрольной суммы");
    Status("Проверка контрольной суммы");
    {
        DeviceRequest request(kLengthSettingsOrBoot, cmdBoot, bootChecksum);
        request.Word24(firmware_.Size).Word32(firmware_.Checksum);
        if (!Phase(4, request, bootChecksum, 1000, "Повторний пакет!", reply)) return;
    }
    if (answerData_ != 1) {
        Fail(">>> Контрольная сумма не совпала!");
        return;
    }
    Memo(">>> Контрольная сумма совпала!");

    // 5. Apply.
    Gauge(99);
    Memo("> Обновление программы");
    Status("Обновление прошивки");
    if (!Phase(5, DeviceRequest(kLengthSettingsOrBoot, cmdBoot, bootApply), bootApply, 15000, "Повторний пакет!",
               reply)) {
        if (reply == Reply::Wrong) Finish();
        return;
    }
    if (answerData_ == 1) {
        Memo(">>> Прошивка успешно обновлена!");
        Status("Прошивка успешно обновлена");
        UpdateSucceeded = true;
    } else {
        Fail(">>> Ошибка обновления прошивки!");
    }
    Finish();
}

bool StartBootJob(std::int32_t job, std::weak_ptr<TBootView> view, TFirmwareSnapshot firmware) {
    if (BootBusy.exchange(true)) return false;
    BootJob = job;
    if (job == bjConnect) BootStop = false;
    // A worker that could not start leaves the job free for the next click.
    ScopeExit freeOnFailure([] { BootBusy = false; });
    TDeviceWorkerKind kind = job == bjUpdate ? TDeviceWorkerKind::FirmwareUpdate : TDeviceWorkerKind::FirmwareConnect;
    if (!StartDeviceWorker(std::make_unique<TBootThread>(std::move(view), std::move(firmware)), kind)) return false;
    freeOnFailure.Dismiss();
    return true;
}

void BootConnectClick(const std::shared_ptr<TBootView>& view) {
    if (ConnectChecked) {
        // A second click: the waiting connect job sees the mark gone and ends.
        ConnectChecked = false;
        view->SetConnectChecked(false);
        return;
    }
    if (BootBusy) return;
    ConnectChecked = true;
    view->SetConnectChecked(true);
    StartBootJob(bjConnect, view);
}

void BootUpdateClick(const std::shared_ptr<TBootView>& view, const std::function<void(const std::string&)>& message) {
    if (!FirmwareLoaded) {
        message("Не выбран файл прошивки!");
        return;
    }
    view->AddMemoLine("DeviceType: " + std::to_string(TransferMode()));
    view->AddMemoLine("FwID: " + Hex8(FirmwareId) + "   " + std::to_string(FirmwareId));
    if (TransferMode() != tmBootloader) return;
    if (FirmwareId != kExpectedFirmwareId) {
        message("Выбран не верный файл прошивки!");
        return;
    }
    if (!BootBusy) StartBootJob(bjUpdate, view, TFirmwareSnapshot::OfLoadedFirmware());
}

void BootLeaveClick() { SendLeaveBootloader(); }

void BootTimerTick(const std::function<bool(const std::string&)>& ask) {
    if (!UpdateSucceeded.exchange(false)) return;
    if (ask("Выйти из загрузчика в основную программу?")) SendLeaveBootloader();
}

void BootWindowClosed() { BootStop = true; }
