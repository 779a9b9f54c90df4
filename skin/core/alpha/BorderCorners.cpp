#include "skin/core/alpha/BorderCorners.h"

#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/parentbg/ParentCache.h"
#include "skin/core/pixels/AlphaPixels.h"

#include "ui/forms/Control.h"
#include "ui/forms/WinControl.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Colors.h"

#include "platform/window/WindowTree.h"

#include <algorithm>
#include <functional>

namespace {

constexpr std::uint32_t kRgb = 0x00FFFFFFu, kAlpha = 0xFF000000u;
// An own image without frames counts as three states over its mask.
constexpr int kImplicitFrames = 3;

// The background behind the control, from its parent control or window;
// false when nobody can answer.
bool AskBackground(TControl& owner, TSkParentBgInfo& info) {
    if (TWinControl* parent = owner.Parent()) {
        QueryControlBackground(info, parent, false);
    } else if (auto* windowed = dynamic_cast<TWinControl*>(&owner); windowed && windowed->HandleAllocated()) {
        if (!QueryWindowBackground(info, platform::GetParent(windowed->Handle()), false)) return false;
    } else {
        return false;
    }
    if (info.Kind == bgBitmap) {
        info.OffsetX += owner.Left();
        info.OffsetY += owner.Top();
    } else {
        info.Color = ColorToRGB(static_cast<TColor>(info.Color));
    }
    return true;
}

using TCornerPixel = std::function<void(std::uint32_t& cachePixel, int x, int y)>;

// Visits the key pixels of the image's corner piece that land inside the cache.
void ForKeyPixels(TBitmap& image, const TRect& corner, TPoint at, TBitmap& cache, const TCornerPixel& restore) {
    for (int row = 0; row < corner.Height(); ++row) {
        const int sy = corner.Top + row, cy = at.Y + row;
        if (sy < 0 || sy >= image.Height() || cy < 0 || cy >= cache.Height()) continue;
        for (int col = 0; col < corner.Width(); ++col) {
            const int sx = corner.Left + col, cx = at.X + col;
            if (sx < 0 || sx >= image.Width() || cx < 0 || cx >= cache.Width()) continue;
            if (IsExactKeyPixel(PixelRow(image, sy)[sx])) restore(PixelRow(cache, cy)[cx], cx, cy);
        }
    }
}

bool ParentPixel(const TSkParentBgInfo& background, int x, int y, std::uint32_t& pixel) {
    return background.Kind == bgBitmap &&
           ParentPixelAt(MakeParentCache(background.Bitmap, background.OffsetX, background.OffsetY), x, y, pixel);
}

}  // namespace

void RestoreCornerPlain(TBitmap& image, const TRect& corner, TPoint at, TSkCommonData& data,
                        const TSkParentBgInfo& background) {
    if (!data.CacheBitmap) return;
    const std::uint32_t color = ExchangeRedBlue(background.Color) & kRgb;
    ForKeyPixels(image, corner, at, *data.CacheBitmap, [&](std::uint32_t& pixel, int x, int y) {
        std::uint32_t parent;
        if (background.Kind == bgBitmap) {
            if (ParentPixel(background, x, y, parent)) pixel = parent & kRgb;
        } else if (background.Color != KeyColorValue) {
            pixel = color;
        }
    });
}

void RestoreCornerMasked(TBitmap& image, const TRect& corner, TPoint at, TSkCommonData& data,
                         const TSkParentBgInfo& background) {
    if (!data.CacheBitmap) return;
    const std::uint32_t color = ExchangeRedBlue(background.Color) & kRgb;
    ForKeyPixels(image, corner, at, *data.CacheBitmap, [&](std::uint32_t& pixel, int x, int y) {
        std::uint32_t parent;
        if (background.Kind != bgBitmap) pixel = color;
        else if (ParentPixel(background, x, y, parent)) pixel = (pixel & kAlpha) | (parent & kRgb);
    });
}

void PaintBorderCorners(TSkCommonData& data, int state, int corners) {
    TSkinManager* manager = data.SkinManager();
    if (!manager || !data.CacheBitmap || !data.OwnerCtrl || !manager->Skin().MaskIndexValid(data.BorderMaskIndex)) return;
    TSkMaskData mask = manager->Skin().Masks[static_cast<std::size_t>(data.BorderMaskIndex)];
    if (mask.CornerMode == 0) return;
    TBitmap* image = manager->Skin().PictureOf(mask);
    if (!image) return;
    TSkParentBgInfo background;
    if (!AskBackground(*data.OwnerCtrl, background)) return;
    if (mask.Image && mask.FrameCount == 0) {
        mask.FrameCount = kImplicitFrames;
        mask.MaskMode = 1;
        mask.SourceRect = {0, 0, image->Width(), image->Height()};
    }
    if (mask.FrameCount < 1) return;
    const int fw = MaskFrameWidth(mask), fh = MaskFrameHeight(mask);
    const int lw = mask.BorderLeft, tw = mask.BorderTop, rw = mask.BorderRight, bw = mask.BorderBottom;
    const int mid = fw - lw - rw;
    const int x0 = mask.SourceRect.left + fw * std::min(state, mask.FrameCount - 1);
    const int top = mask.SourceRect.top;
    const int bottomRow = mask.MaskMode != 0 ? top + fh - bw : mask.SourceRect.bottom - bw;
    const int w = data.OwnerCtrl->Width(), h = data.OwnerCtrl->Height();
    struct TCornerPart {
        int Bit;
        TRect Piece;
        TPoint At;
    };
    const TCornerPart parts[] = {
        {kCornerSetTopLeft, Bounds(x0, top, lw, tw), {0, 0}},
        {kCornerSetBottomLeft, Bounds(x0, bottomRow, lw, bw), {0, h - bw}},
        {kCornerSetBottomRight, Bounds(x0 + lw + mid, bottomRow, rw, bw), {w - rw, h - bw}},
        {kCornerSetTopRight, Bounds(x0 + lw + mid, top, rw, tw), {w - rw, 0}},
    };
    for (const TCornerPart& part : parts) {
        if (!(corners & part.Bit)) continue;
        if (mask.MaskMode != 0) RestoreCornerMasked(*image, part.Piece, part.At, data, background);
        else RestoreCornerPlain(*image, part.Piece, part.At, data, background);
    }
}
