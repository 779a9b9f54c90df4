#pragma once
// Skin gradients: the text of GRADIENTDATA parsed into steps, and the steps
// painted into a 32-bit bitmap as vertical bands, horizontal bands or four
// triangles meeting at the centre, plain or mixed with a tiled texture.

#include "skin/core/data/SkinRecords.h"

#include "ui/core/Types.h"

#include <string_view>

class TBitmap;

enum TSkGradMode : std::int32_t { gmVertical = 0, gmHorizontal = 1, gmTriangles = 2 };

// Numbers separated by ';' (runs count as one) in groups of five; a shorter
// rest is ignored. A field of a group that is not an integer raises EConvertError.
void ParseGradientData(std::string_view text, TSkGradArray& steps);
// Alpha 255 everywhere painted; only the part inside the bitmap is painted.
void PaintGradient(TBitmap& bitmap, const TRect& rect, const TSkGradArray& steps);
// Each channel (weight * (texture - gradient) + gradient * 256) shr 8, the
// texture tiled from the bitmap's origin; vertical and horizontal modes only.
void PaintGradientTextured(TBitmap& bitmap, const TRect& rect, const TSkGradArray& steps, std::uint8_t alpha,
                           int textureWeight, const TRect& textureRect, TBitmap& texture);
