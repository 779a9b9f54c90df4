#include "skin/core/sections/SectionLayers.h"

#include "skin/core/data/SkinLookups.h"
#include "skin/core/gradients/Gradients.h"
#include "skin/core/parentbg/ParentCache.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/AlphaRects.h"
#include "skin/core/pixels/BitmapBlends.h"
#include "skin/core/pixels/BitmapCopies.h"
#include "skin/core/textures/Textures.h"

#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Colors.h"

#include <algorithm>

namespace {

constexpr int kFullPercent = 100;
constexpr int kFullByte = 255;
constexpr std::uint8_t kOpaqueAlpha = 255;

const char* const kPatternKey = "PATTERN";
const char* const kHotPatternKey = "HOTPATTERN";

// A given texture is taken only when it is a keyed image; masked ones
// show through the mode-10 pass of the background instead.
int KeyedTexture(const TSkinContent& skin, int index) {
    return skin.MaskIndexValid(index) && skin.Masks[static_cast<std::size_t>(index)].MaskMode == 0 ? index : -1;
}

void ChooseTexture(const TSkinContent& skin, TSkSectionLayers& l, int sectionIndex, const std::string& name,
                   int given, const char* key, bool lookUp) {
    if (!lookUp) {
        l.MaskTexture = skin.MaskIndexValid(given) ? given : -1;
        return;
    }
    l.MaskTexture = given < 0 ? skin.FindMaskIndex(sectionIndex, name, key) : KeyedTexture(skin, given);
    if (skin.MaskIndexValid(l.MaskTexture)) return;
    l.MaskTexture = -1;
    const int pattern = skin.FindJpegPatternIndex(sectionIndex, name, key);
    if (pattern >= 0 && pattern < static_cast<int>(skin.Patterns.size()))
        l.Pattern = skin.Patterns[static_cast<std::size_t>(pattern)].Image.get();
}

bool GradientUsable(const TSkGradArray* steps) { return steps && !steps->empty(); }

}  // namespace

int ClampedState(const TSkGeneralData& section, int state) {
    return std::clamp(state, 0, std::max(section.StateCount - 1, 0));
}

TSkSectionLayers ChooseLayers(const TSkinContent& skin, int sectionIndex, const std::string& sectionName,
                              std::uint32_t customColor, int hotTextureIndex, int textureIndex, int state,
                              bool lookUp) {
    const TSkGeneralData& s = skin.GeneralData[static_cast<std::size_t>(sectionIndex)];
    TSkSectionLayers l;
    l.GivenTexture = textureIndex;
    if (customColor != KeyColorValue) {
        l.Color = l.PlainColor = customColor;
        return l;
    }
    const bool hot = state > 0;
    l.Color = static_cast<std::uint32_t>(hot ? s.HotColor : s.Color);
    l.PlainColor = l.Color;
    l.Transparency = hot ? s.HotTransparency : s.Transparency;
    if (l.Transparency == kFullPercent) return l;
    l.ImagePercent = hot ? s.HotImagePercent : s.ImagePercent;
    l.GradientPercent = hot ? s.HotGradientPercent : s.GradientPercent;
    if (l.ImagePercent > 0) {
        if (hot) {
            ChooseTexture(skin, l, sectionIndex, sectionName, hotTextureIndex, kHotPatternKey, lookUp);
        } else {
            if (lookUp && textureIndex < 0) l.GivenTexture = s.TextureIndex;
            ChooseTexture(skin, l, sectionIndex, sectionName, l.GivenTexture, kPatternKey, lookUp);
        }
    }
    if (l.GradientPercent != 0) l.Gradient = hot ? &s.HotGradientArray : &s.GradientArray;
    return l;
}

void FillColor(TBitmap& bitmap, const TRect& rect, std::uint32_t color) {
    FillRectWithAlpha(bitmap, rect, ColorToRGB(static_cast<TColor>(color)), kOpaqueAlpha);
}

void CopyParentBackground(TBitmap& bitmap, const TRect& rect, const TSkParentCache& cache, TPoint point) {
    if (cache.Bitmap == &bitmap || !IsBitmap32(&bitmap)) return;
    const TRect inside = ClipToBitmap(rect, bitmap);
    for (int y = inside.Top; y < inside.Bottom; ++y) {
        std::uint32_t* row = PixelRow(bitmap, y);
        for (int x = inside.Left; x < inside.Right; ++x)
            if (std::uint32_t parent; ParentPixelAt(cache, x + point.X, y + point.Y, parent)) row[x] = parent;
    }
}

void PaintLayers(const TSkinContent& skin, const TSkSectionLayers& l, TBitmap& bitmap, const TRect& rect,
                 const TSkParentCache& cache) {
    if (rect.IsEmpty()) return;
    const TSkMaskData* texture =
        skin.MaskIndexValid(l.MaskTexture) ? &skin.Masks[static_cast<std::size_t>(l.MaskTexture)] : nullptr;
    const int sum = l.ImagePercent + l.GradientPercent;
    // A tiled texture under a banded gradient goes in one pass.
    if (sum == kFullPercent && l.GradientPercent > 0 && l.GradientPercent < kFullPercent && texture &&
        texture->DrawFlags == fmTile && GradientUsable(l.Gradient) &&
        (l.Gradient->front().Mode == gmVertical || l.Gradient->front().Mode == gmHorizontal)) {
        if (TBitmap* picture = skin.PictureOf(*texture)) {
            PaintGradientTextured(bitmap, rect, *l.Gradient, kOpaqueAlpha, l.ImagePercent * kFullByte / kFullPercent,
                                  texture->SourceRect, *picture);
            return;
        }
    }
    bool textured = false;
    if (l.ImagePercent > 0) {
        TRect uncovered = rect;
        if (l.Pattern) PaintTexture(bitmap, uncovered, l.Pattern, fmTile, nullptr);
        else if (texture && texture->MaskMode != 0) PaintMaskedTexture(bitmap, uncovered, cache, texture->DrawFlags, *texture);
        else if (texture) PaintTexture(bitmap, uncovered, nullptr, texture->DrawFlags, texture);
        // A texture the skin lacks leaves its share to the section colour.
        if (uncovered != kAllCovered && !uncovered.IsEmpty()) FillColor(bitmap, uncovered, l.Color);
        textured = true;
    }
    if (l.GradientPercent > 0) {
        if (textured) {
            auto layer = NewBitmap32(rect.Width(), rect.Height());
            const TRect whole(0, 0, rect.Width(), rect.Height());
            if (GradientUsable(l.Gradient)) PaintGradient(*layer, whole, *l.Gradient);
            else FillColor(*layer, whole, l.Color);
            BlendBitmapAt(bitmap, *layer, std::min(l.ImagePercent * kFullByte / kFullPercent, kFullByte),
                          TPoint{rect.Left, rect.Top}, whole);
        } else if (GradientUsable(l.Gradient)) {
            PaintGradient(bitmap, rect, *l.Gradient);
        } else {
            FillColor(bitmap, rect, l.Color);
        }
    }
    if (sum == 0 || (l.FillOverFull && sum > kFullPercent)) FillColor(bitmap, rect, l.PlainColor);
    else if (sum < kFullPercent) BlendColorRect(bitmap, TRect(rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1), sum, l.Color);
}
