#include "skin/core/sections/SectionPaint.h"

#include "skin/core/colors/ColorOps.h"
#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/masks/BorderMask.h"
#include "skin/core/parentbg/ParentCache.h"
#include "skin/core/pixels/BitmapBlends.h"
#include "skin/core/pixels/BitmapCopies.h"
#include "skin/core/sections/SectionLayers.h"
#include "skin/core/textures/Textures.h"

#include "ui/core/Rounding.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Colors.h"

namespace {

constexpr int kFullPercent = 100;
constexpr double kPercentToByte = 2.55;

std::uint32_t Rgb(std::uint32_t color) { return ColorToRGB(static_cast<TColor>(color)); }

// What lies behind: the cache's bitmap when it is ready, else its colour.
void PutBackground(TBitmap& bitmap, const TRect& rect, const TSkParentCache& cache, TPoint point) {
    if (cache.Ready && cache.Bitmap) CopyParentBackground(bitmap, rect, cache, point);
    else FillColor(bitmap, rect, cache.Color);
}

// The layers painted apart and laid over the background, which keeps
// `keep` of 255.
void BlendOverBackground(const TSkinContent& skin, const TSkSectionLayers& layers, TBitmap& bitmap, const TRect& rect,
                         const TSkParentCache& cache, TPoint point, int keep) {
    auto work = NewBitmap32(rect.Width(), rect.Height());
    const TRect whole(0, 0, rect.Width(), rect.Height());
    PaintLayers(skin, layers, *work, whole, MovedParentCache(cache, point.X + rect.Left, point.Y + rect.Top));
    PutBackground(bitmap, rect, cache, point);
    BlendBitmapAt(bitmap, *work, keep, TPoint{rect.Left, rect.Top}, whole);
}

}  // namespace

void PaintSectionBackground(int sectionIndex, const std::string& sectionName, const TSkParentCache& cache,
                            std::uint32_t customColor, int hotTextureIndex, int textureIndex, TSkinManager* manager,
                            TBitmap& bitmap, TPoint point, const TRect& rect, int state) {
    TSkinManager* m = manager ? manager : DefaultSkinManager;
    if (m)
        PaintSectionBackground(m->Skin(), sectionIndex, sectionName, cache, customColor, hotTextureIndex,
                               textureIndex, bitmap, point, rect, state);
}

void PaintSectionBackground(const TSkinContent& skin, int sectionIndex, const std::string& sectionName,
                            const TSkParentCache& cache, std::uint32_t customColor, int hotTextureIndex,
                            int textureIndex, TBitmap& bitmap, TPoint point, const TRect& rect, int state) {
    if (!skin.SectionIndexValid(sectionIndex) || rect.IsEmpty()) return;
    state = ClampedState(skin.GeneralData[static_cast<std::size_t>(sectionIndex)], state);
    const TSkSectionLayers layers =
        ChooseLayers(skin, sectionIndex, sectionName, customColor, hotTextureIndex, textureIndex, state, true);
    const TSkParentCache here = MovedParentCache(cache, point.X, point.Y);
    const int t = layers.Transparency;
    if ((!cache.Ready && cache.Color == KeyColorValue) || t == 0) {
        PaintLayers(skin, layers, bitmap, rect, here);
    } else if (t == kFullPercent) {
        PutBackground(bitmap, rect, cache, point);
    } else if (cache.Ready || layers.GradientPercent > 0 || layers.ImagePercent > 0) {
        BlendOverBackground(skin, layers, bitmap, rect, cache, point, static_cast<int>(Round(t * kPercentToByte)));
    } else {
        FillColor(bitmap, rect, MixTwoColors(Rgb(cache.Color), Rgb(layers.Color), t / double(kFullPercent)));
    }
    if (state != 0) return;
    // A masked texture that fills whole tiles only shows the parent between them.
    const int given = layers.GivenTexture >= 0 ? layers.GivenTexture : hotTextureIndex;
    if (!skin.MaskIndexValid(given)) return;
    const TSkMaskData& texture = skin.Masks[static_cast<std::size_t>(given)];
    if (texture.MaskMode > 0 && texture.DrawFlags == fmWholeTiles) {
        TRect area = rect;
        PaintMaskedTexture(bitmap, area, here, fmWholeTiles, texture);
    }
}

void PaintSectionAndMask(int sectionIndex, int borderMaskIndex, int textureIndex, TSkinManager* manager,
                         TBitmap& bitmap, TPoint point, const TRect& rect, int state, bool /*cornerFill*/,
                         const TSkParentCache& cache, const std::string& sectionName, int hotTextureIndex) {
    TSkinManager* m = manager ? manager : DefaultSkinManager;
    if (!m || !m->Skin().SectionIndexValid(sectionIndex) || rect.IsEmpty()) return;
    const TSkinContent& skin = m->Skin();
    state = ClampedState(skin.GeneralData[static_cast<std::size_t>(sectionIndex)], state);
    TSkSectionLayers layers =
        ChooseLayers(skin, sectionIndex, sectionName, kNoCustomColor, hotTextureIndex, textureIndex, state, false);
    layers.FillOverFull = true;
    const int t = layers.Transparency;
    // Nothing known behind a see-through section: it shows its own colour.
    if (!cache.Ready && t == kFullPercent && cache.Color != KeyColorValue) layers.PlainColor = cache.Color;
    const TSkParentCache here = MovedParentCache(cache, point.X, point.Y);
    if (cache.Ready && t == kFullPercent) PutBackground(bitmap, rect, cache, point);
    else if (t == 0 || !cache.Ready) PaintLayers(skin, layers, bitmap, rect, here);
    else BlendOverBackground(skin, layers, bitmap, rect, cache, point, t * 255 / kFullPercent);
    if (skin.MaskIndexValid(borderMaskIndex))
        DrawBorderMask(bitmap, rect, state, skin.Masks[static_cast<std::size_t>(borderMaskIndex)], here, true);
}
