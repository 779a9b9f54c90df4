#pragma once
// A device context's clip region (device coordinates) and the visibility
// questions drawing code asks of it.

#include "platform/gdi/GdiTypes.h"

namespace platform {

int SelectClipRgn(HDC hdc, HRGN region);
int ExtSelectClipRgn(HDC hdc, HRGN region, int mode);
int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom);
int OffsetClipRgn(HDC hdc, int dx, int dy);
// Logical bounds of what can be drawn; NULLREGION when nothing can.
int GetClipBox(HDC hdc, RECT* box);
// 1 and the clip copied into region, 0 when the DC has no clip, -1 on error.
int GetClipRgn(HDC hdc, HRGN region);
BOOL PtVisible(HDC hdc, int x, int y);
BOOL RectVisible(HDC hdc, const RECT* rect);

}  // namespace platform
