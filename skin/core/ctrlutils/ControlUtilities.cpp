#include "skin/core/ctrlutils/ControlUtilities.h"

#include "skin/core/manager/SkinCommands.h"

#include "ui/forms/CustomControl.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Colors.h"

#include "platform/window/Input.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"

bool AnimationRunning = false;

namespace {

constexpr std::uint32_t kNoColor = 0xFF00FF;

bool Destroying(const TControl* control) { return control->IsDestroying(); }

platform::LRESULT Send(platform::HWND window, const TMessage& message) {
    return platform::SendMessage(window, message.Msg, message.WParam, message.LParam);
}

}  // namespace

platform::LRESULT SendSkinCommandToWnd(platform::HWND window, std::uint16_t command, platform::LPARAM lParam) {
    return platform::SendMessage(window, SkinCommandMsg, MakeSkinWParam(command), lParam);
}

platform::LRESULT SendSkinCommand(TControl* control, std::uint16_t command, platform::LPARAM lParam) {
    if (!control) return 0;
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        if (Destroying(windowed) || !windowed->HandleAllocated()) return 0;
        return SendSkinCommandToWnd(windowed->Handle(), command, lParam);
    }
    return control->Perform(SkinCommandMsg, MakeSkinWParam(command), lParam);
}

bool SkinCommandAnswered(platform::HWND window, std::uint16_t command) {
    return SendSkinCommandToWnd(window, command, 0) == 1;
}

void RequestChildSkinning(TControl* control) {
    if (!control || control->IsLoading() ||
        control->ComponentState().Contains(TComponentStateItem::csDesigning))
        return;
    TCustomForm* form = control->ParentForm();
    if (form && form->HandleAllocated())
        SendSkinCommandToWnd(form->Handle(), ScChildCreated, reinterpret_cast<platform::LPARAM>(control));
}

std::uint32_t GetControlBgColor(TControl* control) {
    if (!control) return kNoColor;
    auto* windowed = dynamic_cast<TWinControl*>(control);
    const bool skinned = windowed && windowed->HandleAllocated() && SkinCommandAnswered(windowed->Handle(), ScIsSkinned);
    if (!skinned) return ColorToRGB(control->Color());
    return ColorToRGB(static_cast<TColor>(control->Perform(SkinCommandMsg, MakeSkinWParam(ScGetBackgroundColor), kNoColor)));
}

std::uint32_t GetWindowBgColor(platform::HWND window) {
    if (!window) return kNoColor;
    return ColorToRGB(static_cast<TColor>(SendSkinCommandToWnd(window, ScGetBackgroundColor, kNoColor)));
}

void NotifyChildrenParentUpdated(TControl* control) {
    auto* container = dynamic_cast<TWinControl*>(control);
    if (AnimationRunning || !container) return;
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* child = container->Controls(i);
        if (Destroying(child)) continue;
        if (auto* windowed = dynamic_cast<TWinControl*>(child)) {
            if (windowed->HandleAllocated() && windowed->IsShowing())
                SendSkinCommandToWnd(windowed->Handle(), ScParentUpdated, 0);
        } else if (!dynamic_cast<TGraphicControl*>(child)) {
            child->Perform(SkinCommandMsg, MakeSkinWParam(ScParentUpdated), 0);
        }
    }
}

void NotifyChildWindowsParentUpdated(platform::HWND window) {
    for (platform::HWND child = platform::GetWindow(window, platform::GW_CHILD); child;
         child = platform::GetWindow(child, platform::GW_HWNDNEXT))
        if (platform::GetWindowLong(child, platform::GWL_STYLE) & platform::WS_CHILD)
            SendSkinCommandToWnd(child, ScParentUpdated, 0);
}

void BroadcastToChildren(TControl* control, TMessage& message) {
    auto* container = dynamic_cast<TWinControl*>(control);
    if (!container) return;
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* child = container->Controls(i);
        if (Destroying(child)) return;
        auto* windowed = dynamic_cast<TWinControl*>(child);
        if (!windowed || !windowed->HandleAllocated())
            child->Perform(message.Msg, message.WParam, message.LParam);
        else if (SkinCommandAnswered(windowed->Handle(), ScIsSkinned))
            Send(windowed->Handle(), message);
        else
            BroadcastToChildren(windowed, message);
    }
}

namespace {
struct TChildBroadcast {
    platform::HWND parent;
    const TMessage* message;
};
platform::BOOL SendToDirectChild(platform::HWND child, platform::LPARAM data) {
    const auto* b = reinterpret_cast<const TChildBroadcast*>(data);
    if (platform::GetParent(child) == b->parent) Send(child, *b->message);
    return 1;
}
}  // namespace

void BroadcastToChildWindows(platform::HWND window, TMessage& message) {
    TChildBroadcast b{window, &message};
    platform::EnumChildWindows(window, &SendToDirectChild, reinterpret_cast<platform::LPARAM>(&b));
}

TPoint GetMousePos() {
    platform::POINT p{};
    platform::GetCursorPos(&p);
    return {p.x, p.y};
}

bool ControlIsReady(const TControl* control) {
    if (!control) return false;
    if (auto* windowed = dynamic_cast<const TWinControl*>(control); windowed && !windowed->HandleAllocated())
        return false;
    if (control->ControlState.Contains(TControlStateItem::csCreating) ||
        control->ControlState.Contains(TControlStateItem::csReadingState))
        return false;
    return !control->IsLoading() && !Destroying(control) && control->Parent();
}

TCustomForm* GetOwnerForm(TComponent* component) {
    for (TComponent* c = component; c; c = c->Owner())
        if (auto* form = dynamic_cast<TCustomForm*>(c)) return form;
    return nullptr;
}

TRect GetClientRectInWindow(platform::HWND window) {
    platform::RECT client{}, frame{};
    platform::GetClientRect(window, &client);
    platform::GetWindowRect(window, &frame);
    platform::POINT origin{0, 0};
    platform::ClientToScreen(window, &origin);
    const int dx = origin.x - frame.left, dy = origin.y - frame.top;
    return {client.left + dx, client.top + dy, client.right + dx, client.bottom + dy};
}

int AlignedControlsSize(TControl* control, TAlign align, bool includeGraphic) {
    auto* container = dynamic_cast<TWinControl*>(control);
    if (!container) return 0;
    const bool vertical = align == TAlign::alTop || align == TAlign::alBottom;
    const bool horizontal = align == TAlign::alLeft || align == TAlign::alRight;
    if (!vertical && !horizontal) return 0;
    int sum = 0;
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* child = container->Controls(i);
        if (!child->Visible() || child->Align() != align) continue;
        if (!includeGraphic && !dynamic_cast<TWinControl*>(child)) continue;
        sum += vertical ? child->Height() : child->Width();
    }
    return sum;
}

platform::HWND TopParentWindow(platform::HWND window) {
    platform::HWND top = window;
    while (platform::HWND parent = platform::GetParent(top)) top = parent;
    return top;
}
