#include "chart/series/SeriesPointer.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/core/ChartConst.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/StoreIfChanged.h"
#include "chart/effects/ChartBlend.h"
#include "chart/geometry/ChartGeometry.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"

#include <algorithm>
#include <vector>

namespace {

TCustomChartPanel* ChartOf(TChartSeries* series) { return series ? series->ParentChart() : nullptr; }

}  // namespace

TSeriesPointer::TSeriesPointer(TChartSeries* series)
    : TChartCustomShapeBrushPen(ChartOf(series)),
      series_(series),
      gradient_([this] { Changed(); }),
      shadow_([this] { Changed(); }) {
    // hidden and 3 pixels unless asked otherwise; neither is stored then
    shadow_.SetDefaults(shadow_.Color(), 3);
    shadow_.SetVisibleDefault(false);
}

void TSeriesPointer::Assign(const TPersistent* source) {
    if (const auto* pointer = dynamic_cast<const TSeriesPointer*>(source))
        CopyFrom(*pointer);
    else
        TPersistent::Assign(source);
}

void TSeriesPointer::CopyFrom(const TSeriesPointer& source) {
    dark3D_ = source.dark3D_;
    draw3D_ = source.draw3D_;
    gradient_.Assign(source.gradient_);
    horizSize_ = source.horizSize_;
    inflateMargins_ = source.inflateMargins_;
    shadow_.Assign(source.shadow_);
    style_ = source.style_;
    transparency_ = source.transparency_;
    vertSize_ = source.vertSize_;
    TChartCustomShapeBrushPen::Assign(source);
    Changed();
}

void TSeriesPointer::SetDark3D(bool value) {
    if (StoreIfChanged(dark3D_, value)) Changed();
}
void TSeriesPointer::SetDraw3D(bool value) {
    if (StoreIfChanged(draw3D_, value)) Changed();
}
void TSeriesPointer::SetInflateMargins(bool value) {
    if (StoreIfChanged(inflateMargins_, value)) Changed();
}
void TSeriesPointer::SetStyle(TSeriesPointerStyle value) {
    if (StoreIfChanged(style_, value)) Changed();
}
void TSeriesPointer::SetTransparency(int value) {
    if (StoreIfChanged(transparency_, std::clamp(value, 0, 100))) Changed();
}

void TSeriesPointer::SetHorizSize(int value) {
    if (value <= 0) throw ChartException(ChartConst::PointerSizeNotPositive);
    if (StoreIfChanged(horizSize_, value)) Changed();
}

void TSeriesPointer::SetVertSize(int value) {
    if (value <= 0) throw ChartException(ChartConst::PointerSizeNotPositive);
    if (StoreIfChanged(vertSize_, value)) Changed();
}

void TSeriesPointer::WidenHorizMargins(int& left, int& right) const {
    if (!Visible() || !inflateMargins_) return;
    left = std::max(left, horizSize_ + 1);
    right = std::max(right, horizSize_ + 1);
}

void TSeriesPointer::WidenVertMargins(int& top, int& bottom) const {
    if (!Visible() || !inflateMargins_) return;
    top = std::max(top, vertSize_ + 1);
    bottom = std::max(bottom, vertSize_ + 1);
}

int TSeriesPointer::StartZ() const { return series_ ? series_->StartZ() : 0; }
int TSeriesPointer::MiddleZ() const { return series_ ? series_->MiddleZ() : 0; }
int TSeriesPointer::EndZ() const { return series_ ? series_->EndZ() : 0; }

void TSeriesPointer::SetUpCanvas(TCanvas3D& canvas, TColor color) {
    TChartPen& pen = Pen();
    TChartBrush& brush = Brush();
    if (pen.Visible())
        canvas.SelectPenColor(pen, pen.Color() == clDefault ? color : pen.Color());
    else if (canvas.Pen().Style() != TPenStyle::psClear)
        canvas.Pen().SetStyle(TPenStyle::psClear);
    TColor fill = brush.Color();
    if (fill == clDefault) fill = brush.Style() == TBrushStyle::bsSolid ? color : brush.BackColor();
    canvas.SelectBrushColor(brush, fill, color);
}

void TSeriesPointer::PaintShape(TCanvas3D& canvas, bool view3D, int x, int y, int h, int v, TColor color,
                                TSeriesPointerStyle style) {
    const TRect r{x - h, y - v, x + h, y + v};
    if (shadow_.Visible() && shadow_.Spread() > 0) {
        // the shadow's own colours must not stay behind for the shape
        const TColor brushColor = canvas.Brush().Color();
        const TBrushStyle brushStyle = canvas.Brush().Style();
        const TPenStyle penStyle = canvas.Pen().Style();
        DrawShadow(canvas, view3D, r, x, y, v, style);
        canvas.Brush().SetColor(brushColor);
        canvas.Brush().SetStyle(brushStyle);
        canvas.Pen().SetStyle(penStyle);
    }
    std::unique_ptr<TChartBlend> blend;
    if (transparency_ > 0) blend = canvas.StartTransparency(TransparencyRect(canvas, view3D, r, style), transparency_);
    DrawShape(canvas, view3D, x, y, h, v, style);
    if (gradient_.Visible()) FillGradient(canvas, view3D, x, y, h, v, color, style);
    if (blend) canvas.FinishTransparency(std::move(blend));
}

TRect TSeriesPointer::TransparencyRect(TCanvas3D& canvas, bool view3D, const TRect& r,
                                       TSeriesPointerStyle style) const {
    TRect area{r.Left, r.Top, r.Right + 1, r.Bottom + 1};
    if (!view3D) return area;
    area = canvas.ProjectRect(area, StartZ());
    const TView3DOptions* options = canvas.View3DOptions();
    if (style == psRectangle && draw3D_ && options && options->Orthogonal()) {
        // the cube reaches back by the series' depth
        const int depth = EndZ() - StartZ();
        area.Right += depth;
        area.Top -= depth;
    }
    return area;
}

void TSeriesPointer::DrawShadow(TCanvas3D& canvas, bool view3D, const TRect& r, int x, int y, int v,
                                TSeriesPointerStyle style) {
    const int z = StartZ();
    switch (style) {
        case psRectangle: shadow_.DrawRect(canvas, TRect{r.Left, r.Top, r.Right + 1, r.Bottom + 1}, 0, z); break;
        case psCircle: shadow_.DrawEllipse(canvas, r, z); break;
        case psHexagon: {
            std::vector<TPoint> points = {{x, r.Top},          {r.Right, y - v / 2}, {r.Right, y + v / 2},
                                          {x, r.Bottom},       {r.Left, y + v / 2},  {r.Left, y - v / 2}};
            if (view3D)
                for (TPoint& p : points) p = canvas.ChartToScreen(p, z);
            shadow_.DrawPolygon(canvas, points.data(), static_cast<int>(points.size()));
            break;
        }
        default: break;
    }
}

void TSeriesPointer::DrawShape(TCanvas3D& canvas, bool view3D, int x, int y, int h, int v,
                               TSeriesPointerStyle style) {
    const int left = x - h, right = x + h, top = y - v, bottom = y + v;
    const int z = view3D ? StartZ() : 0;
    // a flat shape, projected at the series' front depth in a 3D view
    auto polygon = [&](std::vector<TPoint> points) {
        if (view3D)
            for (TPoint& p : points) p = canvas.ChartToScreen(p.X, p.Y, z);
        canvas.Polygon(points.data(), static_cast<int>(points.size()));
    };
    auto line = [&](int x0, int y0, int x1, int y1) {
        if (view3D)
            canvas.LineAtDepth(x0, y0, x1, y1, z);
        else
            canvas.Line(x0, y0, x1, y1);
    };
    auto cross = [&] {
        line(x, top, x, bottom + 1);
        line(left, y, right + 1, y);
    };
    auto diagonalCross = [&] {
        line(left, top, right + 1, bottom + 1);
        line(right, top, left - 1, bottom + 1);
    };
    switch (style) {
        case psRectangle:
            if (view3D && draw3D_)
                canvas.Cube(left, right + 1, top, bottom + 1, StartZ(), EndZ(), dark3D_);
            else if (view3D)
                canvas.RectangleAtDepth(left, top, right + 1, bottom + 1, z);
            else
                canvas.Rectangle(left, top, right + 1, bottom + 1);
            break;
        case psCircle:
            if (view3D && draw3D_ && canvas.SupportsRotation3D())
                canvas.Sphere(x, y, MiddleZ(), h);
            else if (view3D)
                canvas.EllipseAtDepth(left, top, right, bottom, z);
            else
                canvas.Ellipse(left, top, right, bottom);
            break;
        case psTriangle:
            if (view3D && draw3D_)
                canvas.Pyramid(true, left, top, right, bottom, StartZ(), EndZ(), dark3D_);
            else
                polygon({{left, y + v}, {right, y + v}, {x, y - v}});
            break;
        case psDownTriangle:
            // the apex below the base
            if (view3D && draw3D_)
                canvas.Pyramid(true, left, bottom, right, top, StartZ(), EndZ(), dark3D_);
            else
                polygon({{left, y - v}, {right, y - v}, {x, y + v}});
            break;
        case psCross: cross(); break;
        case psDiagCross: diagonalCross(); break;
        case psStar:
            cross();
            diagonalCross();
            break;
        case psDiamond: polygon({{left, y}, {x, top}, {right, y}, {x, bottom}}); break;
        case psSmallDot:
            if (view3D)
                canvas.WritePixelAtDepth(x, y, MiddleZ(), canvas.Brush().Color());
            else
                canvas.SetPixel(x, y, canvas.Brush().Color());
            break;
        case psNothing: break;
        case psLeftTriangle: polygon({{left, y}, {right, bottom}, {right, top}}); break;
        case psRightTriangle: polygon({{right, y}, {left, bottom}, {left, top}}); break;
        case psHexagon:
            polygon({{x, top}, {right, y - v / 2}, {right, y + v / 2}, {x, bottom}, {left, y + v / 2}, {left, y - v / 2}});
            break;
    }
}

void TSeriesPointer::FillGradient(TCanvas3D& canvas, bool view3D, int x, int y, int h, int v, TColor color,
                                  TSeriesPointerStyle style) {
    if (!fullGradient_) {
        // the point's colour ends the gradient; that is no change to repaint for
        TCustomChartPanel* chart = ParentPanel();
        const bool repaint = chart && chart->RepaintOnChange();
        if (chart) chart->SetRepaintOnChange(false);
        gradient_.SetEndColor(color);
        if (chart) chart->SetRepaintOnChange(repaint);
    }
    const int left = x - h, right = x + h, top = y - v, bottom = y + v;
    const int penWidth = Pen().Visible() ? Pen().Width() : 0;
    TRect r{left + penWidth, top + penWidth, right, bottom};
    const int z = StartZ();
    const TView3DOptions* options = canvas.View3DOptions();
    if (style == psRectangle && view3D && options && !options->Orthogonal()) {
        r.Right -= penWidth;
        r.Bottom -= penWidth;
        const std::vector<TPoint> corners = canvas.ProjectRectCorners(r, z);
        canvas.FillPolygonGradient(corners.data(), static_cast<int>(corners.size()), gradient_);
        return;
    }
    auto projected = [&](std::vector<TPoint> points) {
        if (view3D)
            for (TPoint& p : points) p = canvas.ChartToScreen(p, z);
        return points;
    };
    if (view3D) r = canvas.ProjectRect(r, z);
    // clipped to a polygon whose bounds the gradient fills
    auto clipToPolygon = [&](const std::vector<TPoint>& points, bool ownBounds) {
        canvas.ClipToPolygon(points.data(), static_cast<int>(points.size()), false);
        if (ownBounds) r = PolygonRect(points.data(), static_cast<int>(points.size()));
    };
    const bool pyramid = view3D && draw3D_;
    switch (style) {
        case psRectangle: canvas.ClipToRect(r); break;
        case psCircle: canvas.ClipToEllipse(r, false); break;
        case psHexagon:
            clipToPolygon(projected({{x, top}, {right, y - v / 2}, {right, y + v / 2}, {x, bottom}, {left, y + v / 2},
                                     {left, y - v / 2}}),
                          false);
            break;
        case psTriangle:
            if (pyramid) return;
            clipToPolygon(projected({{left, y + v}, {right, y + v}, {x, y - v}}), true);
            break;
        case psDownTriangle:
            if (pyramid) return;
            clipToPolygon(projected({{left, y - v}, {right, y - v}, {x, y + v}}), true);
            break;
        case psLeftTriangle: clipToPolygon(projected({{left, y}, {right, bottom}, {right, top}}), true); break;
        case psRightTriangle: clipToPolygon(projected({{right, y}, {left, bottom}, {left, top}}), true); break;
        case psDiamond: {
            const std::vector<TPoint> diamond = projected({{left, y}, {x, top}, {right, y}, {x, bottom}});
            canvas.FillPolygonGradient(diamond.data(), static_cast<int>(diamond.size()), gradient_);
            return;
        }
        default: return;
    }
    gradient_.Draw(canvas, r);
    canvas.RemoveClip();
}

void TSeriesPointer::PaintAt(int x, int y, TColor color, TSeriesPointerStyle style) {
    TCustomAxisPanel* chart = series_ ? series_->ParentChart() : nullptr;
    if (!chart || !chart->Canvas()) return;
    PaintShape(*chart->Canvas(), chart->View3D(), x, y, horizSize_, vertSize_, color, style);
}

void CopyMarkPosition(TSeriesMarkPosition& destination, const TSeriesMarkPosition& source) { destination = source; }
