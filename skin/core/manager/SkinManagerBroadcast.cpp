#include "skin/core/manager/SkinManager.h"

#include "skin/core/controldata/GlowLink.h"
#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/manager/SkinHookProc.h"

#include "ui/core/ScopeGuards.h"
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

void FreeAllGlows() {
    if (auto freeAll = SkinGlowFunctions().FreeAll) freeAll();
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
    const TSkFormServices& services = SkinFormServices();
    FreeAllGlows();
    // The forms repaint once, with the whole new look, when they are unfrozen below.
    const bool freeze = repaint && services.FreezeForms && services.UnfreezeForms;
    if (freeze) services.FreezeForms(*this);
    ScopeExit unfreeze([&] {
        if (freeze) services.UnfreezeForms(*this, true);
    });
    if (services.ForgetMenuBorderWidth) services.ForgetMenuBorderWidth(*this);
    data_.IsActive = false;
    SkinBroadcastInProgress = 1;
    SendToAllForms(ScNewSkin, reinterpret_cast<platform::LPARAM>(this));
    SkinBroadcastInProgress = 0;
    data_.IsActive = true;
    if (IsDefault() && !hook_) InstallDialogHook();
    if (repaint) RefreshAllForms(false);
}

void TSkinManager::BroadcastSkinRemoval() {
    removingSkin_ = true;
    FreeAllGlows();
    RemoveDialogHook();
    data_.IsActive = false;
    SendToAllForms(ScRemoveSkin, reinterpret_cast<platform::LPARAM>(this));
    skin_ = TSkinContent{};
    removingSkin_ = false;
}

void TSkinManager::RefreshAllForms(bool animated) {
    const auto self = reinterpret_cast<platform::LPARAM>(this);
    SendToAllForms(ScStopFading, self);
    const TSkFormServices& services = SkinFormServices();
    const bool freeze = animated && !IsLoading() && services.FreezeForms && services.UnfreezeForms;
    if (freeze) services.FreezeForms(*this);
    ScopeExit unfreeze([&] {
        if (freeze) services.UnfreezeForms(*this, true);
    });
    SendToAllForms(ScRefresh, self);
    if (SkinDialogHook().RedrawDialogs) SkinDialogHook().RedrawDialogs();
}

void TSkinManager::SetHotGraphicControl(TControl* control) {
    if (control == hotGraphic_) return;
    if (!control && hotGraphic_) {
        // A graphic control keeps the mouse while a button is held on it.
        const auto* data = reinterpret_cast<const TSkCommonData*>(
            hotGraphic_->Perform(SkinCommandMsg, MakeSkinWParam(ScGetSkinData), 0));
        if (data && data->HasFocus) return;
    }
    TControl* old = hotGraphic_;
    hotGraphic_ = control;
    if (control) hotWindow_ = nullptr;
    if (old) old->Perform(SkinCommandMsg, MakeSkinWParam(ScMouseLeave), reinterpret_cast<platform::LPARAM>(control));
}

void TSkinManager::ReapplySkin(bool repaint) {
    if (active_) BroadcastNewSkin(repaint);
}

void TSkinManager::SetHotWindow(platform::HWND window) {
    if (window == hotWindow_) return;
    if (hotWindow_ && hotGraphic_) {
        SetHotGraphicControl(nullptr);
        if (hotGraphic_) return;
    }
    platform::HWND old = hotWindow_;
    hotWindow_ = window;
    if (old) platform::SendMessage(old, SkinCommandMsg, MakeSkinWParam(ScMouseLeave), reinterpret_cast<platform::LPARAM>(this));
    if (window)
        platform::SendMessage(window, SkinCommandMsg, MakeSkinWParam(ScMouseEnter), reinterpret_cast<platform::LPARAM>(this));
}

void TSkinManager::InstallDialogHook() {
    if (!IsDefault() || hook_ || ComponentState().Contains(TComponentStateItem::csDesigning)) return;
    hook_ = platform::SetWindowsHookEx(platform::WH_CBT, &SkinHookProc, nullptr, platform::GetCurrentThreadId());
    SetSkinHookHandle(hook_);
}

void TSkinManager::RemoveDialogHook() {
    if (!IsDefault() || !hook_) return;
    platform::UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    SetSkinHookHandle(nullptr);
    if (SkinDialogHook().Released) SkinDialogHook().Released();
}
