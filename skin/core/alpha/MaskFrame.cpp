#include "skin/core/alpha/MaskFrame.h"

#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/masks/MaskPieces.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/BitmapBlends.h"
#include "skin/core/pixels/BitmapCopies.h"

#include "ui/graphics/Bitmap.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kKey = 0x00FF00FF;
constexpr std::uint32_t kFull = 255;
// The inactive look lets this much more of the target through.
constexpr std::uint32_t kInactiveLift = 100;
constexpr double kHalf = 0.5;

std::uint32_t MixFramePixel(std::uint32_t d, std::uint32_t s, std::uint32_t m, int mode) {
    std::uint32_t out = 0;
    for (int shift : kColorShifts) {
        const std::uint32_t mc = ChannelOf(m, shift);
        const int w = static_cast<int>(mode == kMaskFrameNormal ? mc : std::min(mc + kInactiveLift, kFull));
        const int dc = static_cast<int>(ChannelOf(d, shift)), sc = static_cast<int>(ChannelOf(s, shift));
        out |= static_cast<std::uint32_t>(((dc - sc) * w + sc * 256) >> 8) << shift;
    }
    const std::uint32_t a = ChannelOf(d, kAlphaShift);
    return out | ((a + (((kFull - a) * (kFull - ChannelOf(m, kRedShift))) >> 8)) << kAlphaShift);
}

}  // namespace

void DrawMaskedFrame32(const TRect& destRect, const TRect& sourceRect, TBitmap& bitmap, const TSkMaskData& mask,
                       int mode, TBitmap& source) {
    if (mask.MaskMode <= 0) {
        CopyRectKeyed(bitmap, source, destRect.Left, kKey, sourceRect, destRect.Top);
        return;
    }
    if (!IsBitmap32(&bitmap) || !IsBitmap32(&source)) return;
    const int mh = platform::RectHeight(mask.SourceRect) / (mask.MaskMode + 1);
    // Rows whose mask row lies inside the picture, and with no frames also
    // only rows of the picture part.
    int lastRow = std::min(sourceRect.Bottom, source.Height() - 1 - mh);
    if (mask.FrameCount < 1) lastRow = std::min(lastRow, static_cast<int>(mask.SourceRect.top) + mh - 1);
    for (int sy = std::max(sourceRect.Top, 0); sy <= lastRow; ++sy) {
        const int ty = destRect.Top + sy - sourceRect.Top;
        if (ty < 0 || ty > destRect.Bottom) continue;
        if (ty >= bitmap.Height()) break;
        const std::uint32_t* picture = PixelRow(source, sy);
        const std::uint32_t* maskRow = PixelRow(source, sy + mh);
        std::uint32_t* out = PixelRow(bitmap, ty);
        for (int sx = std::max(sourceRect.Left, 0); sx <= sourceRect.Right && sx < source.Width(); ++sx) {
            const int tx = destRect.Left + sx - sourceRect.Left;
            if (tx < 0 || tx > destRect.Right) continue;
            if (tx >= bitmap.Width()) break;
            const std::uint32_t s = picture[sx], m = maskRow[sx];
            if (s == kKey || ChannelOf(m, kRedShift) == kFull) continue;
            out[tx] = MixFramePixel(out[tx], s, m, mode);
        }
    }
}

void DrawMaskFrame(TBitmap& bitmap, TPoint point, int frameIndex, const TSkParentCache& cache,
                   const TSkMaskData& mask, int mode) {
    const int fw = MaskFrameWidth(mask), fh = MaskFrameHeight(mask);
    if (fw <= 0 || fh <= 0) return;
    const int index = std::clamp(frameIndex, 0, std::max(mask.FrameCount - 1, 0));
    const int hx = point.X < 0 ? -point.X : 0, hy = point.Y < 0 ? -point.Y : 0;
    if (hx >= fw || hy >= fh) return;
    const platform::RECT& r = mask.SourceRect;
    const int sx = r.left + fw * index + hx, sy = r.top + hy;
    const TRect source(sx, sy, sx + fw - hx - 1, sy + fh - hy - 1);
    const TRect dest(point.X + hx, point.Y + hy, point.X + fw - 1, point.Y + fh - 1);
    if (mask.Image) {
        if (mask.Image->Width() >= r.right && mask.Image->Height() >= r.bottom)
            DrawMaskedFrame32(dest, source, bitmap, mask, mode, *mask.Image);
        return;
    }
    if (!mask.Owner || mask.FrameCount == 0) return;
    TBitmap* master = mask.Owner->Skin().PictureOf(mask);
    if (!master) return;
    if (mask.MaskMode > 0) {
        DrawMaskedFrame32(dest, source, bitmap, mask, mode, *master);
        return;
    }
    const TRect piece(source.Left, source.Top, source.Right + 1, source.Bottom + 1);
    if (mode == kMaskFrameNormal) CopyKeyedPiece(bitmap, *master, dest.Left, true, cache, piece, dest.Top);
    else BlendBitmapRect(bitmap, dest.Left, dest.Top, kKey, kHalf, piece, *master);
}
