#pragma once
// Inside the window system: what each window still has to paint, and the
// parts of its pixels it may paint into.

#include "platform/gdi/Region.h"
#include "platform/window/WindowMessages.h"

namespace platform {

struct Window;

struct WindowPaintState {
    Region update;  // window coordinates, frame included
    bool erase = false;
    bool frame = false;  // WM_NCPAINT owed
    bool internalPaint = false;
};

WindowPaintState& PaintStateOf(Window& window);

// The part of a window's pixels that shows, in window coordinates: inside
// its ancestors' client areas and all window regions, less the siblings
// above it that clip it, and less its visible children when asked.
Region VisibleRegion(Window& window, bool clientOnly, bool clipChildren);

// The next window of the thread that needs painting, as a WM_PAINT message.
bool TakePaintMessage(DWORD thread, HWND filter, UINT filterMin, UINT filterMax, MSG* message);
bool HasPendingPaint(DWORD thread);
// A WM_PAINT that nobody validated is validated, so it does not come back.
void ValidateAfterPaint(HWND window);
// Sends WM_NCPAINT when the frame is owed one (before WM_PAINT goes out).
void SendNcPaintIfOwed(HWND window);
// The frame alone is owed a repaint (WM_NCPAINT through the next WM_PAINT).
void InvalidateFrame(HWND window);
// Invalidates what a change of place, size, z-order or visibility exposed.
void RedrawAfterPlacement(HWND window, const RECT& oldScreenRect, bool wasVisible, bool resized, bool frameChanged);

}  // namespace platform
