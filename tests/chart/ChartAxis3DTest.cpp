#include "ChartTestPanel.h"

#include "chart/axes/ChartAxis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using Segment = FixedPitchCanvas::Segment;

// An oblique view: one pixel of depth moves a point one right and one up.
class ObliqueCanvas : public FixedPitchCanvas {
public:
    TPoint ChartToScreen(int x, int y, int z) override { return {x + z, y - z}; }
};

// A chart in 3D with a depth of 40 pixels and walls `wall` thick beside every axis.
class Chart3D : public ChartTestPanel {
public:
    explicit Chart3D(int wallSize = 0) : wall(wallSize) {
        SetCanvas(&oblique);
        SetView3D(true);
        depth3DWidth_ = 40;
        SetPlotRect(TRect{100, 50, 500, 350});
    }
    int GetAxisWallSize(const TChartAxis*) override { return wall; }
    // Lays the axis out over the plot and draws it.
    void Draw(TChartAxis* axis, double minimum, double maximum) {
        axis->SetLabelStyle(talValue);
        axis->SetLimits(minimum, maximum);
        axis->ComputePixelSpan();
        axis->ComputeEffectiveRange();
        TRect r = PlotRect();
        axis->ReserveBands(r, false);
        axis->PaintAxis(true);
    }
    bool Drew(const Segment& s) const {
        return std::find(oblique.segments.begin(), oblique.segments.end(), s) != oblique.segments.end();
    }
    ObliqueCanvas oblique;
    int wall;
};

}  // namespace

TEST(ChartAxis3D, DepthAxisRunsAlongTheFloorWithItsTicksAndLabels) {
    Chart3D chart;
    TChartAxis* depth = chart.DepthAxis();  // on the other side: the right edge of the floor
    depth->SetVisible(true);
    depth->SetTickOnLabelsOnly(false);
    depth->Grid().Hide();
    chart.Draw(depth, 0, 4);
    // the line along the depth at the plot's right edge on its bottom row
    EXPECT_TRUE(chart.Drew({500, 350, 540, 310})) << "axis line";
    // a tick at depth 20 (label 2 of 0..4 over 40 pixels) from 1 pixel right of the line, 4 long
    EXPECT_TRUE(chart.Drew({501 + 20, 350 - 20, 505 + 20, 350 - 20})) << "tick";
    // labels stand beside the depth line, left aligned on this side, at their depth
    ASSERT_FALSE(chart.oblique.texts.empty());
    for (const auto& t : chart.oblique.texts) EXPECT_EQ(t.align, TA_LEFT) << t.text;
}

TEST(ChartAxis3D, GridLinesOnTheBackWallAndAlongTheSide) {
    struct Case {
        bool axisBehind, hideBack, hideSide;
        bool back, side, front;
    } cases[] = {
        {true, false, false, true, true, false},
        {true, true, false, false, true, false},
        {true, false, true, true, false, false},
        {false, false, false, false, false, true},
    };
    for (const Case& c : cases) {
        Chart3D chart;
        chart.SetAxisBehind(c.axisBehind);
        TChartAxis* bottom = chart.BottomAxis();
        bottom->SetTickOnLabelsOnly(false);
        bottom->SetHideBackGrid(c.hideBack);
        bottom->SetHideSideGrid(c.hideSide);
        chart.Draw(bottom, 0, 4);
        // the grid line of value 2, at x 300
        const bool back = chart.Drew({300 + 40, 51 - 40, 300 + 40, 350 - 40});
        const bool side = chart.Drew({300, 350, 300 + 40, 350 - 40});
        const bool front = chart.Drew({300, 51, 300, 350});
        EXPECT_EQ(back, c.back) << c.axisBehind << c.hideBack << c.hideSide;
        EXPECT_EQ(side, c.side) << c.axisBehind << c.hideBack << c.hideSide;
        EXPECT_EQ(front, c.front) << c.axisBehind << c.hideBack << c.hideSide;
    }
}

TEST(ChartAxis3D, WallsPushTheLineAndTicksOutward) {
    Chart3D chart(6);
    TChartAxis* bottom = chart.BottomAxis();
    bottom->SetTickOnLabelsOnly(false);
    bottom->Grid().Hide();
    chart.Draw(bottom, 0, 4);
    // the line 6 below the plot, reaching over the left and right walls
    EXPECT_TRUE(chart.Drew({94, 356, 506, 356}));
    // a tick from 1 pixel outside the wall, 4 long
    EXPECT_TRUE(chart.Drew({300, 357, 300, 361}));

    TRect r{100, 50, 500, 350};
    bottom->ReserveBands(r, true);
    // labels 13, wall 6, line 3 and ticks 4
    EXPECT_EQ(r.Bottom, 350 - 13 - 6 - 3 - 4);
}

TEST(ChartAxis3D, ASolidAxisLineIsABoxOrARod) {
    const struct {
        TPenLineMode mode;
        bool round;  // a rod has a cap of many corners
    } cases[] = {{lmRectangle, false}, {lmCylinder, true}};
    for (const auto& c : cases) {
        Chart3D chart;
        TChartAxis* left = chart.LeftAxis();
        left->Grid().Hide();
        left->Ticks().Hide();
        left->Axis().SetLineMode(c.mode);
        left->Axis().SetColor(0x0000FF);
        chart.Draw(left, 0, 4);
        ASSERT_FALSE(chart.oblique.polygons.empty()) << c.mode;
        std::size_t mostCorners = 0;
        for (const auto& p : chart.oblique.polygons) {
            EXPECT_NE(p.brush, clNone);  // filled in the pen's colour or a darker side of it
            for (const TPoint& corner : p.points) EXPECT_NEAR(corner.X, 100, 2 + 2 + 2) << c.mode;
            mostCorners = std::max(mostCorners, p.points.size());
        }
        EXPECT_EQ(mostCorners, c.round ? 16u : 4u) << c.mode;
        // the plain line is not drawn as well
        EXPECT_FALSE(chart.Drew({100, 50, 100, 350})) << c.mode;
    }
}
