#include "chart/ChartGradient.h"

#include "chart/ChartBlend.h"
#include "chart/ChartGeometry.h"
#include "chart/StoreIfChanged.h"

#include "ui/Rounding.h"

#include <cmath>

namespace {

int Channel(TColor c, int shift) { return static_cast<int>((ColorToRGB(c) >> shift) & 0xFF); }

TColor Grey(TColor c) {
    const int level = (Channel(c, 0) + Channel(c, 8) + Channel(c, 16)) / 3;
    return static_cast<TColor>(level | (level << 8) | (level << 16));
}

}  // namespace

TColor GradientStepColor(TColor first, TColor last, int i, int n, int balance) {
    int out[3];
    const double x = balance == 50 ? 0 : std::pow((i + 1.0) / (n + 1.0), balance * 0.015 + 0.5);
    for (int k = 0; k < 3; ++k) {
        const int a = Channel(first, 8 * k);
        const int b = Channel(last, 8 * k);
        out[k] = balance == 50 ? a + (n ? i * (b - a) / n : 0) : a + static_cast<int>(Round((b - a) * x));
    }
    return static_cast<TColor>(out[0] | (out[1] << 8) | (out[2] << 16));
}

TCustomChartGradient::TCustomChartGradient(TChangeEvent onChange) : OnChange(std::move(onChange)) {}

TCustomChartGradient::~TCustomChartGradient() = default;

void TCustomChartGradient::Assign(const TCustomChartGradient& source) {
    angle_ = source.angle_;
    balance_ = source.balance_;
    direction_ = source.direction_;
    endColor_ = source.endColor_;
    midColor_ = source.midColor_;
    hasMid_ = source.hasMid_;
    radialX_ = source.radialX_;
    radialY_ = source.radialY_;
    startColor_ = source.startColor_;
    visible_ = source.visible_;
    if (source.sub_)
        SetSubGradient(*source.sub_);
    else
        sub_.reset();
}

void TCustomChartGradient::SetAngle(int v) {
    if (StoreIfChanged(angle_, v)) Changed();
}
void TCustomChartGradient::SetBalance(int v) {
    if (StoreIfChanged(balance_, v)) Changed();
}
void TCustomChartGradient::SetDirection(TGradientDirection v) {
    if (StoreIfChanged(direction_, v)) Changed();
}
void TCustomChartGradient::SetStartColor(TColor v) {
    if (StoreIfChanged(startColor_, v)) Changed();
}
void TCustomChartGradient::SetEndColor(TColor v) {
    if (StoreIfChanged(endColor_, v)) Changed();
}
void TCustomChartGradient::SetRadialX(int v) {
    if (StoreIfChanged(radialX_, v)) Changed();
}
void TCustomChartGradient::SetRadialY(int v) {
    if (StoreIfChanged(radialY_, v)) Changed();
}
void TCustomChartGradient::SetVisible(bool v) {
    if (StoreIfChanged(visible_, v)) Changed();
}

void TCustomChartGradient::SetMidColor(TColor v) {
    if (v == clNone) {
        if (!hasMid_) return;
        hasMid_ = false;
        midColor_ = clNone;
        Changed();
        return;
    }
    if (hasMid_ && midColor_ == v) return;
    hasMid_ = true;
    midColor_ = v;
    Changed();
}

TSubGradient& TCustomChartGradient::SubGradient() {
    if (!sub_) sub_ = std::make_unique<TSubGradient>(OnChange);
    return *sub_;
}

void TCustomChartGradient::SetSubGradient(const TSubGradient& value) {
    TSubGradient& sub = SubGradient();
    sub.Assign(value);
    sub.SetTransparency(value.Transparency());
}

void TSubGradient::SetTransparency(int v) {
    if (StoreIfChanged(transparency_, v)) Changed();
}

void TChartFontGradient::SetOutline(bool v) {
    if (StoreIfChanged(outline_, v)) Changed();
}

void TCustomChartGradient::Draw(TCanvas3D& canvas, const TRect& rect, int roundSize) {
    TColor mid = MidColor(), start = startColor_, end = endColor_;
    if (canvas.Monochrome()) {
        mid = hasMid_ ? Grey(mid) : mid;
        start = Grey(start);
        end = Grey(end);
    }
    if (roundSize > 0) canvas.ClipToRoundRect(rect, roundSize);
    const bool halves = hasMid_ && direction_ != gdDiagonalUp && direction_ != gdDiagonalDown;
    if (direction_ == gdRadial) {
        canvas.FillGradient(rect, start, end, gdRadial, balance_, radialX_, radialY_);
    } else if (halves && (direction_ == gdTopBottom || direction_ == gdBottomTop)) {
        const int cy = (rect.Top + rect.Bottom) / 2;
        const bool down = direction_ == gdTopBottom;
        canvas.FillGradient({rect.Left, rect.Top, rect.Right, cy}, down ? mid : start, down ? end : mid, direction_, 50,
                            0, 0);
        canvas.FillGradient({rect.Left, cy, rect.Right, rect.Bottom}, down ? start : mid, down ? mid : end, direction_,
                            50, 0, 0);
    } else if (halves && (direction_ == gdLeftRight || direction_ == gdRightLeft)) {
        const int cx = (rect.Left + rect.Right) / 2;
        const bool right = direction_ == gdLeftRight;
        canvas.FillGradient({rect.Left, rect.Top, cx, rect.Bottom}, right ? mid : start, right ? end : mid, direction_,
                            50, 0, 0);
        canvas.FillGradient({cx, rect.Top, rect.Right, rect.Bottom}, right ? start : mid, right ? mid : end, direction_,
                            50, 0, 0);
    } else {
        canvas.FillGradient(rect, start, end, direction_, halves ? 50 : balance_, 0, 0);
    }
    if (roundSize > 0) canvas.RemoveClip();
    DrawSubGradient(canvas, rect, roundSize);
}

void TCustomChartGradient::DrawSubGradient(TCanvas3D& canvas, const TRect& rect, int roundSize) {
    if (!sub_ || !sub_->Visible()) return;
    auto blend = canvas.StartTransparency(rect, sub_->Transparency());
    try {
        if (sub_->Direction() == gdRadial)
            sub_->DrawRadial(canvas, rect);
        else
            sub_->Draw(canvas, rect, roundSize);
    } catch (...) {
        canvas.FinishTransparency(std::move(blend));
        throw;
    }
    canvas.FinishTransparency(std::move(blend));
}

void TCustomChartGradient::DrawRadial(TCanvas3D& canvas, const TRect& rect) {
    const TRect r = NormalizeRect(rect);
    canvas.ClipToRect(r);
    const int w = r.Width(), h = r.Height();
    int a = std::min(255, std::max(w, h));
    if (w % 2 || h % 2) --a;
    const TPenStyle penStyle = canvas.Pen().Style();
    const TColor brushColor = canvas.Brush().Color();
    canvas.Pen().SetStyle(TPenStyle::psClear);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(endColor_);
    canvas.FillRect(r);
    const double cx = radialX_ + 1 + (r.Left + r.Right) * 0.5;
    const double cy = radialY_ + 1 + (r.Top + r.Bottom) * 0.5;
    for (int n = a; n >= 0 && a > 0; --n) {
        canvas.Brush().SetColor(GradientStepColor(startColor_, endColor_, n, a, balance_));
        const double dx = n * w / (2.0 * a), dy = n * h / (2.0 * a);
        canvas.Ellipse(static_cast<int>(Round(cx - dx)), static_cast<int>(Round(cy - dy)),
                       static_cast<int>(Round(cx + dx)), static_cast<int>(Round(cy + dy)));
    }
    canvas.Pen().SetStyle(penStyle);
    canvas.Brush().SetColor(brushColor);
    canvas.RemoveClip();
    DrawSubGradient(canvas, r, 0);
}
