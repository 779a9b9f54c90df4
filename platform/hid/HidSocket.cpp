#include "platform/hid/HidSocket.h"

#include "platform/system/LastError.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {
namespace {

bool FillAddress(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// Polls the socket and the wake event; 1 socket ready, 0 time-out, 2 woken, -1 error.
int PollWith(int fd, short events, int timeoutMs, const HidWakeEvent* wake) {
    pollfd fds[2] = {{fd, events, 0}, {wake ? wake->Fd() : -1, POLLIN, 0}};
    for (;;) {
        int ready = ::poll(fds, wake ? 2 : 1, timeoutMs);
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) return -1;
        if (ready == 0) return 0;
        if (wake && (fds[1].revents & POLLIN)) return 2;
        return 1;
    }
}

}  // namespace

HidWakeEvent::HidWakeEvent() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

HidWakeEvent::~HidWakeEvent() {
    if (fd_ >= 0) ::close(fd_);
}

void HidWakeEvent::Signal() {
    std::uint64_t one = 1;
    [[maybe_unused]] ssize_t written = ::write(fd_, &one, sizeof one);
}

void HidWakeEvent::Clear() {
    std::uint64_t count = 0;
    [[maybe_unused]] ssize_t read = ::read(fd_, &count, sizeof count);
}

HidSocket::~HidSocket() {
    if (fd_ >= 0) ::close(fd_);
}

HidSocket::HidSocket(HidSocket&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

HidSocket& HidSocket::operator=(HidSocket&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

HidSocket HidSocket::Connect(const std::string& path, DWORD& error) {
    sockaddr_un address;
    if (!FillAddress(path, address)) {
        error = ERROR_INVALID_NAME;
        return {};
    }
    HidSocket socket(::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0));
    if (!socket.IsOpen() || ::connect(socket.fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        error = errno == ECONNREFUSED ? ERROR_FILE_NOT_FOUND : ErrorFromErrno(errno);
        return {};
    }
    error = ERROR_SUCCESS;
    return socket;
}

HidSocket HidSocket::Listen(const std::string& path, DWORD& error) {
    sockaddr_un address;
    if (!FillAddress(path, address)) {
        error = ERROR_INVALID_NAME;
        return {};
    }
    ::unlink(path.c_str());
    HidSocket socket(::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0));
    if (!socket.IsOpen() || ::bind(socket.fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(socket.fd_, 16) != 0) {
        error = ErrorFromErrno(errno);
        return {};
    }
    error = ERROR_SUCCESS;
    return socket;
}

HidSocket HidSocket::Accept(int timeoutMs, const HidWakeEvent* wake) {
    if (PollWith(fd_, POLLIN, timeoutMs, wake) != 1) return {};
    return HidSocket(::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC));
}

bool HidSocket::Send(const std::vector<std::uint8_t>& message, bool dontWait) {
    if (fd_ < 0 || message.size() > kLargestMessage) return false;
    int flags = MSG_NOSIGNAL | (dontWait ? MSG_DONTWAIT : 0);
    for (;;) {
        ssize_t sent = ::send(fd_, message.data(), message.size(), flags);
        if (sent >= 0) return true;
        if (errno == EINTR) continue;
        return dontWait && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
}

HidSocket::Wait HidSocket::Receive(std::vector<std::uint8_t>& message, int timeoutMs, const HidWakeEvent* wake) {
    if (fd_ < 0) return Wait::Closed;
    int ready = PollWith(fd_, POLLIN, timeoutMs, wake);
    if (ready == 0) return Wait::Timeout;
    if (ready == 2) return Wait::Woken;
    if (ready < 0) return Wait::Closed;
    message.resize(kLargestMessage + 1);
    for (;;) {
        ssize_t got = ::recv(fd_, message.data(), message.size(), MSG_TRUNC);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0 || static_cast<std::size_t>(got) > kLargestMessage) {
            message.clear();
            return Wait::Closed;
        }
        message.resize(static_cast<std::size_t>(got));
        return Wait::Message;
    }
}

void HidSocket::Shutdown() {
    if (fd_ >= 0) ::shutdown(fd_, SHUT_RDWR);
}

}  // namespace platform
