#pragma once
// Pixels of images as 0xAARRGGBB values, rows from the top: read out of a
// bitmap of any format, written into a 32-bit bitmap, and blended onto a
// canvas by their alpha.

#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"

#include <cstdint>
#include <vector>

using TPixels = std::vector<std::uint32_t>;

// The pixels of `area` (clipped to the bitmap; the rest transparent black).
// Pixels carry straight alpha; a bitmap whose alpha bytes are all zero has
// none and is read as opaque.
TPixels ReadPixels(TBitmap& bitmap, const TRect& area);
// Opaque pixels of `key` (an RGB colour) become fully transparent.
void KeyOut(TPixels& pixels, TColor key);
// A 32-bit bitmap of the size holding the pixels as they are.
void WritePixels(TBitmap& bitmap, int width, int height, const TPixels& pixels);

std::uint32_t PremultiplyPixel(std::uint32_t argb);
std::uint32_t UnpremultiplyPixel(std::uint32_t argb);
// The look of a disabled picture: its shape embossed in highlight and
// shadow colours, straight alpha kept.
TPixels DisabledPixels(const TPixels& pixels, int width, int height);

// Blends premultiplied pixels of a width x height image over the canvas at (x, y).
void BlendPixels(TCanvas& canvas, int x, int y, int width, int height, const TPixels& premultiplied);
// The same stretched over `destination`.
void BlendPixels(TCanvas& canvas, const TRect& destination, int width, int height, const TPixels& premultiplied);
// True when some pixel is not fully opaque.
bool HasTransparency(const TPixels& pixels);
