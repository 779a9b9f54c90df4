#pragma once
// Lines and outlined, filled shapes with the system's pixel rules: lines
// leave out their last point; a rectangle's right and bottom edges lie
// outside it; with no pen the fill of a shape is one pixel smaller on the
// right and bottom; while a path records, these calls add to the path.

#include "platform/gdi/GdiTypes.h"

namespace platform {

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous);
BOOL LineTo(HDC hdc, int x, int y);
BOOL Polyline(HDC hdc, const POINT* points, int count);
BOOL PolylineTo(HDC hdc, const POINT* points, DWORD count);
BOOL PolyPolyline(HDC hdc, const POINT* points, const DWORD* counts, DWORD polylines);
BOOL Polygon(HDC hdc, const POINT* points, int count);
BOOL PolyPolygon(HDC hdc, const POINT* points, const INT* counts, int polygons);
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height);
BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom);
// The arc runs from the ray through the start point to the ray through the
// end point, counter-clockwise unless SetArcDirection says otherwise.
BOOL Arc(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
BOOL ArcTo(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
BOOL Pie(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
BOOL Chord(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);

// CLR_INVALID outside the clip or the surface.
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC hdc, int x, int y);

}  // namespace platform
