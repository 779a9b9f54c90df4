// Sizing, placing and drawing one mark box, writing its text, and finding a
// box under the mouse.

#include "chart/marks/SeriesMarks.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/geometry/ChartGeometry.h"
#include "chart/geometry/PointHitTests.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"
#include "chart/text/HtmlText.h"
#include "platform/system/Angles.h"
#include "ui/core/Rounding.h"

#include <algorithm>
#include <cmath>

namespace {

// Text lines split at character 13; the rest after the last one is the last line.
std::vector<std::string> MarkLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\r', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

}  // namespace

void TSeriesMarks::PlaceMark(TChartCustomShape& item, const std::string& text, int px, int py,
                             TSeriesMarkPosition& position) {
    TCustomAxisPanel* chart = series_ ? series_->ParentChart() : nullptr;
    if (!chart || !chart->Canvas()) return;
    TCanvas3D& canvas = *chart->Canvas();
    canvas.SelectChartFont(item.Font());
    const TView3DOptions& options = chart->View3DOptions();
    if (chart->View3D() && !canvas.SupportsText3D() && options.ZoomText() && options.Zoom() != 100)
        canvas.Font().SetSize(std::max(1, RoundToInt(canvas.Font().Size() * options.Zoom() / 100.0)));

    const int lineHeight = canvas.FontLineHeight();
    int width = 0, height = 0;
    if (!HtmlMeasured(canvas, text, width, height)) {
        int lineCount = 0;
        width = chart->WidestLineWidth(text, lineCount);
        height = lineCount * lineHeight;
    }
    const TRect m = margins_.ComputeMarginPixels(width, height, lineHeight);
    width += m.Left + m.Right;
    height += m.Top + m.Bottom;
    if (SymbolShown()) width += lineHeight - 4;
    if (item.Pen().Visible()) {
        width += item.Pen().Width() - 1;
        height += item.Pen().Width() - 1;
    } else {
        ++width;
        ++height;
    }
    position.BoxWidth = width;
    position.BoxHeight = height;
    position.ArrowEnd = {px, py};
    position.ArrowStart = position.ArrowEnd;
    position.BoxTopLeft = {px - width / 2, py - height + 1};
    if (SymbolShown()) {
        const int top = py - height + 3, left = position.BoxTopLeft.X + 2;
        symbol_->ShapeRect = {left, top, left + lineHeight, top + lineHeight};
    }
}

bool TSeriesMarks::HtmlMeasured(TCanvas3D& canvas, const std::string& text, int& width, int& height) {
    if (TextFormat() != ttfHtml) return false;
    try {
        const platform::SIZE size = MeasureHtmlText(canvas, text);
        width = size.cx;
        height = size.cy;
        return true;
    } catch (const HtmlParserException&) {
        return false;  // measured as it will be written: plain
    }
}

TPoint TSeriesMarks::ZoomedMarkPos(const TSeriesMarkPosition& p) {
    TCustomAxisPanel* chart = series_ ? series_->ParentChart() : nullptr;
    if (!chart || !chart->View3D() || !chart->Canvas() || chart->Canvas()->SupportsRotation3D()) return p.BoxTopLeft;
    const TPoint end = chart->Canvas()->ChartToScreen(p.ArrowEnd, ZPosition);
    return {end.X + p.BoxTopLeft.X - p.ArrowEnd.X, end.Y + p.BoxTopLeft.Y - p.ArrowEnd.Y};
}

TRect TSeriesMarks::BoxRect(const TSeriesMarkPosition& p) {
    TRect box{p.BoxTopLeft.X, p.BoxTopLeft.Y, p.BoxTopLeft.X + p.BoxWidth, p.BoxTopLeft.Y + p.BoxHeight};
    TCustomAxisPanel* chart = series_ ? series_->ParentChart() : nullptr;
    if (p.IsCustom && chart) {
        // a user's place is kept relative to where the chart is drawn
        const TRect& r = chart->RenderRect();
        box = {box.Left + r.Left, box.Top + r.Top, box.Right + r.Left, box.Bottom + r.Top};
    }
    return box;
}

void TSeriesMarks::DrawMark(int index, TColor color, const std::string& text, TSeriesMarkPosition& position) {
    TCustomAxisPanel* chart = series_ ? series_->ParentChart() : nullptr;
    if (!chart || !chart->Canvas()) return;
    TCanvas3D& canvas = *chart->Canvas();
    ApplyStoredPosition(index, position);
    if (callout_ && (callout_->Visible() || callout_->Arrow().Visible()))
        callout_->PaintCallout(color, position.ArrowStart, ZPosition, position.ArrowEnd);

    TChartCustomShape& item = ItemFor(index);
    if (item.Transparent()) {
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.AssignBackMode(TRANSPARENT_MODE);
    } else {
        canvas.SelectBrush(item.Brush(), item.Color());
    }
    canvas.SelectPen(item.Pen());

    position.BoxTopLeft = ZoomedMarkPos(position);
    TRect box = BoxRect(position);
    item.DrawShapeRect(box, angle_ % 360, ZPosition + 1);
    if (SymbolShown()) {
        symbol_->SetColor(color);
        symbol_->SetTransparent(false);
        const int f = canvas.FontLineHeight();
        symbol_->ShapeRect = {box.Left + 4, box.Top + 3, box.Left + f - 1, box.Top + f - 2};
        symbol_->DrawShapeRect(symbol_->ShapeRect, angle_ % 360, ZPosition + 1);
    }

    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.AssignBackMode(TRANSPARENT_MODE);
    box.Left += 2;
    if (SymbolShown()) box.Left += symbol_->ShapeWidth() + 4;
    canvas.SelectChartFont(item.Font());
    WriteText(item, box, text);
}

void TSeriesMarks::WriteText(TChartCustomShape& item, const TRect& box, const std::string& text) {
    TCanvas3D& canvas = *series_->ParentChart()->Canvas();
    const TRect& m = margins_.Pixels;
    const int xc = (box.Left + m.Left + box.Right - m.Right) / 2;
    const int yc = (box.Top + m.Top + box.Bottom - m.Bottom) / 2;
    int x = xc;
    switch (textAlign_) {
        case TAlignment::taCenter: canvas.SetTextAlign(TA_CENTER); break;
        case TAlignment::taRightJustify:
            canvas.SetTextAlign(TA_RIGHT);
            x = box.Right - m.Right;
            break;
        case TAlignment::taLeftJustify:
            canvas.SetTextAlign(TA_LEFT);
            x = box.Left + m.Left;
            break;
    }
    if (TextFormat() == ttfHtml) {
        try {
            DrawHtmlText(canvas, x, box.Top + m.Top, text);
            return;
        } catch (const HtmlParserException&) {
            // a broken tag: the text goes out as it is
        }
    }
    const int h = canvas.FontLineHeight();
    const int frame = item.Pen().Visible() ? (item.Pen().Width() - 1) / 2 : 0;
    const std::vector<std::string> lines = MarkLines(text);
    for (int k = 0; k < static_cast<int>(lines.size()); ++k) {
        int tx = x, ty = box.Top + m.Top + k * h + frame;
        if (angle_ != 0) {
            const int d = k * h + yc - box.Bottom - m.Bottom + frame;
            const double a = platform::DegreesToRadians(angle_);
            tx = xc + RoundToInt(std::sin(a) * d) + (angle_ == 90 ? 1 : 0);
            ty = yc + RoundToInt(std::cos(a) * d);
        }
        if (!canvas.SupportsText3D())
            canvas.TextOutRotated(tx, ty, lines[k], angle_);
        else if (angle_ != 0)
            canvas.TextOutRotated3D(tx, ty, ZPosition, lines[k], angle_);
        else
            canvas.TextOutAtDepth(tx, ty, ZPosition, lines[k]);
    }
}

int TSeriesMarks::MarksClicked(int x, int y) {
    const int every = std::max(1, drawEvery_);
    for (int i = positions_.Count() - 1; i >= 0; --i) {
        if (i % every != 0) continue;
        const TSeriesMarkPosition* stored = positions_.Get(i);
        if (!stored) continue;
        TSeriesMarkPosition p = *stored;
        p.BoxTopLeft = ZoomedMarkPos(p);
        const TRect box = BoxRect(p);
        if (angle_ > 0) {
            const std::vector<TPoint> corners = RotatedCorners(box, angle_ % 360);
            if (PointInPolygon({x, y}, corners.data(), 3)) return i;
        } else if (PointInsideRect(box, x, y)) {
            return i;
        }
    }
    return -1;
}
