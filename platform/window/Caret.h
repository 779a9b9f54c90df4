#pragma once
// The caret: one per thread, owned by a window, with a place, a size and a
// hide count. Controls that edit text draw it where it stands.

#include "platform/window/WindowMessages.h"

namespace platform {

BOOL CreateCaret(HWND window, void* bitmap, int width, int height);
BOOL DestroyCaret();
BOOL ShowCaret(HWND window);
BOOL HideCaret(HWND window);
BOOL SetCaretPos(int x, int y);
BOOL GetCaretPos(POINT* point);
UINT GetCaretBlinkTime();
BOOL SetCaretBlinkTime(UINT milliseconds);

// Inside the window system and for the controls that draw it.
struct CaretState {
    HWND window = nullptr;
    RECT rect;  // client coordinates of the owner
    bool shown = false;
};
CaretState CurrentCaret();

}  // namespace platform
