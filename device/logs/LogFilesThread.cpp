#include "device/logs/LogFilesThread.h"

#include "common/SystemText.h"
#include "common/TextFormatting.h"
#include "device/link/DeviceAnnouncements.h"
#include "device/link/DeviceTransfer.h"
#include "device/link/DeviceWorkers.h"
#include "device/logs/DownloadFolder.h"
#include "platform/system/Clock.h"
#include "platform/system/LastError.h"
#include "ui/core/Exceptions.h"
#include "ui/core/Rounding.h"
#include "ui/core/ScopeGuards.h"

#include <algorithm>
#include <optional>
#include <set>

std::atomic<std::int32_t> LogJob{0};
std::atomic<bool> LogBusy{false};
TLogFileTable LogFileTable;

namespace {

constexpr std::uint32_t kLogInfoWaitMs = 5000;
constexpr std::uint32_t kFileInfoWaitMs = 500;
constexpr std::uint32_t kPacketWaitMs = 100;
constexpr int kMostPacketRetries = 5;  // the sixth time-out in a row ends the download
constexpr std::uint32_t kClearWaitMs = 500;
constexpr std::uint64_t kClearLimitMs = 20000;
constexpr std::uint32_t kPacketSize = 32;
constexpr std::string_view kLogFileExtension = ".log";

std::string WriteError(const std::string& path, std::uint32_t code) {
    if (code == platform::ERROR_FILE_EXISTS)
        return "Ошибка записи файла: " + path + ": файл или ссылка с таким именем уже есть, они оставлены как есть";
    return "Ошибка записи файла: " + path + ": " + SysErrorText(code);
}

// part × 100 / whole, rounded, kept within 0-100; 0 for an empty whole.
int Percent(double part, double whole) {
    if (whole <= 0) return 0;
    return static_cast<int>(std::clamp<std::int64_t>(Round(part * 100 / whole), 0, 100));
}

}  // namespace

std::string LogFileRowCaption(const TLogFileEntry& entry) {
    return "LOG000" + std::to_string(entry.Number) + ".log (" + std::to_string(entry.Size) + ")       ";
}

std::string LogFileDownloadName(std::uint32_t number) {
    return "LOG00" + IntToZeroPaddedText(number, 3) + std::string(kLogFileExtension);
}

std::string LogFileDownloadName(std::uint32_t number, const std::set<std::string>& taken) {
    std::string name = LogFileDownloadName(number);
    if (!taken.count(name)) return name;
    const std::string stem = name.substr(0, name.size() - kLogFileExtension.size());
    for (int copy = 2;; ++copy) {
        name = stem + "_" + std::to_string(copy) + std::string(kLogFileExtension);
        if (!taken.count(name)) return name;
    }
}

TnewThread::TnewThread(std::weak_ptr<TLogFilesView> view, TLogDownloadOrder order)
    : view_(std::move(view)), order_(std::move(order)) {}

void TnewThread::ToWindow(std::function<void(TLogFilesView&)> show) {
    Queue([view = view_, show = std::move(show)] {
        if (auto shown = view.lock()) show(*shown);
    });
}

void TnewThread::Memo(const std::string& line) {
    ToWindow([line](TLogFilesView& view) { view.AddMemoLine(line); });
}

void TnewThread::Progress(int percent) {
    if (percent == shownProgress_) return;
    shownProgress_ = percent;
    ToWindow([percent](TLogFilesView& view) { view.SetProgress(percent); });
}

void TnewThread::Execute() {
    // However the job ends, even when telling why fails as well, the window may start the next.
    ScopeExit jobEnded([] { LogBusy = false; });
    try {
        switch (LogJob) {
            case ljList:
                ListFiles();
                break;
            case ljDownload:
                Download();
                break;
            case ljClear:
                ClearLog();
                break;
        }
    } catch (const std::exception& error) {
        Memo(std::string("Ошибка: ") + error.what());
    } catch (...) {
        Memo("Ошибка");
    }
    ToWindow([](TLogFilesView& view) { view.RefreshGauge(); });
}

void TnewThread::ListFiles() {
    std::size_t count;
    {
        TDeviceTransaction transaction;
        transaction.SetRequest(DeviceRequest(kLengthLogInfo, cmdLog, logInfo));
        transaction.SendReport();
        if (!transaction.WaitForReply(cmdLog, kLogInfoWaitMs, logInfo)) {
            Memo("Log info timeout");
            return;
        }
        DeviceAnswer answer = transaction.Answer();
        count = answer.Data(0);
        double inUse = answer.DataWord24(1) * 256.0;
        int percent = Percent(inUse, answer.DataWord32(5));
        ToWindow([percent](TLogFilesView& view) { view.SetGauge(percent); });
    }
    platform::Sleep(50);
    LogFileTable.Count = 0;
    ToWindow([](TLogFilesView& view) { view.ClearList(); });
    if (count > TLogFileTable::kCapacity) {
        Memo("Файлов в памяти: " + std::to_string(count) + ", показаны первые " +
             std::to_string(TLogFileTable::kCapacity));
        count = TLogFileTable::kCapacity;
    }
    for (std::size_t k = 0; k < count && !Terminated(); ++k) {
        Memo("Read File info: " + std::to_string(k));
        TLogFileEntry entry;
        {
            TDeviceTransaction transaction;
            transaction.SetRequest(
                DeviceRequest(kLengthFileInfoOrClear, cmdLog, logFileInfo).Byte(static_cast<std::uint8_t>(k)));
            transaction.SendReport();
            if (!transaction.WaitForReply(cmdLog, kFileInfoWaitMs, logFileInfo)) {
                Memo("File info timeout");
                return;
            }
            DeviceAnswer answer = transaction.Answer();
            entry.Number = answer.Data(2);
            entry.Size = answer.DataWord24(3) * 256;
        }
        Memo("Files name: LOG000" + std::to_string(entry.Number) + ".log");
        Memo("File size: " + std::to_string(entry.Size));
        std::string caption = LogFileRowCaption(entry);
        ToWindow([caption](TLogFilesView& view) { view.AddListRow(caption); });
        LogFileTable.Entries[k] = entry;
        LogFileTable.Count = k + 1;
        platform::Sleep(50);
    }
    ToWindow([](TLogFilesView& view) { view.RefreshWindow(); });
}

void TnewThread::Download() {
    std::optional<TDownloadFolder> folder;
    // Names written by this download: a second row with the same file number
    // must not replace the first one's file.
    std::set<std::string> written;
    std::uint64_t base = 0;
    std::size_t rows = std::min(order_.Selected.size(), LogFileTable.Count);
    for (std::size_t k = 0; k < rows; ++k) {
        const TLogFileEntry entry = LogFileTable.Entries[k];
        if (order_.Selected[k]) {
            shownProgress_ = -1;
            Progress(0);
            Memo("Начало загрузки файла: " + LogFileRowCaption(entry));
            if (!folder) folder.emplace(order_.Folder);
            if (!folder->IsOpen()) {
                Memo(WriteError(order_.Folder, folder->Error()));
                return;
            }
            std::string name = LogFileDownloadName(entry.Number, written);
            if (name != LogFileDownloadName(entry.Number))
                Memo("Файл с номером " + std::to_string(entry.Number) + " уже загружен, этот сохраняется как " + name);
            if (!DownloadFile(*folder, k, base, entry, name)) {
                Progress(0);
                return;
            }
            written.insert(name);
        }
        base += entry.Size;
    }
    Memo("Загрузка закончена");
    Progress(0);
}

// Written under a temporary name and renamed once whole, so a failed
// download never leaves a file that looks complete (nor spoils an older one).
bool TnewThread::DownloadFile(const TDownloadFolder& folder, std::size_t row, std::uint64_t base,
                              const TLogFileEntry& entry, const std::string& name) {
    TDownloadFile file(folder, name);
    if (!file.IsOpen()) return Failed(WriteError(folder.PathOf(file.PartName()), file.Error()));
    std::uint32_t done = 0;
    int failures = 0;
    while (done < entry.Size) {
        if (Terminated()) return Failed("Загрузка прервана");
        Progress(Percent(done, entry.Size));
        std::uint64_t offset = base + done;
        if (offset > 0xFFFFFFFFu) return Failed("Ошибка загрузки файла");
        platform::Sleep(5);
        std::uint8_t packet[kPacketSize];
        std::size_t taken = 0;
        {
            TDeviceTransaction transaction;
            transaction.SetRequest(DeviceRequest(kLengthLogData, cmdLog, logData)
                                       .Byte(static_cast<std::uint8_t>(row))
                                       .Word32(static_cast<std::uint32_t>(offset)));
            transaction.SendReport();
            platform::Sleep(5);
            if (transaction.WaitForReply(cmdLog, kPacketWaitMs, logData))
                taken = transaction.Answer().CopyData(packet, std::min(kPacketSize, entry.Size - done));
        }
        if (taken == 0) {
            if (Terminated()) return Failed("Загрузка прервана");
            if (failures >= kMostPacketRetries) return Failed("Ошибка загрузки файла");
            ++failures;
            continue;
        }
        if (!file.Write(packet, taken)) return Failed(WriteError(folder.PathOf(name), file.Error()));
        done += static_cast<std::uint32_t>(taken);
        failures = 0;
    }
    if (!file.Commit()) return Failed(WriteError(folder.PathOf(name), file.Error()));
    return true;
}

bool TnewThread::Failed(const std::string& line) {
    Memo(line);
    return false;
}

void TnewThread::ClearLog() {
    // One request, many answers: the whole conversation is one transaction.
    TDeviceTransaction transaction;
    transaction.SetRequest(DeviceRequest(kLengthFileInfoOrClear, cmdLog, logClear));
    transaction.SendReport();
    Progress(0);
    int count = 0;
    std::uint64_t start = platform::GetTickCount64();
    for (;;) {
        if (Terminated()) return;
        if (transaction.WaitForReply(cmdLog, kClearWaitMs, logClear)) {
            if (transaction.Answer().Data(0) == 0) {
                ++count;
                Announce(&TDeviceAnnouncements::MainLog, std::string("Очистка"));
                Progress(static_cast<int>(std::clamp<std::int64_t>(Round(count * 3.33), 0, 100)));
            } else {
                Memo("Лог очищен!");
                Progress(0);
                LogFileTable.Count = 0;
                ToWindow([](TLogFilesView& view) {
                    view.ClearList();
                    view.SetGauge(0);
                });
                return;
            }
        }
        // Without the device no answer can come: no use waiting out the 20 s.
        if (!transaction.DeviceStillCurrent() || platform::GetTickCount64() - start > kClearLimitMs) {
            Memo("Ошибка очистки лога");
            return;
        }
    }
}

bool StartLogJob(std::int32_t job, std::weak_ptr<TLogFilesView> view, TLogDownloadOrder order) {
    if (LogBusy.exchange(true)) return false;
    LogJob = job;
    // A worker that could not start leaves the job free for the next click.
    ScopeExit freeOnFailure([] { LogBusy = false; });
    if (!StartDeviceWorker(std::make_unique<TnewThread>(std::move(view), std::move(order)), TDeviceWorkerKind::LogFiles))
        return false;
    freeOnFailure.Dismiss();
    return true;
}

void LogListClick(const std::shared_ptr<TLogFilesView>& view) { StartLogJob(ljList, view); }

void LogDownloadClick(const std::shared_ptr<TLogFilesView>& view, const std::vector<bool>& selected,
                      const std::function<std::optional<std::string>()>& chooseFolder) {
    if (LogBusy) return;
    if (selected.empty()) {
        view->AddMemoLine("Нет файлов для загрузки!");
        return;
    }
    if (std::find(selected.begin(), selected.end(), true) == selected.end()) {
        view->AddMemoLine("Файлы не выбраны!");
        return;
    }
    std::optional<std::string> folder = chooseFolder();
    if (folder) StartLogJob(ljDownload, view, TLogDownloadOrder{*folder, selected});
}

void LogClearClick(const std::shared_ptr<TLogFilesView>& view, const std::function<bool()>& confirm) {
    if (!LogBusy && confirm()) StartLogJob(ljClear, view);
}
