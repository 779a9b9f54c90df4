#include "device/hid/HidDeviceController.h"

#include "platform/hid/Hid.h"
#include "platform/window/DefaultWindowProcedure.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/WindowClasses.h"
#include "platform/window/WindowTree.h"
#include "ui/core/ScopeGuards.h"
#include "ui/core/TypeInfo.h"

#include <algorithm>

namespace {

constexpr const char* kWindowClass = "TPUtilWindow";

// A handler a device took from its controller: it still carries the
// controller's value as long as it is one of these.
template <class Event>
struct FromController {
    Event handler;
    template <class... Args>
    auto operator()(Args&&... args) const {
        return handler(std::forward<Args>(args)...);
    }
};

template <class Event>
Event FromControllerValue(const Event& handler) {
    return handler ? Event(FromController<Event>{handler}) : Event();
}

template <class Event>
bool CarriesOldValue(const Event& deviceHandler, const Event& oldValue) {
    if (!deviceHandler) return !oldValue;
    return deviceHandler.template target<FromController<Event>>() != nullptr;
}

void RegisterWindowClass() {
    static const bool registered = [] {
        platform::WNDCLASS windowClass;
        windowClass.lpfnWndProc = platform::DefWindowProc;
        windowClass.lpszClassName = kWindowClass;
        return platform::RegisterClass(&windowClass) != 0;
    }();
    (void)registered;
}

}  // namespace

const TClassInfo& THidDeviceController::StaticClass() {
    static const TClassInfo info("THidDeviceController", &TComponent::StaticClass());
    return info;
}

THidDeviceController::THidDeviceController(TComponent* owner) : TComponent(owner) {
    RegisterWindowClass();
    window_ = platform::CreateWindowEx(0, kWindowClass, "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    if (!window_) return;
    platform::SetWindowLongPtr(window_, platform::GWLP_USERDATA, reinterpret_cast<platform::LONG_PTR>(this));
    platform::SetWindowLongPtr(window_, platform::GWLP_WNDPROC, reinterpret_cast<platform::LONG_PTR>(&WindowProcedure));
    platform::HWND window = window_;
    notifier_ = std::make_unique<platform::HidDeviceNotifier>([window](const platform::HidDeviceNotice&) {
        platform::PostMessage(window, platform::WM_DEVICECHANGE, platform::DBT_DEVNODES_CHANGED, 0);
    });
    platform::PostMessage(window_, platform::WM_DEVICECHANGE, platform::DBT_DEVNODES_CHANGED, -1);
}

THidDeviceController::~THidDeviceController() {
    onEnumerate_ = nullptr;
    onDeviceUnplug_ = nullptr;
    onDeviceData_ = nullptr;
    onDeviceDataError_ = nullptr;
    onDeviceChange_ = nullptr;
    OnArrival = nullptr;
    OnRemoval = nullptr;
    walkingList_ = true;
    notifier_.reset();  // no notice posts to the window after this
    if (window_) platform::DestroyWindow(window_);
    for (auto& device : list_) {
        device->DetachFromController();
        if (device->IsClaimed()) device->Unplug();
    }
    list_.clear();
}

platform::LRESULT THidDeviceController::WindowProcedure(platform::HWND window, platform::UINT message,
                                                        platform::WPARAM wParam, platform::LPARAM lParam) {
    auto* controller =
        reinterpret_cast<THidDeviceController*>(platform::GetWindowLongPtr(window, platform::GWLP_USERDATA));
    if (controller && message == platform::WM_DEVICECHANGE && wParam == platform::DBT_DEVNODES_CHANGED &&
        !controller->inDeviceChange_) {
        controller->lastChangeParam_ = lParam;
        controller->inDeviceChange_ = true;
        ScopeExit changed([controller] { controller->inDeviceChange_ = false; });
        controller->DeviceChange();
    }
    return platform::DefWindowProc(window, message, wParam, lParam);
}

THidDeviceHandlers THidDeviceController::HandlersForDevice() const {
    return {FromControllerValue(onDeviceData_), FromControllerValue(onDeviceDataError_),
            FromControllerValue(onDeviceUnplug_)};
}

void THidDeviceController::DeviceChange() {
    ScopeExit walked([this, was = walkingList_] { walkingList_ = was; });
    walkingList_ = true;
    // 1. The devices present now; one that cannot be opened or identified is dropped.
    std::vector<std::unique_ptr<THidDevice>> found;
    for (const platform::HidInterface& present : platform::HidGetInterfaces()) {
        try {
            auto device = std::make_unique<THidDevice>(std::make_unique<THidPnPInfo>(present.DevicePath, present.DeviceID),
                                                       this, HandlersForDevice());
            device->SetThreadSleepTime(devThreadSleepTime_);
            found.push_back(std::move(device));
        } catch (const EControllerError&) {
        }
    }
    auto listedIn = [](const std::vector<std::unique_ptr<THidDevice>>& list, platform::DWORD id, bool onlyPlugged) {
        for (const auto& device : list)
            if (device->PnPInfo().DeviceID == id && (!onlyPlugged || device->IsPresent())) return true;
        return false;
    };

    // 2. Devices gone: unplugged, told, and dropped unless claimed.
    bool changed = false;
    for (int i = Count() - 1; i >= 0; --i) {
        THidDevice* device = list_[i].get();
        if (device->IsPresent() && listedIn(found, device->PnPInfo().DeviceID, false)) continue;
        changed = true;
        device->Unplug();
        FireEvent(OnRemoval, device);
        // The removal handler may have changed the list.
        if (i < Count() && list_[i].get() == device && !device->IsClaimed()) list_.erase(list_.begin() + i);
    }
    // 3. and 4. Devices new to the list are added and announced.
    for (auto& device : found) {
        if (listedIn(list_, device->PnPInfo().DeviceID, true)) continue;
        changed = true;
        list_.push_back(std::move(device));
        FireEvent(OnArrival, list_.back().get());
    }
    // 5.
    if (changed || lastChangeParam_ == -1) FireEvent(onDeviceChange_, this);
}

int THidDeviceController::EnumerateDevices() {
    int offered = 0;
    for (int i = 0; i < Count(); ++i) {
        THidDevice* device = list_[i].get();
        if (!device->IsPresent()) continue;
        ++offered;
        device->SetListed(true);
        bool goOn = false;
        {
            // A handler that fails leaves the device unlisted.
            ScopeExit unlistOnFailure([device] { device->SetListed(false); });
            goOn = onEnumerate_ && onEnumerate_(device, i);
            unlistOnFailure.Dismiss();
        }
        // The handler may have changed the list; the device may be gone.
        if (i < Count() && list_[i].get() == device) {
            device->SetListed(false);
            if (!device->IsClaimed()) device->CloseHandles();
        }
        if (!goOn) break;
    }
    return offered;
}

bool THidDeviceController::ClaimByIndex(THidDevice*& HidDev, int Idx) {
    HidDev = nullptr;
    if (Idx < 0 || Idx >= Count() || list_[Idx]->IsClaimed()) return false;
    HidDev = list_[Idx].get();
    HidDev->SetClaimed(true);
    if (HidDev->DataHandler()) HidDev->SetDataHandler(HidDev->DataHandler());
    return true;
}

void THidDeviceController::Unclaim(THidDevice* HidDev) {
    if (!HidDev) return;
    HidDev->SetClaimed(false);
    if (walkingList_ || HidDev->IsPresent()) return;
    auto listed = std::find_if(list_.begin(), list_.end(), [&](const auto& device) { return device.get() == HidDev; });
    if (listed != list_.end()) list_.erase(listed);
}

void THidDeviceController::SetOnDeviceUnplug(THidUnplugEvent handler) {
    for (auto& device : list_)
        if (CarriesOldValue(device->UnplugHandler(), onDeviceUnplug_)) device->SetUnplugHandler(FromControllerValue(handler));
    onDeviceUnplug_ = std::move(handler);
}

void THidDeviceController::SetOnDeviceData(THidDataEvent handler) {
    for (auto& device : list_)
        if (CarriesOldValue(device->DataHandler(), onDeviceData_)) device->SetDataHandler(FromControllerValue(handler));
    onDeviceData_ = std::move(handler);
}

void THidDeviceController::SetOnDeviceDataError(THidDataErrorEvent handler) {
    for (auto& device : list_)
        if (CarriesOldValue(device->DataErrorHandler(), onDeviceDataError_))
            device->SetDataErrorHandler(FromControllerValue(handler));
    onDeviceDataError_ = std::move(handler);
}

void THidDeviceController::SetOnDeviceChange(TNotifyEvent handler) {
    onDeviceChange_ = std::move(handler);
    if (!IsLoading()) DeviceChange();
}

void THidDeviceController::SetDevThreadSleepTime(int ms) {
    for (auto& device : list_)
        if (device->ThreadSleepTime() == devThreadSleepTime_) device->SetThreadSleepTime(ms);
    devThreadSleepTime_ = ms;
}
