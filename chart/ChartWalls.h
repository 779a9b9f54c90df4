#pragma once
// The walls around the plotting area: the back wall (background and frame of
// the plot, in 2D too) and the left, bottom and right walls of a 3D view.

#include "chart/ChartPen.h"
#include "chart/ChartTypes.h"

class TCustomAxisPanel;

class TChartWall {
public:
    TChartWall(TCustomAxisPanel* chart, TColor defaultColor);
    void Assign(const TChartWall& source);

    bool AutoHide() const { return autoHide_; }
    void SetAutoHide(bool value);
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value);
    int StartPosition() const { return startPosition_; }
    void SetStartPosition(int value);
    int EndPosition() const { return endPosition_; }
    void SetEndPosition(int value);
    int Size() const { return size_; }
    void SetSize(int value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    // Sets the colour and the default it is stored against.
    void SetDefaultColor(TColor value);
    bool ColorStored() const { return color_ != defaultColor_; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    TChartPen& Pen() { return pen_; }
    TChartBrush& Brush() { return brush_; }
    const TChartBrush& Brush() const { return brush_; }

    // Drawn in the passes: the chart shows walls, this one is visible and not hidden.
    bool ShouldDraw() const;
    // Sides of a thick wall are darker unless the brush is clear or Dark3D is off.
    bool DarkSides() const { return brush_.Style() != TBrushStyle::bsClear && dark3D_; }
    // The wall's vertical extent along the plot (back, left and right walls):
    // the plot's height and the bottom wall's thickness, cut to the wall's
    // start and end percentages.
    void ComputeVertRange(int& top, int& bottom) const;

private:
    void Changed();
    TCustomAxisPanel* chart_;
    bool autoHide_ = false;
    bool dark3D_ = true;
    int startPosition_ = 0;
    int endPosition_ = 100;
    int size_ = 0;
    TColor color_;
    TColor defaultColor_;
    bool transparent_ = false;
    bool visible_ = true;
    TChartPen pen_;
    TChartBrush brush_;
};

class TChartWalls {
public:
    explicit TChartWalls(TCustomAxisPanel* chart);
    void Assign(const TChartWalls& source);
    TChartWall Back;
    TChartWall Left;
    TChartWall Bottom;
    TChartWall Right;
};
