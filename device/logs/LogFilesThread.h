#pragma once
// The log-file window's worker: lists the flight-log files in the
// controller's memory, downloads the chosen ones into a folder, clears the
// memory. One job at a time (LogBusy); the window's controls are reached
// only through TLogFilesView, on the GUI thread.

#include "ui/core/Thread.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

// LogJob values.
constexpr std::int32_t ljList = 1;
constexpr std::int32_t ljDownload = 2;
constexpr std::int32_t ljClear = 3;

extern std::atomic<std::int32_t> LogJob;
// Set by the window before a worker starts, cleared by the worker however its job ends.
extern std::atomic<bool> LogBusy;

struct TLogFileEntry {
    std::uint32_t Number = 0;
    std::uint32_t Size = 0;  // bytes
};

// LogFileTable: one entry per list row, in row order; written by the list
// job, read by the download (never both at once: LogBusy).
struct TLogFileTable {
    static constexpr std::size_t kCapacity = 33;
    std::array<TLogFileEntry, kCapacity> Entries{};
    std::size_t Count = 0;
};
extern TLogFileTable LogFileTable;

// "LOG000" + number + ".log (" + size + ")       ": the list row's caption.
std::string LogFileRowCaption(const TLogFileEntry& entry);
// "LOG00" + number with at least three digits + ".log": the downloaded file's name.
std::string LogFileDownloadName(std::uint32_t number);
// That name, or when this download has written it already (file numbers
// repeat), the first of "LOG00nnn_2.log", "_3"... it has not.
std::string LogFileDownloadName(std::uint32_t number, const std::set<std::string>& taken);

// What the worker shows; called on the GUI thread only.
class TLogFilesView {
public:
    virtual ~TLogFilesView() = default;
    virtual void AddMemoLine(const std::string& line) = 0;  // Memo1
    virtual void SetProgress(int percent) = 0;              // ProgressBar1, 0-100
    virtual void SetGauge(int percent) = 0;                 // Gauge1, 0-100
    virtual void ClearList() = 0;                           // ListView1
    virtual void AddListRow(const std::string& caption) = 0;
    virtual void RefreshGauge() = 0;
    virtual void RefreshWindow() = 0;
};

// What a download takes: the folder, and which list rows are selected.
struct TLogDownloadOrder {
    std::string Folder;
    std::vector<bool> Selected;
};

class TDownloadFolder;

class TnewThread : public TThread {
public:
    // The view is held weakly: a window gone before the job ends is left alone.
    TnewThread(std::weak_ptr<TLogFilesView> view, TLogDownloadOrder order);

protected:
    void Execute() override;

private:
    void ListFiles();
    void Download();
    bool DownloadFile(const TDownloadFolder& folder, std::size_t row, std::uint64_t base, const TLogFileEntry& entry,
                      const std::string& name);
    // Writes the line; false.
    bool Failed(const std::string& line);
    void ClearLog();
    // Runs `show` on the view on the GUI thread, in order.
    void ToWindow(std::function<void(TLogFilesView&)> show);
    void Memo(const std::string& line);
    void Progress(int percent);

    std::weak_ptr<TLogFilesView> view_;
    TLogDownloadOrder order_;
    int shownProgress_ = -1;
};

// Sets LogJob and LogBusy, then starts the worker among the device workers;
// false (and nothing started) when a job runs or the workers are being stopped.
bool StartLogJob(std::int32_t job, std::weak_ptr<TLogFilesView> view, TLogDownloadOrder order = {});

// The window's buttons, GUI thread.
// "Получить список файлов".
void LogListClick(const std::shared_ptr<TLogFilesView>& view);
// "Загрузить файлы": `selected` has one entry per list row; `chooseFolder`
// shows the folder dialog and gives the folder when the user confirms.
void LogDownloadClick(const std::shared_ptr<TLogFilesView>& view, const std::vector<bool>& selected,
                      const std::function<std::optional<std::string>()>& chooseFolder);
// "Стереть файлы": `confirm` asks "Вы уверены что хотите стереть файлы?".
void LogClearClick(const std::shared_ptr<TLogFilesView>& view, const std::function<bool()>& confirm);
