#pragma once
// Points, sizes and rectangles with the system's rectangle helpers.
// A rectangle holds its left and top edges and excludes its right and bottom.

#include "platform/system/BasicTypes.h"

namespace platform {

struct POINT {
    LONG x = 0;
    LONG y = 0;
    friend bool operator==(const POINT&, const POINT&) = default;
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
    friend bool operator==(const SIZE&, const SIZE&) = default;
};

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};

using LPRECT = RECT*;
using LPPOINT = POINT*;

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(RECT* rect);
BOOL CopyRect(RECT* destination, const RECT* source);
BOOL IsRectEmpty(const RECT* rect);
BOOL EqualRect(const RECT* a, const RECT* b);
BOOL PtInRect(const RECT* rect, POINT point);
BOOL OffsetRect(RECT* rect, int dx, int dy);
BOOL InflateRect(RECT* rect, int dx, int dy);
// Empty results give an all-zero rectangle and FALSE.
BOOL IntersectRect(RECT* destination, const RECT* a, const RECT* b);
BOOL UnionRect(RECT* destination, const RECT* a, const RECT* b);
BOOL SubtractRect(RECT* destination, const RECT* a, const RECT* b);

constexpr LONG RectWidth(const RECT& rect) { return rect.right - rect.left; }
constexpr LONG RectHeight(const RECT& rect) { return rect.bottom - rect.top; }

}  // namespace platform
