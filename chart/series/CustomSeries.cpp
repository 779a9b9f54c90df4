#include "chart/series/CustomSeries.h"

#include "chart/axes/ChartAxis.h"
#include "chart/canvas/Canvas3D.h"
#include "chart/canvas/ChartCanvas3D.h"
#include "chart/core/ChartConst.h"
#include "chart/effects/ChartBlend.h"
#include "chart/geometry/ChartGeometry.h"
#include "chart/geometry/PointHitTests.h"
#include "chart/panel/CustomAxisPanel.h"
#include "ui/core/PublishedProperties.h"
#include "ui/core/ScopeGuards.h"

#include <algorithm>
#include <cmath>
#include <typeinfo>

TCustomSeries::TCustomSeries(TComponent* owner) : TCustomLineSeries(owner), outLine_([this] { Repaint(); }) {
    drawBetweenPoints_ = true;
}

void TCustomSeries::Assign(const TPersistent* source) {
    if (const auto* s = dynamic_cast<const TCustomSeries*>(source)) {
        clickableLine_ = s->clickableLine_;
        colorEachLine_ = s->colorEachLine_;
        dark3D_ = s->dark3D_;
        drawLine_ = s->drawLine_;
        invertedStairs_ = s->invertedStairs_;
        lineHeight_ = s->lineHeight_;
        transparency_ = s->transparency_;
        shadow_.Assign(s->shadow_);
        gradient_.Assign(s->gradient_);
        pointer_.Assign(s->pointer_);
        stacked_ = s->stacked_;
        stairs_ = s->stairs_;
        outLine_.Assign(s->outLine_);
        treatNulls_ = s->treatNulls_;
    }
    TCustomLineSeries::Assign(source);
}

const TEnumInfo& CustomSeriesStackInfo() {
    static const TEnumInfo info("TCustomSeriesStack", {"cssNone", "cssOverlap", "cssStack", "cssStack100"});
    return info;
}

void TCustomSeries::SetDark3D(bool value) {
    if (dark3D_ == value) return;
    dark3D_ = value;
    Repaint();
}

void TCustomSeries::SetTransparency(int value) {
    value = std::clamp(value, 0, 100);
    if (transparency_ == value) return;
    transparency_ = value;
    Repaint();
}

void TCustomSeries::SetLineHeight(int value) {
    if (lineHeight_ == value) return;
    lineHeight_ = value;
    Repaint();
}

void TCustomSeries::SetParentChart(TCustomAxisPanel* chart) {
    TCustomLineSeries::SetParentChart(chart);
    pointer_.SetParentPanel(chart);
}

bool TCustomSeries::HasClickEvents() const {
    return TChartSeries::HasClickEvents() || (pointer_.Visible() && OnClickPointer);
}

TSeriesPointerStyle TCustomSeries::PointerStyleOf(int index) {
    return OnGetPointerStyle ? OnGetPointerStyle(this, index) : pointer_.Style();
}

bool TCustomSeries::PointerHit(int index, int px, int py, int x, int y) {
    return PointerStyleOf(index) != psNothing && std::abs(px - x) < pointer_.HorizSize() &&
           std::abs(py - y) < pointer_.VertSize();
}

void TCustomSeries::ComputeZOrder(int& highestZOrder) {
    // stacked series share one depth
    if (stacked_ != cssNone)
        internalZOrder_ = std::max(0, highestZOrder);
    else
        TCustomLineSeries::ComputeZOrder(highestZOrder);
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

bool TCustomSeries::SameStackClass(const TChartSeries* series) const { return IsSameKind(series, this); }

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

bool TCustomSeries::HasNullPoints() const {
    return HasPointColors() || ColorEachPoint() || SeriesColor() == clNone;
}

double TCustomSeries::MinMaxMandatory(bool largest) {
    // the list keeps its extremes while its values stay the same
    if (treatNulls_ == tnIgnore || !HasNullPoints())
        return largest ? mandatory_->HighestValue() : mandatory_->LowestValue();
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
    if (shadow_.Visible() && shadow_.Spread() != 0) {
        const TColor stored = storedColor_;
        const TColor automatic = automaticColor_;
        const bool pointerShown = pointer_.Visible();
        SetSeriesColor(shadow_.Color());
        pointer_.Hide();
        TChartAxis* h = effectiveHorizAxis_;
        TChartAxis* v = effectiveVertAxis_;
        const int h0 = h->StartPixel(), h1 = h->EndPixel(), v0 = v->StartPixel(), v1 = v->EndPixel();
        h->SetPixelSpan(h0 + shadow_.HorizSize(), h1 + shadow_.HorizSize());
        v->SetPixelSpan(v0 + shadow_.VertSize(), v1 + shadow_.VertSize());
        DrawLinePass();
        h->SetPixelSpan(h0, h1);
        v->SetPixelSpan(v0, v1);
        pointer_.SetVisible(pointerShown);
        // the colour goes back as it was, automatic or stored
        storedColor_ = stored;
        automaticColor_ = automatic;
        ColorChanged();
    }
    if (outLine_.Visible()) {
        TChartPen saved;
        saved.Assign(pen_);
        const TColor savedColor = storedColor_;
        pen_.Assign(outLine_);
        pen_.SetWidth(2 * saved.Width() + outLine_.Width() + 1);
        storedColor_ = outLine_.Color();
        DrawLinePass();
        pen_.Assign(saved);
        storedColor_ = savedColor;
    }
    DrawLinePass();
}

void TCustomSeries::DrawLinePass() {
    gatherColumns_ = ColumnsGatherable();
    column_.Close();
    ScopeExit stopGathering([this] {
        gatherColumns_ = false;
        column_.Close();
    });
    if (gatherColumns_ && stacked_ == cssNone && !HasNullPoints())
        DrawPointsByColumn();
    else
        TChartSeries::DrawAllPoints();
    DrawColumn();
}

// A point of one colour in the pixel column of the point before only widens
// the open column: runs of such points are found by the values the column
// holds (or, where the axis cannot say, by mapping each point) and added to
// the column in one go; every other point is drawn by DrawOnePoint.
void TCustomSeries::DrawPointsByColumn() {
    if (firstVisible_ < 0 || lastVisible_ < 0) return;
    const TChartAxis& horizontal = *effectiveHorizAxis_;
    const TChartAxis& vertical = *effectiveVertAxis_;
    const double* xs = xValues_->Data();
    const double* ys = yValues_->Data();
    const TColor color = SeriesColor();
    const int step = PointsDrawnForward() ? 1 : -1;
    const int first = FirstDrawIndex();
    const int end = (step > 0 ? lastVisible_ : firstVisible_) + step;
    DrawOnePoint(first);
    int i = first + step;
    while (i != end) {
        const int x = horizontal.ValueToScreenX(xs[i]);
        if (x != previousX_) {
            DrawOnePoint(i);
            i += step;
            continue;
        }
        OpenColumn(x, color);
        int next = i + step;
        double low = 0;
        double high = 0;
        if (horizontal.ValuesOnPixelX(x, xs[i], low, high)) {
            while (next != end && xs[next] >= low && xs[next] <= high) next += step;
        } else {
            while (next != end && horizontal.ValueToScreenX(xs[next]) == x) next += step;
        }
        const int count = (next - i) * step;
        if (!column_.AddValues(vertical, ys + i, count, step))
            for (int k = i; k != next; k += step) column_.Add(vertical.ValueToScreenY(ys[k]));
        previousY_ = column_.Last();
        i = next;
    }
}

void TCustomSeries::OpenColumn(int x, TColor color) {
    if (column_.Open()) return;
    column_.Start(previousY_);
    columnX_ = x;
    columnColor_ = color;
}

void TCustomSeries::ExtendColumn(int x, int y, TColor color) {
    OpenColumn(x, color);
    column_.Add(y);
}

// Gathering keeps the pixels only where each point's line is a plain
// one-colour stroke painted over what is there: no dashes (each line starts
// its pattern afresh), no mixing with the background, no pointers between
// the lines, and a canvas that does not keep each point's drawing apart.
bool TCustomSeries::ColumnsGatherable() const {
    const TCanvas3D* canvas = parentChart_->Canvas();
    return drawLine_ && !parentChart_->View3D() && !stairs_ && transparency_ == 0 && !pointer_.Visible() &&
           !canvas->SupportsItemIds && pen_.Style() == TPenStyle::psSolid && !pen_.SmallDots() &&
           pen_.Mode() == TPenMode::pmCopy;
}

bool TCustomSeries::ContinuesColumn(int x, TColor color) const {
    return gatherColumns_ && x == previousX_ && color == previousColor_ && color != clNone;
}

void TCustomSeries::DrawColumn() {
    if (!column_.Open()) return;
    column_.Close();
    TChartCanvas* canvas = parentChart_->Canvas();
    PrepareLinePen(columnColor_);
    column_.ForEachLine([&](int from, int to) { canvas->Line(columnX_, from, columnX_, to); });
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
        if (dark3D_) {
            const int w = parentChart_->SeriesDepthWidth();
            darkRatio_ = w == 0 ? 1 : std::fabs(static_cast<double>(parentChart_->SeriesDepthHeight()) / w);
        }
        if (i == firstVisible_ && i > 0) {
            // the line enters from outside the chart rectangle
            const TRect r = parentChart_->PlotRect();
            previousX_ = effectiveHorizAxis_->Inverted() ? r.Right : r.Left;
            previousY_ = stairs_ ? PointScreenY(i - 1)
                                 : InterpolatedEdgeY(i - 1, effectiveHorizAxis_->ScreenToValue(previousX_));
            if (!PointIsNull(i - 1)) DrawLineSegment(i, x, y, color, false);
        }
        if (LastInDrawOrder(i) && pointer_.Visible() && color != clNone) DrawPointShape(x, y, i, color);
    } else if (ContinuesColumn(x, color)) {
        ExtendColumn(x, y, color);
    } else {
        DrawColumn();
        DrawLineSegment(i, x, y, color, true);
    }
    previousX_ = x;
    previousY_ = y;
    previousOriginPos_ = originPos_;
    previousColor_ = color;
}

void TCustomSeries::DrawLineSegment(int i, int x, int y, TColor color, bool withPointer) {
    const bool noLine = (x == previousX_ && y == previousY_) || (color == clNone && treatNulls_ != tnIgnore);
    if (!noLine && drawLine_) {
        if (parentChart_->View3D())
            DrawSegment3D(i, x, y, color);
        else
            DrawSegment2D(x, y, color);
    }
    if (!withPointer || !pointer_.Visible()) return;
    if (previousColor_ != clNone)
        DrawPointShape(previousX_, previousY_, i - 1, previousColor_);
    else if (treatNulls_ != tnDontPaint)
        DrawPointShape(previousX_, previousY_, i - 1, color);
    if (LastInDrawOrder(i) && color != clNone) DrawPointShape(x, y, i, color);
}

void TCustomSeries::DrawSegment2D(int x, int y, TColor color) {
    TChartCanvas* canvas = parentChart_->Canvas();
    PrepareLinePen(!pointer_.Visible() || colorEachLine_ ? color : SeriesColor());
    std::unique_ptr<TChartBlend> blend;
    if (transparency_ > 0) {
        const int w = pen_.Width();
        blend = canvas->StartTransparency(TRect{std::min(previousX_, x) - w, std::min(previousY_, y) - w,
                                                std::max(previousX_, x) + w, std::max(previousY_, y) + w},
                                          transparency_);
    }
    if (stairs_ && invertedStairs_) {
        canvas->VerticalLine(previousX_, previousY_, y);
        canvas->LineTo(x, y);
    } else if (stairs_) {
        canvas->HorizontalLine(previousX_, x, previousY_);
        canvas->LineTo(x, y);
    } else {
        canvas->Line(previousX_, previousY_, x, y);
    }
    if (blend) canvas->FinishTransparency(std::move(blend));
}

void TCustomSeries::DrawFace(const TPoint* points, int count) {
    TChartCanvas* canvas = parentChart_->Canvas();
    std::unique_ptr<TChartBlend> blend;
    if (transparency_ > 0) {
        TRect r = PolygonRect(points, count);
        const int w = pen_.Width();
        blend = canvas->StartTransparency(TRect{r.Left - w, r.Top - w, r.Right + w, r.Bottom + w}, transparency_);
    }
    canvas->Polygon(points, count);
    if (blend) canvas->FinishTransparency(std::move(blend));
}

void TCustomSeries::DrawSegment3D(int i, int x, int y, TColor color) {
    TCanvas3D& canvas = *parentChart_->Canvas();
    const TColor face = colorEachLine_ ? color : SeriesColor();
    canvas.Brush().SetStyle(brush_.Style());
    canvas.Brush().SetColor(face);
    canvas.SelectPen(pen_);
    const int px = previousX_;
    const int py = previousY_;
    if (stairs_) {
        // two faces through the series' depth; the rising one darker
        const TColor dark = dark3D_ ? DarkerColor(face, 64) : face;
        if (invertedStairs_) {
            canvas.Brush().SetColor(dark);
            canvas.DepthRect3D(px, std::min(py, y), std::max(py, y), startZ_, endZ_);
            canvas.Brush().SetColor(face);
            canvas.HorizontalRect3D(px, y, x, startZ_, endZ_);
        } else {
            canvas.HorizontalRect3D(px, py, x, startZ_, endZ_);
            canvas.Brush().SetColor(dark);
            canvas.DepthRect3D(x, std::min(py, y), std::max(py, y), startZ_, endZ_);
        }
        canvas.Brush().SetColor(face);
        return;
    }
    if (lineHeight_ > 0) {
        TPoint hung[4] = {canvas.ChartToScreen(x, y, startZ_), canvas.ChartToScreen(px, py, startZ_),
                          canvas.ChartToScreen(px, py + lineHeight_, startZ_),
                          canvas.ChartToScreen(x, y + lineHeight_, startZ_)};
        DrawFace(hung, 4);
        if (LastInDrawOrder(i)) canvas.DepthRect3D(x, y, y + lineHeight_, startZ_, endZ_);
    }
    bool darkened = false;
    if (dark3D_ && !canvas.SupportsRotation3D() && x != px && darkRatio_ != 0 &&
        static_cast<double>(py - y) / (x - px) > darkRatio_) {
        canvas.Brush().SetColor(DarkerColor(face, 64));
        darkened = true;
    }
    if (canvas.Monochrome()) canvas.Brush().SetColor(clWhite);
    TPoint plane[4] = {canvas.ChartToScreen(px, py, startZ_), canvas.ChartToScreen(x, y, startZ_),
                       canvas.ChartToScreen(x, y, endZ_), canvas.ChartToScreen(px, py, endZ_)};
    if (gradient_.Visible()) {
        // the face filled from the brush colour, then outlined
        canvas.ClipToPolygon(plane, 4, false);
        gradient_.SetStartColor(canvas.Brush().Color());
        gradient_.Draw(canvas, PolygonRect(plane, 4));
        canvas.RemoveClip();
        if (canvas.Pen().Style() != TPenStyle::psClear) {
            canvas.Brush().SetStyle(TBrushStyle::bsClear);
            canvas.Polygon(plane, 4);
        }
    } else {
        DrawFace(plane, 4);
    }
    if (darkened) canvas.Brush().SetColor(face);
}

void TCustomSeries::DrawPointShape(int x, int y, int index, TColor color) {
    TCanvas3D& canvas = *parentChart_->Canvas();
    pointer_.SetUpCanvas(canvas, color);
    const TSeriesPointerStyle style = PointerStyleOf(index);
    // the handler may have changed the pointer
    if (OnGetPointerStyle) pointer_.SetUpCanvas(canvas, color);
    pointer_.PaintAt(x, y, color, style);
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
    // the pixel as a point at the series' front depth
    if (auto* canvas = parentChart_ ? dynamic_cast<TChartCanvas3D*>(parentChart_->Canvas()) : nullptr)
        canvas->ScreenToChart(x, y, startZ_);
    if (firstVisible_ == -1 || lastVisible_ == -1) return -1;
    const int start = clickableLine_ ? std::max(0, firstVisible_ - 1) : firstVisible_;
    TPoint previous{0, 0};
    const TPoint click{x, y};
    for (int i = start; i <= lastVisible_ && i < Count(); ++i) {
        const TPoint p{PointScreenX(i), PointScreenY(i)};
        if (pointer_.Visible() && PointerHit(i, p.X, p.Y, x, y)) {
            if (OnClickPointer) OnClickPointer(this, i, x, y);
            return i;
        }
        if (p == click) return i;
        if (i > start && clickableLine_ && SegmentContains(previous, p, click)) return i - 1;
        previous = p;
    }
    return -1;
}

// ---- margins ----

void TCustomSeries::ComputeHorizMargins(int& left, int& right) {
    left = right = 0;
    pointer_.WidenHorizMargins(left, right);
    if (!drawLine_) return;
    if (stairs_) {
        left = std::max(left, pen_.Width());
        right = std::max(right, pen_.Width());
    }
    if (outLine_.Visible()) {
        left = std::max(left, outLine_.Width());
        right = std::max(right, outLine_.Width());
    }
}

void TCustomSeries::ComputeVertMargins(int& top, int& bottom) {
    top = bottom = 0;
    pointer_.WidenVertMargins(top, bottom);
    if (drawLine_) {
        if (stairs_) {
            top = std::max(top, pen_.Width());
            bottom = std::max(bottom, pen_.Width());
        }
        if (outLine_.Visible()) {
            top = std::max(top, outLine_.Width());
            bottom = std::max(bottom, outLine_.Width());
        }
    }
    if (marks_.Visible()) top = std::max(top, MarksExtent());
    if (lineHeight_ > 0 && parentChart_ && parentChart_->View3D()) bottom = std::max(bottom, lineHeight_);
}

int TCustomSeries::MarksExtent() { return marks_.Callout().Length() + marks_.Callout().Distance(); }

void TCustomSeries::DrawPointMark(int index, const std::string& text, TSeriesMarkPosition& position) {
    marks_.ZPosition = startZ_;
    if (marks_.HasCallout()) marks_.Callout().ApplyLength(position);
    TChartSeries::DrawPointMark(index, text, position);
}
