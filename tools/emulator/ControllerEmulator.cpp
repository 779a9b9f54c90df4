#include "tools/emulator/ControllerEmulator.h"

#include "platform/hid/HidEmulatorProtocol.h"
#include "platform/system/LastError.h"

#include <stdexcept>
#include <unistd.h>

namespace hidemu = platform::hidemu;
using platform::HidSocket;

namespace {

// How long a new connection may take to say what it is.
constexpr int kFirstMessageMs = 5000;

std::string PathOf(platform::DWORD instance) { return "emulator:" + std::to_string(instance); }

std::vector<std::uint8_t> ReplyWith(platform::DWORD error, const std::vector<std::uint8_t>& report = {}) {
    return hidemu::MessageWriter(hidemu::Reply).U32(error).Bytes(report).Message();
}

}  // namespace

struct ControllerEmulator::Connection {
    explicit Connection(HidSocket s) : socket(std::move(s)) {}
    HidSocket socket;
    enum class Role { Unknown, Requests, Input, Watch } role = Role::Unknown;
    platform::DWORD instance = 0;
};

ControllerEmulator::ControllerEmulator(std::string socketPath) : socketPath_(std::move(socketPath)) {
    platform::DWORD error = 0;
    listener_ = HidSocket::Listen(socketPath_, error);
    if (!listener_.IsOpen()) throw std::runtime_error("cannot listen at " + socketPath_ + " (error " + std::to_string(error) + ")");
    acceptThread_ = std::thread([this] { AcceptConnections(); });
    scheduleThread_ = std::thread([this] { RunSchedule(); });
}

ControllerEmulator::~ControllerEmulator() {
    {
        std::lock_guard guard(lock_);
        stopping_ = true;
        for (auto& connection : connections_) connection->socket.Shutdown();
    }
    stop_.Signal();
    scheduleChanged_.notify_all();
    acceptThread_.join();
    scheduleThread_.join();
    std::unique_lock guard(lock_);
    connectionsEnded_.wait(guard, [this] { return servingThreads_ == 0; });
    guard.unlock();
    ::unlink(socketPath_.c_str());
}

int ControllerEmulator::AddDevice(DeviceKind kind, bool plugged) {
    std::lock_guard guard(lock_);
    slots_.push_back(std::make_unique<Slot>(kind));
    if (plugged) PlugLocked(*slots_.back());
    return static_cast<int>(slots_.size() - 1);
}

int ControllerEmulator::DeviceCount() const {
    std::lock_guard guard(lock_);
    return static_cast<int>(slots_.size());
}

void ControllerEmulator::Plug(int device) {
    std::lock_guard guard(lock_);
    Slot& slot = SlotAt(device);
    slot.unplugAt.reset();
    slot.replugAt.reset();
    if (!slot.plugged) PlugLocked(slot);
}

void ControllerEmulator::Unplug(int device) {
    std::lock_guard guard(lock_);
    Slot& slot = SlotAt(device);
    slot.unplugAt.reset();
    slot.replugAt.reset();
    if (slot.plugged) UnplugLocked(slot);
}

bool ControllerEmulator::IsPlugged(int device) const {
    std::lock_guard guard(lock_);
    return SlotAt(device).plugged;
}

void ControllerEmulator::Replug(int device, DeviceKind kind, std::uint32_t delayMs) {
    std::lock_guard guard(lock_);
    DeviceAction action;
    action.unplug = true;
    action.replugAs = kind;
    action.replugDelayMs = delayMs;
    ApplyLocked(SlotAt(device), action);
}

std::string ControllerEmulator::DevicePath(int device) const {
    std::lock_guard guard(lock_);
    const Slot& slot = SlotAt(device);
    return slot.plugged ? PathOf(slot.instance) : std::string();
}

ControllerEmulator::Slot& ControllerEmulator::SlotAt(int device) { return *slots_[SlotIndex(device)]; }

const ControllerEmulator::Slot& ControllerEmulator::SlotAt(int device) const { return *slots_[SlotIndex(device)]; }

std::size_t ControllerEmulator::SlotIndex(int device) const {
    if (device < 0 || device >= static_cast<int>(slots_.size())) throw std::out_of_range("no emulated device " + std::to_string(device));
    return static_cast<std::size_t>(device);
}

void ControllerEmulator::AcceptConnections() {
    for (;;) {
        HidSocket accepted = listener_.Accept(-1, &stop_);
        std::lock_guard guard(lock_);
        if (stopping_) return;
        if (!accepted.IsOpen()) continue;
        auto connection = std::make_shared<Connection>(std::move(accepted));
        connections_.push_back(connection);
        ++servingThreads_;
        std::thread([this, connection] { Serve(connection); }).detach();
    }
}

void ControllerEmulator::Serve(std::shared_ptr<Connection> connection) {
    std::vector<std::uint8_t> message;
    if (connection->socket.Receive(message, kFirstMessageMs) == HidSocket::Wait::Message) {
        hidemu::MessageReader reader(message);
        switch (reader.U8()) {
        case hidemu::List: {
            std::unique_lock guard(lock_);
            std::vector<platform::HidDeviceDescription> devices;
            for (const auto& slot : slots_) {
                if (!slot->plugged) continue;
                platform::HidDeviceDescription d;
                d.instance = slot->instance;
                d.path = PathOf(slot->instance);
                d.vendorId = 0x7A11;
                d.productId = static_cast<std::uint16_t>(slot->device.Kind()) + 1;
                d.version = 0x0100;
                for (const char* c = ProductStringOf(slot->device.Kind()); *c; ++c) d.product.push_back(static_cast<char16_t>(*c));
                d.usagePage = 0xFF00;
                d.usage = 0x0001;
                d.inputLength = slot->device.inputLength;
                d.outputLength = slot->device.outputLength;
                d.featureLength = slot->device.featureLength;
                devices.push_back(std::move(d));
            }
            guard.unlock();
            hidemu::MessageWriter writer(hidemu::DeviceList);
            writer.U16(static_cast<std::uint16_t>(devices.size()));
            for (const auto& d : devices) hidemu::WriteDescription(writer, d);
            connection->socket.Send(writer.Message());
            break;
        }
        case hidemu::Open: {
            platform::DWORD instance = reader.U32();
            std::uint8_t mode = reader.U8();
            bool opened = false;
            {
                // The reply goes out under the lock, so no input report can
                // come before it, and none is missed after it.
                std::lock_guard guard(lock_);
                Slot* slot = PluggedSlotLocked(instance);
                platform::DWORD error = platform::ERROR_SUCCESS;
                if (!reader.Ok() || mode > hidemu::InputReports)
                    error = platform::ERROR_INVALID_PARAMETER;
                else if (!slot)
                    error = platform::ERROR_DEVICE_NOT_CONNECTED;
                else if (slot->device.refuseReadWrite)
                    error = platform::ERROR_ACCESS_DENIED;
                opened = connection->socket.Send(ReplyWith(error)) && error == platform::ERROR_SUCCESS;
                if (opened) {
                    connection->instance = instance;
                    connection->role = mode == hidemu::Requests ? Connection::Role::Requests : Connection::Role::Input;
                }
            }
            if (!opened) break;
            if (mode == hidemu::Requests)
                ServeRequests(*connection);
            else  // input reports are sent from the schedule; this waits for the end
                while (connection->socket.Receive(message, -1) == HidSocket::Wait::Message) {
                }
            break;
        }
        case hidemu::Watch: ServeWatch(*connection); break;
        default: break;
        }
    }
    std::lock_guard guard(lock_);
    std::erase(connections_, connection);
    if (--servingThreads_ == 0) connectionsEnded_.notify_all();
}

void ControllerEmulator::ServeRequests(Connection& connection) {
    std::vector<std::uint8_t> message;
    while (connection.socket.Receive(message, -1) == HidSocket::Wait::Message) {
        hidemu::MessageReader reader(message);
        std::uint8_t op = reader.U8();
        std::vector<std::uint8_t> reply;
        {
            std::lock_guard guard(lock_);
            Slot* slot = PluggedSlotLocked(connection.instance);
            if (!slot) {
                reply = ReplyWith(platform::ERROR_DEVICE_NOT_CONNECTED);
            } else if (op == hidemu::GetFeature) {
                reply = ReplyWith(platform::ERROR_SUCCESS, slot->device.ReadFeature(EmulatedDevice::Clock::now()));
            } else if (op == hidemu::SetFeature || op == hidemu::WriteOutput) {
                std::vector<std::uint8_t> report = reader.Rest();
                std::uint16_t length = op == hidemu::SetFeature ? slot->device.featureLength : slot->device.outputLength;
                report.resize(length, 0);  // the device sees whole reports only
                reply = ReplyWith(platform::ERROR_SUCCESS);
                DeviceAction action = slot->device.TakeRequest(report, EmulatedDevice::Clock::now());
                // The report was taken before the device went away.
                connection.socket.Send(reply);
                reply.clear();
                ApplyLocked(*slot, action);
                scheduleChanged_.notify_all();
            } else {
                reply = ReplyWith(platform::ERROR_INVALID_FUNCTION);
            }
        }
        if (!reply.empty() && !connection.socket.Send(reply)) return;
    }
}

void ControllerEmulator::ServeWatch(Connection& connection) {
    {
        std::lock_guard guard(lock_);
        connection.role = Connection::Role::Watch;
        for (const auto& slot : slots_)
            if (slot->plugged)
                connection.socket.Send(
                    hidemu::MessageWriter(hidemu::Arrival).U32(slot->instance).Text(PathOf(slot->instance)).Message(), true);
    }
    std::vector<std::uint8_t> message;
    while (connection.socket.Receive(message, -1) == HidSocket::Wait::Message) {
    }
}

void ControllerEmulator::RunSchedule() {
    std::unique_lock guard(lock_);
    while (!stopping_) {
        auto now = EmulatedDevice::Clock::now();
        std::optional<EmulatedDevice::Clock::time_point> next;
        auto consider = [&next](EmulatedDevice::Clock::time_point t) {
            if (!next || t < *next) next = t;
        };
        for (auto& slot : slots_) {
            if (slot->unplugAt && *slot->unplugAt <= now) {
                slot->unplugAt.reset();
                DeviceAction action;
                action.unplug = true;
                action.replugAs = slot->replugKind;
                action.replugDelayMs = slot->replugDelayMs;
                ApplyLocked(*slot, action);
            }
            if (slot->unplugAt) consider(*slot->unplugAt);
            if (slot->replugAt && *slot->replugAt <= now) {
                slot->replugAt.reset();
                slot->device.SetKind(slot->replugKind);
                if (!slot->plugged) PlugLocked(*slot);
            }
            if (slot->replugAt) consider(*slot->replugAt);
            if (!slot->plugged) continue;
            for (const auto& report : slot->device.TakeDueInputReports(now)) {
                auto message = hidemu::MessageWriter(hidemu::Input).Bytes(report).Message();
                for (auto& connection : connections_)
                    if (connection->role == Connection::Role::Input && connection->instance == slot->instance)
                        connection->socket.Send(message, true);  // a full queue drops it, as a device's does
            }
            if (auto due = slot->device.NextInputDue()) consider(*due);
        }
        if (next)
            scheduleChanged_.wait_until(guard, *next);
        else
            scheduleChanged_.wait(guard);
    }
}

void ControllerEmulator::PlugLocked(Slot& slot) {
    slot.plugged = true;
    slot.instance = nextInstance_++;
    TellWatchersLocked(true, slot.instance, PathOf(slot.instance));
}

void ControllerEmulator::UnplugLocked(Slot& slot) {
    slot.plugged = false;
    slot.device.DropAnswers();
    for (auto& connection : connections_)
        if (connection->instance == slot.instance &&
            (connection->role == Connection::Role::Requests || connection->role == Connection::Role::Input))
            connection->socket.Shutdown();
    TellWatchersLocked(false, slot.instance, PathOf(slot.instance));
}

void ControllerEmulator::ApplyLocked(Slot& slot, const DeviceAction& action) {
    if (action.unplug && action.unplugDelayMs > 0 && slot.plugged) {
        if (slot.unplugAt) return;  // a switch is already under way
        slot.unplugAt = EmulatedDevice::Clock::now() + std::chrono::milliseconds(action.unplugDelayMs);
        slot.replugKind = action.replugAs.value_or(slot.device.Kind());
        slot.replugDelayMs = action.replugDelayMs;
        scheduleChanged_.notify_all();
        return;
    }
    if (action.unplug && slot.plugged) UnplugLocked(slot);
    if (action.replugAs && action.replugDelayMs == 0) {
        slot.device.SetKind(*action.replugAs);
        PlugLocked(slot);
    } else if (action.replugAs) {
        slot.replugKind = *action.replugAs;
        slot.replugAt = EmulatedDevice::Clock::now() + std::chrono::milliseconds(action.replugDelayMs);
        scheduleChanged_.notify_all();
    }
}

void ControllerEmulator::TellWatchersLocked(bool arrival, platform::DWORD instance, const std::string& path) {
    auto message = hidemu::MessageWriter(arrival ? hidemu::Arrival : hidemu::Removal).U32(instance).Text(path).Message();
    for (auto& connection : connections_)
        if (connection->role == Connection::Role::Watch) connection->socket.Send(message, true);
}

ControllerEmulator::Slot* ControllerEmulator::PluggedSlotLocked(platform::DWORD instance) {
    for (auto& slot : slots_)
        if (slot->plugged && slot->instance == instance) return slot.get();
    return nullptr;
}
