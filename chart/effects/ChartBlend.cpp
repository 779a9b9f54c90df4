#include "chart/effects/ChartBlend.h"

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/geometry/ChartGeometry.h"

#include "ui/core/Rounding.h"

#include "platform/gdi/AlphaBlending.h"
#include "platform/gdi/Blits.h"
#include "platform/gdi/DeviceContexts.h"

#include <algorithm>
#include <cstdint>

bool& SystemAlphaBlending() {
    static bool available = true;
    return available;
}

namespace {

// The canvas' buffer when it draws into one, else nothing.
TBitmap* BufferOf(TChartCanvas& canvas) {
    auto* gdi = dynamic_cast<TChartCanvas3D*>(&canvas);
    return gdi && gdi->GetBuffered() ? gdi->BufferBitmap() : nullptr;
}

TCanvas* TargetOf(TChartCanvas& canvas) {
    auto* gdi = dynamic_cast<TChartCanvas3D*>(&canvas);
    return gdi ? gdi->TargetCanvas() : nullptr;
}

TRect BoundsOf(TChartCanvas& canvas) {
    auto* gdi = dynamic_cast<TChartCanvas3D*>(&canvas);
    return gdi ? gdi->CanvasBounds() : TRect{};
}

}  // namespace

TChartBlend::TChartBlend(TChartCanvas& canvas, const TRect& rect) : canvas_(canvas) {
    TRect r = NormalizeRect(rect);
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    r.Right = std::max(r.Right, 0);
    r.Bottom = std::max(r.Bottom, 0);
    if (r.Right == r.Left) ++r.Right;
    if (r.Bottom == r.Top) ++r.Bottom;
    const TRect bounds = BoundsOf(canvas);
    r.Right = std::min(r.Right, bounds.Right);
    r.Bottom = std::min(r.Bottom, bounds.Bottom);
    rect_ = r;
    TCanvas* from = BufferOf(canvas) ? BufferOf(canvas)->Canvas() : TargetOf(canvas);
    if (r.Width() <= 0 || r.Height() <= 0 || !from) return;
    valid_ = true;
    snapshot_ = std::make_unique<TBitmap>(r.Width(), r.Height(), TPixelFormat::pf24bit);
    platform::BitBlt(snapshot_->Canvas()->Handle(), 0, 0, r.Width(), r.Height(), from->Handle(), r.Left, r.Top,
                     platform::SRCCOPY);
}

void TChartBlend::MixBack(int transparency) {
    if (canvas_.MetafileOutput || !valid_) return;
    TBitmap* buffer = BufferOf(canvas_);
    std::unique_ptr<TBitmap> copy;
    TBitmap* target = buffer;
    TPoint position{rect_.Left, rect_.Top};
    if (!buffer) {
        copy = std::make_unique<TBitmap>(rect_.Width(), rect_.Height(), TPixelFormat::pf24bit);
        platform::BitBlt(copy->Canvas()->Handle(), 0, 0, rect_.Width(), rect_.Height(), TargetOf(canvas_)->Handle(),
                         rect_.Left, rect_.Top, platform::SRCCOPY);
        target = copy.get();
        position = {0, 0};
    }
    const unsigned align = canvas_.TextAlign();
    MixBitmaps(*snapshot_, *target, position, 100 - transparency);
    // Touching the pixels may have made the bitmap's context again.
    if (canvas_.ChartFont()) canvas_.SelectChartFont(*canvas_.ChartFont());
    canvas_.SetTextAlign(align);
    if (copy) canvas_.Draw(rect_.Left, rect_.Top, copy.get());
}

void MixBitmaps(TBitmap& source, TBitmap& dest, TPoint position, int opacity) {
    source.SetPixelFormat(TPixelFormat::pf24bit);
    dest.SetPixelFormat(TPixelFormat::pf24bit);
    const int x0 = std::max(position.X, 0);
    const int y0 = std::max(position.Y, 0);
    const int w = std::min(source.Width(), dest.Width() - x0);
    const int h = std::min(source.Height(), dest.Height() - y0);
    if (w <= 0 || h <= 0) return;
    if (SystemAlphaBlending()) {
        platform::BLENDFUNCTION blend;
        blend.SourceConstantAlpha = static_cast<platform::BYTE>(255 - static_cast<int>(Round(opacity * 2.55)));
        platform::AlphaBlend(dest.Canvas()->Handle(), x0, y0, w, h, source.Canvas()->Handle(), 0, 0, w, h, blend);
        return;
    }
    const int t = 100 - opacity;
    for (int y = 0; y < h; ++y) {
        auto* s = static_cast<std::uint8_t*>(source.ScanLine(y));
        auto* d = static_cast<std::uint8_t*>(dest.ScanLine(y0 + y)) + 3 * x0;
        for (int x = 0; x < w; ++x, s += 3, d += 3) {
            // pure white would be the transparent colour of the result
            if (d[0] == 255 && d[1] == 255 && d[2] == 255) d[2] = 254;
            for (int k = 0; k < 3; ++k) d[k] = static_cast<std::uint8_t>(d[k] + (t * (s[k] - d[k])) / 100);
        }
    }
}
