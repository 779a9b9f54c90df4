#include "chart/effects/ChartShadow.h"

#include "chart/canvas/ChartCanvas3D.h"
#include "chart/core/StoreIfChanged.h"
#include "chart/effects/ChartBlend.h"
#include "chart/effects/ChartGradient.h"
#include "chart/effects/ChartShadowBlur.h"
#include "chart/geometry/ChartGeometry.h"

#include "ui/core/PublishedProperties.h"
#include "ui/core/Rounding.h"
#include "ui/core/ScopeGuards.h"
#include "ui/graphics/Bitmap.h"

const TClassInfo& TChartShadow::StaticClass() {
    using S = TChartShadow;
    static const TClassInfo info = TPublished<S>("TChartShadow", TPersistent::StaticClass())
                                       .Boolean("Clip", &S::Clip, &S::SetClip, false)
                                       .Integer("Color", &S::Color, &S::SetColor)
                                       .Stored(&S::ColorStored)
                                       .Integer("HorizSize", &S::HorizSize, &S::SetHorizSize)
                                       .Stored(&S::HorizSizeStored)
                                       .Boolean("Smooth", &S::Smooth, &S::SetSmooth, true)
                                       .Integer("SmoothBlur", &S::SmoothBlur, &S::SetSmoothBlur, 0)
                                       .Integer("Transparency", &S::Transparency, &S::SetTransparency, 0)
                                       .Integer("VertSize", &S::VertSize, &S::SetVertSize)
                                       .Stored(&S::VertSizeStored)
                                       .Boolean("Visible", &S::Visible, &S::SetVisible)
                                       .Stored(&S::VisibleStored)
                                       .Build();
    return info;
}

void TChartShadow::SetDefaults(TColor color, int size) {
    color_ = defaultColor_ = color;
    horizSize_ = vertSize_ = defaultSize_ = size;
}

void TChartShadow::Assign(const TChartShadow& source) {
    color_ = source.color_;
    horizSize_ = source.horizSize_;
    smooth_ = source.smooth_;
    smoothBlur_ = source.smoothBlur_;
    transparency_ = source.transparency_;
    vertSize_ = source.vertSize_;
    visible_ = source.visible_;
    Changed();
}

void TChartShadow::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TChartShadow*>(source))
        Assign(*other);
    else
        TPersistent::Assign(source);
}

void TChartShadow::SetClip(bool v) {
    if (StoreIfChanged(clip_, v)) Changed();
}
void TChartShadow::SetColor(TColor v) {
    if (StoreIfChanged(color_, v)) Changed();
}
void TChartShadow::SetHorizSize(int v) {
    if (StoreIfChanged(horizSize_, v)) Changed();
}
void TChartShadow::SetVertSize(int v) {
    if (StoreIfChanged(vertSize_, v)) Changed();
}
void TChartShadow::SetSmooth(bool v) {
    if (StoreIfChanged(smooth_, v)) Changed();
}
void TChartShadow::SetSmoothBlur(int v) {
    if (StoreIfChanged(smoothBlur_, v)) Changed();
}
void TChartShadow::SetTransparency(int v) {
    if (StoreIfChanged(transparency_, std::clamp(v, 0, 100))) Changed();
}
void TChartShadow::SetVisible(bool v) {
    if (StoreIfChanged(visible_, v)) Changed();
}

TChartShadow::TChartShadow(TChangeEvent onChange) : OnChange(std::move(onChange)) {}

TChartShadow::~TChartShadow() = default;

bool TChartShadow::CanSmooth(TCanvas3D& canvas) {
    auto* gdi = dynamic_cast<TChartCanvas3D*>(&canvas);
    // a frame drawn elsewhere while a buffer is kept must not land in the buffer
    return gdi && !gdi->MetafileOutput && gdi->BufferBitmap() && gdi->GetBuffered() &&
           gdi->TargetCanvas() == gdi->BufferBitmap()->Canvas();
}

bool TChartShadow::Prepare(TCanvas3D& canvas, const TRect& rect, int z) {
    if (color_ == clNone || (horizSize_ == 0 && vertSize_ == 0)) return false;
    if (!smooth_ || !CanSmooth(canvas)) {
        canvas.Brush().SetImage(nullptr);
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(color_);
        canvas.Pen().SetStyle(TPenStyle::psClear);
    }
    if (transparency_ > 0) {
        const TRect moved{rect.Left + horizSize_, rect.Top + vertSize_, rect.Right + horizSize_,
                          rect.Bottom + vertSize_};
        blend_ = canvas.StartTransparency(canvas.ProjectedBounds(moved, z), transparency_);
    }
    return true;
}

void TChartShadow::Finish(TCanvas3D& canvas) {
    if (blend_) canvas.FinishTransparency(std::move(blend_));
}

void TChartShadow::DrawRect(TCanvas3D& canvas, const TRect& rect, int roundSize, int z) {
    // the owner's pen as it was before the shadow cleared it
    const TPenStyle style = canvas.Pen().Style();
    const TColor colour = canvas.Pen().Color();
    if (!Prepare(canvas, rect, z)) return;
    ScopeExit finish([&] { Finish(canvas); });
    if (!smooth_ || Spread() == 0)
        DrawSolidRect(canvas, rect, roundSize, z);
    else if (CanSmooth(canvas))
        DrawSmooth(static_cast<TChartCanvas3D&>(canvas), rect,
                   roundSize > 0 ? TMaskShape::RoundRect : TMaskShape::Rectangle, roundSize);
    else if (canvas.SupportsRotation3D() || roundSize >= 1)
        DrawSolidRect(canvas, rect, roundSize, z);
    else
        DrawFadedRect(canvas, rect, z);
    canvas.Pen().SetStyle(style);
    canvas.Pen().SetColor(colour);
}

void TChartShadow::DrawSolidRect(TCanvas3D& canvas, const TRect& r, int roundSize, int z) {
    const int h = horizSize_, v = vertSize_;
    if (roundSize > 0) {
        canvas.RoundRect(r.Left + h, r.Top + v, r.Right + h, r.Bottom + v, roundSize, roundSize);
        return;
    }
    if (canvas.RotationDisabled() == 0) {
        canvas.RectangleAtDepth(TRect{r.Left + h, r.Bottom, r.Right + h, r.Bottom + v}, z);
        canvas.RectangleAtDepth(TRect{r.Right, r.Top + v, r.Right + h, r.Bottom + v}, z);
        return;
    }
    if (v > 0)
        canvas.Rectangle(r.Left + h, r.Bottom, r.Right + h, r.Bottom + 1 + v);
    else if (v < 0)
        canvas.Rectangle(r.Left + h, r.Top + 1, r.Right + h, r.Top + v);
    if (h > 0)
        canvas.Rectangle(r.Right, r.Top + v, r.Right + 1 + h, r.Bottom + v + 1);
    else if (h < 0)
        canvas.Rectangle(r.Left + 1, r.Top + v, r.Left + h, r.Bottom + v + 1);
}

void TChartShadow::DrawFadedRect(TCanvas3D& canvas, const TRect& r, int z) {
    const int h = horizSize_, v = vertSize_;
    const bool flat = canvas.RotationDisabled() != 0;
    const std::uint32_t rgb = ColorToRGB(color_);
    const int level = 255 - static_cast<int>(((rgb & 0xFF) + ((rgb >> 8) & 0xFF) + ((rgb >> 16) & 0xFF)) / 3);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    if (v != 0) {
        TColor c = color_;
        const int step = static_cast<int>(Round(static_cast<double>(level) / v));
        for (int i = 1; i <= v; ++i) {
            canvas.Pen().SetColor(c);
            const int y = r.Bottom + i - 1;
            if (flat)
                canvas.HorizontalLine(r.Left + h, r.Right + h + i - v - 1, y);
            else
                canvas.HorizontalLine3D(r.Left + h, r.Right + h + i - v - 1, y, z);
            c = LighterColor(c, step);
        }
    }
    if (h != 0) {
        TColor c = color_;
        const int step = static_cast<int>(Round(static_cast<double>(level) / h));
        for (int i = 1; i <= h; ++i) {
            canvas.Pen().SetColor(c);
            const int x = r.Right + i - 1;
            if (flat)
                canvas.VerticalLine(x, r.Top + v, r.Bottom + v + i - h - 1);
            else
                canvas.VerticalLine3D(x, r.Top + v, r.Bottom + v + i - h - 1, z);
            const int px = r.Right + i - 2, py = r.Bottom + v + i - h - 2;
            if (flat)
                canvas.SetPixel(px, py, c);
            else
                canvas.WritePixelAtDepth(px, py, z, c);
            c = LighterColor(c, step);
        }
    }
}

void TChartShadow::DrawEllipse(TCanvas3D& canvas, const TRect& rect, int z) {
    if (!Prepare(canvas, rect, z)) return;
    const TRect moved{rect.Left + horizSize_, rect.Top + vertSize_, rect.Right + horizSize_,
                      rect.Bottom + vertSize_};
    ScopeExit finish([&] { Finish(canvas); });
    if (!smooth_) {
        canvas.EllipseAtDepth(moved, z);
    } else {
        const TRect projected = canvas.ProjectRect(moved, z);
        if (CanSmooth(canvas)) {
            // the mask puts the shape at the offset itself, as for rectangles
            DrawSmooth(static_cast<TChartCanvas3D&>(canvas), canvas.ProjectRect(rect, z), TMaskShape::Ellipse, 0);
        } else {
            canvas.ClipToEllipse(projected, false);
            TChartGradient fade;
            fade.SetDirection(gdRadial);
            fade.SetStartColor(DarkerColor(color_, 128));
            fade.SetEndColor(LighterColor(color_, 32));
            fade.Draw(canvas, projected);
            canvas.RemoveClip();
        }
    }
}

void TChartShadow::DrawPolygon(TCanvas3D& canvas, const TPoint* points, int count) {
    if (count <= 0) return;
    std::vector<TPoint> moved;
    for (int i = 0; i < count; ++i) moved.push_back({points[i].X + horizSize_, points[i].Y + vertSize_});
    const TRect bounds = PointsBounds(moved.data(), count - 1);
    // Prepare moves the rectangle by the shadow's offset itself: it gets the
    // shape's own bounds, so that a blend covers the shadow and not beyond it
    if (!Prepare(canvas, PointsBounds(points, count - 1), 0)) return;
    ScopeExit finish([&] { Finish(canvas); });
    if (smooth_ && CanSmooth(canvas)) {
        for (TPoint& p : moved) p = {p.X - bounds.Left, p.Y - bounds.Top};
        DrawSmooth(static_cast<TChartCanvas3D&>(canvas), bounds, TMaskShape::Polygon, 0, moved);
    } else {
        canvas.Polygon(moved.data(), count);
    }
}

void TChartShadow::DrawSmooth(TChartCanvas3D& canvas, const TRect& r, TMaskShape shape, int roundSize,
                              const std::vector<TPoint>& points) {
    const int h = std::abs(horizSize_), v = std::abs(vertSize_);
    const int width = std::max(1, r.Right - r.Left + 2 * h + 1);
    const int height = std::max(1, r.Bottom - r.Top + 2 * v + 1);
    TBitmap mask(width, height, TPixelFormat::pf24bit);
    TCanvas& paint = *mask.Canvas();
    paint.Brush()->SetStyle(TBrushStyle::bsSolid);
    paint.Brush()->SetColor(clWhite);
    paint.FillRect(TRect{0, 0, width, height});
    paint.Brush()->SetColor(color_);
    paint.Pen()->SetStyle(TPenStyle::psClear);
    switch (shape) {
        case TMaskShape::Polygon: {
            // a shadow cast left or up is placed 2h (2v) further back, as
            // rectangles are: the polygon moves forward in its mask by as much
            std::vector<TPoint> inMask = points;
            for (TPoint& p : inMask) p = {p.X + (horizSize_ < 0 ? 2 * h : 0), p.Y + (vertSize_ < 0 ? 2 * v : 0)};
            paint.Polygon(inMask);
            break;
        }
        case TMaskShape::Ellipse: paint.Ellipse(h, v, width - h, height - v); break;
        case TMaskShape::RoundRect: paint.RoundRect(h, v, width - h, height - v, roundSize, roundSize); break;
        case TMaskShape::Rectangle: paint.Rectangle(h, v, width - h, height - v); break;
    }
    TShadowBlur blur;
    blur.HorizSize = horizSize_;
    blur.VertSize = vertSize_;
    blur.SmoothBlur = smoothBlur_;
    blur.Whole = shape != TMaskShape::Rectangle || BlurWhole;
    blur.ClipDc = clip_ ? canvas.Handle() : nullptr;
    BlurShadowMask(mask, *canvas.BufferBitmap(), r.TopLeft(), blur);
}
