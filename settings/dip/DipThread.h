#pragma once
// The DIP settings exchange: a worker reads both settings blocks from the DIP
// controller into the window, or writes the window's values into it, block 1
// first, three tries a block with 200 ms for each answer and no pause between
// tries. One job at a time (DipBusy). The worker talks to the controller only
// while the current device is the DIP controller (transfer mode 2): another
// kind of device never gets DIP blocks, nor has its answer read as one.
// Everything that touches the window runs on the GUI thread; blocks are
// encoded before a transaction opens and decoded after it has closed.

#include "settings/dip/DipBlocks.h"
#include "ui/core/Thread.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// DipJob values.
constexpr std::int32_t djRead = 1;
constexpr std::int32_t djWrite = 2;

extern std::atomic<std::int32_t> DipJob;
// Set before a worker starts, cleared by the worker however its job ends.
extern std::atomic<bool> DipBusy;

constexpr int kDipTries = 3;
constexpr std::uint32_t kDipAnswerMs = 200;

// Log lines of the exchange.
inline constexpr const char* kDipWriteStarted = "Поток записи запущен";
inline constexpr const char* kDipWriteEnded = "Выход с потока записи";
inline constexpr const char* kDipWrongAnswer = "Не верный ответ!";
inline constexpr const char* kDipNoAnswer = "Устройство не отвечает!";
inline constexpr const char* kDipWrongDevice =
    "Подключенное устройство не является контроллером DIP: обмен настройками отменен!";

// What the worker reaches of the window; called on the GUI thread only.
class TDipSettingsView {
public:
    virtual ~TDipSettingsView() = default;
    virtual void AddLogLine(const std::string& line) = 0;
    // The block from the window's controls; refused when a value cannot be sent.
    virtual TDipEncoding EncodeBlock(std::uint8_t block) = 0;
    // Logs "Блок N успешно прочитан!" and sets the controls.
    virtual void DecodeBlock(std::uint8_t block, const std::vector<std::uint8_t>& bytes) = 0;
};

class TcfgDipThread : public TThread {
public:
    explicit TcfgDipThread(std::weak_ptr<TDipSettingsView> view);

protected:
    void Execute() override;

private:
    enum class TTry { Answered, WrongBlock, NoAnswer, WrongDevice };
    void ReadDipSettings();
    void WriteDipSettings();
    TTry ReadTry(std::uint8_t block);
    TTry WriteTry(std::uint8_t block, const std::vector<std::uint8_t>& bytes);
    // Up to kDipTries tries of `one`; true when the block was answered.
    template <class Try>
    bool TryBlock(Try one);
    // The block from the window, through the GUI thread; empty (and the
    // reason logged) when refused.
    std::vector<std::uint8_t> Encode(std::uint8_t block);
    void Decode(std::uint8_t block);
    void Log(const std::string& line);

    std::weak_ptr<TDipSettingsView> view_;
    std::vector<std::uint8_t> received_;
};

// Sets DipJob and DipBusy and starts the worker among the device workers;
// false (nothing started) while a job runs or the workers are being stopped.
bool StartDipJob(std::int32_t job, std::weak_ptr<TDipSettingsView> view);
