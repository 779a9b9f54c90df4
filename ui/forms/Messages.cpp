#include "ui/forms/Messages.h"

#include "platform/window/Input.h"

namespace {

bool KeyDown(int key) { return (platform::GetKeyState(key) & 0x8000) != 0; }

}  // namespace

TShiftState ShiftStateFromMouseKeys(platform::WPARAM keys) {
    TShiftState state;
    if (keys & platform::MK_SHIFT) state.Include(TShiftStateItem::ssShift);
    if (keys & platform::MK_CONTROL) state.Include(TShiftStateItem::ssCtrl);
    if (keys & platform::MK_LBUTTON) state.Include(TShiftStateItem::ssLeft);
    if (keys & platform::MK_RBUTTON) state.Include(TShiftStateItem::ssRight);
    if (keys & platform::MK_MBUTTON) state.Include(TShiftStateItem::ssMiddle);
    if (KeyDown(platform::VK_MENU)) state.Include(TShiftStateItem::ssAlt);
    return state;
}

TShiftState KeyboardShiftState() {
    TShiftState state;
    if (KeyDown(platform::VK_SHIFT)) state.Include(TShiftStateItem::ssShift);
    if (KeyDown(platform::VK_CONTROL)) state.Include(TShiftStateItem::ssCtrl);
    if (KeyDown(platform::VK_MENU)) state.Include(TShiftStateItem::ssAlt);
    if (KeyDown(platform::VK_LBUTTON)) state.Include(TShiftStateItem::ssLeft);
    if (KeyDown(platform::VK_RBUTTON)) state.Include(TShiftStateItem::ssRight);
    if (KeyDown(platform::VK_MBUTTON)) state.Include(TShiftStateItem::ssMiddle);
    return state;
}
