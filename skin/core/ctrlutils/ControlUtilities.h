#pragma once
// Small routines the skinned elements share: the skin command to one
// control or window, messages broadcast down a tree of controls or windows,
// the parent-updated notice, background colours and tests on controls.

#include "ui/core/Types.h"
#include "ui/forms/Messages.h"

#include "platform/window/WindowMessages.h"

#include <cstdint>

class TComponent;
class TControl;
class TCustomForm;
enum class TAlign;

// 1 while a form or dialog animation runs: children are not told that their parent updated.
extern bool AnimationRunning;

platform::LRESULT SendSkinCommandToWnd(platform::HWND window, std::uint16_t command, platform::LPARAM lParam);
// Nothing (0) for a windowed control being destroyed or without a window.
platform::LRESULT SendSkinCommand(TControl* control, std::uint16_t command, platform::LPARAM lParam);
inline platform::LRESULT SendSkinCommandNoParam(TControl* control, std::uint16_t command) {
    return SendSkinCommand(control, command, 0);
}
// The window answers the command with exactly 1.
bool SkinCommandAnswered(platform::HWND window, std::uint16_t command);
// Command 25 to the control's form, which then skins the new child.
void RequestChildSkinning(TControl* control);
// 0xFF00FF when unknown.
std::uint32_t GetControlBgColor(TControl* control);
std::uint32_t GetWindowBgColor(platform::HWND window);

// Command 6 to the children (not while an animation runs).
void NotifyChildrenParentUpdated(TControl* control);
void NotifyChildWindowsParentUpdated(platform::HWND window);
// Graphic and unskinned-window children get the message by Perform, skinned
// windows by SendMessage; unskinned windows pass it to their own children.
void BroadcastToChildren(TControl* control, TMessage& message);
// Every child window whose direct parent is `window`.
void BroadcastToChildWindows(platform::HWND window, TMessage& message);

TPoint GetMousePos();
bool ControlIsReady(const TControl* control);
TCustomForm* GetOwnerForm(TComponent* component);
TRect GetClientRectInWindow(platform::HWND window);
int AlignedControlsSize(TControl* control, TAlign align, bool includeGraphic);
platform::HWND TopParentWindow(platform::HWND window);
