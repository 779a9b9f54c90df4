#include "chart/LineSeries.h"

#include "chart/ChartAxis.h"
#include "chart/ChartCanvas.h"
#include "chart/CustomAxisPanel.h"
#include "chart/PointHitTests.h"

#include <algorithm>
#include <cmath>
#include <typeinfo>

void TCustomLineSeries::SetTreatNulls(TTreatNullsStyle value) {
    if (treatNulls_ == value) return;
    treatNulls_ = value;
    Repaint();
}

TCustomSeries::TCustomSeries() : outLine_([this] { Repaint(); }) { drawBetweenPoints_ = true; }

TLineSeries::TLineSeries() {
    drawLine_ = true;
    allowSinglePoint_ = false;
}

void TCustomSeries::SetColorEachLine(bool value) {
    if (colorEachLine_ == value) return;
    colorEachLine_ = value;
    Repaint();
}

void TCustomSeries::SetStairs(bool value) {
    if (stairs_ == value) return;
    stairs_ = value;
    Repaint();
}

void TCustomSeries::SetInvertedStairs(bool value) {
    if (invertedStairs_ == value) return;
    invertedStairs_ = value;
    Repaint();
}

void TCustomSeries::SetStacked(TCustomSeriesStack value) {
    if (stacked_ == value) return;
    stacked_ = value;
    if (parentChart_)
        for (int i = 0; i < parentChart_->SeriesCount(); ++i)
            if (auto* other = dynamic_cast<TCustomSeries*>(parentChart_->SeriesAt(i)); other && SameStackClass(other))
                other->stacked_ = value;
    Repaint();
}

bool TCustomSeries::SameStackClass(const TChartSeries* series) const { return typeid(*series) == typeid(*this); }

// ---- positions and ranges ----

double TCustomSeries::StackOffset(int index, bool all) {
    if (!parentChart_) return 0;
    const double v = YValueAt(index);
    double sum = 0;
    for (int k = 0; k < parentChart_->SeriesCount(); ++k) {
        TChartSeries* s = parentChart_->SeriesAt(k);
        if (!all && s == this) break;
        if (!s->Active() || !SameStackClass(s) || s->Count() <= index) continue;
        const double b = s->StackValue(index);
        if ((v >= 0 && b > 0) || (v < 0 && b < 0)) sum += b;
    }
    return sum;
}

int TCustomSeries::ComputeStackedPos(int index, double value) {
    if (stacked_ == cssStack)
        return std::min(effectiveVertAxis_->EndPixel(), ValueScreenY(StackOffset(index, false) + value));
    const double total = StackOffset(index, true);
    if (total != 0) return ValueScreenY((StackOffset(index, false) + value) * 100 / total);
    return effectiveVertAxis_->EndPixel();
}

int TCustomSeries::PointScreenY(int index) {
    if (stacked_ == cssStack || stacked_ == cssStack100) return ComputeStackedPos(index, YValueAt(index));
    return TChartSeries::PointScreenY(index);
}

int TCustomSeries::ComputeOriginPos(int index) {
    if (stacked_ == cssStack || stacked_ == cssStack100) return ComputeStackedPos(index, 0);
    return effectiveVertAxis_->Inverted() ? effectiveVertAxis_->StartPixel() : effectiveVertAxis_->EndPixel();
}

double TCustomSeries::MinMaxMandatory(bool largest) {
    bool taken = false;
    double result = 0;
    for (int i = 0; i < Count(); ++i) {
        if (treatNulls_ != tnIgnore && PointIsNull(i)) continue;
        const double v = (*mandatory_)[i];
        if (!taken || (largest ? v > result : v < result)) result = v;
        taken = true;
    }
    return result;
}

double TCustomSeries::HighestY() {
    if (stacked_ == cssStack100) return 100;
    double m = MinMaxMandatory(true);
    if (stacked_ == cssStack)
        for (int i = 0; i < Count(); ++i) m = std::max(m, StackOffset(i, false) + YValueAt(i));
    return m;
}

double TCustomSeries::LowestY() {
    if (stacked_ == cssStack100) return 0;
    double m = MinMaxMandatory(false);
    if (stacked_ == cssStack)
        for (int i = 0; i < Count(); ++i) m = std::min(m, StackOffset(i, false) + YValueAt(i));
    return m;
}

// ---- drawing ----

bool TCustomSeries::LastInDrawOrder(int index) const {
    return index == (PointsDrawnForward() ? lastVisible_ : firstVisible_);
}

void TCustomSeries::PrepareLinePen(TColor color) {
    TChartCanvas* canvas = parentChart_->Canvas();
    if (canvas->Monochrome()) color = clWhite;
    canvas->Brush().SetStyle(TBrushStyle::bsClear);
    canvas->SelectPenColor(pen_, color);
}

int TCustomSeries::InterpolatedEdgeY(int j, double v) {
    const double a = XValueAt(j);
    const double d = XValueAt(j + 1) - a;
    if (d == 0) return TChartSeries::PointScreenY(j);
    const double y0 = YValueAt(j);
    const double y1 = YValueAt(j + 1);
    double value;
    if (effectiveVertAxis_->Logarithmic())
        value = y0 > 0 && y1 > 0 ? std::exp(std::log(y0) + (std::log(y1) - std::log(y0)) * (v - a) / d) : 0;
    else
        value = y0 + (v - a) * (y1 - y0) / d;
    return ValueScreenY(value);
}

void TCustomSeries::DrawAllPoints() {
    if (outLine_.Visible()) {
        TChartPen saved;
        saved.Assign(pen_);
        const TColor savedColor = storedColor_;
        pen_.Assign(outLine_);
        pen_.SetWidth(2 * saved.Width() + outLine_.Width() + 1);
        storedColor_ = outLine_.Color();
        TChartSeries::DrawAllPoints();
        pen_.Assign(saved);
        storedColor_ = savedColor;
    }
    TChartSeries::DrawAllPoints();
}

void TCustomSeries::DrawOnePoint(int i) {
    TChartCanvas* canvas = parentChart_->Canvas();
    const TColor color = PointColorAt(i);
    int x = PointScreenX(i);
    int y = PointScreenY(i);
    if (treatNulls_ == tnSkip && color == clNone) {
        if (i == FirstDrawIndex()) {
            for (int k = 0; k < Count(); ++k)
                if (!PointIsNull(k)) {
                    x = PointScreenX(k);
                    y = PointScreenY(k);
                    break;
                }
        } else {
            x = previousX_;
            y = previousY_;
        }
    }
    if (canvas->Pen().Color() != clBlack) canvas->Pen().SetColor(clBlack);
    if (canvas->Brush().Color() != color) canvas->Brush().SetColor(color);
    if (i > 0 && treatNulls_ == tnDontPaint && PointIsNull(i - 1)) {
        previousX_ = x;
        previousY_ = y;
    }
    originPos_ = ComputeOriginPos(i);
    if (i == FirstDrawIndex()) {
        if (i == firstVisible_ && i > 0) {
            // the line enters from outside the chart rectangle
            const TRect r = parentChart_->PlotRect();
            previousX_ = effectiveHorizAxis_->Inverted() ? r.Right : r.Left;
            previousY_ = stairs_ ? PointScreenY(i - 1)
                                 : InterpolatedEdgeY(i - 1, effectiveHorizAxis_->ScreenToValue(previousX_));
            if (!PointIsNull(i - 1)) DrawLineSegment(i, x, y, color);
        }
    } else {
        DrawLineSegment(i, x, y, color);
    }
    previousX_ = x;
    previousY_ = y;
    previousOriginPos_ = originPos_;
    previousColor_ = color;
}

void TCustomSeries::DrawLineSegment(int, int x, int y, TColor color) {
    if (x == previousX_ && y == previousY_) return;
    if (color == clNone && treatNulls_ != tnIgnore) return;
    if (!drawLine_ || parentChart_->View3D()) return;
    TChartCanvas* canvas = parentChart_->Canvas();
    PrepareLinePen(color);
    if (stairs_ && invertedStairs_) {
        canvas->VerticalLine(previousX_, previousY_, y);
        canvas->LineTo(x, y);
    } else if (stairs_) {
        canvas->HorizontalLine(previousX_, x, previousY_);
        canvas->LineTo(x, y);
    } else {
        canvas->Line(previousX_, previousY_, x, y);
    }
}

// ---- hit test ----

bool TCustomSeries::SegmentContains(TPoint from, TPoint to, TPoint p) const {
    if (parentChart_ && parentChart_->View3D()) {
        const int w = parentChart_->SeriesDepthWidth();
        const int h = parentChart_->SeriesDepthHeight();
        const TPoint quad[4] = {from, {from.X + w, from.Y - h}, {to.X + w, to.Y - h}, to};
        return PointInPolygon(p, quad, 3);
    }
    if (stairs_) {
        if (invertedStairs_)
            return PointOnLine(p, from.X, from.Y, from.X, to.Y) || PointOnLine(p, from.X, to.Y, to.X, to.Y);
        return PointOnLine(p, from.X, from.Y, to.X, from.Y) || PointOnLine(p, to.X, from.Y, to.X, to.Y);
    }
    return PointOnLine(p, from.X, from.Y, to.X, to.Y);
}

int TCustomSeries::ClickedIndex(int x, int y) {
    if (firstVisible_ == -1 || lastVisible_ == -1) return -1;
    const int start = clickableLine_ ? std::max(0, firstVisible_ - 1) : firstVisible_;
    TPoint previous{0, 0};
    const TPoint click{x, y};
    for (int i = start; i <= lastVisible_ && i < Count(); ++i) {
        const TPoint p{PointScreenX(i), PointScreenY(i)};
        if (p == click) return i;
        if (i > start && clickableLine_ && SegmentContains(previous, p, click)) return i - 1;
        previous = p;
    }
    return -1;
}

// ---- margins ----

void TCustomSeries::ComputeHorizMargins(int& left, int& right) {
    left = right = 0;
    if (!drawLine_) return;
    if (stairs_) left = right = std::max(left, pen_.Width());
    if (outLine_.Visible()) left = right = std::max(left, outLine_.Width());
}

void TCustomSeries::ComputeVertMargins(int& top, int& bottom) {
    top = bottom = 0;
    if (!drawLine_) return;
    if (stairs_) top = bottom = std::max(top, pen_.Width());
    if (outLine_.Visible()) top = bottom = std::max(top, outLine_.Width());
}
