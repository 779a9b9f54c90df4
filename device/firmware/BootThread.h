#pragma once
// The firmware window's worker: connects to the bootloader (switching a
// flight controller into it first) and updates the firmware through it in
// five phases. One job at a time (BootBusy); the window's controls are
// reached only through TBootView, on the GUI thread.

#include "device/link/DeviceProtocol.h"
#include "ui/core/Thread.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// BootJob values.
constexpr std::int32_t bjUpdate = 1;
constexpr std::int32_t bjConnect = 2;

extern std::atomic<std::int32_t> BootJob;
// Set by the window before a worker starts, cleared by the worker however its job ends.
extern std::atomic<bool> BootBusy;
// Set when the window closes: a waiting connect job ends.
extern std::atomic<bool> BootStop;
// The bootloader confirmed the new program; the window's timer asks and clears it.
extern std::atomic<bool> UpdateSucceeded;
// The check mark of "Подключиться к загрузчику" (N7): set while a connect job waits.
extern std::atomic<bool> ConnectChecked;

constexpr std::uint32_t kExpectedFirmwareId = 0xAABBCCDD;

// What the worker shows; called on the GUI thread only.
class TBootView {
public:
    virtual ~TBootView() = default;
    virtual void AddMemoLine(const std::string& line) = 0;    // Memo1
    virtual void SetStatus(const std::string& text) = 0;      // LbStatus
    virtual void SetGauge(int percent) = 0;                   // skGauge1, 0-100
    virtual void SetConnectChecked(bool checked) = 0;         // N7's check mark
};

// The image as the update sends it, taken from the firmware globals when
// the update starts, so a file opened meanwhile cannot change it.
struct TFirmwareSnapshot {
    std::vector<std::uint8_t> Image;  // FirmwareSize bytes, then 0xFF up to whole blocks
    std::uint32_t Size = 0;
    std::uint32_t Checksum = 0;
    static TFirmwareSnapshot OfLoadedFirmware();
};

class TBootThread : public TThread {
public:
    TBootThread(std::weak_ptr<TBootView> view, TFirmwareSnapshot firmware);

protected:
    void Execute() override;

private:
    enum class Reply { Accepted, Wrong, TimedOut };
    void Connect();
    void Update();
    // Sends the request and waits for cmdBoot: Accepted when the answer's
    // sub-command is `sub`, Wrong for another one.
    Reply Ask(const DeviceRequest& request, std::uint8_t sub, std::uint32_t waitMs);
    // Up to three tries; a time-out before the third writes `repeatLine` when
    // it is not empty. False after an error line and status, also when the
    // worker is told to stop (between two requests, never inside a block).
    bool Phase(int phase, const DeviceRequest& request, std::uint8_t sub, std::uint32_t waitMs,
               const std::string& repeatLine, Reply& reply);
    void Fail(const std::string& line);
    void Finish();
    void ToWindow(std::function<void(TBootView&)> show);
    void Memo(const std::string& line);
    void Status(const std::string& text);
    void Gauge(int percent);
    void Uncheck();

    std::weak_ptr<TBootView> view_;
    TFirmwareSnapshot firmware_;
    int shownGauge_ = -1;
    std::uint8_t answerData_ = 0;  // data byte 0 of the last accepted answer
};

// Sets BootJob and BootBusy, then starts the worker among the device
// workers; false (and nothing started) when a job runs or the workers are
// being stopped.
bool StartBootJob(std::int32_t job, std::weak_ptr<TBootView> view, TFirmwareSnapshot firmware = {});

// The window's commands, GUI thread.
// N7Click "Подключиться к загрузчику": checks the item and starts a connect
// job, or unchecks it, which ends the job waiting.
void BootConnectClick(const std::shared_ptr<TBootView>& view);
// N8Click "Обновить прошивку": `message` shows a message box.
void BootUpdateClick(const std::shared_ptr<TBootView>& view, const std::function<void(const std::string&)>& message);
// D1Click "Перейти на основную программу".
void BootLeaveClick();
// Timer1Timer: after a confirmed update, `ask` puts the question
// "Выйти из загрузчика в основную программу?" and "Да" leaves the bootloader.
void BootTimerTick(const std::function<bool(const std::string&)>& ask);
// FormClose.
void BootWindowClosed();
