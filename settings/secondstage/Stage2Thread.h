#pragma once
// The second-stage settings exchange: the read and the write request of
// block 9, three tries each with 200 ms for the answer, logged in the
// window. The window's values travel in neither direction, so the write
// request carries zeros after its frame, never what an earlier request left
// in the send buffer. An answer counts when it echoes the command and block
// 9 where the transfer mode in use puts them. One job at a time (Stage2Busy);
// log lines reach the window on the GUI thread, never inside a transaction.

#include "ui/core/Thread.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

// Stage2Job values.
constexpr std::int32_t s2Read = 1;
constexpr std::int32_t s2Write = 2;

extern std::atomic<std::int32_t> Stage2Job;
// Set before a worker starts, cleared by the worker however its job ends.
extern std::atomic<bool> Stage2Busy;

constexpr std::uint8_t kStage2Block = 9;
constexpr std::uint8_t kStage2ReadLength = 3;
constexpr int kStage2Tries = 3;
constexpr std::uint32_t kStage2AnswerMs = 200;

// What the worker reaches of the window; called on the GUI thread only.
class TStage2View {
public:
    virtual ~TStage2View() = default;
    virtual void AddLogLine(const std::string& line) = 0;
};

class TcfgThread : public TThread {
public:
    explicit TcfgThread(std::weak_ptr<TStage2View> view);

protected:
    void Execute() override;

private:
    enum class TTry { Answered, WrongBlock, NoAnswer };
    TTry Try(std::uint8_t command);
    void ReadStage2Settings();
    void WriteStage2Settings();
    void Log(const std::string& line);

    std::weak_ptr<TStage2View> view_;
};

// Sets Stage2Job and Stage2Busy and starts the worker among the device
// workers; false (nothing started) while a job runs or the workers stop.
bool StartStage2Job(std::int32_t job, std::weak_ptr<TStage2View> view);
