#pragma once
// Blends of one 32-bit bitmap onto another by a fixed weight, by a ratio,
// by a weight bitmap or through a mask. Every routine checks the sizes it is
// given and does nothing when they do not fit.
//
// "Destination keeps w": D' = (S * (256 - w) + D * w) shr 8.
// "Source weight w":     D' = (S * w + D * (256 - w)) shr 8.

#include "ui/core/Types.h"

#include <cstdint>

class TBitmap;

// Each colour channel of pixels not equal to `key` (pixel order) becomes
// Round(S - ratio * (S - D)): ratio is the destination's share; alpha kept.
void BlendBitmapRect(TBitmap& destination, int x, int y, std::uint32_t key, double ratio, const TRect& sourceRect,
                     TBitmap& source);
// Destination keeps `weight`, alpha kept.
void BlendBitmapAt(TBitmap& destination, TBitmap& source, int weight, TPoint point, const TRect& sourceRect);
// For bitmaps of equal size: destination keeps `weight` over all of it.
void BlendBitmapWhole(TBitmap& destination, TBitmap& source, int weight);
// result = (A * w + B * (256 - w)) shr 8, w fixed or, with `weights`, its
// byte per pixel and channel; all bitmaps of one size.
void BlendTwoBitmaps(TBitmap& result, TBitmap& a, TBitmap& b, int weight, TBitmap* weights);
// Mask red m: 0 lays the source over by its alpha, 255 leaves the pixel,
// between by (255 - m) * alpha shr 8; alpha kept.
void BlendThroughMask(TBitmap& destination, TBitmap& source, TBitmap& mask, const TRect& rect);
// Each channel becomes (k * (256 - m) + c * m) shr 8, m the mask's byte.
void TintThroughMask(TBitmap& bitmap, TBitmap& mask, std::uint32_t color);
