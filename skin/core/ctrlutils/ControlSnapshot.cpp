#include "skin/core/ctrlutils/ControlSnapshot.h"

#include "skin/core/controldata/SkCommonData.h"
#include "skin/core/ctrlutils/ControlUtilities.h"
#include "skin/core/manager/SkinCommands.h"
#include "skin/core/pixels/AlphaRects.h"

#include "ui/forms/Form.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Canvas.h"

#include "platform/gdi/Blits.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Mapping.h"
#include "platform/window/MessageQueue.h"

namespace {

constexpr platform::LPARAM kPrintOwn = platform::PRF_NONCLIENT | platform::PRF_CLIENT | platform::PRF_ERASEBKGND;

platform::WPARAM AsWParam(platform::HDC dc) { return reinterpret_cast<platform::WPARAM>(dc); }
platform::LPARAM AsLParam(platform::HDC dc) { return reinterpret_cast<platform::LPARAM>(dc); }

void PaintInto(platform::HDC dc, TControl* control) {
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (!windowed) {
        // Skinned painters print into the DC while command 38 brackets the
        // paint; graphic controls of the class library paint on WM_PAINT with a DC.
        control->Perform(SkinCommandMsg, MakeSkinWParam(ScPrinting), AsLParam(dc));
        control->Perform(platform::WM_PAINT, AsWParam(dc), 0);
        control->Perform(SkinCommandMsg, MakeSkinWParam(ScPrinting), 0);
        return;
    }
    const platform::HWND window = windowed->Handle();
    if (SkinCommandAnswered(window, ScIsSkinned)) {
        SendSkinCommandToWnd(window, ScPrinting, AsLParam(dc));
        platform::SendMessage(window, platform::WM_PRINT, AsWParam(dc), 0);
        SendSkinCommandToWnd(window, ScPrinting, 0);
    } else {
        platform::SendMessage(window, platform::WM_PRINT, AsWParam(dc), kPrintOwn);
    }
    for (int i = 0; i < windowed->ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(windowed->Controls(i));
        if (!child || !child->Visible()) continue;
        const int saved = platform::SaveDC(dc);
        const auto* form = dynamic_cast<TCustomForm*>(child);
        if (!form || form->Parent()) platform::OffsetViewportOrgEx(dc, child->Left(), child->Top(), nullptr);
        platform::IntersectClipRect(dc, 0, 0, child->Width(), child->Height());
        PaintInto(dc, child);
        platform::RestoreDC(dc, saved);
    }
}

}  // namespace

void SnapshotControl(TBitmap& bitmap, TControl* control, int x, TSkFormSkinState* provider, int y) {
    if (!control) return;
    platform::HDC dc = bitmap.Canvas()->Handle();
    if (provider || !control->Parent() || control->Visible()) {
        const int saved = platform::SaveDC(dc);
        platform::IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
        PaintInto(dc, control);
        platform::RestoreDC(dc, saved);
        return;
    }
    TSkParentBgInfo info;
    info.Rect = control->BoundsRect();
    QueryControlBackground(info, control->Parent(), false);
    const int w = control->Width(), h = control->Height();
    if (info.Kind == bgBitmap && info.Bitmap) {
        platform::BitBlt(dc, x, y, w, h, info.Bitmap->Canvas()->Handle(), info.OffsetX + control->Left(),
                         info.OffsetY + control->Top(), platform::SRCCOPY);
    } else {
        FillRectWithAlpha(bitmap, TRect(x, y, x + w, y + h), info.Color, 255);
    }
}
