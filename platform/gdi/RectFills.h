#pragma once
// Filling, framing and inverting rectangles and regions with brushes; the
// focus rectangle's dotted XOR frame, which drawing twice removes.

#include "platform/gdi/GdiTypes.h"

namespace platform {

// The brush may be a system colour index + 1, as the window system allows.
int FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush);
BOOL InvertRect(HDC hdc, const RECT* rect);
BOOL DrawFocusRect(HDC hdc, const RECT* rect);

BOOL FillRgn(HDC hdc, HRGN region, HBRUSH brush);
BOOL PaintRgn(HDC hdc, HRGN region);
BOOL FrameRgn(HDC hdc, HRGN region, HBRUSH brush, int width, int height);
BOOL InvertRgn(HDC hdc, HRGN region);

}  // namespace platform
