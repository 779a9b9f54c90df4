#pragma once
// New 32-bit bitmaps and pixel copies between bitmaps: rotated, from an
// image over its mask, one byte channel, and copies that skip a key colour.
// Routines that return a bitmap hand it to the caller.

#include "ui/core/Types.h"

#include <cstdint>
#include <memory>

class TBitmap;

std::unique_ptr<TBitmap> NewBitmap32(int width, int height);
// Empty, of the same size and pixel format.
std::unique_ptr<TBitmap> NewBitmapSameFormat(const TBitmap& bitmap);
// Height x width; a source that is not 32-bit gives none.
std::unique_ptr<TBitmap> RotateBitmap90(const TBitmap& source, bool clockwise);
// The upper half of `rect` with alpha 255 - red of the lower half; none for
// a zero width or half height, or a rectangle outside the bitmap.
std::unique_ptr<TBitmap> BitmapFromMaskPair(TBitmap& bitmap, const TRect& rect);
// One byte a pixel between a 32-bit bitmap's channel 0..3 and an 8-bit
// bitmap of the same size; `toByteBitmap` chooses the direction.
void CopyByteChannel(TBitmap& bitmap32, TBitmap& bitmap8, int channel, bool toByteBitmap);
// The source at (x, y), clipped, except pixels of the key colour value;
// copied pixels get alpha 255.
void PutBitmapKeyed(TBitmap& destination, TBitmap& source, int x, std::uint32_t key, int y);
// Whole pixels of the inclusive source rectangle to (x, y), except those
// equal to the key in pixel order, clipped to both bitmaps.
void CopyRectKeyed(TBitmap& destination, TBitmap& source, int x, std::uint32_t key, const TRect& sourceRect, int y);
