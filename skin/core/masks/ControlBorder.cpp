#include "skin/core/masks/ControlBorder.h"

#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/parentbg/ParentCache.h"
#include "skin/core/pixels/BitmapCopies.h"
#include "skin/core/sections/SectionLayers.h"

#include "ui/forms/WinControl.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Colors.h"

#include "platform/gdi/Blits.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/GdiObjects.h"

#include <algorithm>

namespace {

constexpr int kMaskOverImage = 1;

void FillStrip(platform::HDC dc, int left, int top, int right, int bottom, platform::HBRUSH brush) {
    if (right <= left || bottom <= top) return;
    const platform::RECT r{left, top, right, bottom};
    platform::FillRect(dc, &r, brush);
}

}  // namespace

void FillDCFrame(platform::HDC dc, const TRect& rect, TSkBorderWidths widths, std::uint32_t color) {
    const int saved = platform::SaveDC(dc);
    platform::HBRUSH brush = platform::CreateSolidBrush(ColorToRGB(static_cast<TColor>(color)));
    FillStrip(dc, rect.Left, rect.Top, rect.Right, rect.Top + widths.Top, brush);
    FillStrip(dc, rect.Left, rect.Top + widths.Top, rect.Left + widths.Left, rect.Bottom, brush);
    FillStrip(dc, rect.Left + widths.Left, rect.Bottom - widths.Bottom, rect.Right, rect.Bottom, brush);
    FillStrip(dc, rect.Right - widths.Right, rect.Top + widths.Top, rect.Right, rect.Bottom - widths.Bottom, brush);
    platform::DeleteObject(brush);
    platform::RestoreDC(dc, saved);
}

void CopyBorderStrips(platform::HDC destination, TPoint destOrigin, int strip, platform::HDC source, TPoint sourceOrigin,
                      int width, int height) {
    auto copy = [&](int x, int y, int w, int h) {
        if (w > 0 && h > 0)
            platform::BitBlt(destination, destOrigin.X + x, destOrigin.Y + y, w, h, source, sourceOrigin.X + x,
                             sourceOrigin.Y + y, platform::SRCCOPY);
    };
    copy(0, 0, width, strip);
    copy(0, height - strip, width, strip);
    copy(0, strip, strip, height - 2 * strip);
    copy(width - strip, strip, strip, height - 2 * strip);
}

void PaintControlBorder(platform::HDC dc, const TRect& rect, int width, TRect& inner, int state, TSkCommonData& data) {
    const std::uint32_t color = data.GetStateColor(state);
    TControl* owner = data.OwnerCtrl;
    TSkParentBgInfo info;
    const bool asked = owner && owner->Parent();
    if (asked) QueryControlBackground(info, owner->Parent(), false);
    TSkinManager* m = data.SkinManager();
    const bool hasMask = m && m->Skin().MaskIndexValid(data.BorderMaskIndex) &&
                         m->Skin().SectionIndexValid(data.SectionIndex);
    if (!hasMask) {
        if (width > 0) FillDCFrame(dc, rect, {width, width, width, width}, color);
        return;
    }
    const TSkMaskData& mask = m->Skin().Masks[static_cast<std::size_t>(data.BorderMaskIndex)];
    state = ClampedState(m->Skin().GeneralData[static_cast<std::size_t>(data.SectionIndex)], state);
    data.SizeCacheBitmap();
    TBitmap& cache = *data.CacheBitmap;
    const TPoint at = owner ? TPoint{owner->Left(), owner->Top()} : TPoint{0, 0};
    const TSkBorderWidths borders = MaskBorders(mask);
    if (mask.MaskMode == kMaskOverImage) {
        if (info.Kind == bgBitmap && info.Bitmap)
            platform::BitBlt(cache.Canvas()->Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(),
                             info.Bitmap->Canvas()->Handle(), at.X + info.OffsetX, at.Y + info.OffsetY,
                             platform::SRCCOPY);
        else
            FillDCFrame(cache.Canvas()->Handle(), rect, borders, color);
    }
    // A control without a parent has nothing known behind its corners.
    const TSkParentCache behind = asked ? MovedParentCache(ParentCacheFromBgInfo(info), at.X, at.Y) : DefaultParentCache;
    DrawBorderMask(cache, rect, state, mask, behind, true);
    inner = TRect(rect.Left + borders.Left, rect.Top + borders.Top, rect.Right - borders.Right,
                  rect.Bottom - borders.Bottom);
    if (width <= 0) return;
    const int w = rect.Width(), h = rect.Height();
    const TSkBorderWidths widened{std::max(std::min(width, w - borders.Right) - borders.Left, 0),
                                  std::max(std::min(width, h - borders.Bottom) - borders.Top, 0),
                                  std::max(std::min(width, w - borders.Left) - borders.Right, 0),
                                  std::max(std::min(width, h - borders.Top) - borders.Bottom, 0)};
    FillBorderFrame32(cache, inner, widened, color);
    const int shrinkX = std::min(width, w / 2), shrinkY = std::min(width, h / 2);
    inner = TRect(rect.Left + shrinkX, rect.Top + shrinkY, rect.Right - shrinkX, rect.Bottom - shrinkY);
    if (dc != cache.Canvas()->Handle())
        CopyBorderStrips(dc, TPoint{rect.Left, rect.Top}, width, cache.Canvas()->Handle(), TPoint{rect.Left, rect.Top}, w,
                         h);
}
