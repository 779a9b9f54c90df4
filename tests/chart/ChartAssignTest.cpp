// A chart copied from another: axes (custom ones with their links), walls,
// paging, palette and switches come along.

#include "chart/panel/Chart.h"

#include "platform/display/Display.h"

#include <gtest/gtest.h>

TEST(ChartAssign, ACopyTakesAxesWallsAndSwitches) {
    platform::testing::UseHeadlessDisplay();
    TChart source, copy;
    source.SetChart3DPercent(40);
    source.SetAxisBehind(false);
    source.SetView3DWalls(false);
    source.SetMarginLeft(17);
    source.LeftAxis()->Title().SetCaption("h, m");
    source.PaletteColors = {0x111111, 0x222222};
    source.Pages().SetMaxPointsPerPage(50);
    TChartAxis* voltage = source.CustomAxes().Add();
    voltage->SetOtherSide(true);
    voltage->Title().SetCaption("U, V");
    TChartAxis* follower = source.CustomAxes().Add();
    source.CustomAxes().SetMaster(follower, source.LeftAxis());
    source.BackWall().SetColor(clWhite);
    source.LeftWall().SetSize(4);
    source.SetScrollMouseButton(TMouseButton::mbMiddle);

    copy.CustomAxes().Add();  // replaced, not kept beside the copies
    copy.CustomAxes().Add();
    copy.CustomAxes().Add();
    copy.Assign(&source);
    EXPECT_EQ(copy.Chart3DPercent(), 40);
    EXPECT_FALSE(copy.AxisBehind());
    EXPECT_FALSE(copy.View3DWalls());
    EXPECT_EQ(copy.MarginLeft(), 17);
    EXPECT_EQ(copy.LeftAxis()->Title().Caption(), "h, m");
    EXPECT_EQ(copy.PaletteColors, source.PaletteColors);
    EXPECT_EQ(copy.Pages().MaxPointsPerPage(), 50);
    ASSERT_EQ(copy.CustomAxes().Count(), 2);
    EXPECT_EQ(copy.Axes().size(), source.Axes().size());
    EXPECT_TRUE(copy.CustomAxes().GetAxis(0)->OtherSide());
    EXPECT_EQ(copy.CustomAxes().GetAxis(0)->Title().Caption(), "U, V");
    EXPECT_EQ(copy.CustomAxes().Master(copy.CustomAxes().GetAxis(1)), copy.LeftAxis());
    EXPECT_EQ(copy.BackWall().Color(), clWhite);
    EXPECT_EQ(copy.LeftWall().Size(), 4);
    EXPECT_EQ(copy.ScrollMouseButton(), TMouseButton::mbMiddle);

    // the link works in the copy
    copy.LeftAxis()->SetLimits(3, 7);
    EXPECT_DOUBLE_EQ(copy.CustomAxes().GetAxis(1)->Maximum(), 7);
}
