#pragma once
// A wall as the drawing passes see it.

#include "chart/panel/CustomChartWall.h"

#include <memory>

class TChartBlend;

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
