#pragma once
// The walls around the plotting area: the back wall (background and frame of
// the plot, in 2D too) and the left, bottom and right walls of a 3D view.
// Each is a framed shape: pen, brush, colour, gradient, transparency,
// shadow and picture, with a thickness and a part of its edge.

#include "chart/core/ChartCustomShape.h"
#include "chart/core/ChartTypes.h"

#include "ui/core/Persistent.h"

#include <memory>

class TCustomAxisPanel;
class TChartBlend;

class TCustomChartWall : public TPersistent, public TChartCustomShape {
public:
    TCustomChartWall(TCustomAxisPanel* chart, TColor defaultColor);
    void Assign(const TPersistent* source) override;
    void Assign(const TCustomChartWall& source);

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
    // Sets the colour and the default it is stored against.
    void SetDefaultColor(TColor value);
    bool ColorStored() const { return Color() != defaultColor_; }
    bool VisibleDefault = true;
    bool VisibleStored() const { return Visible() != VisibleDefault; }

protected:
    TCustomAxisPanel* chart_;

private:
    bool autoHide_ = false;
    bool dark3D_ = true;
    int startPosition_ = 0;
    int endPosition_ = 100;
    int size_ = 0;
    TColor defaultColor_;
};

class TChartWall : public TCustomChartWall {
    DECLARE_CLASS_INFO
public:
    using TCustomChartWall::TCustomChartWall;

    // Drawn in the passes: the chart shows walls, this one is visible and not hidden.
    bool ShouldDraw() const;
    // Sides of a thick wall are darker unless the brush is clear or has a picture, or Dark3D is off.
    bool DarkSides() const;
    // A gradient that is shown.
    bool HasGradient() const;
    // The wall's vertical extent along the plot (back, left and right walls):
    // the plot's height and the bottom wall's thickness, cut to the wall's
    // start and end percentages.
    void ComputeVertRange(int& top, int& bottom) const;
    // A side wall at x from top to bottom through the depth: the blend of a
    // partly transparent wall begins and a gradient fills it. Nothing for a
    // transparent wall or one with neither.
    std::unique_ptr<TChartBlend> BeginSideBlend(int x, int top, int bottom);
    // Mixes the wall into what is behind it.
    void EndBlend(std::unique_ptr<TChartBlend> blend);
};

class TChartBackWall : public TChartWall {
    DECLARE_CLASS_INFO
public:
    explicit TChartBackWall(TCustomAxisPanel* chart);
};

class TChartLeftWall : public TChartWall {
    DECLARE_CLASS_INFO
public:
    explicit TChartLeftWall(TCustomAxisPanel* chart) : TChartWall(chart, 0x80FFFF) {}
};

class TChartBottomWall : public TChartWall {
    DECLARE_CLASS_INFO
public:
    explicit TChartBottomWall(TCustomAxisPanel* chart) : TChartWall(chart, 0xFFFFFF) {}
};

class TChartRightWall : public TChartWall {
    DECLARE_CLASS_INFO
public:
    explicit TChartRightWall(TCustomAxisPanel* chart);
};

class TChartWalls {
public:
    explicit TChartWalls(TCustomAxisPanel* chart);
    void Assign(const TChartWalls& source);
    TChartBackWall Back;
    TChartLeftWall Left;
    TChartBottomWall Bottom;
    TChartRightWall Right;
};
