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

TChartAxisTitle::TChartAxisTitle(TCustomChartPanel* panel) : TChartCustomShape(panel) {
    SetTransparent(true);
    TransparentDefault = true;
}

void TChartAxisTitle::Assign(const TChartAxisTitle& source) {
    angle_ = source.angle_;
    caption_ = source.caption_;
    TChartCustomShape::Assign(source);
    RepaintParent();
}

void TChartAxisTitle::SetCaption(const std::string& value) {
    if (caption_ == value) return;
    caption_ = value;
    RepaintParent();
}

void TChartAxisTitle::SetAngle(int value) {
    value %= 360;
    if (angle_ == value) return;
    angle_ = value;
    RepaintParent();
}

bool TChartAxisTitle::HitTest(int x, int y) const {
    if (!Visible() || caption_.empty()) return false;
    if (angle_ == 0) return PointInsideRect(ShapeRect, x, y);
    const std::vector<TPoint> corners = RotatedCorners(ShapeRect, angle_);
    return PointInPolygon({x, y}, corners.data(), 3);
}
