#pragma once
// Rectangles of 32-bit bitmaps: premultiplying for layered windows, filling
// and mixing with a colour, and setting the alpha byte. Every routine keeps
// to the part of the rectangle inside the bitmap and does nothing on a
// bitmap that is not 32-bit.

#include "ui/core/Types.h"

#include <cstdint>

class TBitmap;

// Each colour channel becomes (c * alpha) shr 8; alpha stays.
void PremultiplyRect(TBitmap& bitmap, const TRect& rect);
void PremultiplyBitmap(TBitmap& bitmap);
// Every pixel becomes the colour value (taken as given) with this alpha.
void FillRectWithAlpha(TBitmap& bitmap, const TRect& rect, std::uint32_t color, std::uint8_t alpha);
// Each channel moves `percent` of the way to the colour; alpha becomes `alpha`.
void BlendRectTowardColor(TBitmap& bitmap, const TRect& rect, std::uint32_t color, std::uint8_t alpha, int percent);
// `rect` is inclusive; `percent` is the old pixel's share; alpha untouched.
void BlendColorRect(TBitmap& bitmap, const TRect& rect, int percent, std::uint32_t color);
// With `skipKey`, pixels that are exactly 0x00FF00FF keep their alpha 0.
void SetAlphaChannel(TBitmap& bitmap, const TRect& rect, std::uint8_t alpha, bool skipKey);
