#include "skin/core/broadcast/SkinnedForms.h"

#include "skin/core/animation/FormAnimations.h"
#include "skin/core/broadcast/FormSkinState.h"
#include "skin/core/ctrlutils/ControlUtilities.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/manager/SkinManager.h"

#include "ui/forms/Application.h"
#include "ui/forms/Form.h"

#include "platform/window/MessageQueue.h"
#include "platform/window/Painting.h"
#include "platform/window/Placement.h"

#include <algorithm>

bool SkinChangeAnimating = false;

namespace {

std::vector<TCustomForm*> forms;

constexpr platform::UINT kRepaintAll =
    platform::RDW_UPDATENOW | platform::RDW_ALLCHILDREN | platform::RDW_ERASE | platform::RDW_INVALIDATE;

bool ApplicationMinimized() {
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    return main && main->HandleAllocated() && platform::IsIconic(main->Handle());
}

bool Minimized(TCustomForm* form) {
    return form->WindowState() == TWindowState::wsMinimized ||
           (form->HandleAllocated() && platform::IsIconic(form->Handle()));
}

// A top-level form the manager skins, with its skinning state.
TSkFormSkinState* TopLevelStateFor(TCustomForm* form, const TSkinManager& manager) {
    if (form->IsDestroying() || form->FormStyle() == TFormStyle::fsMDIChild || form->Parent()) return nullptr;
    TSkFormSkinState* state = FormSkinStateOf(form);
    return state && state->UsedManager() == &manager ? state : nullptr;
}

void SetRedraw(TCustomForm* form, bool on) {
    if (form->HandleAllocated()) platform::SendMessage(form->Handle(), platform::WM_SETREDRAW, on ? 1 : 0, 0);
}

void SendToFormAndChildren(TCustomForm* form, TMessage& message) {
    if (form->HandleAllocated())
        platform::SendMessage(form->Handle(), message.Msg, message.WParam, message.LParam);
    BroadcastToChildren(form, message);
}

void SetAnimatingFlag(TSkinManager& manager, bool on) {
    if (manager.IsDefault() && (!on || manager.AnimEffects().SkinChanging()->Active)) SkinChangeAnimating = on;
}

}  // namespace

TSkinManager* TSkFormSkinState::UsedManager() const { return Manager ? Manager : DefaultSkinManager; }

TSkFormSkinState* FormSkinStateOf(TCustomForm* form) {
    if (!form || !form->HandleAllocated()) return nullptr;
    return reinterpret_cast<TSkFormSkinState*>(SendSkinCommandToWnd(form->Handle(), ScGetProvider, 0));
}

const std::vector<TCustomForm*>& SkinnedForms() { return forms; }

void AddSkinnedForm(TCustomForm* form) { forms.push_back(form); }

void RemoveSkinnedForm(TCustomForm* form) {
    auto it = std::find(forms.begin(), forms.end(), form);
    if (it == forms.end()) return;
    // A form leaving the list while frozen would never paint again.
    if (!form->IsDestroying())
        if (TSkFormSkinState* state = FormSkinStateOf(form); state && state->Frozen) {
            state->Frozen = false;
            SetRedraw(form, true);
        }
    *it = forms.back();
    forms.pop_back();
}

void ClearSkinnedForms() { forms.clear(); }

void SendToAllForms(TMessage& message) {
    if (Application)
        for (int i = Application->ComponentCount() - 1; i >= 0; --i) {
            if (i >= Application->ComponentCount()) continue;
            auto* form = dynamic_cast<TForm*>(Application->Components(i));
            if (!form || form->FormStyle() == TFormStyle::fsMDIChild || form->IsDestroying() || form->IsLoading())
                continue;
            if (form->HandleAllocated() && SkinCommandAnswered(form->Handle(), ScIsSkinned)) continue;
            SendToFormAndChildren(form, message);
        }
    SendToSkinnedForms(message);
}

void SendToSkinnedForms(TMessage& message) {
    // A receiver may leave the list; walk a copy.
    const std::vector<TCustomForm*> now = forms;
    for (TCustomForm* form : now)
        if (std::find(forms.begin(), forms.end(), form) != forms.end() && !form->IsDestroying())
            SendToFormAndChildren(form, message);
}

void SnapshotForms(TSkinManager& manager) {
    if (ApplicationMinimized() || manager.IsLoading() ||
        manager.ComponentState().Contains(TComponentStateItem::csDesigning) ||
        manager.ComponentState().Contains(TComponentStateItem::csReading))
        return;
    SetAnimatingFlag(manager, true);
    for (TCustomForm* form : forms) {
        if (Minimized(form) || !form->HandleAllocated() || !platform::IsWindowVisible(form->Handle())) continue;
        if (TSkFormSkinState* state = TopLevelStateFor(form, manager)) state->InAnimation = true;
    }
}

void FreezeForms(TSkinManager& manager) {
    if (ApplicationMinimized()) return;
    SetAnimatingFlag(manager, true);
    for (TCustomForm* form : forms) {
        if (!dynamic_cast<TForm*>(form) || Minimized(form) || !form->HandleAllocated() ||
            !platform::IsWindowVisible(form->Handle()))
            continue;
        TSkFormSkinState* state = TopLevelStateFor(form, manager);
        if (!state) continue;
        state->InAnimation = true;
        state->Frozen = true;
        SetRedraw(form, false);
    }
}

void UnfreezeForms(TSkinManager& manager, bool animate) {
    if (manager.IsDefault()) SkinChangeAnimating = false;
    // Frozen forms have lost their visible bit, so they are found by their
    // mark alone; minimized ones are released too, only never animated.
    std::vector<std::pair<TCustomForm*, TSkFormSkinState*>> frozen;
    for (TCustomForm* form : forms)
        if (TSkFormSkinState* state = TopLevelStateFor(form, manager); state && state->Frozen) {
            frozen.emplace_back(form, state);
            SetRedraw(form, true);
        }
    const TxSkinChanging& changing = *manager.AnimEffects().SkinChanging();
    const bool mayAnimate = animate && !ApplicationMinimized();
    for (auto [form, state] : frozen) {
        if (mayAnimate && !Minimized(form) && changing.Active && platform::IsWindowVisible(form->Handle())) {
            if (state->DrawNonClientArea)
                AnimateFormShow(*state, changing.Time, state->AlphaBlendValue, changing.Mode);
            else
                AnimateFormShow(*state, 0, 255, TxAnimType::atFading);
        }
        state->SnapshotTaken = false;
        state->InAnimation = false;
        if (state->DrawNonClientArea) state->UpdateRegion();
        platform::RedrawWindow(form->Handle(), nullptr, nullptr,
                               state->DrawNonClientArea ? kRepaintAll : kRepaintAll | platform::RDW_FRAME);
        state->Frozen = false;
    }
}

TSkFreezeScope::TSkFreezeScope(TSkinManager& manager, bool animate) : manager_(manager), animate_(animate) {
    FreezeForms(manager_);
}

TSkFreezeScope::~TSkFreezeScope() { UnfreezeForms(manager_, animate_ && std::uncaught_exceptions() == 0); }
