#include "platform/system/Geometry.h"

#include <algorithm>

namespace platform {

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom) {
    if (!rect) return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(RECT* rect) {
    if (!rect) return FALSE;
    *rect = RECT{};
    return TRUE;
}

BOOL CopyRect(RECT* destination, const RECT* source) {
    if (!destination || !source) return FALSE;
    *destination = *source;
    return TRUE;
}

BOOL IsRectEmpty(const RECT* rect) {
    return !rect || rect->right <= rect->left || rect->bottom <= rect->top;
}

BOOL EqualRect(const RECT* a, const RECT* b) {
    return a && b && *a == *b;
}

BOOL PtInRect(const RECT* rect, POINT point) {
    return rect && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
           point.y < rect->bottom;
}

BOOL OffsetRect(RECT* rect, int dx, int dy) {
    if (!rect) return FALSE;
    rect->left += dx;
    rect->right += dx;
    rect->top += dy;
    rect->bottom += dy;
    return TRUE;
}

BOOL InflateRect(RECT* rect, int dx, int dy) {
    if (!rect) return FALSE;
    rect->left -= dx;
    rect->right += dx;
    rect->top -= dy;
    rect->bottom += dy;
    return TRUE;
}

BOOL IntersectRect(RECT* destination, const RECT* a, const RECT* b) {
    if (!destination || !a || !b) return FALSE;
    RECT result{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&result)) {
        *destination = RECT{};
        return FALSE;
    }
    *destination = result;
    return TRUE;
}

BOOL UnionRect(RECT* destination, const RECT* a, const RECT* b) {
    if (!destination || !a || !b) return FALSE;
    if (IsRectEmpty(a)) {
        *destination = IsRectEmpty(b) ? RECT{} : *b;
    } else if (IsRectEmpty(b)) {
        *destination = *a;
    } else {
        *destination = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                            std::max(a->bottom, b->bottom)};
    }
    return !IsRectEmpty(destination);
}

// Only a subtraction that leaves one rectangle shrinks a; any other leaves a whole.
BOOL SubtractRect(RECT* destination, const RECT* a, const RECT* b) {
    if (!destination || !a || !b) return FALSE;
    RECT result = *a;
    RECT overlap;
    if (IntersectRect(&overlap, a, b)) {
        bool fullWidth = overlap.left == a->left && overlap.right == a->right;
        bool fullHeight = overlap.top == a->top && overlap.bottom == a->bottom;
        if (fullWidth && fullHeight) {
            result = RECT{};
        } else if (fullWidth && overlap.top == a->top) {
            result.top = overlap.bottom;
        } else if (fullWidth && overlap.bottom == a->bottom) {
            result.bottom = overlap.top;
        } else if (fullHeight && overlap.left == a->left) {
            result.left = overlap.right;
        } else if (fullHeight && overlap.right == a->right) {
            result.right = overlap.left;
        }
    }
    *destination = result;
    return !IsRectEmpty(destination);
}

}  // namespace platform
