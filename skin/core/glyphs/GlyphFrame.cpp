#include "skin/core/glyphs/GlyphFrame.h"

#include "skin/core/colors/BitmapColors.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/AlphaRects.h"
#include "skin/core/pixels/BitmapBlends.h"
#include "skin/core/pixels/BitmapCopies.h"

#include "ui/graphics/Bitmap.h"

#include <algorithm>

bool GlyphFramesFallBack = false;

namespace {

constexpr std::uint32_t kBlendKey = 0x00FF00FF;
constexpr double kHalf = 0.5;
constexpr double kPercent = 100.0;

// The glyph as 32-bit pixels; a glyph of another format gets alpha 0, so
// its key colour compares as 0x00FF00FF.
std::unique_ptr<TBitmap> Copy32(TBitmap& glyph) {
    auto copy = std::make_unique<TBitmap>();
    copy->Assign(&glyph);
    const bool wide = IsBitmap32(&glyph);
    copy->SetPixelFormat(TPixelFormat::pf32bit);
    if (!wide) SetAlphaChannel(*copy, TRect(0, 0, copy->Width(), copy->Height()), 0, false);
    return copy;
}

std::uint32_t BottomLeft(TBitmap& bitmap, int column) { return ReadPixel32(bitmap, column, bitmap.Height() - 1); }

}  // namespace

int GlyphFrameIndex(int state, bool enabled, bool down, int numGlyphs, bool fourBitGlyph) {
    const bool fallBack = fourBitGlyph || GlyphFramesFallBack;
    if (!enabled) return 0;
    switch (state) {
        case bsUp: return 0;
        case bsDisabled: return fallBack ? 0 : 1;
        case bsDown: {
            const int e = (down ? 1 : 0) + 2;
            if (e < numGlyphs) return e;
            return fallBack ? 0 : std::min(1, numGlyphs - 1);
        }
        case bsExclusive: return numGlyphs < 3 ? 0 : 3;
        default: return -1;
    }
}

void DrawGlyphBitmapFrame(TBitmap& glyph, TBitmap& destination, const TRect& rect, bool down, int blendPercent,
                          int state, int disabledKind, bool enabled, int numGlyphs) {
    if (glyph.Empty() || numGlyphs < 1) return;
    auto work = Copy32(glyph);
    const double ratio = blendPercent / kPercent;
    const TRect whole(0, 0, work->Width(), work->Height());
    if (numGlyphs == 1) {
        std::uint32_t k = BottomLeft(*work, 0);
        if (enabled) {
            if (state != bsUp || blendPercent < 1) PutBitmapKeyed(destination, *work, rect.Left, ExchangeRedBlue(k), rect.Top);
            else BlendBitmapRect(destination, rect.Left, rect.Top, kBlendKey, ratio, whole, *work);
            return;
        }
        if (disabledKind & kGlyphGrayed) {
            GrayBitmap(work.get());
            k = BottomLeft(*work, 0);
        }
        if (disabledKind & kGlyphBlended) BlendBitmapRect(destination, rect.Left, rect.Top, k, kHalf, whole, *work);
        else PutBitmapKeyed(destination, *work, rect.Left, ExchangeRedBlue(k), rect.Top);
        return;
    }
    const int fw = work->Width() / numGlyphs;
    const int e = GlyphFrameIndex(state, enabled, down, numGlyphs, glyph.PixelFormat() == TPixelFormat::pf4bit);
    if (e < 0 || fw <= 0) return;
    const TRect frame(e * fw, 0, e * fw + fw, work->Height());
    if (!enabled && state == bsUp && blendPercent > 0) {
        BlendBitmapRect(destination, rect.Left, rect.Top, kBlendKey, ratio, frame, *work);
        return;
    }
    const std::uint32_t key = BottomLeft(*work, enabled ? e * fw : 0);
    CopyRectKeyed(destination, *work, rect.Left, ExchangeRedBlue(key),
                  TRect(frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1), rect.Top);
}
