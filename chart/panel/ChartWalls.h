#pragma once
// The walls around the plotting area: the back wall (background and frame of
// the plot, in 2D too) and the left, bottom and right walls of a 3D view.
// Each differs from the others only in its default colour and what the
// form data holds of it.

#include "chart/panel/ChartWall.h"

class TCustomAxisPanel;

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
