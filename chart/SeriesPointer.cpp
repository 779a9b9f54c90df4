#include "chart/SeriesPointer.h"

#include "chart/ChartCanvas.h"
#include "chart/ChartConst.h"
#include "chart/ChartExceptions.h"
#include "chart/ChartSeries.h"
#include "chart/CustomAxisPanel.h"
#include "chart/StoreIfChanged.h"

#include <algorithm>
#include <vector>

TSeriesPointer::TSeriesPointer(TChartSeries* series, TChangeEvent onChange)
    : series_(series), onChange_(std::move(onChange)), brush_([this] { Changed(); }), pen_([this] { Changed(); }) {}

void TSeriesPointer::Assign(const TSeriesPointer& source) {
    dark3D_ = source.dark3D_;
    draw3D_ = source.draw3D_;
    horizSize_ = source.horizSize_;
    vertSize_ = source.vertSize_;
    inflateMargins_ = source.inflateMargins_;
    style_ = source.style_;
    visible_ = source.visible_;
    brush_.Assign(source.brush_);
    pen_.Assign(source.pen_);
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
void TSeriesPointer::SetVisible(bool value) {
    if (StoreIfChanged(visible_, value)) Changed();
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
    if (!visible_ || !inflateMargins_) return;
    left = std::max(left, horizSize_ + 1);
    right = std::max(right, horizSize_ + 1);
}

void TSeriesPointer::WidenVertMargins(int& top, int& bottom) const {
    if (!visible_ || !inflateMargins_) return;
    top = std::max(top, vertSize_ + 1);
    bottom = std::max(bottom, vertSize_ + 1);
}

int TSeriesPointer::StartZ() const { return series_ ? series_->StartZ() : 0; }
int TSeriesPointer::MiddleZ() const { return series_ ? series_->MiddleZ() : 0; }
int TSeriesPointer::EndZ() const { return series_ ? series_->EndZ() : 0; }

void TSeriesPointer::SetUpCanvas(TCanvas3D& canvas, TColor color) {
    if (pen_.Visible())
        canvas.SelectPenColor(pen_, pen_.Color() == clDefault ? color : pen_.Color());
    else if (canvas.Pen().Style() != TPenStyle::psClear)
        canvas.Pen().SetStyle(TPenStyle::psClear);
    TColor fill = brush_.Color();
    if (fill == clDefault) fill = brush_.Style() == TBrushStyle::bsSolid ? color : brush_.BackColor();
    canvas.Brush().SetStyle(brush_.Style());
    canvas.Brush().SetColor(fill);
    canvas.Brush().SetBackColor(color);
}

void TSeriesPointer::PaintShape(TCanvas3D& canvas, bool view3D, int x, int y, int h, int v,
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
                polygon({{left, top}, {right + 1, top}, {right + 1, bottom + 1}, {left, bottom + 1}});
            else
                canvas.Rectangle(left, top, right + 1, bottom + 1);
            break;
        case psCircle:
            if (view3D)
                canvas.Ellipse(canvas.ProjectRect(TRect{left, top, right, bottom}, z));
            else
                canvas.Ellipse(left, top, right, bottom);
            break;
        case psTriangle: polygon({{left, y + v}, {right, y + v}, {x, y - v}}); break;
        case psDownTriangle: polygon({{left, y - v}, {right, y - v}, {x, y + v}}); break;
        case psCross: cross(); break;
        case psDiagCross: diagonalCross(); break;
        case psStar:
            cross();
            diagonalCross();
            break;
        case psDiamond: polygon({{left, y}, {x, top}, {right, y}, {x, bottom}}); break;
        case psSmallDot: {
            const TPoint p = view3D ? canvas.ChartToScreen(x, y, MiddleZ()) : TPoint{x, y};
            canvas.SetPixel(p.X, p.Y, canvas.Brush().Color());
            break;
        }
        case psNothing: break;
        case psLeftTriangle: polygon({{left, y}, {right, bottom}, {right, top}}); break;
        case psRightTriangle: polygon({{right, y}, {left, bottom}, {left, top}}); break;
        case psHexagon:
            polygon({{x, top}, {right, y - v / 2}, {right, y + v / 2}, {x, bottom}, {left, y + v / 2}, {left, y - v / 2}});
            break;
    }
}

void TSeriesPointer::PaintAt(int x, int y, TSeriesPointerStyle style) {
    TCustomAxisPanel* chart = series_ ? series_->ParentChart() : nullptr;
    if (!chart || !chart->Canvas()) return;
    PaintShape(*chart->Canvas(), chart->View3D(), x, y, horizSize_, vertSize_, style);
}
