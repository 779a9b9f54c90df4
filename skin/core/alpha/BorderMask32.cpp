#include "skin/core/alpha/MaskPieces32.h"
#include "skin/core/alpha/Section32.h"

#include "skin/core/data/SkinLookups.h"
#include "skin/core/masks/BorderMask.h"
#include "skin/core/masks/MaskPieces.h"
#include "skin/core/masks/NinePieces.h"
#include "skin/core/masks/PieceCopies.h"
#include "skin/core/pixels/AlphaPixels.h"

#include "ui/graphics/Bitmap.h"

#include <algorithm>

void DrawBorderMask32(TBitmap& bitmap, const TRect& rect, const TSkinContent& skin, int state, const TSkMaskData& mask,
                      const TSkParentCache& cache) {
    if ((state == 0 && (mask.DrawFlags & kMaskNoNormalState)) || rect.Width() < 2 || rect.Height() < 2) return;
    TBitmap* picture = skin.PictureOf(mask);
    if (!picture || !IsBitmap32(&bitmap) || mask.FrameCount < 1) return;
    const TSkBorderWidths w = WorkingBorders(MaskBorders(mask), rect.Width(), rect.Height());
    const TNinePieces pieces(mask, std::clamp(state, 0, mask.FrameCount - 1), w, rect);
    if (!pieces.Valid()) return;
    const bool masked = mask.MaskMode != 0;
    const int maskOffset = masked ? pieces.FrameHeight : 0;
    for (TNinePieces::TPart part : TNinePieces::kDrawOrder) {
        const TNinePieces::TPiece& piece = pieces.Piece(part);
        if (TNinePieces::IsCorner(part)) {
            if (masked) CopyMaskedPiece32(piece.Dest, piece.Source, bitmap, mask, cache, *picture);
            else CopyKeyedPiece(bitmap, *picture, piece.Dest.Left, true, cache, piece.Source, piece.Dest.Top);
            continue;
        }
        const bool centre = part == TNinePieces::Centre;
        if (centre && !(mask.DrawFlags & kMaskPaintCentre)) continue;
        if (mask.DrawFlags & kMaskStretch) {
            StretchMaskedPiece32(piece.Dest, centre, maskOffset, *picture, bitmap, piece.Source);
            continue;
        }
        RepeatTiles(piece.Dest, piece.Source.Width(), piece.Source.Height(), [&](const TRect& d) {
            const TRect s(piece.Source.Left, piece.Source.Top, piece.Source.Left + d.Width(),
                          piece.Source.Top + d.Height());
            if (masked) CopyMaskedPiece32(d, s, bitmap, mask, DefaultParentCache, *picture);
            else CopyPiece(bitmap, d.Left, d.Top, *picture, s);
        });
    }
}
