#include "skin/core/alpha/Section32.h"

#include "skin/core/data/SkinLookups.h"
#include "skin/core/gradients/Gradients.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/parentbg/ParentCache.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/AlphaRects.h"
#include "skin/core/pixels/BitmapBlends.h"
#include "skin/core/pixels/BitmapCopies.h"
#include "skin/core/masks/PieceCopies.h"
#include "skin/core/textures/Textures.h"

#include "ui/core/Rounding.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Colors.h"

#include <algorithm>

namespace {

constexpr int kFullPercent = 100;
constexpr int kFullByte = 255;
constexpr std::uint8_t kOpaque = 255;

std::uint8_t AlphaOfTransparency(int t) { return static_cast<std::uint8_t>((kFullPercent - t) * kFullByte / kFullPercent); }

bool CoversBitmap(const TRect& rect, const TBitmap& bitmap) {
    return rect.Left <= 0 && rect.Top <= 0 && rect.Right >= bitmap.Width() && rect.Bottom >= bitmap.Height();
}

// A texture with a one-pass gradient: bands only, tiled, over a full share.
bool OnePassTextured(const TSkGenState& s, const TSkMaskData* texture) {
    const int g = s.GradientPercent;
    return texture && s.ImagePercent + g == kFullPercent && g >= 1 && g < kFullPercent && !s.GradientArray.empty() &&
           (s.GradientArray.front().Mode == gmVertical || s.GradientArray.front().Mode == gmHorizontal) &&
           texture->DrawFlags == 0;
}

// The texture in its fill mode; what it leaves, or all without one, in the colour.
void PaintTextureLayer(TBitmap& bitmap, const TRect& rect, const TSkMaskData* texture, std::uint32_t color) {
    TRect uncovered = rect;
    if (texture && texture->MaskMode != 0) PaintMaskedTexture(bitmap, uncovered, DefaultParentCache, texture->DrawFlags, *texture);
    else if (texture) PaintTexture(bitmap, uncovered, nullptr, texture->DrawFlags, texture);
    if (uncovered != kAllCovered && !uncovered.IsEmpty()) FillRectWithAlpha(bitmap, uncovered, color, kOpaque);
}

}  // namespace

void PaintSectionBackground32(int sectionIndex, int state, const TRect& rect, const TSkinContent& skin, TBitmap& bitmap) {
    if (!skin.SectionIndexValid(sectionIndex) || rect.IsEmpty()) return;
    const TSkGeneralData& section = skin.GeneralData[static_cast<std::size_t>(sectionIndex)];
    const TSkGenState& s = section.StateProps[state > 0 && section.StateCount > 1 ? HotState : NormalState];
    const int t = s.Transparency;
    if (t >= kFullPercent) {
        if (CoversBitmap(rect, bitmap)) FillRectWithAlpha(bitmap, rect, 0, 0);
        return;
    }
    const std::uint32_t color = ColorToRGB(static_cast<TColor>(s.Color));
    const int i = s.ImagePercent, g = s.GradientPercent;
    const TSkMaskData* texture =
        i > 0 && skin.MaskIndexValid(s.TextureIndex) ? &skin.Masks[static_cast<std::size_t>(s.TextureIndex)] : nullptr;
    if (OnePassTextured(s, texture)) {
        if (TBitmap* picture = skin.PictureOf(*texture)) {
            PaintGradientTextured(bitmap, rect, s.GradientArray, static_cast<std::uint8_t>(Round((kFullPercent - t) * kFullByte / 100.0)),
                                  i * kFullByte / kFullPercent, texture->SourceRect, *picture);
            return;
        }
    }
    if (i > 0) PaintTextureLayer(bitmap, rect, texture, color);
    if (g > 0) {
        if (i > 0) {
            auto layer = NewBitmap32(rect.Width(), rect.Height());
            const TRect whole(0, 0, rect.Width(), rect.Height());
            if (!s.GradientArray.empty()) PaintGradient(*layer, whole, s.GradientArray);
            else FillRectWithAlpha(*layer, whole, color, kOpaque);
            BlendBitmapAt(bitmap, *layer, std::min(i * kFullByte / kFullPercent, kFullByte), rect.TopLeft(), whole);
        } else if (!s.GradientArray.empty()) {
            PaintGradient(bitmap, rect, s.GradientArray);
        } else {
            FillRectWithAlpha(bitmap, rect, color, kOpaque);
            return;
        }
    }
    const int sum = i + g;
    if (sum >= 1 && sum < kFullPercent) {
        BlendColorRect(bitmap, TRect(rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1), sum, color);
    } else if (sum == 0) {
        const std::uint32_t corner = ReadPixel32(bitmap, rect.Left, rect.Top);
        if (corner == 0) FillRectWithAlpha(bitmap, rect, color, AlphaOfTransparency(t));
        else if (t == 0) FillRectWithAlpha(bitmap, rect, color, kOpaque);
        else
            BlendRectTowardColor(bitmap, rect, color,
                                 static_cast<std::uint8_t>(std::max<std::uint32_t>(ChannelOf(corner, kAlphaShift), AlphaOfTransparency(t))),
                                 kFullPercent - t);
    }
}

void PaintSection32(int sectionIndex, int state, TSkinManager* manager, TBitmap& bitmap, const TRect& rect) {
    TSkinManager* m = manager ? manager : DefaultSkinManager;
    if (m) PaintSection32(sectionIndex, state, m->Skin(), bitmap, rect);
}

void PaintSection32(int sectionIndex, int state, const TSkinContent& skin, TBitmap& bitmap, const TRect& rect) {
    if (rect.IsEmpty() || !IsBitmap32(&bitmap) || !skin.SectionIndexValid(sectionIndex)) return;
    if (rect.Left < 0 || rect.Top < 0 || rect.Right > bitmap.Width() || rect.Bottom > bitmap.Height()) return;
    const TSkGeneralData& section = skin.GeneralData[static_cast<std::size_t>(sectionIndex)];
    state = std::clamp(state, 0, std::max(section.StateCount - 1, 0));
    // What lay under the rectangle shows through the border mask's corners.
    auto under = NewBitmap32(rect.Width() + 1, rect.Height() + 1);
    CopyPiece(*under, 0, 0, bitmap, TRect(rect.Left, rect.Top, rect.Right + 1, rect.Bottom + 1));
    PaintSectionBackground32(sectionIndex, std::min(state, 1), rect, skin, bitmap);
    if (skin.MaskIndexValid(section.BorderMaskIndex))
        DrawBorderMask32(bitmap, rect, skin, state, skin.Masks[static_cast<std::size_t>(section.BorderMaskIndex)],
                         MakeParentCache(under.get(), -rect.Left, -rect.Top));
    if (CoversBitmap(rect, bitmap)) PremultiplyRect(bitmap, rect);
}
