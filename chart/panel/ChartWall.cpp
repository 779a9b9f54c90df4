#include "chart/panel/ChartWall.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/effects/ChartBlend.h"
#include "chart/geometry/ChartGeometry.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/panel/detail/WallProperties.h"
#include "ui/core/PublishedProperties.h"

const TClassInfo& TChartWall::StaticClass() {
    static const TClassInfo info = WallProperties<TChartWall>("TChartWall", TPersistent::StaticClass()).Build();
    return info;
}

bool TChartWall::ShouldDraw() const { return chart_->View3DWalls() && Visible() && !AutoHide(); }

bool TChartWall::DarkSides() const {
    const TChartBrush& brush = Brush();
    return brush.Style() != TBrushStyle::bsClear && !brush.HasImage() && Dark3D();
}

bool TChartWall::HasGradient() const {
    return GradientVisible();
}

void TChartWall::ComputeVertRange(int& top, int& bottom) const {
    const TRect& r = chart_->PlotRect();
    bottom = r.Bottom + chart_->GetAxisWallSize(chart_->BottomAxis());
    if (EndPosition() != 100) bottom -= RoundToInt((100 - EndPosition()) * (bottom - r.Top) * 0.01);
    top = r.Top;
    if (StartPosition() != 0) top += RoundToInt(StartPosition() * (r.Bottom - top) * 0.01);
}

std::unique_ptr<TChartBlend> TChartWall::BeginSideBlend(int x, int top, int bottom) {
    if (Transparent() || (Transparency() == 0 && !HasGradient())) return nullptr;
    TCanvas3D& canvas = *chart_->Canvas();
    const int depth = chart_->Depth3DWidth();
    const TPoint corners[4] = {canvas.ChartToScreen(x, top, 0), canvas.ChartToScreen(x, top, depth),
                               canvas.ChartToScreen(x, bottom, depth), canvas.ChartToScreen(x, bottom, 0)};
    std::unique_ptr<TChartBlend> blend;
    if (Transparency() > 0) blend = canvas.StartTransparency(PolygonRect(corners, 4), Transparency());
    if (HasGradient()) {
        canvas.FillPolygonGradient(corners, 4, Gradient());
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
    }
    return blend;
}

void TChartWall::EndBlend(std::unique_ptr<TChartBlend> blend) {
    if (blend) chart_->Canvas()->FinishTransparency(std::move(blend));
}
