#pragma once
// The one door to the current device: its transfer mode, the send and
// receive buffers, and request/answer transactions over them.
//
// Every exchange runs inside a TDeviceTransaction, which holds the link's
// lock from the request to the last answer read, so workers of different
// windows and the GUI thread never interleave their frames. A transaction
// keeps to the device that was current when it began: once that device is
// removed or replaced, its sends do nothing and its waits fail at once.
//
// An answer carries no more than its command and sub-command (a log-data
// answer not even its offset), so an answer that comes after its wait must
// never pass for the answer to another request. The link counts the answers
// each request still owes; before a different request goes out, it takes and
// drops them, for up to kLateAnswerLimitMs after the request was last sent.
// The same request sent again may take its earlier copy's answer.
//
// A worker never waits for the GUI thread (Synchronize) while it holds a
// transaction: the GUI thread may be waiting for the lock. It prepares a
// request before the transaction and shows the answer after it, or hands
// things over with Queue.

#include "device/link/DeviceProtocol.h"

#include <array>
#include <cstdint>
#include <optional>

class THidDevice;

// The device in use and its TransferMode (tmNone while there is none). Safe
// to read from any thread.
THidDevice* CurrentDevice();
std::int32_t TransferMode();

// Detection and removal (GUI thread): waits for a running transaction to end.
// A mode of tmNone with a device is refused (device stays null).
void SetCurrentDevice(THidDevice* device, std::int32_t mode);
// Makes every wait of the current transaction fail at once, before removal
// takes the lock.
void DropTransferMode();

// How late an answer may still come: one later than this counts as lost.
constexpr std::uint32_t kLateAnswerLimitMs = 1000;

class TDeviceTransaction {
public:
    // Takes the link's lock; on the GUI thread it keeps running the workers'
    // synchronized and queued calls while it waits.
    TDeviceTransaction();
    ~TDeviceTransaction();
    TDeviceTransaction(const TDeviceTransaction&) = delete;
    TDeviceTransaction& operator=(const TDeviceTransaction&) = delete;

    THidDevice* Device() const { return device_; }
    std::int32_t Mode() const { return mode_; }
    // The device of this transaction is still the current one.
    bool DeviceStillCurrent() const;

    // Writes the frame into SendBuffer; the bytes beyond it keep what the
    // previous request left.
    void SetRequest(const DeviceRequest& request);
    const std::array<std::uint8_t, kSendBufferSize>& SendBuffer() const;
    const std::array<std::uint8_t, kReceiveBufferSize>& ReceiveBuffer() const;

    // Sends SendBuffer as the device's feature report (modes 1, 3) or output
    // report (mode 2), cut to the report length the capabilities give; a
    // failure goes to the main window's log as "SET FEATURE ERROR: ...".
    // A request other than the one still owed answers first waits those out.
    void SendReport();
    // As SendReport, for a request the device never answers.
    void SendReportWithoutAnswer();
    // One feature report into ReceiveBuffer, bounded by its size.
    bool ReadFeatureReport();
    // True when an answer echoing `code` (and `sub`, when given) arrived
    // within `timeoutMs`; answers with another code are skipped. Modes 1 and 3
    // poll a feature report every 5 ms, the first at once; mode 2 sleeps until
    // an input report comes. The answer is then in ReceiveBuffer. Ends at once
    // while the device workers are being stopped.
    bool WaitForReply(std::uint8_t code, std::uint32_t timeoutMs, std::optional<std::uint8_t> sub = std::nullopt);
    DeviceAnswer Answer() const;

private:
    void Send(bool answerExpected);
    // Takes one answer into ReceiveBuffer, if one is there, and counts it
    // against the answers owed; the idle report of modes 1 and 3 is none.
    bool TakeAnswer();
    bool TakeInputReport();
    // Sleeps until the next look: a poll period, or until an input report comes.
    void PauseForAnswer();
    void WaitOutLateAnswers();
    bool Matches(std::uint8_t code, std::optional<std::uint8_t> sub) const;

    THidDevice* device_;
    std::int32_t mode_;
};

// OnHidData: the input-report handler of the current device (GUI thread).
// Reports of a device in mode 2 that arrive after a request was sent are
// kept, in order, for the transaction's wait; others are dropped.
void OnHidData(THidDevice* HidDev, std::uint8_t ReportID, const std::uint8_t* Data, std::uint32_t Size);
// AnswerArrived: an input report waits for the transaction.
bool AnswerArrived();
