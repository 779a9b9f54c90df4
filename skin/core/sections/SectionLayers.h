#pragma once
// The layers of one section state, chosen once and painted by the section
// routines: colour, texture (a skin mask or a large pattern) and gradient.

#include "skin/core/data/SkinRecords.h"
#include "skin/core/library/SkinConstants.h"

#include "ui/core/Types.h"

class TBitmap;
class TGraphic;
struct TSkinContent;

struct TSkSectionLayers {
    std::uint32_t Color = 0;
    int Transparency = 0;
    int ImagePercent = 0;
    int GradientPercent = 0;
    const TSkGradArray* Gradient = nullptr;
    // A texture from the skin's masks (-1 none) or from its patterns.
    int MaskTexture = -1;
    TGraphic* Pattern = nullptr;
    // The caller's texture index after the section's own replaced a missing one.
    int GivenTexture = -1;
    // Where texture and gradient add up to 0 (or, with FillOverFull, above
    // 100) the rectangle is filled with this colour value.
    std::uint32_t PlainColor = 0;
    bool FillOverFull = false;
};

// The state is already clamped; a custom colour (not kNoCustomColor) makes
// the section opaque, without texture or gradient. With `lookUp` false the
// texture is only the given index and never searched by name.
TSkSectionLayers ChooseLayers(const TSkinContent& skin, int sectionIndex, const std::string& sectionName,
                              std::uint32_t customColor, int hotTextureIndex, int textureIndex, int state,
                              bool lookUp);
// Paints the layers into the rectangle; `cache` (moved to the rectangle's
// own origin) shows through masked textures.
void PaintLayers(const TSkinContent& skin, const TSkSectionLayers& layers, TBitmap& bitmap, const TRect& rect,
                 const TSkParentCache& cache);
// The rectangle filled with a colour value and alpha 255.
void FillColor(TBitmap& bitmap, const TRect& rect, std::uint32_t color);
// The cache's background copied into the rectangle (nothing when the target is the cache's bitmap).
void CopyParentBackground(TBitmap& bitmap, const TRect& rect, const TSkParentCache& cache, TPoint point);
int ClampedState(const TSkGeneralData& section, int state);
