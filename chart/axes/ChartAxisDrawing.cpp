// The drawing side of an axis: label sizes, the bands it reserves beside the
// chart rectangle, label and title writing, line, ticks and grids.

#include "chart/axes/ChartAxis.h"

#include "chart/axes/DateTimeSteps.h"
#include "chart/canvas/Canvas3D.h"
#include "chart/geometry/ChartGeometry.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"
#include "platform/system/Angles.h"
#include "ui/core/Rounding.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int MostMeasuredLabels = 5000;

int NormalAngle(int angle) { return ((angle % 360) + 360) % 360; }

int LineCount(const std::string& text) {
    int n = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\r', start);
        ++n;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return n;
}

}  // namespace

// ---- sizes ----

bool TChartAxis::RunsAlongAxis(int angle) const {
    angle = NormalAngle(angle);
    return horizontal_ ? (angle == 0 || angle == 180) : (angle == 90 || angle == 270);
}

int TChartAxis::WidestValueLabel() {
    const double inc = LabelStep();
    double first = iMinimum_;
    double last = iMaximum_;
    if (inc != 0 && ((iAxisDateTime_ && exactDateTime_) || roundFirstLabel_)) {
        first = std::trunc(iMinimum_ / inc) * inc;
        last = std::trunc(iMaximum_ / inc) * inc;
    }
    // the chart's label rewriting stays out of the measurement
    TAxisOnGetLabel saved = std::move(chart_->OnGetAxisLabel);
    chart_->OnGetAxisLabel = nullptr;
    int widest = 0;
    int lines = 0;
    if (inc != 0) {
        int count = 0;
        for (double v = last; v >= first && count < MostMeasuredLabels; v -= inc, ++count) {
            widest = std::max(widest, chart_->WidestLineWidth(ValueLabelText(v), lines));
            if (!(v - inc < v)) break;
        }
    } else {
        widest = std::max(chart_->WidestLineWidth(ValueLabelText(first), lines),
                          chart_->WidestLineWidth(ValueLabelText(last), lines));
    }
    chart_->OnGetAxisLabel = std::move(saved);
    return widest + chart_->Canvas()->TextWidth(" ");
}

int TChartAxis::WidestLabel() {
    if (!chart_ || !chart_->Canvas()) return 0;
    if (!items_.Automatic()) {
        // each item in its own font
        int widest = 0;
        int lines = 0;
        for (int i = 0; i < items_.Count(); ++i) {
            TAxisItem& item = items_.GetItem(i);
            chart_->Canvas()->SelectChartFont(item.Font());
            widest = std::max(widest,
                              chart_->WidestLineWidth(item.Text().empty() ? ValueLabelText(item.Value()) : item.Text(), lines));
        }
        SelectLabelsFont();
        return widest;
    }
    switch (EffectiveLabelStyle()) {
        case talValue: return WidestValueLabel();
        case talText: return chart_->WidestTextWidth();
        case talMark: return chart_->WidestMarkWidth();
        default: return 0;
    }
}

void TChartAxis::SelectLabelsFont() {
    if (chart_ && chart_->Canvas()) chart_->Canvas()->SelectChartFont(items_.Font());
}

int TChartAxis::LabelAreaSize() {
    if (labelsSize_ != 0) return labelsSize_;
    SelectLabelsFont();
    int size = RunsAlongAxis(labelsAngle_) ? (chart_ ? chart_->FontHeight() : 0) : WidestLabel();
    if (labelsAlternate_) size *= 2;
    return size;
}

int TChartAxis::LineAndTicksSize() const {
    int size = (axisPen_.Visible() ? axisPen_.Width() + 1 : 0) + (ticksPen_.Visible() ? tickLength_ : 0);
    if (minorTicks_.Visible()) size = std::max(size, minorTickLength_);
    return size;
}

int TChartAxis::TitleTextSize() {
    if (titleSize_ != 0) return titleSize_;
    chart_->Canvas()->SelectChartFont(title_.Font());
    int lines = 0;
    if (RunsAlongAxis(title_.Angle())) return chart_->FontHeight();
    return chart_->WidestLineWidth(title_.Caption(), lines);
}

// ---- layout ----

int TChartAxis::SideOf(const TRect& r) const {
    if (horizontal_) return otherSide_ ? r.Top : r.Bottom;
    return otherSide_ ? r.Right : r.Left;
}

int TChartAxis::WithPositionOffset(int coordinate, const TRect& r) const {
    if (positionPercent_ == 0) return coordinate;
    int d = positionUnits_ == muPixels
                ? static_cast<int>(Round(positionPercent_))
                : static_cast<int>(Round(positionPercent_ * 0.01 * (horizontal_ ? r.Height() : r.Width())));
    if (otherSide_) d = -d;
    return horizontal_ ? coordinate - d : coordinate + d;
}

int TChartAxis::Outward(int coordinate, int by) const {
    const bool towardsLess = horizontal_ ? otherSide_ : !otherSide_;
    return towardsLess ? coordinate - by : coordinate + by;
}

void TChartAxis::Shrink(TRect& r, int by) const {
    if (horizontal_) {
        if (otherSide_)
            r.Top += by;
        else
            r.Bottom -= by;
    } else if (otherSide_) {
        r.Right -= by;
    } else {
        r.Left += by;
    }
}

void TChartAxis::ReserveBands(TRect& r, bool inflate) {
    iAxisDateTime_ = ValuesAreDateTime();
    if (!inflate) {
        axisPosition_ = WithPositionOffset(SideOf(r), r);
        labelPosition_ = Outward(axisPosition_, LineAndTicksSize());
        titlePosition_ = Outward(labelPosition_, LabelAreaSize());
        return;
    }
    const TRect original = r;
    if (depth_) {
        titlePosition_ = otherSide_ ? r.Right : r.Left;
    } else if (title_.Visible() && !title_.Caption().empty()) {
        Shrink(r, TitleTextSize());
        titlePosition_ = SideOf(r);
    }
    if (labels_) {
        Shrink(r, LabelAreaSize());
        labelPosition_ = SideOf(r);
    }
    const int lineRoom = chart_->GetAxisWallSize(this) + LineAndTicksSize();
    if (lineRoom > 0) Shrink(r, lineRoom);
    titlePosition_ = WithPositionOffset(titlePosition_, original);
    labelPosition_ = WithPositionOffset(labelPosition_, original);
}

// ---- writing labels and titles ----

void TChartAxis::PlaceLabel(int position, const std::string& text, TAxisItem* item, double value) {
    if (tickOnLabelsOnly_) RecordTick(position, value);
    TCanvas3D* canvas = chart_->Canvas();
    canvas->Brush().SetStyle(TBrushStyle::bsClear);
    if (depth_) {
        TView3DOptions& view = chart_->View3DOptions();
        if (view.Rotation() == 360 || view.Orthogonal()) position += chart_->FontHeight() / 2;
        int band = labelPosition_;
        if (!otherSide_) band -= canvas->TextWidth("W") / 2 + 2;
        WriteText(band, DepthLineRow(), labelsAngle_, text, nullptr, position);
        return;
    }
    int band = labelPosition_;
    if (labelsAlternate_) {
        alternateToggle_ = !alternateToggle_;
        if (alternateToggle_) band = horizontal_ ? Outward(band, chart_->FontHeight()) : Outward(band, WidestLabel());
    }
    // an item writes in its own font; an automatic label is kept as a
    // transparent item of its own and keeps the labels font
    if (item && !items_.Automatic())
        canvas->SelectChartFont(item->Font());
    else if (!items_.Automatic())
        SelectLabelsFont();
    if (!item && items_.Automatic()) item = &items_.Record(value, text);
    if (horizontal_)
        WriteText(position, band, labelsAngle_, text, item, iZPos_);
    else
        WriteText(band, position, labelsAngle_, text, item, iZPos_);
}

void TChartAxis::WriteText(int x, int y, int angle, const std::string& text, TChartCustomShape* box, int z) {
    const TextLayout layout = MeasureText(x, y, angle, text);
    if (box) DrawLabelBox(*box, LabelBoxRect(layout, text), layout.angle, z);
    PaintText(layout, text, z);
}

TChartAxis::TextLayout TChartAxis::MeasureText(int x, int y, int angle, const std::string& text) {
    TCanvas3D* canvas = chart_->Canvas();
    const int fontHeight = chart_->FontHeight();
    const int hf = fontHeight / 2;
    const int a = NormalAngle(angle);
    unsigned align = TA_LEFT | TA_TOP;
    if (a == 0) {
        if (horizontal_) {
            align = TA_CENTER | (otherSide_ ? TA_BOTTOM : TA_TOP);
        } else {
            if (depth_) {
                align = otherSide_ ? TA_LEFT : TA_RIGHT;
            } else if (labelsAlign_ == alDefault) {
                align = otherSide_ ? TA_LEFT : TA_RIGHT;
            } else {
                align = otherSide_ ? TA_RIGHT : TA_LEFT;
                x = Outward(x, LabelAreaSize());
            }
            if (!depth_) y -= hf;
        }
    } else if (a == 90) {
        if (horizontal_) {
            align = otherSide_ ? TA_LEFT : TA_RIGHT;
            x -= hf;
        } else {
            align = TA_CENTER | (otherSide_ ? TA_TOP : TA_BOTTOM);
            if (depth_) y += hf;
        }
    } else if (a == 180) {
        if (horizontal_) {
            align = TA_CENTER | (otherSide_ ? TA_TOP : TA_BOTTOM);
        } else {
            align = otherSide_ ? TA_RIGHT : TA_LEFT;
            y += depth_ ? 2 * hf : hf;
        }
    } else if (a == 270) {
        if (horizontal_) {
            align = otherSide_ ? TA_RIGHT : TA_LEFT;
            x += hf;
        } else {
            align = TA_CENTER | (otherSide_ ? TA_BOTTOM : TA_TOP);
            if (depth_) y += hf;
        }
    } else if (a == 45 && horizontal_) {
        if (otherSide_) {
            const int back = canvas->TextWidth("Wj");
            x -= back;
            y -= back;
        } else {
            const int shift = static_cast<int>(Round(canvas->TextWidth(text) * std::sin(platform::DegreesToRadians(45))));
            x -= shift;
            y += shift;
        }
    }

    // multi-line text starts so that the block sits on the band
    const int n = LineCount(text);
    const int h = (a == 180 || a == 270) ? -fontHeight : fontHeight;
    if (a == 0)
        y -= horizontal_ ? (otherSide_ ? n * h : h) : static_cast<int>(Round(h * 0.5 * (n + 1)));
    else if (a == 90)
        x -= horizontal_ ? static_cast<int>(Round(h * 0.5 * (n + 1))) : (otherSide_ ? h : n * h);
    else if (a == 180)
        y -= horizontal_ ? (otherSide_ ? h : n * h) : static_cast<int>(Round(h * 0.5 * (n + 1)));
    else if (a == 270)
        x -= horizontal_ ? static_cast<int>(Round(h * 0.5 * (n + 1))) : (otherSide_ ? n * h : h);
    return TextLayout{x, y, a, align, h, n};
}

// The box around a label's lines, a half "W" wider than the widest line on either side.
TRect TChartAxis::LabelBoxRect(const TextLayout& layout, const std::string& text) {
    const auto [x, y, a, align, h, n] = layout;
    TCanvas3D* canvas = chart_->Canvas();
    const int fontHeight = chart_->FontHeight();
    int lines = 0;
    const int u = chart_->WidestLineWidth(text, lines);
    const int b = fontHeight * n;
    const int bigW = canvas->TextWidth("W");
    const int w = bigW / 2;
    const bool bottomFlag = (align & TA_BOTTOM) != 0;
    const unsigned horizontalAlign = align & TA_CENTER;
    TRect r{x, y + h, 0, 0};
    if (bottomFlag) r.Top -= b;
    if (a == 90) {
        if (horizontalAlign == TA_CENTER) {
            r.Left = otherSide_ ? x + b + w : x + b / 2;
            r.Top = y - u / 2 + b + w;
        } else if (horizontalAlign == TA_RIGHT) {
            r.Left = x + u - bigW;
            r.Top = y + b + bigW;
        } else {
            r.Left = x - b / 2 + w;
            r.Top = y - 2 * b;
        }
    } else if (a == 180) {
        if (horizontalAlign == TA_CENTER) {
            r.Top = bottomFlag ? y - b : y - 2 * b;
        } else if (horizontalAlign == TA_RIGHT) {
            r.Left = x + u + w / 2;
            r.Top = y - 2 * b;
        } else {
            r.Left = x - u;
            r.Top = y - 2 * b;
        }
    } else if (a == 270) {
        if (horizontalAlign == TA_CENTER) {
            r.Left = otherSide_ ? x - b / 2 : x - u / 2;
            r.Top = y - bigW;
        } else if (horizontalAlign == TA_RIGHT) {
            r.Top = y - u / 2 - bigW;
        } else {
            r.Left = x - u + bigW;
            r.Top = y + b + bigW;
        }
    }
    r.Right = r.Left + u;
    r.Bottom = r.Top + b;
    if (horizontalAlign == TA_RIGHT) {
        r.Right = r.Left;
        r.Left -= u;
    } else if (horizontalAlign == TA_CENTER) {
        const int half = (r.Right - r.Left) / 2;
        r.Left -= half;
        r.Right -= half;
    }
    r.Left -= w;
    r.Right += w;
    return r;
}

void TChartAxis::PaintText(TextLayout layout, const std::string& text, int z) {
    auto& [x, y, a, align, h, n] = layout;
    TCanvas3D* canvas = chart_->Canvas();
    canvas->SetTextAlign(align);
    std::string shown = text;
    bool draw = true;
    if (OnDrawLabel) {
        OnDrawLabel(this, x, y, z, shown, draw);
        if (draw) n = LineCount(shown);
    }
    if (draw) {
        std::size_t start = 0;
        for (int line = 0; line < n; ++line) {
            std::size_t end = shown.find('\r', start);
            if (end == std::string::npos) end = shown.size();
            const std::string part = shown.substr(start, end - start);
            start = end + 1;
            if (a == 0) {
                y += h;
                WriteLine(x, y, z, part);
            } else {
                if (a == 90 || a == 270)
                    x += h;
                else if (a == 180)
                    y += h;
                canvas->TextOutRotated3D(x, y, z, part, a);
            }
        }
    }
    canvas->SetTextAlign(TA_LEFT | TA_TOP);
}

void TChartAxis::WriteLine(int x, int y, int z, const std::string& text) {
    TCanvas3D* canvas = chart_->Canvas();
    const std::size_t e = labelsExponent_ ? text.find_first_of("Ee") : std::string::npos;
    if (e == std::string::npos) {
        canvas->TextOutAtDepth(x, y, z, text);
        return;
    }
    const std::string mantissa = text.substr(0, e);
    const std::string exponent = text.substr(e + 1);
    TFont& font = canvas->Font();
    const int size = font.Size();
    const int raised = y - (chart_->FontHeight() - 1) / 2 + 2;
    const unsigned align = canvas->TextAlign();
    if (align != (TA_LEFT | TA_TOP)) {
        // the exponent first, so the mantissa can stand left of it
        font.SetSize(size - size / 4);
        const int width = canvas->TextWidth(exponent) + 1;
        canvas->TextOutAtDepth(align == TA_CENTER ? x + width / 2 : x, raised, z, exponent);
        font.SetSize(size);
        canvas->TextOutAtDepth(x - width, y, z, mantissa);
    } else {
        canvas->TextOutAtDepth(x, y, z, mantissa);
        const int width = canvas->TextWidth(mantissa);
        font.SetSize(size - size / 4);
        canvas->TextOutAtDepth(x + width + 1, raised, z, exponent);
        font.SetSize(size);
    }
}

void TChartAxis::DrawLabelBox(TChartCustomShape& box, TRect r, int angle, int z) {
    TCanvas3D* canvas = chart_->Canvas();
    if (z != 0) r = canvas->ProjectRect(r, z);
    box.ShapeRect = r;
    if (box.Transparent()) return;
    // already at its depth: drawn flat, or a turned box would be projected twice
    box.DrawShapeOn(*chart_, r, angle, 0);
    canvas->Brush().SetStyle(TBrushStyle::bsClear);
}

void TChartAxis::WriteTitle(int x, int y) {
    chart_->Canvas()->SelectChartFont(title_.Font());
    if (depth_) {
        TCanvas3D* canvas = chart_->Canvas();
        canvas->Brush().SetStyle(TBrushStyle::bsClear);
        canvas->SetTextAlign(otherSide_ ? TA_LEFT : TA_RIGHT);
        canvas->TextOutRotated3D(x, y, chart_->Depth3DWidth() / 2, title_.Caption(), title_.Angle());
        canvas->SetTextAlign(TA_LEFT | TA_TOP);
        return;
    }
    const bool exponent = labelsExponent_;
    labelsExponent_ = false;
    chart_->Canvas()->Brush().SetStyle(TBrushStyle::bsClear);
    WriteText(x, y, title_.Angle(), title_.Caption(), &title_, iZPos_);
    labelsExponent_ = exponent;
}

// ---- line, ticks and grids ----

bool TChartAxis::Flat() const { return !chart_->View3D(); }

// The row of the chart rectangle along which a depth axis runs.
int TChartAxis::DepthLineRow() const {
    const TRect& r = chart_->PlotRect();
    return otherSide_ ? r.Bottom - iZPos_ : r.Top + iZPos_;
}

void TChartAxis::DrawTick(int p, int o, int l) {
    if (l == 0) return;  // a stroke of no length shows nothing
    TCanvas3D* canvas = chart_->Canvas();
    if (depth_) {
        const int row = DepthLineRow();
        if (otherSide_)
            canvas->HorizontalLine3D(axisPosition_ + o, axisPosition_ + o + l, row, p);
        else
            canvas->HorizontalLine3D(axisPosition_ - o, axisPosition_ - o - l, row, p);
        return;
    }
    if (horizontal_) {
        if (otherSide_)
            canvas->VerticalLine3D(p, axisPosition_ - o, axisPosition_ - o - l, iZPos_);
        else
            canvas->VerticalLine3D(p, axisPosition_ + wallSize_ + o, axisPosition_ + wallSize_ + o + l, iZPos_);
    } else if (otherSide_) {
        canvas->HorizontalLine3D(axisPosition_ + wallSize_ + o, axisPosition_ + wallSize_ + o + l, p, iZPos_);
    } else {
        canvas->HorizontalLine3D(axisPosition_ - wallSize_ - o, axisPosition_ - wallSize_ - o - l, p, iZPos_);
    }
}

void TChartAxis::DrawAxisLine() {
    TCanvas3D* canvas = chart_->Canvas();
    canvas->SelectPen(axisPen_);
    if (depth_) {
        canvas->DepthLine3D(axisPosition_, DepthLineRow(), iStartPos_, iEndPos_);
        return;
    }
    // the line stands outside the walls beside it and runs across the walls at its ends
    int position = axisPosition_;
    int from = iStartPos_;
    int to = iEndPos_;
    if (horizontal_) {
        if (!otherSide_) {
            position += wallSize_;
            from -= chart_->GetAxisWallSize(chart_->LeftAxis());
            to += chart_->GetAxisWallSize(chart_->RightAxis());
        }
    } else {
        position += otherSide_ ? wallSize_ : -wallSize_;
        to += chart_->GetAxisWallSize(chart_->BottomAxis());
    }
    if (axisPen_.LineMode() == lmLine) {
        if (horizontal_)
            canvas->HorizontalLine3D(from, to, position, iZPos_);
        else
            canvas->VerticalLine3D(position, from, to, iZPos_);
        return;
    }
    // a solid bar or rod around the line, the pen's width to either side and in depth
    const int w = axisPen_.Width();
    canvas->Pen().SetStyle(TPenStyle::psClear);
    canvas->Brush().SetStyle(TBrushStyle::bsSolid);
    canvas->Brush().SetColor(axisPen_.Color());
    const TRect bar = horizontal_ ? TRect{from, position - w, to, position + w} : TRect{position - w, from, position + w, to};
    if (axisPen_.LineMode() == lmCylinder)
        canvas->Cylinder(!horizontal_, bar.Left, bar.Top, bar.Right, bar.Bottom, iZPos_ - w, iZPos_ + w, true);
    else
        canvas->Cube(bar, iZPos_ - w, iZPos_ + w, true);
}

void TChartAxis::PaintGridLine(int p) {
    if (!(iStartPos_ < p && p < iEndPos_)) return;
    TCanvas3D* canvas = chart_->Canvas();
    const TRect r = chart_->PlotRect();
    if (depth_) {
        // down the left wall and across the floor
        canvas->VerticalLine3D(r.Left, r.Top, r.Bottom, p);
        canvas->HorizontalLine3D(r.Left, r.Right, r.Bottom, p);
        return;
    }
    auto line = [&](int z) {
        if (horizontal_)
            canvas->VerticalLine3D(p, r.Top + 1, r.Bottom, z);
        else
            canvas->HorizontalLine3D(r.Left + 1, r.Right, p, z);
    };
    if (Flat()) {
        if (horizontal_)
            canvas->VerticalLine(p, r.Top + 1, r.Bottom);
        else
            canvas->HorizontalLine(r.Left + 1, r.Right, p);
        return;
    }
    if (!chart_->AxisBehind()) {
        line(0);
        return;
    }
    const int depth = chart_->Depth3DWidth();
    if (!hideBackGrid_) line(depth);
    if (!hideSideGrid_) {
        const int z0 = static_cast<int>(Round(depth * grid_.ZPosition() * 0.01));
        if (z0 != depth) {
            if (horizontal_)
                canvas->DepthLine3D(p, axisPosition_, z0, depth);
            else
                canvas->DepthLine3D(axisPosition_, p, z0, depth);
        }
    }
}

void TChartAxis::PaintGridLines(int tickCount) {
    if (!grid_.Visible()) return;
    TCanvas3D* canvas = chart_->Canvas();
    canvas->Brush().SetStyle(TBrushStyle::bsClear);
    canvas->SelectPenColor(grid_, grid_.Color() == clDefault ? clGray : grid_.Color());
    const int n = std::max(1, grid_.DrawEvery());
    tickCount = std::min(tickCount, static_cast<int>(ticks_.size()));
    if (!grid_.Centered()) {
        for (int i = 0; i < tickCount; i += n) PaintGridLine(ticks_[i]);
    } else {
        for (int i = 1; i < tickCount; ++i)
            if (i % n == 0) PaintGridLine(static_cast<int>(Round((ticks_[i] + ticks_[i - 1]) / 2.0)));
    }
}

void TChartAxis::DrawMinorMark(int p, bool grid) {
    if (!(iStartPos_ < p && p < iEndPos_)) return;
    if (grid)
        PaintGridLine(p);
    else
        DrawTick(p, 1, minorTickLength_);
}

void TChartAxis::DrawMinorMarks(bool grid) {
    const int count = static_cast<int>(ticks_.size());
    const int n = minorTickCount_;
    if (n < 1 || count < 1) return;
    if (!logarithmic_) {
        if (count < 2) return;
        const double step = (ticks_[1] - ticks_[0]) / static_cast<double>(n + 1);
        for (int j = 1; j <= n; ++j) {
            DrawMinorMark(ticks_[0] - static_cast<int>(Round(j * step)), grid);
            DrawMinorMark(ticks_[count - 1] + static_cast<int>(Round(j * step)), grid);
        }
        for (int i = 1; i < count; ++i) {
            const double stepI = (ticks_[i] - ticks_[i - 1]) / static_cast<double>(n + 1);
            for (int j = 1; j <= n; ++j) DrawMinorMark(ticks_[i] - static_cast<int>(Round(j * stepI)), grid);
        }
        return;
    }
    const double base = logarithmicBase_;
    std::vector<double> decades{tickValues_[count - 1] / base};
    for (int i = 0; i <= count - 3; ++i) decades.push_back(tickValues_[i]);
    decades.push_back(tickValues_[count - 1]);
    std::vector<double> done;
    for (double v : decades) {
        if (std::find(done.begin(), done.end(), v) != done.end()) continue;
        done.push_back(v);
        for (int j = 1; j <= n; ++j) {
            const double m = v + j * (v * base - v) / (n + 1);
            if (m >= iMinimum_ && m <= iMaximum_) DrawMinorMark(ValueToScreen(m), grid);
        }
    }
}

void TChartAxis::PaintAxis(bool calculatePosition) {
    TCanvas3D* canvas = chart_->Canvas();
    alternateToggle_ = horizontal_;
    iAxisDateTime_ = ValuesAreDateTime();
    if (calculatePosition) axisPosition_ = WithPositionOffset(SideOf(chart_->PlotRect()), chart_->PlotRect());

    canvas->BeginGroup("axis");
    if (title_.Visible() && !title_.Caption().empty()) {
        canvas->BeginGroup("title");
        if (depth_)
            WriteTitle(titlePosition_, DepthLineRow());
        else if (horizontal_)
            WriteTitle(iCenterPos_, titlePosition_);
        else
            WriteTitle(titlePosition_, iCenterPos_);
        canvas->EndGroup();
    }

    if (items_.Automatic()) items_.Clear();
    SelectLabelsFont();
    ComputeLabels();
    for (const TAxisLabelEntry& label : labelEntries_)
        PlaceLabel(label.Position, label.Text, label.Item >= 0 ? &items_.GetItem(label.Item) : nullptr, label.Value);

    canvas->Brush().SetStyle(TBrushStyle::bsClear);
    wallSize_ = chart_->GetAxisWallSize(this);
    if (axisPen_.Visible()) DrawAxisLine();
    canvas->Brush().SetStyle(TBrushStyle::bsClear);
    if (ticksPen_.Visible()) {
        canvas->SelectPen(ticksPen_);
        for (int p : ticks_) DrawTick(p, 1, tickLength_);
    }
    PaintGridLines(static_cast<int>(ticks_.size()));
    if (ticksInner_.Visible()) {
        canvas->SelectPen(ticksInner_);
        for (int p : ticks_) DrawTick(p, -1, -tickInnerLength_);
    }
    if (!ticks_.empty() && minorTicks_.Visible()) {
        canvas->SelectPen(minorTicks_);
        DrawMinorMarks(false);
    }
    if (!ticks_.empty() && minorGrid_.Visible()) {
        canvas->SelectPen(minorGrid_);
        DrawMinorMarks(true);
    }
    canvas->EndGroup();
}

bool TChartAxis::HitTest(int x, int y) const {
    if (!chart_ || !chart_->AxisIsVisible(this)) return false;
    const int across0 = labels_ ? std::min(axisPosition_, labelPosition_) : axisPosition_;
    const int across1 = labels_ ? std::max(axisPosition_, labelPosition_) : axisPosition_;
    // widened by 3 pixels on the axis' own side
    const bool axisAtLow = axisPosition_ <= labelPosition_;
    const int low = axisAtLow ? across0 - 3 : across0;
    const int high = axisAtLow ? across1 : across1 + 3;
    TRect r = horizontal_ ? TRect{iStartPos_, low, iEndPos_, high} : TRect{low, iStartPos_, high, iEndPos_};
    if (chart_->View3D() && chart_->Canvas()) {
        // the rectangle as it shows, at the front or on the back for the other side
        const int z = otherSide_ ? chart_->Depth3DWidth() : 0;
        const TPoint a = chart_->Canvas()->ChartToScreen(r.Left, r.Top, z);
        const TPoint b = chart_->Canvas()->ChartToScreen(r.Right, r.Bottom, z);
        r = TRect{std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
    }
    return x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}
