#include "device/link/DeviceLink.h"

#include "device/link/DeviceAnnouncements.h"
#include "device/link/DeviceTransfer.h"
#include "platform/system/Clock.h"
#include "platform/text/Utf8Text.h"
#include "platform/window/Timers.h"

#include <map>

namespace {

// The links whose search timer has a given id (GUI thread only).
std::map<platform::UINT_PTR, TDeviceLink*>& SearchingLinks() {
    static std::map<platform::UINT_PTR, TDeviceLink*> links;
    return links;
}

void AnnounceAllPanels(platform::COLORREF color, const char* caption) {
    Announce(&TDeviceAnnouncements::LogFilesStatus, color, std::string(caption));
    Announce(&TDeviceAnnouncements::FirmwareStatus, color, std::string(caption));
    Announce(&TDeviceAnnouncements::DipStatus, color, std::string(caption));
}

}  // namespace

TDeviceLink::TDeviceLink() : hid_(std::make_unique<THidDeviceController>(nullptr)) {
    hid_->SetOnEnumerate([this](THidDevice* device, int index) { return HIDEnumerate(device, index); });
    hid_->SetOnDeviceUnplug([this](THidDevice* device) { HIDDeviceUnplug(device); });
    tmrFindDevice_ = platform::SetTimer(nullptr, 0, kSearchIntervalMs, &SearchTimerProc);
    if (tmrFindDevice_) SearchingLinks()[tmrFindDevice_] = this;
}

void TDeviceLink::SearchTimerProc(platform::HWND, platform::UINT, platform::UINT_PTR id, platform::DWORD) {
    auto found = SearchingLinks().find(id);
    if (found != SearchingLinks().end()) found->second->tmrFindDeviceTimer();
}

TDeviceLink::~TDeviceLink() { Release(); }

std::string TDeviceLink::GetProductName(THidDevice* device) {
    std::string text;
    for (char16_t c : device->GetProductString()) platform::AppendUtf8(text, c);
    return text;
}

bool TDeviceLink::HIDEnumerate(THidDevice* HidDev, int Idx) {
    if (CurrentDevice()) return true;
    std::string product = GetProductName(HidDev);
    std::int32_t mode = product == kFlightControllerProduct ? tmFlightController
                        : product == kDipProduct            ? tmDip
                        : product == kBootloaderProduct     ? tmBootloader
                                                            : tmNone;
    if (mode == tmNone) return true;
    // A device still claimed from before is ours already; one that cannot be
    // claimed is not taken (its handles close once the enumeration ends).
    THidDevice* claimed = nullptr;
    if (!hid_->ClaimByIndex(claimed, Idx) && !HidDev->IsClaimed()) return true;
    if (mode == tmBootloader) {
        Announce(&TDeviceAnnouncements::FirmwareLog, std::string("Connect: Velzar mini bootloader"));
        Announce(&TDeviceAnnouncements::FirmwareStatus, kDeviceConnectedColor, std::string(kDeviceConnectedCaption));
    } else {
        if (mode == tmFlightController) Announce(&TDeviceAnnouncements::EnableDeviceSettingsButtons);
        Announce(&TDeviceAnnouncements::MainLog, "Подключено:" + product);
        AnnounceAllPanels(kDeviceConnectedColor, kDeviceConnectedCaption);
    }
    SetCurrentDevice(HidDev, mode);
    HidDev->SetNumInputBuffers(128);
    HidDev->SetNumReadBuffers(128);
    HidDev->SetDataHandler(&OnHidData);
    return true;
}

void TDeviceLink::HIDDeviceUnplug(THidDevice* HidDev) {
    // Another device with the same product string going away leaves ours alone.
    if (!HidDev || HidDev != CurrentDevice()) return;
    std::int32_t mode = TransferMode();
    DropTransferMode();
    if (mode == tmBootloader) {
        Announce(&TDeviceAnnouncements::FirmwareLog, std::string("Disconnect: Velzar mini bootloader"));
        Announce(&TDeviceAnnouncements::FirmwareStatus, kDeviceDisconnectedColor,
                 std::string(kDeviceDisconnectedCaption));
    } else {
        Announce(&TDeviceAnnouncements::MainLog, "Отключено:" + GetProductName(HidDev));
        AnnounceAllPanels(kDeviceDisconnectedColor, kDeviceDisconnectedCaption);
        Announce(&TDeviceAnnouncements::DisableDeviceSettingsButtons);
    }
    SetCurrentDevice(nullptr, tmNone);
    HidDev->SetDataHandler(nullptr);
    // The program was its last user: a replugged controller is a new device
    // object, and this one must not stay listed for ever.
    if (hid_) hid_->Unclaim(HidDev);
}

void TDeviceLink::tmrFindDeviceTimer() {
    if (!CurrentDevice() && hid_) hid_->EnumerateDevices();
}

void TDeviceLink::Release() {
    if (tmrFindDevice_) {
        platform::KillTimer(nullptr, tmrFindDevice_);
        SearchingLinks().erase(tmrFindDevice_);
        tmrFindDevice_ = 0;
    }
    if (!hid_) return;
    if (THidDevice* device = CurrentDevice()) device->SetDataHandler(nullptr);
    hid_.reset();
    // A device the controller did not hand back through its unplug event.
    SetCurrentDevice(nullptr, tmNone);
}

void SendEnterBootloader() {
    for (int i = 0; i < 2; ++i) {
        {
            TDeviceTransaction transaction;
            if (transaction.Mode() != tmFlightController) return;
            transaction.SetRequest(DeviceRequest(kLengthSettingsOrBoot, cmdEnterBoot, kEnterBootSub).Byte(kEnterBootKey));
            transaction.SendReportWithoutAnswer();
        }
        platform::Sleep(50);
    }
}

void SendLeaveBootloader() {
    TDeviceTransaction transaction;
    transaction.SetRequest(DeviceRequest(kLengthSettingsOrBoot, cmdBoot, bootLeave));
    transaction.SendReportWithoutAnswer();
}
