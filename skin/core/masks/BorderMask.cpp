#include "skin/core/masks/BorderMask.h"

#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/masks/MaskPieces.h"
#include "skin/core/masks/NinePieces.h"
#include "skin/core/masks/PieceCopies.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/AlphaRects.h"

#include "ui/graphics/Bitmap.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Regions.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kOpaqueAlpha = 255;

void ShrinkPair(int& first, int& second, int size) {
    if (size >= first + second) return;
    const int h = first + second - size, k = h / 2;
    first -= k;
    second -= k + (h % 2);
    first = std::max(first, 0);
    second = std::max(second, 0);
}

// One side or the centre, repeated or stretched.
void DrawSide(TBitmap& bitmap, TBitmap& picture, const TNinePieces::TPiece& piece, int maskOffset, bool centre,
              bool stretch) {
    if (stretch) {
        StretchMaskedPiece(piece.Dest, centre, maskOffset, picture, bitmap, piece.Source);
        return;
    }
    RepeatTiles(piece.Dest, piece.Source.Width(), piece.Source.Height(), [&](const TRect& d) {
        const TRect s(piece.Source.Left, piece.Source.Top, piece.Source.Left + d.Width(), piece.Source.Top + d.Height());
        if (maskOffset) CopyMaskedPiece(d, s, bitmap, maskOffset, false, DefaultParentCache, picture);
        else CopyPiece(bitmap, d.Left, d.Top, picture, s);
    });
}

void DrawCorner(TBitmap& bitmap, TBitmap& picture, const TNinePieces::TPiece& piece, const TSkMaskData& mask,
                int maskOffset, const TSkParentCache& cache, bool fill) {
    if (mask.MaskMode != 0) CopyMaskedPiece(piece.Dest, piece.Source, bitmap, maskOffset, fill, cache, picture);
    else CopyKeyedPiece(bitmap, picture, piece.Dest.Left, fill, cache, piece.Source, piece.Dest.Top);
}

// Copies one piece for the region variant; corner key pixels are left and
// each run of them in a row is cut out of the region.
void CopyPieceWithRegion(const TRect& dest, bool keyTest, const TSkMaskData& mask, platform::HRGN region,
                         TBitmap& bitmap, TBitmap& picture, const TRect& source, int maskOffset) {
    if (!keyTest) {
        if (mask.MaskMode == 1) CopyMaskedPiece(dest, source, bitmap, maskOffset, false, DefaultParentCache, picture);
        else CopyPiece(bitmap, dest.Left, dest.Top, picture, source);
        return;
    }
    const int columns = std::min(dest.Width(), source.Width()), rows = std::min(dest.Height(), source.Height());
    for (int row = 0; row < rows; ++row) {
        const int sy = source.Top + row, dy = dest.Top + row;
        if (sy < 0 || sy >= picture.Height() || dy < 0 || dy >= bitmap.Height()) continue;
        int runStart = -1;
        auto endRun = [&](int x) {
            if (runStart >= 0 && region) {
                platform::HRGN cut = platform::CreateRectRgn(runStart, dy, x, dy + 1);
                platform::CombineRgn(region, region, cut, platform::RGN_DIFF);
                platform::DeleteObject(cut);
            }
            runStart = -1;
        };
        for (int col = 0; col < columns; ++col) {
            const int sx = source.Left + col, dx = dest.Left + col;
            const std::uint32_t s = ReadPixel32(picture, sx, sy);
            if (IsExactKeyPixel(s) && sx >= 0 && sx < picture.Width()) {
                if (runStart < 0) runStart = dx;
                continue;
            }
            endRun(dx);
            if (mask.MaskMode == 1)
                CopyMaskedPiece(TRect(dx, dy, dx + 1, dy + 1), TRect(sx, sy, sx + 1, sy + 1), bitmap, maskOffset,
                                false, DefaultParentCache, picture);
            else
                WritePixel32(bitmap, dx, dy, s);
        }
        endRun(dest.Left + columns);
    }
}

}  // namespace

TSkBorderWidths MaskBorders(const TSkMaskData& mask) {
    return {mask.BorderLeft, mask.BorderTop, mask.BorderRight, mask.BorderBottom};
}

TSkBorderWidths WorkingBorders(TSkBorderWidths w, int width, int height) {
    ShrinkPair(w.Left, w.Right, width);
    ShrinkPair(w.Top, w.Bottom, height);
    return w;
}

void DrawBorderMask(TBitmap& bitmap, const TRect& rect, int state, const TSkMaskData& mask,
                    const TSkParentCache& cache, bool cornerFill) {
    if ((state == 0 && (mask.DrawFlags & kMaskNoNormalState)) || rect.Width() < 2 || rect.Height() < 2 || !mask.Owner)
        return;
    TBitmap* picture = mask.Owner->Skin().PictureOf(mask);
    if (!picture || !IsBitmap32(&bitmap) || mask.FrameCount < 1) return;
    const TSkBorderWidths w = WorkingBorders(MaskBorders(mask), rect.Width(), rect.Height());
    const int frame = std::clamp(state, 0, mask.FrameCount - 1);
    const TNinePieces pieces(mask, frame, w, rect);
    if (!pieces.Valid()) return;
    const bool fill = cornerFill && mask.CornerMode > 0;
    const int maskOffset = mask.MaskMode != 0 ? pieces.FrameHeight : 0;
    const bool stretch = mask.DrawFlags & kMaskStretch;
    for (TNinePieces::TPart part : TNinePieces::kDrawOrder) {
        if (TNinePieces::IsCorner(part)) {
            DrawCorner(bitmap, *picture, pieces.Piece(part), mask, maskOffset, cache, fill);
        } else if (part != TNinePieces::Centre || (mask.DrawFlags & kMaskPaintCentre)) {
            DrawSide(bitmap, *picture, pieces.Piece(part), maskOffset, part == TNinePieces::Centre, stretch);
        }
    }
}

void DrawBorderMaskWithRegion(TBitmap& bitmap, platform::HRGN region, bool centre, int state,
                              const TSkMaskData& mask) {
    if (bitmap.Width() < 2 || bitmap.Height() < 2 || !mask.Owner || !IsBitmap32(&bitmap)) return;
    TBitmap* picture = mask.Owner->Skin().PictureOf(mask);
    if (!picture) return;
    TSkMaskData frames = mask;
    if (frames.FrameCount < 1) {
        frames.FrameCount = 1;
        frames.SourceRect = {0, 0, picture->Width(), picture->Height()};
    }
    const TRect whole(0, 0, bitmap.Width(), bitmap.Height());
    const TSkBorderWidths w = WorkingBorders(MaskBorders(frames), whole.Width(), whole.Height());
    const int frame = std::clamp(state, 0, frames.FrameCount - 1);
    const TNinePieces pieces(frames, frame, w, whole, MaskBorders(frames));
    const int maskOffset = frames.MaskMode == 1 ? pieces.FrameHeight : 0;
    const bool stretch = frames.DrawFlags & kMaskStretch;
    for (TNinePieces::TPart part : TNinePieces::kDrawOrder) {
        const TNinePieces::TPiece& piece = pieces.Piece(part);
        const bool corner = TNinePieces::IsCorner(part);
        if (part == TNinePieces::Centre &&
            (!centre || !(frames.DrawFlags & kMaskPaintCentre) || pieces.CentreWidth <= 0 || pieces.CentreHeight <= 0))
            continue;
        if (!corner && stretch) {
            StretchMaskedPiece(piece.Dest, part == TNinePieces::Centre, frames.MaskMode != 0 ? pieces.FrameHeight : 0,
                               *picture, bitmap, piece.Source);
            continue;
        }
        if (corner) {
            CopyPieceWithRegion(piece.Dest, true, frames, region, bitmap, *picture, piece.Source, maskOffset);
            continue;
        }
        RepeatTiles(piece.Dest, piece.Source.Width(), piece.Source.Height(), [&](const TRect& d) {
            CopyPieceWithRegion(d, false, frames, region, bitmap, *picture,
                                TRect(piece.Source.Left, piece.Source.Top, piece.Source.Left + d.Width(),
                                      piece.Source.Top + d.Height()),
                                maskOffset);
        });
    }
}

void FillBorderFrame32(TBitmap& bitmap, const TRect& r, TSkBorderWidths w, std::uint32_t color) {
    FillRectWithAlpha(bitmap, TRect(r.Left, r.Top, r.Right, r.Top + w.Top), color, kOpaqueAlpha);
    FillRectWithAlpha(bitmap, TRect(r.Left, r.Top + w.Top, r.Left + w.Left, r.Bottom), color, kOpaqueAlpha);
    FillRectWithAlpha(bitmap, TRect(r.Left + w.Left, r.Bottom - w.Bottom, r.Right, r.Bottom), color, kOpaqueAlpha);
    FillRectWithAlpha(bitmap, TRect(r.Right - w.Right, r.Top + w.Top, r.Right, r.Bottom - w.Bottom), color,
                      kOpaqueAlpha);
}
