#pragma once
// Tiny 32-bit bitmaps made from pixel values and read back, for the pixel tests.

#include "skin/core/pixels/AlphaPixels.h"

#include "ui/graphics/Bitmap.h"

#include <cstdint>
#include <memory>
#include <vector>

// A width x height 32-bit bitmap whose pixels (0xAARRGGBB, row by row) are `pixels`.
inline std::unique_ptr<TBitmap> MakeBitmap32(int width, int height, const std::vector<std::uint32_t>& pixels) {
    auto bitmap = std::make_unique<TBitmap>(width, height, TPixelFormat::pf32bit);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) PixelRow(*bitmap, y)[x] = pixels[static_cast<std::size_t>(y * width + x)];
    return bitmap;
}

inline std::unique_ptr<TBitmap> SolidBitmap32(int width, int height, std::uint32_t pixel) {
    return MakeBitmap32(width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), pixel));
}

inline std::vector<std::uint32_t> PixelsOf(TBitmap& bitmap) {
    std::vector<std::uint32_t> out;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) out.push_back(PixelRow(bitmap, y)[x]);
    return out;
}
