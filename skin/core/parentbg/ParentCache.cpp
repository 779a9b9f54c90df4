#include "skin/core/parentbg/ParentCache.h"

#include "skin/core/pixels/AlphaPixels.h"

#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Colors.h"

TSkParentCache MakeParentCache(TBitmap* bitmap, int x, int y) {
    return TSkParentCache{bitmap, x, y, KeyColorValue, true};
}

TSkParentCache ParentCacheFromBgInfo(const TSkParentBgInfo& info) {
    if (info.Kind == bgBitmap) return MakeParentCache(info.Bitmap, info.OffsetX, info.OffsetY);
    return TSkParentCache{nullptr, info.OffsetX, info.OffsetY,
                          static_cast<std::uint32_t>(ColorToRGB(static_cast<TColor>(info.Color))), false};
}

TSkParentCache MovedParentCache(TSkParentCache cache, int dx, int dy) {
    cache.OffsetX += dx;
    cache.OffsetY += dy;
    return cache;
}

bool ParentPixelAt(const TSkParentCache& cache, int x, int y, std::uint32_t& pixel) {
    TBitmap* bitmap = cache.Bitmap;
    const int cx = x + cache.OffsetX, cy = y + cache.OffsetY;
    if (!bitmap || cx < 0 || cy < 0 || cx >= bitmap->Width() || cy >= bitmap->Height()) return false;
    pixel = IsBitmap32(bitmap) ? ReadPixel32(*bitmap, cx, cy)
                               : ExchangeRedBlue(static_cast<std::uint32_t>(bitmap->Canvas()->Pixels(cx, cy)));
    return true;
}
