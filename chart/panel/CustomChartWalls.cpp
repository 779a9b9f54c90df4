// The chart's walls in the drawing cycle: the room 3D walls take from the
// plot, which walls stand behind the series and which in front of them, and
// how each wall is drawn (a flat frame in 2D, planes or boxes in 3D).

#include "chart/panel/CustomChart.h"

#include "chart/canvas/Canvas3D.h"
#include "chart/effects/ChartBlend.h"
#include "chart/geometry/ChartGeometry.h"

#include <cstdlib>

int TCustomChart::GetAxisWallSize(const TChartAxis* axis) {
    if (!view3D_ || !view3DWalls_) return 0;
    const TChartWall& wall = axis == LeftAxis()     ? static_cast<const TChartWall&>(walls_.Left)
                             : axis == BottomAxis() ? static_cast<const TChartWall&>(walls_.Bottom)
                             : axis == RightAxis()  ? static_cast<const TChartWall&>(walls_.Right)
                                                    : static_cast<const TChartWall&>(walls_.Back);
    return wall.Visible() ? wall.Size() : 0;
}

namespace {

// The side plane at x, seen from the viewer: true when it is a back face.
bool SideTurnedAway(TCanvas3D& canvas, int x, int top, int bottom, int depth) {
    return IsBackFace(canvas.ChartToScreen(x, top, 0), canvas.ChartToScreen(x, bottom, 0),
                      canvas.ChartToScreen(x, bottom, depth));
}

}  // namespace

bool TCustomChart::IsRightWallFront() {
    TCanvas3D* canvas = Canvas();
    if (!canvas) return false;
    if (canvas->SupportsRotation3D()) return false;
    const int bottom = plotRect_.Bottom + GetAxisWallSize(BottomAxis());
    return !SideTurnedAway(*canvas, plotRect_.Right, plotRect_.Top, bottom, walls_.Back.Size() + depth3DWidth_);
}

bool TCustomChart::IsLeftWallFront() {
    TCanvas3D* canvas = Canvas();
    if (!canvas) return false;
    if (canvas->SupportsRotation3D()) return true;
    const int bottom = plotRect_.Bottom + GetAxisWallSize(BottomAxis());
    return SideTurnedAway(*canvas, plotRect_.Left, plotRect_.Top, bottom, walls_.Back.Size() + depth3DWidth_);
}

void TCustomChart::ComputePlotRect3D() {
    ComputeDepthSize();
    if (view3D_ && view3DOptions_.Orthogonal() && !fixedPlotRect_) {
        const int s = HasAxisSeries() ? walls_.Back.Size() : 0;
        if (view3DOptions_.OrthoAngle() <= 90) {
            plotRect_.Right -= std::abs(depth3DWidth_) + s;
            if (walls_.Right.Visible()) plotRect_.Right -= walls_.Right.Size() + 1;
        } else {
            plotRect_.Left += std::abs(depth3DWidth_) + s;
            if (walls_.Left.Visible()) plotRect_.Left += walls_.Left.Size() + 1;
        }
        plotRect_.Top += std::abs(depth3DHeight_) + s;
    }
    FinishPlotRect();
}

void TCustomChart::PrepareWallCanvas(TChartWall& wall) {
    TCanvas3D* canvas = Canvas();
    canvas->SelectPen(wall.Pen());
    if (wall.Transparent())
        canvas->Brush().SetStyle(TBrushStyle::bsClear);
    else
        SetContrastBrush(wall.Color(), wall.Brush(), wall.Brush().Color());
}

void TCustomChart::DrawAllWalls() {
    if (!HasAxisSeries() || !Canvas()) return;
    auto shown = [](const TChartWall& wall) { return wall.Visible() && !wall.AutoHide(); };
    if (view3D_ && view3DWalls_ && shown(walls_.Right) && !IsRightWallFront()) DrawRightWall();
    if (view3DWalls_ && shown(walls_.Back) && !IsPlaneReversed(depth3DWidth_)) DrawBackWall();
    if (!view3D_ || !view3DWalls_) return;
    if (shown(walls_.Left) && !IsLeftWallFront()) DrawLeftWall();
    if (shown(walls_.Bottom)) DrawBottomWall();
    if (IsPlaneReversed(0)) {
        // the floor is seen from below: its axes go over the walls
        if (AxisIsVisible(TopAxis())) TopAxis()->PaintAxis(true);
        if (AxisIsVisible(BottomAxis())) BottomAxis()->PaintAxis(true);
    }
}

void TCustomChart::DrawFrontWalls() {
    if (!view3D_ || !HasAxisSeries() || !Canvas()) return;
    // an axis drawn again over its wall, without the grid on the back wall behind it
    auto redrawOverWall = [this](TChartAxis* axis) {
        if (!AxisIsVisible(axis)) return;
        axis->SetHideBackGrid(true);
        axis->PaintAxis(false);
        axis->SetHideBackGrid(false);
    };
    if (IsRightWallFront()) {
        if (walls_.Right.ShouldDraw()) DrawRightWall();
        redrawOverWall(RightAxis());
    }
    if (IsLeftWallFront()) {
        if (walls_.Left.ShouldDraw()) DrawLeftWall();
        redrawOverWall(LeftAxis());
    }
    if (IsPlaneReversed(depth3DWidth_)) {
        for (TChartAxis* axis : {TopAxis(), BottomAxis()}) {
            if (!AxisIsVisible(axis)) continue;
            axis->SetHideSideGrid(true);
            axis->PaintGridLines(static_cast<int>(axis->TickPositions().size()));
            axis->SetHideSideGrid(false);
        }
        if (walls_.Back.ShouldDraw()) DrawBackWall();
    }
}

void TCustomChart::DrawBackWall() {
    TChartWall& wall = walls_.Back;
    TCanvas3D& canvas = *Canvas();
    PrepareWallCanvas(wall);
    std::unique_ptr<TChartBlend> blend;
    int top, bottom;
    wall.ComputeVertRange(top, bottom);
    const bool shadow = wall.HasShadow() && wall.Shadow().Visible() && wall.Shadow().Spread() != 0;
    const bool gradient = wall.HasGradient() && !wall.Transparent();
    if (!view3D_) {
        // the frame lies on the plot's edges, so it reaches one pixel further
        const TRect r{plotRect_.Left, top, plotRect_.Right + 1, wall.EndPosition() == 100 ? bottom + 1 : bottom};
        if (wall.Transparency() > 0) blend = canvas.StartTransparency(r, wall.Transparency());
        if (shadow) {
            wall.Shadow().DrawRect(canvas, r, 0, depth3DWidth_);
            PrepareWallCanvas(wall);  // the shadow leaves its own brush behind
        }
        if (gradient) {
            wall.Gradient().Draw(canvas, r);
            canvas.Brush().SetStyle(TBrushStyle::bsClear);
        }
        canvas.Rectangle(r);
    } else if (view3DWalls_) {
        const int thickness = depth3DWidth_ < 0 ? -wall.Size() : wall.Size();
        TRect r{plotRect_.Left, top, plotRect_.Right, bottom};
        if (wall.Size() > 0) r.Left -= GetAxisWallSize(LeftAxis());
        const bool orthogonal = view3DOptions_.Orthogonal();
        const std::vector<TPoint> corners = canvas.ProjectRectCorners(r, depth3DWidth_);
        if (wall.Transparency() > 0)
            blend = canvas.StartTransparency(PolygonRect(corners.data(), 4), wall.Transparency());
        if (shadow) {
            if (orthogonal)
                wall.Shadow().DrawRect(canvas, canvas.ProjectRect(r, depth3DWidth_), 0, 0);
            else
                wall.Shadow().DrawPolygon(canvas, corners.data(), 4);
            PrepareWallCanvas(wall);
        }
        if (gradient) {
            if (orthogonal)
                wall.Gradient().Draw(canvas, canvas.ProjectRect(r, depth3DWidth_));
            else
                canvas.FillPolygonGradient(corners.data(), 4, wall.Gradient());
            canvas.Brush().SetStyle(TBrushStyle::bsClear);
        }
        canvas.SelectPen(wall.Pen());
        if (wall.Size() < 1)
            canvas.RectangleAtDepth(r, depth3DWidth_);
        else
            canvas.Cube(r.Left, r.Right, r.Top, r.Bottom, depth3DWidth_, thickness + depth3DWidth_, wall.DarkSides());
    }
    const TRect area{plotRect_.Left, top, plotRect_.Right, bottom};
    if (wall.HasPicture()) {
        DrawBackImage(wall.Picture(), area, depth3DWidth_);
    } else if (HasBackImage() && BackImageInside() && BackImage().Graphic()) {
        TRect inside = area;
        if (wall.Pen().Visible()) {
            ++inside.Left;
            ++inside.Top;
        }
        DrawBackImage(BackImage(), inside, depth3DWidth_);
    }
    wall.EndBlend(std::move(blend));
}

void TCustomChart::DrawLeftWall() {
    TChartWall& wall = walls_.Left;
    PrepareWallCanvas(wall);
    int top, bottom;
    wall.ComputeVertRange(top, bottom);
    const int x = plotRect_.Left;
    std::unique_ptr<TChartBlend> blend = wall.BeginSideBlend(x, top, bottom);
    if (wall.Size() <= 0)
        Canvas()->DepthRect3D(x, top, bottom, 0, depth3DWidth_);
    else
        Canvas()->Cube(x - wall.Size(), x, top, bottom, 0, depth3DWidth_, wall.DarkSides());
    if (wall.HasPicture()) Canvas()->PictureOnPlane({0, top, depth3DWidth_, bottom}, wall.Picture().Graphic(), x, 0);
    wall.EndBlend(std::move(blend));
}

void TCustomChart::DrawRightWall() {
    TChartWall& wall = walls_.Right;
    if (!wall.Visible() || !HasAxisSeries() || !view3D_ || !view3DWalls_) return;
    PrepareWallCanvas(wall);
    int top, bottom;
    wall.ComputeVertRange(top, bottom);
    const int x = plotRect_.Right;
    std::unique_ptr<TChartBlend> blend = wall.BeginSideBlend(x, top, bottom);
    if (wall.Size() <= 0) {
        Canvas()->DepthRect3D(x, top, bottom, 0, depth3DWidth_ + 1);
    } else {
        const int back = walls_.Back.Visible() ? walls_.Back.Size() : 0;
        Canvas()->Cube(x, x + wall.Size(), top, bottom, 0, depth3DWidth_ + back, wall.DarkSides());
    }
    if (wall.HasPicture()) Canvas()->PictureOnPlane({0, top, depth3DWidth_, bottom}, wall.Picture().Graphic(), x, 0);
    wall.EndBlend(std::move(blend));
}

void TCustomChart::DrawBottomWall() {
    TChartWall& wall = walls_.Bottom;
    TCanvas3D& canvas = *Canvas();
    PrepareWallCanvas(wall);
    const int y = plotRect_.Bottom;
    const int z0 = wall.StartPosition() == 0 ? 0 : RoundToInt(wall.StartPosition() * depth3DWidth_ * 0.01);
    const int z1 = wall.EndPosition() == 100
                       ? depth3DWidth_
                       : depth3DWidth_ - RoundToInt((100 - wall.EndPosition()) * depth3DWidth_ * 0.01);
    int x0 = plotRect_.Left;
    const TChartWall& left = walls_.Left;
    if (left.Visible() && left.AutoHide() && IsLeftWallFront()) x0 -= GetAxisWallSize(LeftAxis());
    const int x1 = plotRect_.Right;
    std::unique_ptr<TChartBlend> blend;
    if (!wall.Transparent()) {
        const TPoint corners[4] = {canvas.ChartToScreen(x0, y, z0), canvas.ChartToScreen(x0, y, z1),
                                   canvas.ChartToScreen(x1, y, z1), canvas.ChartToScreen(x1, y, z0)};
        if (wall.Transparency() > 0) blend = canvas.StartTransparency(PolygonRect(corners, 4), wall.Transparency());
        if (wall.HasGradient()) {
            canvas.FillPolygonGradient(corners, 4, wall.Gradient());
            canvas.Brush().SetStyle(TBrushStyle::bsClear);
        }
    }
    if (wall.Size() < 1)
        canvas.HorizontalRect3D(x0, y, x1, z0, z1);
    else
        canvas.Cube(x0, x1, y, y + wall.Size(), z0, z1, wall.DarkSides());
    if (wall.HasPicture()) canvas.PictureOnPlane({x0, z0, x1, z1}, wall.Picture().Graphic(), y, 1);
    wall.EndBlend(std::move(blend));
}
