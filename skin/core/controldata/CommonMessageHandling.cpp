#include "skin/core/controldata/SkinCommandHandling.h"

#include "skin/core/controldata/ControlKinds.h"
#include "skin/core/controldata/GlowLink.h"
#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/ctrlutils/ControlUtilities.h"
#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/utils/SkinProperties.h"

#include "ui/forms/WinControl.h"
#include "ui/graphics/Bitmap.h"

#include "platform/window/MessageQueue.h"
#include "platform/window/Painting.h"

namespace {

constexpr platform::WPARAM kChildCreated = platform::WM_CREATE;
constexpr int kFirstSelfGlowingKind = 92, kLastSelfGlowingKind = 94;
const char* const kSpeedButtonClass = "TSkSpeedButton";

bool Designing(const TSkCommonData& data) {
    return data.OwnerCtrl && data.OwnerCtrl->ComponentState().Contains(TComponentStateItem::csDesigning);
}

bool Destroying(const TControl* control) {
    return control && control->ComponentState().Contains(TComponentStateItem::csDestroying);
}

const TSkGeneralData* SectionOf(const TSkCommonData& data) {
    TSkinManager* m = data.SkinManager();
    if (!m || !m->Skin().SectionIndexValid(data.SectionIndex)) return nullptr;
    return &m->Skin().GeneralData[static_cast<std::size_t>(data.SectionIndex)];
}

bool SeveralStates(const TSkCommonData& data) {
    const TSkGeneralData* s = SectionOf(data);
    return s && s->StateCount > 1;
}

bool SelfGlowing(int kind) { return kind >= kFirstSelfGlowingKind && kind <= kLastSelfGlowingKind; }

TWinControl* Windowed(const TSkCommonData& data) { return dynamic_cast<TWinControl*>(data.OwnerCtrl); }

void RedrawFrame(TWinControl& control) {
    if (control.HandleAllocated())
        platform::RedrawWindow(control.Handle(), nullptr, nullptr, platform::RDW_FRAME | platform::RDW_INVALIDATE);
}

void SendToChildren(TWinControl& parent, std::uint16_t command, std::uint16_t argument) {
    for (int i = 0; i < parent.ControlCount(); ++i)
        if (TControl* child = parent.Controls(i); !Destroying(child)) SendSkinCommandTo(child, command, 0, argument);
}

void OnMove(TSkCommonData& data) {
    if (data.BackgroundFollowsParent()) {
        data.BgDirty = true;
        if (data.OwnerCtrl)
            data.OwnerCtrl->Perform(SkinCommandMsg, MakeSkinWParam(ScBackgroundChanged, 1), 0);
    }
    FreeSkinGlow(data.GlowIndex);
}

void OnSize(TSkCommonData& data) {
    const TSkGeneralData* s = SectionOf(data);
    if (!data.HasSkin() || !s) return;
    data.BgDirty = true;
    if (TWinControl* windowed = Windowed(data); windowed && s->GradientPercent > 0)
        SendToChildren(*windowed, ScBackgroundChanged, 1);
    FreeSkinGlow(data.GlowIndex);
}

void OnFocus(TSkCommonData& data, bool gained) {
    TWinControl* windowed = Windowed(data);
    if (!windowed || !windowed->CanFocus() || !windowed->TabStop()) return;
    data.BgDirty = true;
    data.HasFocus = gained;
    if (!IsEditKind(data.ControlKind)) return;
    if (gained ? data.HasSkin() && SeveralStates(data) : windowed->Visible()) RedrawFrame(*windowed);
}

void OnEnabledOrFont(TSkCommonData& data) {
    data.MouseInside = false;
    data.HasFocus = false;
    if (data.OwnerCtrl && !data.OwnerCtrl->Enabled()) FreeSkinGlow(data.GlowIndex);
}

void OnContextMenu(TSkCommonData& data) {
    TSkinManager* m = data.SkinManager();
    if (!data.OwnerCtrl || !data.OwnerCtrl->PopupMenu() || !m) return;
    if (auto hook = SkinFormServices().HookPopupMenu) hook(*m, *data.OwnerCtrl->PopupMenu(), m->Active());
}

void OnVisibleChanged(TSkCommonData& data, bool shown) {
    if (!data.OwnerCtrl || Destroying(data.OwnerCtrl) || !data.CacheBitmap) return;
    if (shown) {
        data.DeferPaint = false;
    } else {
        data.CacheBitmap->SetSize(0, 0);
        if (TWinControl* windowed = Windowed(data))
            for (int i = 0; i < windowed->ControlCount(); ++i) SendSkinCommandTo(windowed->Controls(i), ScDropCaches);
    }
    data.BgDirty = true;
}

// No speed button inside the owner stays hot once the mouse is on something else.
void LeaveInnerSpeedButtons(TSkCommonData& data, TControl* entered) {
    TWinControl* windowed = Windowed(data);
    if (!windowed) return;
    for (int i = 0; i < windowed->ControlCount(); ++i) {
        TControl* child = windowed->Controls(i);
        if (child == data.OwnerCtrl || child == entered || child->ClassName() != kSpeedButtonClass) continue;
        auto* childData = dynamic_cast<TSkCommonData*>(GetObjectProperty(*child, "SkinData"));
        if (childData && childData->MouseInside) child->Perform(CM_MOUSELEAVE, 0, 0);
    }
}

void OnMouseEnter(TSkCommonData& data, TControl* entered) {
    if (Designing(data) || !data.HasSkin()) return;
    TWinControl* windowed = Windowed(data);
    if (!windowed || !DefaultSkinManager) {
        if (!IsContainerKind(data.ControlKind)) data.MouseInside = true;
        return;
    }
    LeaveInnerSpeedButtons(data, entered);
    if (!IsContainerKind(data.ControlKind)) data.MouseInside = true;
    if (windowed->HandleAllocated()) DefaultSkinManager->SetHotWindow(windowed->Handle());
    if (!IsGlowlessKind(data.ControlKind) && !SelfGlowing(data.ControlKind)) data.RefreshGlow(false, nullptr);
    if (IsEditKind(data.ControlKind) && SeveralStates(data) && windowed->HandleAllocated()) {
        data.BgDirty = true;
        platform::SendMessage(windowed->Handle(), platform::WM_NCPAINT, 0, 0);
    }
}

void OnMouseLeave(TSkCommonData& data) {
    if (Designing(data) || !data.HasSkin()) return;
    if (!IsContainerKind(data.ControlKind)) data.MouseInside = false;
    if (!IsGlowlessKind(data.ControlKind) && !SelfGlowing(data.ControlKind)) FreeSkinGlow(data.GlowIndex);
    TWinControl* windowed = Windowed(data);
    if (data.OwnerCtrl && data.OwnerCtrl->Visible() && IsEditKind(data.ControlKind)) {
        data.BgDirty = true;
        if (windowed && windowed->HandleAllocated())
            platform::SendMessage(windowed->Handle(), platform::WM_NCPAINT, 0, 0);
    }
}

}  // namespace

bool HandleCommonMessage(TMessage& message, TSkCommonData* data) {
    if (!data) return false;
    switch (message.Msg) {
    case SkinCommandMsg: return HandleSkinCommand(message, data);
    case platform::WM_MOVE: OnMove(*data); return false;
    case platform::WM_SIZE: OnSize(*data); return false;
    case platform::WM_SETFOCUS: OnFocus(*data, true); return false;
    case platform::WM_KILLFOCUS: OnFocus(*data, false); return false;
    case platform::WM_FONTCHANGE:
    case CM_ENABLEDCHANGED: OnEnabledOrFont(*data); return false;
    case platform::WM_CONTEXTMENU: OnContextMenu(*data); return false;
    case platform::WM_UPDATEUISTATE: return data->HasSkin();
    case platform::WM_PARENTNOTIFY:
        if ((message.WParam & 0xFFFF) == kChildCreated && Windowed(*data)) RequestChildSkinning(data->OwnerCtrl);
        return false;
    case CM_VISIBLECHANGED: OnVisibleChanged(*data, message.WParam != 0); return false;
    case CM_MOUSEENTER: OnMouseEnter(*data, reinterpret_cast<TControl*>(message.LParam)); return false;
    case CM_MOUSELEAVE: OnMouseLeave(*data); return false;
    case CM_SHOWINGCHANGED:
        if (data->OwnerCtrl && data->OwnerCtrl->Visible()) data->AfterOwnerLoaded();
        return false;
    default: return false;
    }
}
