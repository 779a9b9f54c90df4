#pragma once
// The single-stage settings exchange: a worker reads both settings blocks
// from the flight controller into the window, or writes the window's values
// into it, three tries a block with 200 ms for each answer. One job at a time
// (EasyBusy). Everything that touches the window runs on the GUI thread
// (RunGuiStep); the blocks are encoded before a transaction opens and decoded
// after it has closed, so the GUI thread never waits for the device lock while
// the worker waits for it.

#include "settings/singlestage/EasyBlocks.h"
#include "ui/core/Thread.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// EasyJob values.
constexpr std::int32_t ejRead = 1;
constexpr std::int32_t ejWrite = 2;

extern std::atomic<std::int32_t> EasyJob;
// Set before a worker starts, cleared by the worker however its job ends.
extern std::atomic<bool> EasyBusy;

constexpr int kEasyTries = 3;
constexpr std::uint32_t kEasyAnswerMs = 200;
constexpr std::uint32_t kEasyBetweenBlocksMs = 10;
constexpr std::uint32_t kEasyBeforeWriteMs = 100;

// What the worker reaches of the window; called on the GUI thread only.
class TEasySettingsView {
public:
    virtual ~TEasySettingsView() = default;
    virtual void AddLogLine(const std::string& line) = 0;
    // The block from the window's values; refused when a value cannot be stored.
    virtual TEasyEncoding EncodeBlock(std::uint8_t block) = 0;
    // Logs "Блок N успешно прочитан!" and sets the window's values.
    virtual void DecodeBlock(std::uint8_t block, const std::vector<std::uint8_t>& bytes) = 0;
    virtual void ShowStatusBalloon(bool ok, const std::string& text) = 0;
};

// GuiStep values.
constexpr std::int32_t gsShowBalloon = 0;
constexpr std::int32_t gsDecodeBlock1 = 1;
constexpr std::int32_t gsDecodeBlock2 = 2;
constexpr std::int32_t gsEncodeBlock1 = 3;
constexpr std::int32_t gsEncodeBlock2 = 4;
constexpr std::int32_t gsDone = 100;

// The request of a settings job: the frame, then the block from byte 6 and
// zeros up to the end of the buffer, never what an earlier request left.
std::vector<std::uint8_t> EasyRequestPayload(const std::vector<std::uint8_t>& block);

class TcfgEasyThread : public TThread {
public:
    explicit TcfgEasyThread(std::weak_ptr<TEasySettingsView> view);

    std::int32_t GuiStep = gsShowBalloon;

protected:
    void Execute() override;

private:
    void ReadSettings();
    void WriteSettings();
    // One read try of a block: the answer's block bytes, or why not.
    enum class TTry { Answered, WrongBlock, NoAnswer };
    TTry ReadTry(std::uint8_t block);
    TTry WriteTry(std::uint8_t block);
    bool ReadBlock(std::uint8_t block);
    bool WriteBlock(std::uint8_t block);
    // Encodes the block through the GUI thread; false (and the job's end
    // told) when a value is refused.
    bool Encode(std::uint8_t block);
    void SetPendingBalloon(bool ok, const std::string& text);
    void Fail(const std::string& balloon);
    // Runs GuiStep on the GUI thread while the worker waits.
    void RunGuiStep();
    void Log(const std::string& line);

    std::weak_ptr<TEasySettingsView> view_;
    bool pendingBalloonOk_ = false;
    std::string pendingBalloonText_;
    std::vector<std::uint8_t> received_;
    TEasyEncoding encoded_;
};

// Sets EasyJob and EasyBusy and starts the worker among the device workers;
// false (nothing started) while a job runs or the workers are being stopped.
bool StartEasyJob(std::int32_t job, std::weak_ptr<TEasySettingsView> view);
