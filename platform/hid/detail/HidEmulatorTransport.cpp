#include "platform/hid/detail/HidEmulatorTransport.h"

#include "platform/hid/HidEmulatorProtocol.h"
#include "platform/hid/HidSocket.h"
#include "platform/system/LastError.h"

#include <algorithm>
#include <mutex>

namespace platform {
namespace {

// A request the emulator does not answer in this time means it hangs; the
// device's own slowness never shows here, since gets read a latched answer.
constexpr int kReplyTimeoutMs = 5000;

DWORD ErrorOfWait(HidSocket::Wait wait) {
    return wait == HidSocket::Wait::Timeout ? ERROR_TIMEOUT : ERROR_DEVICE_NOT_CONNECTED;
}

HidSocket OpenChannel(const std::string& socketPath, DWORD instance, hidemu::OpenMode mode, DWORD& error) {
    HidSocket socket = HidSocket::Connect(socketPath, error);
    if (!socket.IsOpen()) {
        error = ERROR_DEVICE_NOT_CONNECTED;
        return {};
    }
    std::vector<std::uint8_t> reply;
    if (!socket.Send(hidemu::MessageWriter(hidemu::Open).U32(instance).U8(mode).Message())) {
        error = ERROR_DEVICE_NOT_CONNECTED;
        return {};
    }
    HidSocket::Wait wait = socket.Receive(reply, kReplyTimeoutMs);
    if (wait != HidSocket::Wait::Message) {
        error = ErrorOfWait(wait);
        return {};
    }
    hidemu::MessageReader reader(reply);
    bool isReply = reader.U8() == hidemu::Reply;
    error = reader.U32();
    if (!isReply || !reader.Ok()) error = ERROR_GEN_FAILURE;
    if (error != ERROR_SUCCESS) return {};
    return socket;
}

class EmulatorConnection : public HidConnection {
public:
    EmulatorConnection(HidSocket requests, HidSocket input) : requests_(std::move(requests)), input_(std::move(input)) {}

    DWORD GetFeature(std::vector<std::uint8_t>& report) override {
        std::vector<std::uint8_t> reply;
        DWORD error = Exchange(hidemu::MessageWriter(hidemu::GetFeature).U8(report[0]).Message(), reply);
        if (error != ERROR_SUCCESS) return error;
        hidemu::MessageReader reader(reply);
        reader.U8();
        error = reader.U32();
        if (error != ERROR_SUCCESS) return error;
        std::vector<std::uint8_t> answer = reader.Rest();
        std::fill(report.begin(), report.end(), 0);
        std::copy_n(answer.begin(), std::min(answer.size(), report.size()), report.begin());
        return ERROR_SUCCESS;
    }

    DWORD SetFeature(const std::vector<std::uint8_t>& report) override { return Send(hidemu::SetFeature, report); }
    DWORD WriteOutput(const std::vector<std::uint8_t>& report) override { return Send(hidemu::WriteOutput, report); }

    DWORD ReadInput(std::vector<std::uint8_t>& report, DWORD timeoutMs) override {
        if (!input_.IsOpen()) return ERROR_ACCESS_DENIED;
        std::vector<std::uint8_t> message;
        for (;;) {
            HidSocket::Wait wait = input_.Receive(message, static_cast<int>(std::min<DWORD>(timeoutMs, 0x7FFFFFFF)), &cancel_);
            if (wait == HidSocket::Wait::Woken) {
                cancel_.Clear();
                return ERROR_OPERATION_ABORTED;
            }
            if (wait != HidSocket::Wait::Message) return ErrorOfWait(wait);
            if (message.size() > 1 && message[0] == hidemu::Input) {
                report.assign(message.begin() + 1, message.end());
                return ERROR_SUCCESS;
            }
        }
    }

    void CancelRead() override { cancel_.Signal(); }

private:
    DWORD Send(hidemu::Op op, const std::vector<std::uint8_t>& report) {
        std::vector<std::uint8_t> reply;
        DWORD error = Exchange(hidemu::MessageWriter(op).Bytes(report).Message(), reply);
        if (error != ERROR_SUCCESS) return error;
        hidemu::MessageReader reader(reply);
        reader.U8();
        error = reader.U32();
        return reader.Ok() ? error : ERROR_GEN_FAILURE;
    }

    // One request and its reply, never interleaved with another thread's.
    DWORD Exchange(const std::vector<std::uint8_t>& request, std::vector<std::uint8_t>& reply) {
        std::lock_guard guard(lock_);
        if (!requests_.Send(request)) return ERROR_DEVICE_NOT_CONNECTED;
        HidSocket::Wait wait = requests_.Receive(reply, kReplyTimeoutMs);
        if (wait != HidSocket::Wait::Message) {
            // A late reply would answer the next request: this channel is done.
            requests_.Shutdown();
            return ErrorOfWait(wait);
        }
        if (reply.empty() || reply[0] != hidemu::Reply) return ERROR_GEN_FAILURE;
        return ERROR_SUCCESS;
    }

    std::mutex lock_;
    HidSocket requests_;
    HidSocket input_;
    HidWakeEvent cancel_;
};

}  // namespace

std::vector<HidDeviceDescription> HidEmulatorTransport::Enumerate() {
    DWORD error = ERROR_SUCCESS;
    HidSocket socket = HidSocket::Connect(socketPath_, error);
    std::vector<std::uint8_t> reply;
    if (!socket.IsOpen() || !socket.Send(hidemu::MessageWriter(hidemu::List).Message()) ||
        socket.Receive(reply, kReplyTimeoutMs) != HidSocket::Wait::Message)
        return {};
    hidemu::MessageReader reader(reply);
    if (reader.U8() != hidemu::DeviceList) return {};
    std::vector<HidDeviceDescription> devices;
    for (std::uint16_t count = reader.U16(); count > 0 && reader.Ok(); --count) {
        HidDeviceDescription device = hidemu::ReadDescription(reader);
        if (reader.Ok()) devices.push_back(std::move(device));
    }
    return devices;
}

std::unique_ptr<HidConnection> HidEmulatorTransport::Open(const HidDeviceDescription& device, DWORD& error) {
    HidSocket requests = OpenChannel(socketPath_, device.instance, hidemu::Requests, error);
    if (!requests.IsOpen()) return nullptr;
    HidSocket input;
    if (device.inputLength > 0) {
        input = OpenChannel(socketPath_, device.instance, hidemu::InputReports, error);
        if (!input.IsOpen()) return nullptr;
    }
    error = ERROR_SUCCESS;
    return std::make_unique<EmulatorConnection>(std::move(requests), std::move(input));
}

}  // namespace platform
