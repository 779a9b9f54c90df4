#include "report/objects/LineView.h"

#include "report/objects/detail/DeviceSelection.h"
#include "ui/graphics/Canvas.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using report_detail::Rnd;

// Nearer to vertical than this many pixels across, a line's head is placed straight up or down.
constexpr double kSteepSpan = 8;

bool Outside(double v, double a, double b) { return (v < a && v < b) || (v > a && v > b); }

}  // namespace

void TrpCustomLineView::Draw(TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) {
    if (!diagonal_) {
        if (Width() <= Height()) {
            SetWidth(0);
            Frame()->SetTyp({TrpFrameType::ftLeft});
        } else {
            SetHeight(0);
            Frame()->SetTyp({TrpFrameType::ftTop});
        }
    }
    PrepareDrawing(canvas, scaleX, scaleY, offsetX, offsetY);
    if (!diagonal_) {
        PaintFrame();
        DrawArrows();
        return;
    }
    const TrpFrame& frame = *Frame();
    if (frame.Color() == clNone || frame.Width() == 0) return;
    canvas.Brush()->SetStyle(Color() == clNone ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
    if (Color() != clNone) canvas.Brush()->SetColor(Color());
    canvas.Pen()->SetColor(frame.Color());
    canvas.Pen()->SetWidth(1);
    TrpFrameStyle style = frame.Style();
    bool dashed = style >= TrpFrameStyle::fsDash && style <= TrpFrameStyle::fsDashDotDot;
    canvas.Pen()->SetStyle(dashed ? static_cast<TPenStyle>(style) : TPenStyle::psSolid);
    const DeviceRect& d = Device();
    DrawWideLine(d.X, d.Y, d.X1, d.Y1, FrameWidthPixels());
    DrawArrows();
}

void TrpCustomLineView::DrawArrows() {
    const DeviceRect& d = Device();
    if (arrowStart_) DrawArrow(d.X1, d.Y1, d.X, d.Y);
    if (arrowEnd_) DrawArrow(d.X, d.Y, d.X1, d.Y1);
}

void TrpCustomLineView::DrawArrow(int fromX, int fromY, int tipX, int tipY) {
    TCanvas& c = *DrawingCanvas();
    const double x1 = fromX, y1 = fromY, x2 = tipX, y2 = tipY;
    const double w = ScaleX() * arrowWidth_, l = ScaleX() * arrowLength_;
    double x3, y3;
    TPoint wing1, wing2;
    if (std::fabs(x2 - x1) > kSteepSpan) {
        // The base lies on the line at distance l from the tip.
        double k = (y2 - y1) / (x2 - x1), b = (x2 * y1 - y2 * x1) / (x2 - x1);
        double a = 1 + k * k, bb = 2 * (k * (b - y2) - x2), cc = x2 * x2 + y2 * y2 - l * l + b * b - 2 * b * y2;
        double root = std::sqrt(std::max(0.0, bb * bb - 4 * a * cc));
        x3 = (root - bb) / (2 * a);
        if (Outside(x3, x1, x2)) x3 = (-bb - root) / (2 * a);
        y3 = b + k * x3;
        if (y2 != y1) {
            double theta = std::atan(k);
            wing1 = {Rnd(x3 + w * std::sin(theta)), Rnd(y3 - w * std::cos(theta))};
            wing2 = {Rnd(x3 - w * std::sin(theta)), Rnd(y3 + w * std::cos(theta))};
        } else {
            wing1 = {Rnd(x3), Rnd(y3 - w)};
            wing2 = {Rnd(x3), Rnd(y3 + w)};
        }
    } else {
        x3 = x2;
        y3 = y2 - l;
        if (Outside(y3, y1, y2)) y3 = y2 + l;
        wing1 = {Rnd(x3 - w), Rnd(y3)};
        wing2 = {Rnd(x3 + w), Rnd(y3)};
    }
    TPoint tip{tipX, tipY};
    if (arrowSolid_) {
        c.Brush()->SetStyle(TBrushStyle::bsSolid);
        c.Brush()->SetColor(Frame()->Color());
        c.Polygon({tip, wing1, wing2, tip});
    } else {
        c.Pen()->SetWidth(Rnd(Frame()->Width() * ScaleX()));
        c.Polyline({wing1, tip, wing2});
    }
}
