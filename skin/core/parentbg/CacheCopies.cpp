#include "skin/core/parentbg/CacheCopies.h"

#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/data/SkinLookups.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/manager/SkinManager.h"
#include "skin/core/masks/BorderMask.h"

#include "ui/forms/WinControl.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"

#include "platform/gdi/Blits.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/window/MessageQueue.h"
#include "platform/window/Placement.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"

namespace {

constexpr int kAllCorners = 1 | 2 | 4 | 8;
constexpr platform::LONG kButtonTypeMask = 0xF;
constexpr platform::LONG kGroupBoxStyle = 7;

TSkCornerRepair& CornerRepair() {
    static TSkCornerRepair repair = nullptr;
    return repair;
}

bool Overlaps(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

void Exclude(platform::HDC dc, const TRect& r) {
    if (!r.IsEmpty()) platform::ExcludeClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
}

// Copies the cache once the children are cut out of the clip; the context is kept.
template <typename CutChildren>
void CopyAround(TSkCommonData& data, const TRect& source, bool corners, platform::HDC dc, const TRect& target,
                CutChildren cutChildren) {
    if (!data.CacheBitmap) return;
    if (corners && CornerRepair()) CornerRepair()(data, 0, kAllCorners);
    const int saved = platform::SaveDC(dc);
    platform::IntersectClipRect(dc, target.Left, target.Top, target.Right, target.Bottom);
    cutChildren();
    platform::BitBlt(dc, target.Left, target.Top, target.Width(), target.Height(), data.CacheBitmap->Canvas()->Handle(),
                     source.Left, source.Top, platform::SRCCOPY);
    platform::RestoreDC(dc, saved);
}

bool IsFramedGroupBox(platform::HWND child) {
    const auto style = platform::GetWindowLong(child, platform::GWL_STYLE);
    const auto exStyle = platform::GetWindowLong(child, platform::GWL_EXSTYLE);
    return (style & kButtonTypeMask) == kGroupBoxStyle && !(exStyle & platform::WS_EX_TRANSPARENT);
}

// The frame strips of a group box: its caption on top, the skin's frame widths on the other sides.
void ExcludeGroupBoxFrame(platform::HDC dc, platform::HWND child, const TRect& r) {
    const auto caption = static_cast<int>(
        platform::SendMessage(child, SkinCommandMsg, MakeSkinWParam(ScCaptionHeightOrManager), 0));
    TSkBorderWidths frame;
    if (TSkinManager* m = DefaultSkinManager) {
        const int section = m->FindSectionIndex("GROUPBOX");
        if (m->Skin().SectionIndexValid(section)) {
            const int mask = m->Skin().GeneralData[static_cast<std::size_t>(section)].BorderMaskIndex;
            if (m->Skin().MaskIndexValid(mask)) frame = MaskBorders(m->Skin().Masks[static_cast<std::size_t>(mask)]);
        }
    }
    Exclude(dc, TRect(r.Left, r.Top, r.Right, r.Top + caption));
    Exclude(dc, TRect(r.Left, r.Top, r.Left + frame.Left, r.Bottom));
    Exclude(dc, TRect(r.Right - frame.Right, r.Top, r.Right, r.Bottom));
    Exclude(dc, TRect(r.Left, r.Bottom - frame.Bottom, r.Right, r.Bottom));
}

}  // namespace

void SetCornerRepair(TSkCornerRepair repair) { CornerRepair() = repair; }

void CopyCacheExceptChildren(TWinControl& control, TSkCommonData& data, const TRect& source, int dy, int dx,
                             bool corners, platform::HDC dc, const TRect& target) {
    CopyAround(data, source, corners, dc, target, [&] {
        for (int i = 0; i < control.ControlCount(); ++i) {
            TControl* child = control.Controls(i);
            if (!child->Visible() || !Overlaps(child->BoundsRect(), target)) continue;
            const bool cut = child->ComponentState().Contains(TComponentStateItem::csDesigning) ||
                             child->ControlStyle.Contains(TControlStyleItem::csOpaque) ||
                             !dynamic_cast<TWinControl*>(child);
            if (!cut) continue;
            TRect r = child->BoundsRect();
            Exclude(dc, TRect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy));
        }
    });
}

void CopyCacheExceptChildWindows(platform::HWND window, TSkCommonData& data, const TRect& source, int dy, int dx,
                                 bool corners, platform::HDC dc, const TRect& target) {
    CopyAround(data, source, corners, dc, target, [&] {
        platform::RECT parent{};
        platform::GetWindowRect(window, &parent);
        for (platform::HWND child = platform::GetTopWindow(window); child;
             child = platform::GetWindow(child, platform::GW_HWNDNEXT)) {
            if (!platform::IsWindowVisible(child)) continue;
            platform::RECT c{};
            platform::GetWindowRect(child, &c);
            const TRect r(c.left - parent.left - dx, c.top - parent.top - dy, c.right - parent.left - dx,
                          c.bottom - parent.top - dy);
            if (IsFramedGroupBox(child)) ExcludeGroupBoxFrame(dc, child, r);
            else Exclude(dc, r);
        }
    });
}
