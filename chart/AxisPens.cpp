#include "chart/AxisPens.h"

#include "chart/ChartGeometry.h"
#include "chart/PointHitTests.h"
#include "ui/Rounding.h"

#include <cmath>

void TChartAxisPen::SetLineMode(TPenLineMode value) {
    if (lineMode_ == value) return;
    lineMode_ = value;
    Changed();
}

void TAxisGridPen::Assign(const TAxisGridPen& source) {
    centered_ = source.centered_;
    drawEvery_ = source.drawEvery_;
    zPosition_ = source.zPosition_;
    TChartPen::Assign(source);
}

void TAxisGridPen::SetDrawEvery(int value) {
    if (drawEvery_ == value) return;
    drawEvery_ = value;
    Changed();
}

void TAxisGridPen::SetZPosition(double value) {
    if (zPosition_ == value) return;
    zPosition_ = value;
    Changed();
}

void TAxisGridPen::SetCentered(bool value) {
    if (centered_ == value) return;
    centered_ = value;
    Changed();
}

void TChartAxisTitle::Assign(const TChartAxisTitle& source) {
    font_.Assign(&source.font_);
    angle_ = source.angle_;
    caption_ = source.caption_;
    visible_ = source.visible_;
    Changed();
}

void TChartAxisTitle::SetCaption(const std::string& value) {
    if (caption_ == value) return;
    caption_ = value;
    Changed();
}

void TChartAxisTitle::SetAngle(int value) {
    value %= 360;
    if (angle_ == value) return;
    angle_ = value;
    Changed();
}

void TChartAxisTitle::SetVisible(bool value) {
    if (visible_ == value) return;
    visible_ = value;
    Changed();
}

bool TChartAxisTitle::HitTest(int x, int y) const {
    if (!visible_ || caption_.empty()) return false;
    if (angle_ == 0) return PointInsideRect(ShapeBounds(), x, y);
    // the box's corners turned about its centre by the angle
    const double cx = (ShapeBounds().Left + ShapeBounds().Right) / 2.0;
    const double cy = (ShapeBounds().Top + ShapeBounds().Bottom) / 2.0;
    const double a = angle_ * DegToRad;
    const double c = std::cos(a);
    const double s = std::sin(a);
    const double xs[] = {static_cast<double>(ShapeBounds().Left), static_cast<double>(ShapeBounds().Right)};
    const double ys[] = {static_cast<double>(ShapeBounds().Top), static_cast<double>(ShapeBounds().Bottom)};
    TPoint corners[4];
    const int order[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int k = 0; k < 4; ++k) {
        const double dx = xs[order[k][0]] - cx;
        const double dy = ys[order[k][1]] - cy;
        corners[k] = {static_cast<int>(Round(cx + dx * c + dy * s)), static_cast<int>(Round(cy - dx * s + dy * c))};
    }
    return PointInPolygon({x, y}, corners, 3);
}
