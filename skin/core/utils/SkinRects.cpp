#include "skin/core/utils/SkinRects.h"

#include <algorithm>

int RectWidth(const platform::RECT& rect, bool clip) {
    int width = rect.right - rect.left;
    return clip && width < 0 ? 0 : width;
}

int RectHeight(const platform::RECT& rect, bool clip) {
    int height = rect.bottom - rect.top;
    return clip && height < 0 ? 0 : height;
}

bool RectsOverlap(const platform::RECT& a, const platform::RECT& b) {
    if (b.right <= b.left || b.bottom <= b.top) return false;
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool RectContains(const platform::RECT& outer, const platform::RECT& inner) {
    auto inside = [&](int x, int y) { return x >= outer.left && x <= outer.right && y >= outer.top && y <= outer.bottom; };
    return inside(inner.left, inner.top) && inside(inner.right, inner.bottom);
}

platform::RECT RectsIntersection(const platform::RECT& a, const platform::RECT& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}
