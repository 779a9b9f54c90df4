// Marks of a line series: lifted by their callout, the room they keep above
// the plot, and the marks with their per-point items in form data.

#include "ChartTestPanel.h"

#include "chart/series/LineSeries.h"
#include "ui/core/MemoryStream.h"
#include "ui/core/TypeInfo.h"

#include <gtest/gtest.h>

#include <string>

TEST(SeriesMarksCallout, TheCalloutLiftsTheBoxAndTheTopMarginMakesRoomForIt) {
    ChartTestPanel chart;
    TLineSeries s;
    s.SetParentChart(&chart);
    chart.BottomAxis()->SetLimits(0, 10);
    chart.LeftAxis()->SetLimits(0, 10);
    s.AddPointXY(5, 5, "A");
    s.Marks().Callout().SetDistance(2);  // length 8 by default
    int top = 0, bottom = 0;
    s.ComputeVertMargins(top, bottom);
    EXPECT_LT(top, 10);  // hidden marks keep no room
    s.Marks().SetVisible(true);
    s.ComputeVertMargins(top, bottom);
    EXPECT_EQ(top, 10);

    chart.Layout(TRect{0, 0, 200, 100});
    s.ComputeVisibleRange();
    s.DrawAllMarks();
    const TSeriesMarkPosition* p = s.Marks().Positions().Get(0);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->ArrowStart, (TPoint{100, 48}));  // up by the distance
    EXPECT_EQ(p->ArrowEnd, (TPoint{100, 40}));    // up by length and distance
    EXPECT_EQ(p->BoxTopLeft.Y + p->BoxHeight - 1, 40);
    s.SetParentChart(nullptr);
}

TEST(SeriesMarksCallout, ReadingTheArrowLengthAsAPropertyLeavesTheCalloutUnmade) {
    TLineSeries s;
    TSeriesMarks& marks = s.Marks();
    EXPECT_EQ(GetOrdProp(marks, "ArrowLength"), 8);
    EXPECT_FALSE(marks.HasCallout());
    marks.SetArrowLength(12);
    EXPECT_EQ(GetOrdProp(marks, "ArrowLength"), 12);
}

TEST(SeriesMarksCallout, MarksAndTheirItemsInFormData) {
    TLineSeries from, into;
    TSeriesMarks& marks = from.Marks();
    marks.SetVisible(true);
    marks.SetStyle(smsValue);
    marks.SetDrawEvery(3);
    marks.Margins().SetTop(9);
    marks.SetArrowLength(12);  // the callout's, stored there and not here
    marks.Gradient().SetVisible(true);
    marks.Items().Get(2).Lines().Add("apogee");
    marks.Items().Get(2).SetColor(clRed);
    for (int i = 0; i < 3; ++i) from.AddPointY(i);

    TMemoryStream stream;
    stream.WriteComponent(&from);
    stream.SetPosition(0);
    stream.ReadComponent(&into);
    TSeriesMarks& read = into.Marks();
    EXPECT_TRUE(read.Visible());
    EXPECT_EQ(read.Style(), smsValue);
    EXPECT_EQ(read.DrawEvery(), 3);
    EXPECT_EQ(read.Margins().Top(), 9);
    EXPECT_EQ(read.ArrowLength(), 8);
    ASSERT_TRUE(read.HasGradient());
    EXPECT_TRUE(read.Gradient().Visible());
    EXPECT_EQ(read.Gradient().Direction(), gdRightLeft);
    // three entries, the first two empty ones made on reading
    ASSERT_EQ(read.Items().Count(), 3);
    ASSERT_NE(read.Items().At(2), nullptr);
    ASSERT_NE(read.Items().At(2)->Text(), nullptr);
    EXPECT_EQ(read.Items().At(2)->Text()->Strings(0), "apogee");
    EXPECT_EQ(read.Items().At(2)->Color(), clRed);
    EXPECT_EQ(read.Items().At(0)->Text(), nullptr);
    // items from form data outlive the points
    EXPECT_TRUE(read.ItemsLoaded());
    into.Clear();
    EXPECT_EQ(read.Items().Count(), 3);

    // hidden marks without items leave nothing of theirs in the data
    TLineSeries plain;
    TMemoryStream plainStream;
    plainStream.WriteComponent(&plain);
    const std::string bytes(plainStream.Bytes());
    EXPECT_EQ(bytes.find("Marks.Visible"), std::string::npos);
    EXPECT_EQ(bytes.find("Items"), std::string::npos);
}
