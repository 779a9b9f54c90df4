#include "skin/core/pixels/DisabledLook.h"

#include "skin/core/colors/BitmapColors.h"
#include "skin/core/data/SkinLookups.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/AlphaRects.h"
#include "skin/core/pixels/BitmapBlends.h"

#include "ui/graphics/Bitmap.h"

#include <algorithm>

namespace {

constexpr double kDisabledImageShare = 0.4;
constexpr int kHalfAndHalf = 50;

TPoint CornerOrigin(const TSkMaskData& mask, int corner) {
    const platform::RECT& r = mask.SourceRect;
    int fw = MaskFrameWidth(mask), fh = MaskFrameHeight(mask);
    int right = r.left + fw - mask.BorderRight, bottom = r.top + fh - mask.BorderBottom;
    switch (corner) {
        case kCornerTopRight: return {right, r.top};
        case kCornerBottomLeft: return {r.left, bottom};
        case kCornerBottomRight: return {right, bottom};
        default: return {r.left, r.top};
    }
}

}  // namespace

void ApplyDisabledKind(TBitmap& bitmap, TSkDisabledKind kind, std::uint32_t controlColor, TPoint offset,
                       const TSkParentCache& cache) {
    if (kind & dkGrayed) GrayBitmap(&bitmap);
    if (!(kind & dkBlended)) return;
    TRect whole(0, 0, bitmap.Width(), bitmap.Height());
    if (cache.Ready && cache.Bitmap) {
        // The parent's background is the source and keeps 60 %: cache + 0.4 (image - cache).
        TRect part = whole;
        int dx = cache.OffsetX + offset.X, dy = cache.OffsetY + offset.Y;
        part.Left += dx, part.Right += dx, part.Top += dy, part.Bottom += dy;
        BlendBitmapRect(bitmap, 0, 0, KeyColorValue, kDisabledImageShare, part, *cache.Bitmap);
        return;
    }
    std::uint32_t color = cache.Color == KeyColorValue ? controlColor : cache.Color;
    BlendColorRect(bitmap, whole, kHalfAndHalf, color);
}

void CopyThroughCornerMask(TBitmap& destination, TBitmap& source, const TRect& rect, int corner,
                           const TSkinContent& skin, int maskIndex, TPoint sourcePoint) {
    if (!IsBitmap32(&destination) || !IsBitmap32(&source)) return;
    int w = std::min(rect.Width() - 1, source.Width() - sourcePoint.X - 1);
    int h = std::min(rect.Height() - 1, source.Height() - sourcePoint.Y - 1);
    if (w < 0 || h < 0) return;
    TBitmap* image = nullptr;
    TPoint origin;
    if (maskIndex != -1) {
        if (!skin.MaskIndexValid(maskIndex)) return;
        const TSkMaskData& mask = skin.Masks[maskIndex];
        image = skin.PictureOf(mask);
        if (!IsBitmap32(image)) return;
        origin = CornerOrigin(mask, corner);
    }
    for (int y = 0; y <= h; ++y) {
        int dy = rect.Top + y, sy = sourcePoint.Y + y;
        if (dy < 0 || dy >= destination.Height() || sy < 0) continue;
        for (int x = 0; x <= w; ++x) {
            int dx = rect.Left + x, sx = sourcePoint.X + x;
            if (dx < 0 || dx >= destination.Width() || sx < 0) continue;
            std::uint32_t probe = image ? ReadPixel32(*image, origin.X + x, origin.Y + y)
                                        : ReadPixel32(destination, dx, dy);
            bool outside = image && (origin.X + x < 0 || origin.Y + y < 0 || origin.X + x >= image->Width() ||
                                     origin.Y + y >= image->Height());
            if (!outside && IsColorKeyPixel(probe)) WritePixel32(destination, dx, dy, ReadPixel32(source, sx, sy));
        }
    }
}
