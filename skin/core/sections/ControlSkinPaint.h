#pragma once
// A skinned element's section painted from its skin data: its own manager,
// section, textures, custom colour and colour changes, over the background
// behind it. The cache tells what lies behind, as for PaintSection.

#include "skin/core/library/SkinConstants.h"

#include "ui/core/Types.h"

class TBitmap;
class TControl;
class TSkCommonData;

// The background layers of the element's section; CustomColor paints it
// opaque in the owner's (or its form's) colour.
void PaintControlBackground(const TSkCommonData& data, const TSkParentCache& cache, int state, TBitmap& bitmap,
                            TPoint point, const TRect& rect);
// Background, corner images and border mask (its corners over the parent
// only with `cornerFill`), then the element's hue and saturation changes.
void PaintControlSkin(const TSkCommonData& data, const TSkParentCache& cache, int state, bool cornerFill,
                      TBitmap& bitmap, TPoint point, const TRect& rect);
// Asks `parent` for the background and paints the element's skin over it;
// false (and painting left for later) while the parent is not ready.
bool PaintSkinOverParent(TSkCommonData& data, TControl* parent, bool cornerFill, TBitmap& bitmap, TPoint point,
                         const TRect& rect, int state);
