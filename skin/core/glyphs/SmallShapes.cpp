#include "skin/core/glyphs/SmallShapes.h"

#include "ui/forms/CustomControl.h"
#include "ui/forms/WinControl.h"
#include "ui/graphics/Canvas.h"

#include "platform/gdi/Clipping.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/LinesShapes.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/RectFills.h"

bool KeepGraphicControlsClipped = false;

namespace {

constexpr int kArrowRows = 4;
constexpr int kDotStep = 3;

}  // namespace

void DrawPixelArrow(TCanvas& canvas, TColor color, const TRect& rect, int kind) {
    if (kind == kArrowRight) {
        const int x0 = rect.Left + (rect.Width() - 3) / 2, y0 = rect.Top + (rect.Height() - 6) / 2;
        for (int i = 0; i < kArrowRows; ++i)
            for (int y = y0 + i; y < y0 + i + 7 - 2 * i; ++y) canvas.SetPixel(x0 + i, y, color);
    } else if (kind == kArrowDown) {
        const int x0 = rect.Left + (rect.Width() - 6) / 2 - 1, y0 = rect.Top + (rect.Height() - 3) / 2 - 1;
        for (int i = 0; i < kArrowRows; ++i)
            for (int x = x0 + i; x < x0 + i + 7 - 2 * i; ++x) canvas.SetPixel(x, y0 + i, color);
    }
}

void DrawDottedFrame(TCanvas& canvas, const TRect& rect, TColor second, TColor first) {
    const int width = rect.Width(), height = rect.Height();
    const int right = rect.Right - 1, bottom = rect.Bottom - 1;
    for (int i = 0; i <= width / kDotStep; ++i) {
        const int x = rect.Left + kDotStep * i;
        for (int y : {rect.Top, bottom}) {
            canvas.SetPixel(x, y, first);
            canvas.SetPixel(x - 1, y, second);
        }
    }
    for (int i = 0; i <= height / kDotStep; ++i) {
        const int y = rect.Top + kDotStep * i;
        for (int x : {rect.Left, right}) {
            canvas.SetPixel(x, y, first);
            canvas.SetPixel(x, y - 1, second);
        }
    }
}

void Frame3DOnDC(platform::HDC dc, TRect& rect, TColor topLeft, int& width, TColor bottomRight) {
    platform::HPEN light = platform::CreatePen(platform::PS_SOLID, 1, ColorToRGB(topLeft));
    platform::HPEN dark = platform::CreatePen(platform::PS_SOLID, 1, static_cast<platform::COLORREF>(bottomRight));
    platform::HGDIOBJ oldPen = platform::SelectObject(dc, light);
    platform::HGDIOBJ oldBrush = platform::SelectObject(dc, platform::GetStockObject(platform::NULL_BRUSH));
    --rect.Right;
    --rect.Bottom;
    while (width > 0) {
        --width;
        const platform::POINT first[] = {{rect.Left, rect.Bottom}, {rect.Left, rect.Top}, {rect.Right, rect.Top}};
        platform::SelectObject(dc, light);
        platform::Polyline(dc, first, 3);
        const platform::POINT second[] = {{rect.Right, rect.Top}, {rect.Right, rect.Bottom}, {rect.Left - 1, rect.Bottom}};
        platform::SelectObject(dc, dark);
        platform::Polyline(dc, second, 3);
        rect = TRect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
    }
    ++rect.Right;
    ++rect.Bottom;
    platform::SelectObject(dc, oldPen);
    platform::SelectObject(dc, oldBrush);
    platform::DeleteObject(light);
    platform::DeleteObject(dark);
}

void FillDCRect(platform::HDC dc, const TRect& rect, TColor color) {
    const int saved = platform::SaveDC(dc);
    platform::HBRUSH brush = platform::CreateSolidBrush(ColorToRGB(color));
    const platform::RECT r = rect;
    platform::FillRect(dc, &r, brush);
    platform::DeleteObject(brush);
    platform::RestoreDC(dc, saved);
}

void ExcludeGraphicControls(platform::HDC dc, TWinControl& control, int offsetY, int offsetX) {
    if (KeepGraphicControlsClipped) return;
    for (int i = 0; i < control.ControlCount(); ++i) {
        TControl* child = control.Controls(i);
        if (!child->Visible() || !dynamic_cast<TGraphicControl*>(child)) continue;
        const TRect r = child->BoundsRect();
        platform::ExcludeClipRect(dc, r.Left + offsetX, r.Top + offsetY, r.Right + offsetX, r.Bottom + offsetY);
    }
}
