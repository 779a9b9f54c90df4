#include "skin/core/startup/MainWindowHook.h"

#include "skin/core/animation/FormAnimations.h"
#include "skin/core/broadcast/FormSkinState.h"
#include "skin/core/layered/LayeredBinding.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/manager/SkinManager.h"

#include "ui/forms/Application.h"
#include "ui/forms/Form.h"
#include "ui/forms/Screen.h"

#include "platform/window/MessageQueue.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowStyles.h"

namespace {

// The main form fades out when the program ends while it is still shown.
void AnimateClosingMainForm(TSkinManager& manager, const TMessage& message) {
    const auto* position = reinterpret_cast<const platform::WINDOWPOS*>(message.LParam);
    if (!position || !(position->flags & platform::SWP_HIDEWINDOW) || !LayeredWindowsAvailable()) return;
    const TxFormHide& hide = *manager.AnimEffects().FormHide();
    TCustomForm* main = Application->MainForm();
    if (!hide.Active || hide.Time == 0 || !Application->Terminated() || !main || !main->HandleAllocated() ||
        platform::IsIconic(main->Handle()) || !platform::IsWindowVisible(main->Handle()))
        return;
    TSkFormSkinState* state = FormSkinStateOf(main);
    if (!state || !state->DrawNonClientArea || state->InAnimation) return;
    state->InAnimation = true;
    AnimateFormHide(*state);
}

}  // namespace

bool MainWindowHook(TSkinManager& manager, TMessage& message) {
    switch (message.Msg) {
        case platform::WM_WINDOWPOSCHANGED: AnimateClosingMainForm(manager, message); return false;
        case platform::WM_THEMECHANGED: return true;
        case CM_ACTIVATE:
            if (Screen)
                for (int i = Screen->FormCount() - 1; i >= 0; --i)
                    if (TCustomForm* form = Screen->Forms(i); form->HandleAllocated())
                        platform::SendMessage(form->Handle(), SkinCommandMsg, MakeSkinWParam(ScRedrawNow), 0);
            return false;
        default: return false;
    }
}
