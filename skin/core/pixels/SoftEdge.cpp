#include "skin/core/pixels/SoftEdge.h"

#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/BitmapBlends.h"
#include "skin/core/pixels/BitmapCopies.h"

#include "ui/core/Rounding.h"
#include "ui/graphics/Bitmap.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kFullPercent = 100;
constexpr int kFullLevel = 255;

void CopyRows(TBitmap& from, int fromX, int fromY, TBitmap& to, int toX, int toY, int width, int height) {
    for (int y = 0; y < height; ++y)
        std::memcpy(PixelRow(to, toY + y) + toX, PixelRow(from, fromY + y) + fromX, sizeof(std::uint32_t) * width);
}

TColor Grey(int level) { return static_cast<TColor>(level | (level << 8) | (level << 16)); }

}  // namespace

void BlendRectSoftEdge(TBitmap& bitmap, const TRect& rect, int strength, int cornerRadius, int edgeWidth,
                       std::uint32_t color) {
    if (!IsBitmap32(&bitmap)) return;
    TRect r = ClipToBitmap(rect, bitmap);
    int w = r.Width(), h = r.Height();
    if (w <= 0 || h <= 0) return;
    auto image = NewBitmap32(w, h);
    CopyRows(bitmap, r.Left, r.Top, *image, 0, 0, w, h);
    int e = std::max(0, std::min({edgeWidth, w / 2, h / 2}));
    int radius = std::max(0, std::min({cornerRadius, w / 2, h / 2}));
    int inside = std::clamp(strength, 0, kFullPercent) * kFullLevel / kFullPercent;
    auto mask = NewBitmap32(w, h);
    TCanvas& canvas = *mask->Canvas();
    canvas.Pen()->SetStyle(TPenStyle::psClear);
    int level = kFullLevel;
    for (int t = 0; t <= e; ++t) {
        canvas.Brush()->SetColor(Grey(level));
        canvas.RoundRect(t, t, w - t + 1, h - t + 1, radius, radius);
        level = inside + static_cast<int>(Round(double(kFullLevel - inside) / (e + 1) * (e - t + 1)));
    }
    canvas.Brush()->SetColor(Grey(level));
    canvas.RoundRect(e, e, w - e + 1, h - e + 1, e, e);
    TintThroughMask(*image, *mask, color);
    CopyRows(*image, 0, 0, bitmap, r.Left, r.Top, w, h);
}
