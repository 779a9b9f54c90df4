#include "skin/core/sections/CornerImages.h"

#include "skin/core/data/SkinLookups.h"
#include "skin/core/masks/MaskPieces.h"
#include "skin/core/parentbg/ParentCache.h"

#include <algorithm>

namespace {

enum TCorner { TopLeftCorner, TopRightCorner, BottomLeftCorner, BottomRightCorner };

}  // namespace

void DrawCornerImages(const TSkinContent& skin, const TSkGeneralData& section, TBitmap& bitmap, const TRect& rect,
                      int state) {
    const TSkParentCache itself = MakeParentCache(&bitmap, 0, 0);
    for (int corner = TopLeftCorner; corner <= BottomRightCorner; ++corner) {
        const int index = section.CornerImages[static_cast<std::size_t>(corner)];
        if (!skin.MaskIndexValid(index)) continue;
        const TSkMaskData& mask = skin.Masks[static_cast<std::size_t>(index)];
        TBitmap* picture = skin.PictureOf(mask);
        const int fw = MaskFrameWidth(mask), fh = MaskFrameHeight(mask);
        if (!picture || fw <= 0 || fh <= 0) continue;
        const int frame = std::clamp(state, 0, mask.FrameCount - 1);
        const TRect source(mask.SourceRect.left + frame * fw, mask.SourceRect.top,
                           mask.SourceRect.left + (frame + 1) * fw, mask.SourceRect.top + fh);
        const int x = corner == TopLeftCorner || corner == BottomLeftCorner ? rect.Left : rect.Right - fw;
        const int y = corner == TopLeftCorner || corner == TopRightCorner ? rect.Top : rect.Bottom - fh;
        if (mask.MaskMode != 0) CopyMaskedPiece(TRect(x, y, x + fw, y + fh), source, bitmap, fh, true, itself, *picture);
        else CopyKeyedPiece(bitmap, *picture, x, true, itself, source, y);
    }
}
