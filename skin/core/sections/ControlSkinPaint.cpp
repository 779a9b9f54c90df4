#include "skin/core/sections/ControlSkinPaint.h"

#include "skin/core/colors/BitmapColors.h"
#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/masks/BorderMask.h"
#include "skin/core/parentbg/ParentCache.h"
#include "skin/core/sections/CornerImages.h"
#include "skin/core/sections/SectionLayers.h"
#include "skin/core/sections/SectionPaint.h"

#include "ui/forms/Form.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Colors.h"

#include <algorithm>

namespace {

const TSkGeneralData* SectionOf(const TSkCommonData& data) {
    TSkinManager* m = data.SkinManager();
    if (!m || !m->Skin().SectionIndexValid(data.SectionIndex)) return nullptr;
    return &m->Skin().GeneralData[static_cast<std::size_t>(data.SectionIndex)];
}

bool LeavesBitmap(const TRect& rect, const TBitmap& bitmap) {
    return rect.Left < 0 || rect.Top < 0 || rect.Right > bitmap.Width() || rect.Bottom > bitmap.Height();
}

// The owner's colour, or for a form's skinning its form's.
std::uint32_t OwnerColor(const TSkCommonData& data) {
    if (data.OwnerCtrl) return ColorToRGB(data.OwnerCtrl->Color());
    if (auto* component = dynamic_cast<TComponent*>(data.OwnerObj))
        if (auto* form = dynamic_cast<TCustomForm*>(component->Owner())) return ColorToRGB(form->Color());
    return kNoCustomColor;
}

const TSkMaskData* DrawnBorderMask(const TSkCommonData& data, const TSkinContent& skin, int state) {
    if (!skin.MaskIndexValid(data.BorderMaskIndex)) return nullptr;
    const TSkMaskData& mask = skin.Masks[static_cast<std::size_t>(data.BorderMaskIndex)];
    if (state == 0 && (mask.DrawFlags & kMaskNoNormalState)) return nullptr;
    return &mask;
}

}  // namespace

void PaintControlBackground(const TSkCommonData& data, const TSkParentCache& cache, int state, TBitmap& bitmap,
                            TPoint point, const TRect& rect) {
    const TSkGeneralData* section = SectionOf(data);
    if (!section) return;
    const std::uint32_t custom = data.CustomColor() ? OwnerColor(data) : kNoCustomColor;
    PaintSectionBackground(data.SectionIndex, data.SkinSection(), cache, custom, data.HotPatternIndex,
                           data.PatternIndex, data.SkinManager(), bitmap, point, rect, ClampedState(*section, state));
}

void PaintControlSkin(const TSkCommonData& data, const TSkParentCache& cache, int state, bool cornerFill,
                      TBitmap& bitmap, TPoint point, const TRect& rect) {
    const TSkGeneralData* section = SectionOf(data);
    if (!section || rect.IsEmpty() || LeavesBitmap(rect, bitmap)) return;
    const TSkinContent& skin = data.SkinManager()->Skin();
    state = ClampedState(*section, state);
    PaintControlBackground(data, cache, state, bitmap, point, rect);
    DrawCornerImages(skin, *section, bitmap, rect, state);
    const TSkMaskData* mask = DrawnBorderMask(data, skin, state);
    if (mask) DrawBorderMask(bitmap, rect, state, *mask, MovedParentCache(cache, point.X, point.Y), cornerFill);
    // A see-through section without a frame would turn the parent's pixels too.
    const bool recolour = mask || section->StateProps[static_cast<std::size_t>(std::min(state, 1))].Transparency == 0;
    if (!recolour) return;
    if (data.HUEOffset != 0) ShiftBitmapHue(&bitmap, data.HUEOffset);
    if (data.Saturation != 0) ChangeBitmapSaturation(&bitmap, data.Saturation);
}

bool PaintSkinOverParent(TSkCommonData& data, TControl* parent, bool cornerFill, TBitmap& bitmap, TPoint point,
                         const TRect& rect, int state) {
    const TSkGeneralData* section = SectionOf(data);
    if (!section || LeavesBitmap(rect, bitmap)) return false;
    TSkParentBgInfo info;
    QueryControlBackground(info, parent, false);
    if (info.Kind == bgNotReady) {
        data.DeferPaint = false;
        return false;
    }
    const TSkinContent& skin = data.SkinManager()->Skin();
    state = ClampedState(*section, state);
    const TSkParentCache cache = ParentCacheFromBgInfo(info);
    PaintControlBackground(data, cache, state, bitmap, point, rect);
    if (const TSkMaskData* mask = DrawnBorderMask(data, skin, state))
        DrawBorderMask(bitmap, rect, state, *mask, MovedParentCache(cache, point.X, point.Y), cornerFill);
    DrawCornerImages(skin, *section, bitmap, rect, state);
    return true;
}
