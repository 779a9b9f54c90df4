#include "chart/effects/RotateFilter.h"

#include "chart/core/ChartConst.h"
#include "chart/effects/ChartGradient.h"
#include "chart/effects/FlipFilter.h"
#include "chart/geometry/ChartGeometry.h"

#include "platform/system/Angles.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Rounding.h"
#include "ui/graphics/Bitmap.h"

#include <cmath>
#include <cstdlib>

const TClassInfo& TRotateFilter::StaticClass() {
    static const TClassInfo info =
        TPublished<TRotateFilter>("TRotateFilter", TChartFilter::StaticClass())
            .Float("Angle", &TRotateFilter::Angle, &TRotateFilter::SetAngle)
            .Boolean("AutoSize", &TRotateFilter::AutoSize, &TRotateFilter::SetAutoSize, true)
            .Integer("BackColor", &TRotateFilter::BackColor, &TRotateFilter::SetBackColor, clWhite)
            .Build();
    return info;
}

TRotateFilter::TRotateFilter(TCollection* collection) : TChartFilter(collection) {}

void TRotateFilter::AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) {
    TChartFilter::AddEditorControls(creator, std::move(changed));
    creator.AddScrollBar("Angle", 0, 360, [this] { return static_cast<int>(Round(angle_)); },
                         [this](int v) { angle_ = v; });
    creator.AddColor(ChartConst::CaptionBack, [this] { return backColor_; }, [this](TColor v) { backColor_ = v; });
    creator.AddCheckBox(ChartConst::CaptionAutosize, [this] { return autoSize_; }, [this](bool v) { autoSize_ = v; });
}

std::string TRotateFilter::DisplayName() const { return ChartConst::FilterRotate; }

void TRotateFilter::Apply(TBitmap& bitmap, const TRect& rect) {
    // a turn is taken off as often as it fits; a wild angle must not loop for ever
    if (!std::isfinite(angle_)) return;
    if (angle_ > 360) {
        angle_ = std::fmod(angle_, 360);
        if (angle_ == 0) angle_ = 360;
    }
    if (angle_ == 180) {
        TFlipFilter().ApplyToBitmap(bitmap);
        TReverseFilter().ApplyToBitmap(bitmap);
        return;
    }
    if (angle_ == 0) return;
    TChartFilter::Apply(bitmap, rect);
    const int w = bitmap.Width(), h = bitmap.Height();
    if (w <= 1 || h <= 1 || lines_.empty()) return;
    const double a = platform::DegreesToRadians(360 - angle_), c = std::cos(a), s = std::sin(a);
    int bw = w, bh = h;
    if (angle_ == 90 || angle_ == 270) {
        bw = h;
        bh = w;
    } else if (autoSize_) {
        const double sign = s * c > 0 ? 1 : -1;
        bw = static_cast<int>(std::abs(Round(w * c + sign * h * s)));
        bh = static_cast<int>(std::abs(Round(w * s + sign * h * c)));
    }
    TBitmap turned(bw, bh, TPixelFormat::pf24bit);
    if (backColor_ == clNone) {
        turned.SetTransparent(true);
    } else if (backColor_ != clWhite) {
        turned.Canvas()->Brush()->SetColor(backColor_);
        turned.Canvas()->FillRect(TRect{0, 0, bw, bh});
    }
    auto target = [&turned](int row, int column) -> TRGBTriple& {
        return static_cast<TRGBTriple*>(turned.ScanLine(row))[column];
    };
    if (angle_ == 90) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) target(x, h - 1 - y) = lines_[y][x];
    } else if (angle_ == 270) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) target(w - 1 - x, y) = lines_[y][x];
    } else {
        const int cx = bw / 2, cy = bh / 2, hx = w / 2, hy = h / 2;
        for (int j = 0; j < bh; ++j) {
            auto* row = static_cast<TRGBTriple*>(turned.ScanLine(j));
            for (int i = 0; i < bw; ++i) {
                const int u = i - cx, v = j - cy;
                const auto sx = static_cast<int>(Round(u * c - v * s + hx));
                const auto sy = static_cast<int>(Round(u * s + v * c + hy));
                if (sx >= 0 && sx < w && sy >= 0 && sy < h) row[i] = lines_[sy][sx];
            }
        }
    }
    bitmap.Assign(&turned);
    lines_.clear();
}

void TurnGradient(const TCustomChartGradient& gradient, TBitmap& bitmap) {
    TRotateFilter turn;
    turn.SetAngle(gradient.Angle());
    turn.ApplyToBitmap(bitmap);
}
