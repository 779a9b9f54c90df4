#include "skin/core/manager/SkinManager.h"

#include "skin/core/manager/SkinCommands.h"

#include "ui/forms/Form.h"
#include "ui/forms/Screen.h"

#include "platform/system/ThreadId.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/WindowTree.h"

namespace {

struct TBroadcast {
    platform::WPARAM wParam;
    platform::LPARAM lParam;
};

platform::BOOL SendToChild(platform::HWND child, platform::LPARAM data) {
    const auto* b = reinterpret_cast<const TBroadcast*>(data);
    platform::SendMessage(child, SkinCommandMsg, b->wParam, b->lParam);
    return 1;
}

}  // namespace

void TSkinManager::SendToAllForms(std::uint16_t command, platform::LPARAM lParam) {
    if (!Screen) return;
    TBroadcast b{MakeSkinWParam(command), lParam};
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (!form->HandleAllocated()) continue;
        // The form's controls first, then the form.
        platform::EnumChildWindows(form->Handle(), &SendToChild, reinterpret_cast<platform::LPARAM>(&b));
        platform::SendMessage(form->Handle(), SkinCommandMsg, b.wParam, b.lParam);
    }
}

void TSkinManager::BroadcastNewSkin(bool repaint) {
    if (IsLoading() || ComponentState().Contains(TComponentStateItem::csReading)) return;
    data_.IsActive = false;
    SkinBroadcastInProgress = 1;
    SendToAllForms(ScNewSkin, reinterpret_cast<platform::LPARAM>(this));
    SkinBroadcastInProgress = 0;
    data_.IsActive = true;
    if (IsDefault() && !hook_) InstallDialogHook();
    if (repaint) RefreshAllForms();
}

void TSkinManager::BroadcastSkinRemoval() {
    removingSkin_ = true;
    RemoveDialogHook();
    data_.IsActive = false;
    SendToAllForms(ScRemoveSkin, reinterpret_cast<platform::LPARAM>(this));
    skin_ = TSkinContent{};
    removingSkin_ = false;
}

void TSkinManager::RefreshAllForms() {
    SendToAllForms(ScStopFading, reinterpret_cast<platform::LPARAM>(this));
    SendToAllForms(ScRefresh, reinterpret_cast<platform::LPARAM>(this));
}

void TSkinManager::ReapplySkin(bool repaint) {
    if (active_) BroadcastNewSkin(repaint);
}

void TSkinManager::SetHotWindow(platform::HWND window) {
    if (window == hotWindow_) return;
    platform::HWND old = hotWindow_;
    hotWindow_ = window;
    if (old) platform::SendMessage(old, SkinCommandMsg, MakeSkinWParam(ScMouseLeave), reinterpret_cast<platform::LPARAM>(this));
    if (window)
        platform::SendMessage(window, SkinCommandMsg, MakeSkinWParam(ScMouseEnter), reinterpret_cast<platform::LPARAM>(this));
}

void TSkinManager::InstallDialogHook() {
    const TSkDialogHook& hook = SkinDialogHook();
    if (!IsDefault() || hook_ || !hook.Procedure) return;
    hook_ = platform::SetWindowsHookEx(platform::WH_CBT, hook.Procedure, nullptr, platform::GetCurrentThreadId());
}

void TSkinManager::RemoveDialogHook() {
    if (!IsDefault() || !hook_) return;
    platform::UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    if (SkinDialogHook().Released) SkinDialogHook().Released();
}
