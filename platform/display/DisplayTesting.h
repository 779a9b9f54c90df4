#pragma once
// What tests use in place of a person at a desktop: a window's pixels as the
// display would show them, and mouse and keyboard input. Input goes through
// the same routing as the desktop's (capture, hit test, activation, focus)
// and lands in the message queue; the test then pumps messages.

#include <memory>

#include "platform/gdi/BitmapSurface.h"
#include "platform/window/WindowMessages.h"

namespace platform::testing {

// The pixels of a window's rectangle (a child's part of its top-level
// window), with a layered window's opacity applied; null for an unknown
// window or an empty one.
std::shared_ptr<BitmapSurface> WindowPixels(HWND window);
// One pixel as 0x00RRGGBB, at window coordinates.
Pixel WindowPixel(HWND window, int x, int y);

// Points are screen coordinates; buttons 0 left, 1 right, 2 middle.
void MoveMouse(int x, int y);
void PressMouse(int button);
void ReleaseMouse(int button);
void Click(int x, int y, int button = 0);
void TurnWheel(int delta);
void PressKey(UINT virtualKey);
void ReleaseKey(UINT virtualKey);
void TypeText(const char* utf8);

// Runs every message the thread has now (sent, posted, paints and due
// timers), dispatching them; answers how many were dispatched.
int PumpMessages();

}  // namespace platform::testing
