#include "skin/core/controldata/SkCommonData.h"

#include "skin/core/data/SkinColors.h"
#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/masks/BorderMask.h"
#include "skin/core/textures/Textures.h"

#include "ui/controls/Panels.h"
#include "ui/controls/ScrollBox.h"
#include "ui/forms/WinControl.h"
#include "ui/graphics/Bitmap.h"

#include "ui/graphics/Canvas.h"
#include "ui/graphics/Colors.h"

#include "platform/gdi/Blits.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/RectFills.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowTree.h"

namespace {

constexpr int kFullPercent = 100;
constexpr int kPlainBorderLimit = 30;
constexpr std::uint32_t kButtonFace = 0xFF00000F;

const TSkGeneralData* SectionOf(const TSkCommonData& data) {
    TSkinManager* m = data.SkinManager();
    if (!m || !m->Skin().SectionIndexValid(data.SectionIndex)) return nullptr;
    return &m->Skin().GeneralData[static_cast<std::size_t>(data.SectionIndex)];
}

std::uint32_t GlobalBackground(TSkinManager* m) { return m ? GlobalBackColor(m->Skin()) : kButtonFace; }

void FillRectColor(platform::HDC dc, const TRect& rect, std::uint32_t color) {
    platform::HBRUSH brush = platform::CreateSolidBrush(ColorToRGB(static_cast<TColor>(color)));
    const platform::RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    platform::FillRect(dc, &r, brush);
    platform::DeleteObject(brush);
}

platform::LPARAM AsLParam(TSkParentBgInfo& info) { return reinterpret_cast<platform::LPARAM>(&info); }

// The cache itself as the answer, or its part under the asker painted into the asker's context.
void AnswerWithCache(TSkParentBgInfo& info, TBitmap& cache) {
    info.Kind = bgBitmap;
    if (info.PaintForMe) {
        if (info.DC)
            platform::BitBlt(info.DC, info.Rect.Left, info.Rect.Top, info.Rect.Width(), info.Rect.Height(),
                             cache.Canvas()->Handle(), info.OffsetX, info.OffsetY, platform::SRCCOPY);
        return;
    }
    info.Bitmap = &cache;
    info.OffsetX = 0;
    info.OffsetY = 0;
}

// A control that does not answer paints its own background and face into the asker's context.
void PaintControlInto(TSkParentBgInfo& info, TControl& control) {
    if (!info.DC) return;
    const int saved = platform::SaveDC(info.DC);
    platform::OffsetViewportOrgEx(info.DC, -info.OffsetX, -info.OffsetY, nullptr);
    const TRect area(info.Rect.Left + info.OffsetX, info.Rect.Top + info.OffsetY, info.Rect.Right + info.OffsetX,
                     info.Rect.Bottom + info.OffsetY);
    platform::IntersectClipRect(info.DC, area.Left, area.Top, area.Right, area.Bottom);
    const auto dc = reinterpret_cast<platform::WPARAM>(info.DC);
    control.Perform(platform::WM_ERASEBKGND, dc, 0);
    control.Perform(platform::WM_PAINT, dc, 0);
    platform::RestoreDC(info.DC, saved);
}

}  // namespace

platform::LRESULT SendSkinCommandTo(TControl* control, std::uint16_t command, platform::LPARAM lParam,
                                    std::uint16_t argument) {
    if (!control) return 0;
    const platform::WPARAM wParam = MakeSkinWParam(command, argument);
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed && windowed->HandleAllocated())
        return platform::SendMessage(windowed->Handle(), SkinCommandMsg, wParam, lParam);
    return control->Perform(SkinCommandMsg, wParam, lParam);
}

bool QueryControlBackground(TSkParentBgInfo& info, TControl* control, bool paint) {
    info.Kind = bgNoAnswer;
    info.PaintForMe = paint;
    SendSkinCommandTo(control, ScGetParentBackground, AsLParam(info));
    if (info.Kind != bgNoAnswer) return true;
    if (paint && control) PaintControlInto(info, *control);
    if (!paint && control) {
        info.Kind = bgColor;
        const auto answer = static_cast<std::uint32_t>(control->Perform(SkinCommandMsg, MakeSkinWParam(ScGetBackgroundColor)));
        info.Color = answer != 0 ? answer : ColorToRGB(control->Color());
    }
    return false;
}

bool QueryWindowBackground(TSkParentBgInfo& info, platform::HWND window, bool paint) {
    info.Kind = bgNoAnswer;
    info.PaintForMe = paint;
    if (window) platform::SendMessage(window, SkinCommandMsg, MakeSkinWParam(ScGetParentBackground), AsLParam(info));
    if (info.Kind != bgNoAnswer) return true;
    if (!paint) {
        info.Kind = bgColor;
        info.Color = GlobalBackground(DefaultSkinManager);
    }
    return false;
}

TSkParentCache WindowParentCache(platform::HWND window) {
    platform::HWND parent = window ? platform::GetParent(window) : nullptr;
    if (!parent) return DefaultParentCache;
    TSkParentBgInfo info;
    QueryWindowBackground(info, parent, false);
    return ParentCacheFromBgInfo(info);
}

platform::LRESULT ParentBgVaries(const TSkCommonData& data) {
    TWinControl* parent = data.OwnerCtrl ? data.OwnerCtrl->Parent() : nullptr;
    if (!parent || !parent->HandleAllocated()) return 0;
    return SendSkinCommandTo(parent, ScBackgroundVaries);
}

int TSkCommonData::PlainBackground() const {
    TSkinManager* m = SkinManager();
    const TSkGeneralData* s = SectionOf(*this);
    if (!m || !s) return 1;
    const TSkinContent& skin = m->Skin();
    if (skin.MaskIndexValid(s->BorderMaskIndex)) {
        const TSkMaskData& mask = skin.Masks[static_cast<std::size_t>(s->BorderMaskIndex)];
        if ((mask.DrawFlags & kMaskPaintCentre) || mask.BorderLeft + mask.BorderRight > kPlainBorderLimit ||
            mask.BorderTop + mask.BorderBottom > kPlainBorderLimit)
            return 0;
    }
    if (s->Transparency == kFullPercent) {
        if (skin.MaskIndexValid(PatternIndex) &&
            skin.Masks[static_cast<std::size_t>(PatternIndex)].DrawFlags == fmWholeTiles)
            return 0;
        TWinControl* parent = OwnerCtrl ? OwnerCtrl->Parent() : nullptr;
        if (!parent) return 0;
        if (!parent->HandleAllocated()) return kPlainUnknown;
        return static_cast<int>(SendSkinCommandTo(parent, ScPlainBackground) & kPlainBackgroundBit);
    }
    if (s->Transparency != 0) return 0;
    if (s->ImagePercent != 0 || s->GradientPercent != 0) return 0;
    for (int corner : s->CornerImages)
        if (skin.MaskIndexValid(corner)) return 0;
    return 1;
}

void TSkCommonData::UpdatePlainFlag(bool askChildren) {
    PaintState &= static_cast<std::uint16_t>(~kPlainBackgroundBit);
    const bool container = dynamic_cast<TCustomPanel*>(OwnerCtrl) || dynamic_cast<TScrollingWinControl*>(OwnerCtrl);
    if (container) {
        const int r = PlainBackground();
        if (r == kPlainUnknown) return;
        PaintState = static_cast<std::uint16_t>((PaintState & ~0x3u) | (r & kPlainBackgroundBit));
    }
    auto* windowed = dynamic_cast<TWinControl*>(OwnerCtrl);
    if (askChildren && windowed)
        for (int i = 0; i < windowed->ControlCount(); ++i) SendSkinCommandTo(windowed->Controls(i), ScPlainBackground, 1);
}

TSkParentCache TSkCommonData::QueryParentCache() const {
    TSkParentCache none{nullptr, 0, 0, GetStateColor(0), false};
    if (!HasSkin() || !OwnerCtrl) return none;
    TSkParentBgInfo info;
    if (TWinControl* parent = OwnerCtrl->Parent()) {
        QueryControlBackground(info, parent, false);
    } else if (auto* windowed = dynamic_cast<TWinControl*>(OwnerCtrl); windowed && windowed->HandleAllocated()) {
        QueryWindowBackground(info, platform::GetParent(windowed->Handle()), false);
    } else {
        return none;
    }
    if (info.Kind == bgNotReady) return TSkParentCache{nullptr, info.OffsetX, info.OffsetY, KeyColorValue, false};
    return ParentCacheFromBgInfo(info);
}

void TSkCommonData::FillParentBgInfo(TSkParentBgInfo& info, int state, platform::HWND window) {
    const TSkGeneralData* s = SectionOf(*this);
    if (!HasSkin() || !s || CustomColor()) {
        info.Kind = bgColor;
        info.Color = OwnerCtrl ? static_cast<std::uint32_t>(OwnerCtrl->Color()) : kButtonFace;
        return;
    }
    const bool hot = state != 0;
    const int t = hot ? s->HotTransparency : s->Transparency;
    const int g = hot ? s->HotGradientPercent : s->GradientPercent;
    const int i = hot ? s->HotImagePercent : s->ImagePercent;
    if (t == 0 && g <= 0 && i < 1) {
        info.Kind = bgColor;
        info.Bitmap = CacheBitmap.get();
        info.Color = GetStateColor(state, window);
        if (info.PaintForMe && info.DC) FillRectColor(info.DC, info.Rect, info.Color);
        return;
    }
    if (t == 0) {
        info.Color = GlobalBackground(SkinManager());
        if (!CacheBitmap || CacheBitmap->Empty()) info.Kind = bgNotReady;
        else AnswerWithCache(info, *CacheBitmap);
        return;
    }
    if (t == kFullPercent) {
        if ((PaintState & kPlainBackgroundBit) || !CacheBitmap || BgDirty) {
            int dx = 0, dy = 0;
            if (OwnerCtrl && OwnerCtrl->Parent()) {
                dx = OwnerCtrl->Left(), dy = OwnerCtrl->Top();
                if (!QueryControlBackground(info, OwnerCtrl->Parent(), info.PaintForMe) || info.Kind != bgBitmap) return;
            } else if (!window) {
                info.Kind = bgColor;
                info.Color = GlobalBackground(SkinManager());
                return;
            } else {
                platform::HWND parent = platform::GetParent(window);
                if (!QueryWindowBackground(info, parent, false) || info.Kind != bgBitmap) return;
                platform::RECT r{};
                platform::GetWindowRect(window, &r);
                platform::POINT corner{r.left, r.top};
                if (parent) platform::ScreenToClient(parent, &corner);
                dx = corner.x, dy = corner.y;
            }
            info.OffsetX += dx;
            info.OffsetY += dy;
            return;
        }
        AnswerWithCache(info, *CacheBitmap);
        return;
    }
    if (!CacheBitmap) {
        info.Color = KeyColorValue;
        info.Kind = bgColor;
    } else if (CacheBitmap->Empty()) {
        DeferPaint = true;
        info.Kind = bgNotReady;
    } else {
        AnswerWithCache(info, *CacheBitmap);
    }
}
