#pragma once
// Paths: between BeginPath and EndPath the line and shape calls record
// figures instead of drawing; the path is then stroked, filled, widened into
// the outline of the pen or made the clip.

#include "platform/gdi/GdiTypes.h"

namespace platform {

BOOL BeginPath(HDC hdc);
BOOL EndPath(HDC hdc);
BOOL AbortPath(HDC hdc);
BOOL CloseFigure(HDC hdc);
BOOL StrokePath(HDC hdc);
BOOL FillPath(HDC hdc);
BOOL StrokeAndFillPath(HDC hdc);
BOOL WidenPath(HDC hdc);
BOOL FlattenPath(HDC hdc);
BOOL SelectClipPath(HDC hdc, int mode);
HRGN PathToRegion(HDC hdc);

}  // namespace platform
