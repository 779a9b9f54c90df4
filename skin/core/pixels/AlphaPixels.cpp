#include "skin/core/pixels/AlphaPixels.h"

#include "ui/graphics/Bitmap.h"

#include <algorithm>

bool IsBitmap32(const TBitmap* bitmap) {
    if (!bitmap) return false;
    TPixelFormat f = bitmap->PixelFormat();
    return f == TPixelFormat::pf32bit || f == TPixelFormat::pfDevice;
}

std::uint32_t* PixelRow(TBitmap& bitmap, int y) { return static_cast<std::uint32_t*>(bitmap.ScanLine(y)); }

std::uint32_t ReadPixel32(TBitmap& bitmap, int x, int y) {
    if (!IsBitmap32(&bitmap) || x < 0 || y < 0 || x >= bitmap.Width() || y >= bitmap.Height()) return 0;
    return PixelRow(bitmap, y)[x];
}

void WritePixel32(TBitmap& bitmap, int x, int y, std::uint32_t value) {
    if (!IsBitmap32(&bitmap) || x < 0 || y < 0 || x >= bitmap.Width() || y >= bitmap.Height()) return;
    PixelRow(bitmap, y)[x] = value;
}

void FillDWords(std::uint32_t* cells, int count, std::uint32_t value) {
    if (count > 0) std::fill(cells, cells + count, value);
}

TRect ClipToBitmap(const TRect& rect, const TBitmap& bitmap) {
    TRect r(std::max(rect.Left, 0), std::max(rect.Top, 0), std::min(rect.Right, bitmap.Width()),
            std::min(rect.Bottom, bitmap.Height()));
    if (r.IsEmpty()) return TRect();
    return r;
}
