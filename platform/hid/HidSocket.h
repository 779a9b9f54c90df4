#pragma once
// Local packet sockets (AF_UNIX, SOCK_SEQPACKET): whole messages in order,
// between the HID layer and the controller emulator.

#include "platform/system/Handles.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// An event another thread signals to end a wait; it stays set until cleared.
class HidWakeEvent {
public:
    HidWakeEvent();
    ~HidWakeEvent();
    HidWakeEvent(const HidWakeEvent&) = delete;
    HidWakeEvent& operator=(const HidWakeEvent&) = delete;
    void Signal();
    void Clear();
    int Fd() const { return fd_; }

private:
    int fd_ = -1;
};

class HidSocket {
public:
    enum class Wait { Message, Timeout, Woken, Closed };

    // The largest message either side sends.
    static constexpr std::size_t kLargestMessage = 8192;

    HidSocket() = default;
    explicit HidSocket(int fd) : fd_(fd) {}
    ~HidSocket();
    HidSocket(HidSocket&& other) noexcept;
    HidSocket& operator=(HidSocket&& other) noexcept;

    // An invalid socket and the system error code when it fails.
    static HidSocket Connect(const std::string& path, DWORD& error);
    // Replaces a stale socket file of the same name.
    static HidSocket Listen(const std::string& path, DWORD& error);

    bool IsOpen() const { return fd_ >= 0; }
    int Fd() const { return fd_; }

    // Waits up to timeoutMs (negative: for ever) for a connection.
    HidSocket Accept(int timeoutMs, const HidWakeEvent* wake);

    // False when the peer has gone; `dontWait` drops the message instead of
    // waiting for room.
    bool Send(const std::vector<std::uint8_t>& message, bool dontWait = false);

    // Waits up to timeoutMs (negative: for ever) for the next message, the
    // wake event, or the peer's end. A message longer than kLargestMessage
    // ends the connection.
    Wait Receive(std::vector<std::uint8_t>& message, int timeoutMs, const HidWakeEvent* wake = nullptr);

    // Ends the connection for both sides; a thread waiting in Receive sees Closed.
    void Shutdown();

private:
    int fd_ = -1;
};

}  // namespace platform
