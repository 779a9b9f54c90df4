#include "skin/core/ctrlutils/ChildGraphicsPaint.h"

#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/ctrlutils/ControlUtilities.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/pixels/AlphaPixels.h"
#include "skin/core/pixels/AlphaRects.h"
#include "skin/core/pixels/BitmapCopies.h"

#include "ui/core/ScopeGuards.h"
#include "ui/forms/CustomControl.h"
#include "ui/forms/WinControl.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Colors.h"

#include "platform/gdi/Blits.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Mapping.h"

#include <vector>

namespace {

bool painting = false;

bool Designing(const TControl* c) { return c->ComponentState().Contains(TComponentStateItem::csDesigning); }

bool NeedsPainting(platform::HDC dc, TControl* child) {
    if (!dynamic_cast<TGraphicControl*>(child) || (!child->Visible() && !Designing(child))) return false;
    if (child->Width() <= 0 || child->Height() <= 0 || child->IsDestroying() ||
        child->ControlStyle.Contains(TControlStyleItem::csNoDesignVisible))
        return false;
    const platform::RECT bounds = child->BoundsRect();
    return platform::RectVisible(dc, &bounds) != 0;
}

// The child's area of the off-screen picture before it paints.
void Prefill(TBitmap& offscreen, TControl* child, const TSkParentBgInfo& background) {
    const TRect r = child->BoundsRect();
    if (child->ControlStyle.Contains(TControlStyleItem::csOpaque)) {
        FillRectWithAlpha(offscreen, r, ColorToPixel32(GetControlBgColor(child)), 255);
    } else if (background.Kind == bgBitmap && background.Bitmap) {
        platform::BitBlt(offscreen.Canvas()->Handle(), r.Left, r.Top, r.Width(), r.Height(),
                         background.Bitmap->Canvas()->Handle(), r.Left + background.OffsetX,
                         r.Top + background.OffsetY, platform::SRCCOPY);
    } else {
        FillRectWithAlpha(offscreen, r, ColorToPixel32(background.Color), 255);
    }
}

void PaintChild(platform::HDC memory, TControl* child, bool paintCopy) {
    const int saved = platform::SaveDC(memory);
    ScopeExit restore([&] { platform::RestoreDC(memory, saved); });
    platform::OffsetViewportOrgEx(memory, child->Left(), child->Top(), nullptr);
    platform::IntersectClipRect(memory, 0, 0, child->Width(), child->Height());
    const bool hadCopy = child->ControlState.Contains(TControlStateItem::csPaintCopy);
    if (paintCopy) child->ControlState.Include(TControlStateItem::csPaintCopy);
    ScopeExit copyBack([&] {
        if (!hadCopy) child->ControlState.Exclude(TControlStateItem::csPaintCopy);
    });
    try {
        child->Perform(platform::WM_PAINT, reinterpret_cast<platform::WPARAM>(memory), 0);
    } catch (...) {
        // One child failing to paint leaves the others painted.
    }
}

}  // namespace

void PaintChildGraphicControls(platform::HDC dc, TWinControl* container, bool onlyVisible, TPoint offset) {
    if (painting || !container) return;
    painting = true;
    ScopeExit done([] { painting = false; });
    if ((onlyVisible && !container->Visible() && !Designing(container)) || container->ControlCount() == 0) return;
    platform::RECT clip{};
    if (platform::GetClipBox(dc, &clip) == platform::NULLREGION || clip.right <= clip.left || clip.bottom <= clip.top) {
        if (container->HandleAllocated()) SendSkinCommandToWnd(container->Handle(), ScPartlyHidden, 0);
        return;
    }
    TSkParentBgInfo background;
    background.Rect = TRect(0, 0, container->Width(), container->Height());
    QueryControlBackground(background, container, false);
    if (background.Kind == bgNoAnswer) background.Color = ColorToRGB(container->Color());

    std::vector<TControl*> children;
    for (int i = 0; i < container->ControlCount(); ++i)
        if (NeedsPainting(dc, container->Controls(i))) children.push_back(container->Controls(i));
    if (children.empty()) return;
    auto offscreen = NewBitmap32(container->Width(), container->Height());
    for (TControl* child : children) Prefill(*offscreen, child, background);
    const bool paintCopy = container->ControlState.Contains(TControlStateItem::csPaintCopy);
    for (TControl* child : children) PaintChild(offscreen->Canvas()->Handle(), child, paintCopy);
    for (TControl* child : children) {
        const TRect r = child->BoundsRect();
        if (r.Left < 0 || r.Top < 0 || r.Left >= offscreen->Width() || r.Top >= offscreen->Height() ||
            IsColorKeyPixel(ReadPixel32(*offscreen, r.Left, r.Top)))
            continue;
        platform::BitBlt(dc, r.Left + offset.X, r.Top + offset.Y, r.Width(), r.Height(), offscreen->Canvas()->Handle(),
                         r.Left, r.Top, platform::SRCCOPY);
    }
}
