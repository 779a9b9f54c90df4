#pragma once
// The default look of windows nobody paints themselves: the classic frame,
// caption and caption buttons (WM_NCPAINT) and the class background
// (WM_ERASEBKGND).

#include "platform/gdi/GdiTypes.h"
#include "platform/window/WindowMessages.h"

namespace platform {

void PaintDefaultFrame(HWND window);
// Draws the frame into a DC whose (0, 0) is the window's top-left corner.
void PaintDefaultFrameInto(HWND window, HDC hdc);
void SetFrameActive(HWND window, bool active);
// Fills the DC's client area with the class background; false without one.
bool EraseWithClassBackground(HWND window, HDC hdc);

// Shows a caption button pressed for its lifetime.
class PressedCaptionButton {
public:
    PressedCaptionButton(HWND window, LRESULT hit);
    ~PressedCaptionButton();
    PressedCaptionButton(const PressedCaptionButton&) = delete;
    PressedCaptionButton& operator=(const PressedCaptionButton&) = delete;

private:
    HWND window_;
};

}  // namespace platform
