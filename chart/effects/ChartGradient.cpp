#include "chart/effects/ChartGradient.h"

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/core/StoreIfChanged.h"
#include "chart/effects/ChartBlend.h"
#include "chart/effects/RotateFilter.h"
#include "chart/effects/SubGradient.h"
#include "chart/effects/detail/GradientColours.h"
#include "chart/geometry/ChartGeometry.h"

#include "platform/system/Angles.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/Rounding.h"
#include "ui/core/ScopeGuards.h"
#include "ui/graphics/Bitmap.h"

#include <cmath>
#include <cstdlib>

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

const TEnumInfo& GradientDirectionInfo() {
    static const TEnumInfo info("TGradientDirection",
                                {"gdTopBottom", "gdBottomTop", "gdLeftRight", "gdRightLeft", "gdFromCenter",
                                 "gdFromTopLeft", "gdFromBottomLeft", "gdRadial", "gdDiagonalUp", "gdDiagonalDown"});
    return info;
}

const TClassInfo& TCustomChartGradient::StaticClass() {
    static const TClassInfo info =
        TPublished<TCustomChartGradient>("TCustomChartGradient", TPersistent::StaticClass()).Build();
    return info;
}

const TClassInfo& TChartGradient::StaticClass() {
    static const TClassInfo info = [] {
        TPublished<TChartGradient> p("TChartGradient", TCustomChartGradient::StaticClass());
        PublishColours(p)
            .Object("SubGradient", &TSubGradient::StaticClass,
                    [](TChartGradient& g) { return &g.SubGradient(); },
                    [](TChartGradient& g, TObject* v) {
                        if (auto* sub = dynamic_cast<TSubGradient*>(v)) g.SetSubGradient(*sub);
                    })
            .Boolean("Visible", &TChartGradient::Visible, &TChartGradient::SetVisible, false);
        return p.Build();
    }();
    return info;
}

TCustomChartGradient::TCustomChartGradient(TChangeEvent onChange) : OnChange(std::move(onChange)) {}

void TCustomChartGradient::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCustomChartGradient*>(source))
        Assign(*other);
    else
        TPersistent::Assign(source);
}

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

void TCustomChartGradient::Draw(TCanvas3D& canvas, const TRect& rect, int roundSize) {
    if (angle_ != 0) {
        DrawTurned(canvas, rect);
        return;
    }
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
    ScopeExit finish([&] { canvas.FinishTransparency(std::move(blend)); });
    if (sub_->Direction() == gdRadial)
        sub_->DrawRadial(canvas, rect);
    else
        sub_->Draw(canvas, rect, roundSize);
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

void TCustomChartGradient::DrawTurned(TCanvas3D& canvas, const TRect& rect) {
    const int w = rect.Right - rect.Left, h = rect.Bottom - rect.Top;
    const double theta = platform::DegreesToRadians(360 - angle_), c = std::cos(theta), s = std::sin(theta);
    const double sign = s * c > 0 ? 1 : -1;
    const int bw = static_cast<int>(std::abs(Round(w * c + sign * h * s))) + 2;
    const int bh = static_cast<int>(std::abs(Round(w * s + sign * h * c))) + 2;
    TBitmap bitmap(bw, bh);
    {
        TChartCanvas3D flat;
        flat.SetBuffered(false);
        flat.PrepareDrawing(bitmap.Canvas(), nullptr, clWhite, false, TRect{0, 0, bw, bh});
        const int angle = angle_;
        angle_ = 0;
        ScopeExit restoreAngle([this, angle] { angle_ = angle; });
        Draw(flat, TRect{0, 0, bw, bh}, 0);
    }
    TurnGradient(*this, bitmap);
    canvas.ClipToRect(rect);
    canvas.Draw(rect.Left - (bitmap.Width() - w) / 2, rect.Top - (bitmap.Height() - h) / 2, &bitmap);
    const TBrushStyle style = canvas.Brush().Style();
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Rectangle(rect);
    canvas.Brush().SetStyle(style);
    canvas.RemoveClip();
}

void TCustomChartGradient::DrawPolygon(TCanvas3D& canvas, const TPoint* points) {
    canvas.Pen().SetStyle(TPenStyle::psClear);
    canvas.FillPolygonGradient(points, 4, *this);
}

void TCustomChartGradient::Draw3D(TCanvas3D& canvas, const TPoint* points, int z) {
    TPoint projected[4];
    for (int i = 0; i < 4; ++i) projected[i] = canvas.ChartToScreen(points[i], z);
    DrawPolygon(canvas, projected);
}
