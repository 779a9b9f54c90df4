#pragma once
// Tinting the inside of a rectangle toward a colour while its rounded edge
// keeps the image, with a soft step between the two.

#include "ui/core/Types.h"

#include <cstdint>

class TBitmap;

// `strength` percent gives the inside's mask level strength * 255 div 100;
// rectangles reaching outside the bitmap are cut to it.
void BlendRectSoftEdge(TBitmap& bitmap, const TRect& rect, int strength, int cornerRadius, int edgeWidth,
                       std::uint32_t color);
