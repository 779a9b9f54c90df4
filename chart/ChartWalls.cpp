#include "chart/ChartWalls.h"

#include "chart/CustomAxisPanel.h"
#include "chart/StoreIfChanged.h"
#include "ui/Rounding.h"

TChartWall::TChartWall(TCustomAxisPanel* chart, TColor defaultColor)
    : chart_(chart),
      color_(defaultColor),
      defaultColor_(defaultColor),
      pen_([this] { Changed(); }),
      brush_([this] { Changed(); }) {}

void TChartWall::Changed() {
    if (chart_) chart_->Invalidate();
}

void TChartWall::Assign(const TChartWall& s) {
    autoHide_ = s.autoHide_;
    dark3D_ = s.dark3D_;
    endPosition_ = s.endPosition_;
    size_ = s.size_;
    startPosition_ = s.startPosition_;
    color_ = s.color_;
    transparent_ = s.transparent_;
    visible_ = s.visible_;
    pen_.Assign(s.pen_);
    brush_.Assign(s.brush_);
    Changed();
}

namespace {

int RoundToInt(double v) { return static_cast<int>(Round(v)); }

}  // namespace

void TChartWall::SetAutoHide(bool v) {
    if (StoreIfChanged(autoHide_, v)) Changed();
}
void TChartWall::SetDark3D(bool v) {
    if (StoreIfChanged(dark3D_, v)) Changed();
}
void TChartWall::SetStartPosition(int v) {
    if (StoreIfChanged(startPosition_, v)) Changed();
}
void TChartWall::SetEndPosition(int v) {
    if (StoreIfChanged(endPosition_, v)) Changed();
}
void TChartWall::SetSize(int v) {
    if (StoreIfChanged(size_, v)) Changed();
}
void TChartWall::SetColor(TColor v) {
    if (StoreIfChanged(color_, v)) Changed();
}
void TChartWall::SetDefaultColor(TColor v) {
    defaultColor_ = v;
    SetColor(v);
}
void TChartWall::SetTransparent(bool v) {
    if (StoreIfChanged(transparent_, v)) Changed();
}
void TChartWall::SetVisible(bool v) {
    if (StoreIfChanged(visible_, v)) Changed();
}

bool TChartWall::ShouldDraw() const { return chart_->View3DWalls() && visible_ && !autoHide_; }

void TChartWall::ComputeVertRange(int& top, int& bottom) const {
    const TRect& r = chart_->PlotRect();
    bottom = r.Bottom + chart_->GetAxisWallSize(chart_->BottomAxis());
    if (endPosition_ != 100) bottom -= RoundToInt((100 - endPosition_) * (bottom - r.Top) * 0.01);
    top = r.Top;
    if (startPosition_ != 0) top += RoundToInt(startPosition_ * (r.Bottom - top) * 0.01);
}

TChartWalls::TChartWalls(TCustomAxisPanel* chart)
    : Back(chart, 0xC0C0C0), Left(chart, 0x80FFFF), Bottom(chart, 0xFFFFFF), Right(chart, 0xC0C0C0) {
    Back.SetTransparent(true);
    Right.SetVisible(false);
}

void TChartWalls::Assign(const TChartWalls& source) {
    Back.Assign(source.Back);
    Bottom.Assign(source.Bottom);
    Left.Assign(source.Left);
    Right.Assign(source.Right);
}
