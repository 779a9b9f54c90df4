#include "skin/core/sections/SectionPaint.h"

#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/masks/BorderMask.h"
#include "skin/core/parentbg/ParentCache.h"
#include "skin/core/pixels/BitmapCopies.h"
#include "skin/core/sections/CornerImages.h"
#include "skin/core/sections/SectionLayers.h"

#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"

#include "platform/gdi/Blits.h"
#include "platform/gdi/DeviceContexts.h"

namespace {

bool LeavesBitmap(const TRect& rect, const TBitmap& bitmap) {
    return rect.Left < 0 || rect.Top < 0 || rect.Right > bitmap.Width() || rect.Bottom > bitmap.Height();
}

}  // namespace

void PaintSection(int sectionIndex, const std::string& sectionName, const TSkParentCache& cache, int textureIndex,
                  int hotTextureIndex, TSkinManager* manager, TBitmap& bitmap, TPoint point, const TRect& rect,
                  int state, bool /*cornerFill*/) {
    TSkinManager* m = manager ? manager : DefaultSkinManager;
    if (m) PaintSection(m->Skin(), sectionIndex, sectionName, cache, textureIndex, hotTextureIndex, bitmap, point, rect, state);
}

void PaintSection(const TSkinContent& skin, int sectionIndex, const std::string& sectionName,
                  const TSkParentCache& cache, int textureIndex, int hotTextureIndex, TBitmap& bitmap, TPoint point,
                  const TRect& rect, int state) {
    if (rect.IsEmpty() || !skin.SectionIndexValid(sectionIndex) || LeavesBitmap(rect, bitmap)) return;
    const TSkGeneralData& section = skin.GeneralData[static_cast<std::size_t>(sectionIndex)];
    state = ClampedState(section, state);
    PaintSectionBackground(skin, sectionIndex, sectionName, cache, kNoCustomColor, hotTextureIndex, textureIndex,
                           bitmap, point, rect, state);
    DrawCornerImages(skin, section, bitmap, rect, state);
    if (skin.MaskIndexValid(section.BorderMaskIndex))
        DrawBorderMask(bitmap, rect, state, skin.Masks[static_cast<std::size_t>(section.BorderMaskIndex)],
                       MovedParentCache(cache, point.X, point.Y), true);
}

void PaintSectionToDC(int sectionIndex, const std::string& sectionName, const TSkParentCache& cache,
                      TSkinManager* manager, platform::HDC dc, TPoint point, const TRect& rect, int state,
                      bool cornerFill) {
    TSkinManager* m = manager ? manager : DefaultSkinManager;
    if (!m || !m->Skin().SectionIndexValid(sectionIndex) || rect.Left < 0 || rect.Top < 0 || rect.IsEmpty()) return;
    const int saved = platform::SaveDC(dc);
    auto work = NewBitmap32(rect.Width(), rect.Height());
    PaintSection(sectionIndex, sectionName, cache, -1, -1, m, *work, point, TRect(0, 0, rect.Width(), rect.Height()),
                 state, cornerFill);
    platform::BitBlt(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), work->Canvas()->Handle(), 0, 0,
                     platform::SRCCOPY);
    platform::RestoreDC(dc, saved);
}

int PaintSectionByName(TBitmap& bitmap, const std::string& name, const std::string& fallbackName, platform::HDC dc,
                       std::uint32_t fillColor, TPoint sourcePoint, TSkinManager* manager, int state) {
    TSkinManager* m = manager ? manager : DefaultSkinManager;
    if (!m) return -1;
    int index = m->FindSectionIndex(name);
    if (!m->Skin().SectionIndexValid(index)) index = m->FindSectionIndex(fallbackName);
    if (!m->Skin().SectionIndexValid(index)) return index;
    TSkParentCache cache = DefaultParentCache;
    cache.Color = fillColor;
    if (dc) {
        platform::BitBlt(bitmap.Canvas()->Handle(), 0, 0, bitmap.Width(), bitmap.Height(), dc, sourcePoint.X,
                         sourcePoint.Y, platform::SRCCOPY);
        cache = MakeParentCache(&bitmap, 0, 0);
        cache.Color = fillColor;
    }
    PaintSection(index, m->Skin().GeneralData[static_cast<std::size_t>(index)].SectionName, cache, -1, -1, m, bitmap,
                 TPoint{0, 0}, TRect(0, 0, bitmap.Width(), bitmap.Height()), state, true);
    return index;
}
