#pragma once
// Gradient fills: rectangles shaded left to right or top to bottom, and
// triangles shaded between their corner colours (Gouraud).

#include "platform/gdi/GdiTypes.h"

namespace platform {

using COLOR16 = std::uint16_t;

struct TRIVERTEX {
    LONG x = 0;
    LONG y = 0;
    COLOR16 Red = 0;
    COLOR16 Green = 0;
    COLOR16 Blue = 0;
    COLOR16 Alpha = 0;
};

struct GRADIENT_RECT {
    ULONG UpperLeft = 0;
    ULONG LowerRight = 0;
};

struct GRADIENT_TRIANGLE {
    ULONG Vertex1 = 0;
    ULONG Vertex2 = 0;
    ULONG Vertex3 = 0;
};

constexpr ULONG GRADIENT_FILL_RECT_H = 0;
constexpr ULONG GRADIENT_FILL_RECT_V = 1;
constexpr ULONG GRADIENT_FILL_TRIANGLE = 2;

// The first column (row) of a rectangle takes the first vertex's colour and
// each next one moves 1/width of the way, so the last stops one step short
// of the second colour. Triangles cover the pixels whose centres lie inside
// and take each corner's colour at the corner's pixel.
// 32-bit destinations get the interpolated alpha too.
BOOL GradientFill(HDC hdc, const TRIVERTEX* vertices, ULONG vertexCount, const void* mesh, ULONG meshCount, ULONG mode);

}  // namespace platform
