// Mark boxes of a series: their size and place, stored and custom places,
// per-point items, the drawing pass, the text inside and the box under the mouse.

#include "ChartTestPanel.h"

#include "chart/marks/MarksItems.h"
#include "chart/marks/SeriesMarks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Text 6 pixels a character, 10 a line: the sizes the box rules are stated in.
class TenPixelCanvas : public FixedPitchCanvas {
public:
    int TextWidth(const std::string& text) override { return 6 * static_cast<int>(text.size()); }
    int TextHeight(const std::string&) override { return 10; }
};

// A 200 x 100 chart whose axes show 0..10 both ways (20 and 10 pixels a unit).
struct MarksChart {
    ChartTestPanel chart;
    TenPixelCanvas canvas;
    TChartSeries series;

    MarksChart() {
        chart.SetCanvas(&canvas);
        series.SetParentChart(&chart);
        series.Marks().SetVisible(true);
        chart.BottomAxis()->SetLimits(0, 10);
        chart.LeftAxis()->SetLimits(0, 10);
    }
    ~MarksChart() { series.SetParentChart(nullptr); }
    void Draw() {
        chart.Layout(TRect{0, 0, 200, 100});
        canvas.texts.clear();
        canvas.rectangles.clear();
        series.ComputeVisibleRange();
        series.DrawAllMarks();
    }
    std::vector<std::string> DrawnTexts() const {
        std::vector<std::string> out;
        for (const auto& t : canvas.texts) out.push_back(t.text);
        return out;
    }
    TSeriesMarkPosition Place(const std::string& text, int px, int py) {
        TSeriesMarkPosition p;
        series.Marks().PlaceMark(series.Marks(), text, px, py, p);
        return p;
    }
};

}  // namespace

TEST(SeriesMarks, BoxSizeAndPlace) {
    const struct {
        const char* text;
        TMarginUnits units;
        int left, top, right, bottom;
        int penWidth;  // 0: hidden frame
        int width, height;
    } cases[] = {
        // 30 x 10 text, margins 4, 1, 4, 1 pixels, a one-pixel frame
        {"ABCDE", maPercentFont, 20, 5, 20, 5, 1, 38, 12},
        {"ABCDE", maPercentFont, 20, 5, 20, 5, 0, 39, 13},   // no frame: one pixel more
        {"ABCDE", maPercentFont, 20, 5, 20, 5, 3, 40, 14},   // a wide frame widens the box
        {"AB\rCDEF", maPercentFont, 20, 5, 20, 5, 1, 32, 22}, // the widest of two lines
        {"AB\r", maPercentFont, 20, 5, 20, 5, 1, 20, 12},     // a trailing break adds no line
        {"ABCDE", maPercentSize, 10, 50, 10, 50, 1, 36, 20}, // of the text's width and height
        {"ABCDE", maPixels, 1, 2, 3, 4, 1, 34, 16},
    };
    for (const auto& c : cases) {
        MarksChart m;
        TSeriesMarks& marks = m.series.Marks();
        marks.Margins().SetUnits(c.units);
        marks.Margins().SetLeft(c.left);
        marks.Margins().SetTop(c.top);
        marks.Margins().SetRight(c.right);
        marks.Margins().SetBottom(c.bottom);
        marks.Frame().SetVisible(c.penWidth > 0);
        if (c.penWidth > 0) marks.Frame().SetWidth(c.penWidth);
        const TSeriesMarkPosition p = m.Place(c.text, 100, 50);
        EXPECT_EQ(p.BoxWidth, c.width) << c.text << " units " << c.units;
        EXPECT_EQ(p.BoxHeight, c.height) << c.text << " units " << c.units;
        // centred on the point, the bottom edge on it
        EXPECT_EQ(p.BoxTopLeft, (TPoint{100 - c.width / 2, 50 - c.height + 1})) << c.text;
        EXPECT_EQ(p.ArrowStart, (TPoint{100, 50}));
        EXPECT_EQ(p.ArrowEnd, (TPoint{100, 50}));
    }
}

TEST(SeriesMarks, MarginsInPixels) {
    TMargins m;
    EXPECT_EQ(m.ComputeMarginPixels(30, 10, 10), (TRect{4, 1, 4, 1}));
    m.SetUnits(maPercentSize);
    // 5 % of 10 is half a pixel, which rounds to even
    EXPECT_EQ(m.ComputeMarginPixels(30, 10, 10), (TRect{6, 0, 6, 0}));
    EXPECT_EQ(m.Pixels, (TRect{6, 0, 6, 0}));  // kept for writing the text
    m.SetUnits(maPixels);
    EXPECT_EQ(m.ComputeMarginPixels(30, 10, 10), (TRect{20, 5, 20, 5}));
    // only what differs from the horizontal default is stored
    EXPECT_FALSE(m.LeftStored());
    m.SetRight(7);
    EXPECT_TRUE(m.RightStored());
    TMargins copy;
    copy.Assign(&m);
    EXPECT_EQ(copy.Right(), 7);
    EXPECT_EQ(copy.Units(), maPixels);
}

TEST(SeriesMarks, PassSkipsNullsEmptyTextsHiddenItemsAndTakesEveryNth) {
    MarksChart m;
    for (int i = 0; i < 7; ++i) m.series.AddPointXY(i, i, "p" + std::to_string(i));
    m.series.AddNullPointXY(7, 7, "p7");
    m.series.AddPointXY(8, 8, "p8");
    m.series.OnGetMarkText = [](TChartSeries*, int i, std::string& text) {
        if (i == 6) text.clear();
    };
    m.series.Marks().Items().Get(4).SetVisible(false);
    m.series.Marks().SetDrawEvery(2);
    m.Draw();
    EXPECT_EQ(m.DrawnTexts(), (std::vector<std::string>{"p0", "p2", "p8"}));
    // each drawn mark left its place; the others have none
    const TSeriesMarksPositions& positions = m.series.Marks().Positions();
    EXPECT_NE(positions.Get(2), nullptr);
    EXPECT_EQ(positions.Get(1), nullptr);
    EXPECT_EQ(positions.Get(4), nullptr);
    EXPECT_EQ(positions.Get(7), nullptr);
    EXPECT_EQ(positions.Get(2)->ArrowEnd, (TPoint{40, 80}));

    m.series.Marks().SetDrawEvery(0);  // no step at all: every mark, not a division by zero
    m.Draw();
    EXPECT_EQ(m.DrawnTexts().size(), 6u);
}

TEST(SeriesMarks, BoxAndTextOnTheCanvas) {
    MarksChart m;
    m.series.AddPointXY(5, 5, "ABCDE");  // at (100, 50)
    m.Draw();
    ASSERT_EQ(m.canvas.rectangles.size(), 1u);
    // box 38 x 12 with its top-left at (81, 39); the right and bottom edges as stored
    EXPECT_EQ(m.canvas.rectangles[0].r, (TRect{81, 39, 119, 51}));
    ASSERT_EQ(m.canvas.texts.size(), 1u);
    // centred between the margins of the box moved two pixels right
    EXPECT_EQ(m.canvas.texts[0].x, (83 + 4 + 119 - 4) / 2);
    EXPECT_EQ(m.canvas.texts[0].y, 39 + 1);
    EXPECT_EQ(m.canvas.texts[0].align, TA_CENTER);

    const struct {
        TAlignment align;
        int x;
        unsigned flags;
    } aligns[] = {{TAlignment::taLeftJustify, 83 + 4, TA_LEFT}, {TAlignment::taRightJustify, 119 - 4, TA_RIGHT}};
    for (const auto& a : aligns) {
        m.series.Marks().SetTextAlign(a.align);
        m.Draw();
        EXPECT_EQ(m.canvas.texts[0].x, a.x);
        EXPECT_EQ(m.canvas.texts[0].align, a.flags);
    }

    // two lines, one line height apart; a wide frame moves the text down by half its extra width
    m.series.Marks().SetTextAlign(TAlignment::taCenter);
    m.series.Marks().SetMultiLine(true);
    m.series.Marks().SetStyle(smsLabelValue);
    m.series.Marks().Frame().SetWidth(3);
    m.Draw();
    ASSERT_EQ(m.DrawnTexts(), (std::vector<std::string>{"ABCDE", "5"}));
    const TRect box = m.canvas.rectangles[0].r;
    EXPECT_EQ(m.canvas.texts[0].y, box.Top + 1 + 1);
    EXPECT_EQ(m.canvas.texts[1].y, box.Top + 1 + 10 + 1);
}

TEST(SeriesMarks, TurnedText) {
    MarksChart m;
    m.series.AddPointXY(5, 5, "ABCDE");
    m.series.Marks().SetAngle(90);
    m.Draw();
    ASSERT_EQ(m.canvas.texts.size(), 1u);
    const TRect box{83, 39, 119, 51};  // the box as the text sees it (moved 2 right)
    const int xc = (box.Left + 4 + box.Right - 4) / 2, yc = (box.Top + 1 + box.Bottom - 1) / 2;
    const int d = yc - box.Bottom - 1;
    EXPECT_EQ(m.canvas.texts[0].x, xc + d + 1);  // sin 90 = 1, and one pixel more at 90
    EXPECT_EQ(m.canvas.texts[0].y, yc);          // cos 90 = 0
    EXPECT_EQ(m.canvas.texts[0].angle, 90);
}

TEST(SeriesMarks, StoredAndCustomPlaces) {
    MarksChart m;
    m.series.AddPointXY(5, 5, "A");
    m.Draw();
    TSeriesMarkPosition* stored = m.series.Marks().Positions().Get(0);
    ASSERT_NE(stored, nullptr);
    EXPECT_FALSE(stored->IsCustom);
    EXPECT_EQ(stored->ArrowEnd, (TPoint{100, 50}));

    // the user moves the box: it stays there while the point moves
    stored->IsCustom = true;
    stored->BoxTopLeft = {10, 10};
    m.chart.LeftAxis()->SetLimits(0, 20);  // the point moves down to (100, 75)
    m.Draw();
    ASSERT_EQ(m.canvas.rectangles.size(), 1u);
    EXPECT_EQ(m.canvas.rectangles[0].r.Left, 10);
    EXPECT_EQ(m.canvas.rectangles[0].r.Top, 10);

    // with the arrow kept at the point, the callout starts at the point's new place
    TSeriesMarkPosition computed;
    computed.ArrowStart = {100, 80};
    stored->ArrowAtPoint = true;
    stored->ArrowStart = {1, 1};
    m.series.Marks().ApplyStoredPosition(0, computed);
    EXPECT_EQ(computed.BoxTopLeft, (TPoint{10, 10}));
    EXPECT_EQ(computed.ArrowStart, (TPoint{100, 80}));
    stored->ArrowAtPoint = false;
    m.series.Marks().ApplyStoredPosition(0, computed);
    EXPECT_EQ(computed.ArrowStart, (TPoint{1, 1}));
}

TEST(SeriesMarks, ClickFindsTheTopmostBox) {
    MarksChart m;
    m.series.AddPointXY(5, 5, "ABCDE");
    m.series.AddPointXY(5.5, 5, "ABCDE");  // overlaps the first, ten pixels to the right
    m.series.AddPointXY(9, 1, "X");
    m.Draw();
    EXPECT_EQ(m.series.Marks().MarksClicked(100, 45), 1);  // in both boxes
    EXPECT_EQ(m.series.Marks().MarksClicked(85, 45), 0);   // only in the first
    EXPECT_EQ(m.series.Marks().MarksClicked(81, 39), 0);   // the corner counts
    EXPECT_EQ(m.series.Marks().MarksClicked(100, 60), -1); // below the boxes
    m.series.Marks().SetDrawEvery(2);
    EXPECT_EQ(m.series.Marks().MarksClicked(100, 45), 0);  // index 1 is not drawn
    // a turned box is hit inside its turned corners
    m.series.Marks().SetDrawEvery(1);
    m.series.Marks().SetAngle(90);
    EXPECT_EQ(m.series.Marks().MarksClicked(110, 28), 1);  // above the flat boxes, inside the upright one
    EXPECT_EQ(m.series.Marks().MarksClicked(85, 45), -1);  // beside the upright boxes
}

TEST(SeriesMarks, ItemsOverrideTextAndLookAndFollowTheirPoints) {
    MarksChart m;
    for (int i = 0; i < 3; ++i) m.series.AddPointXY(i, i, "p" + std::to_string(i));
    TSeriesMarks& marks = m.series.Marks();
    EXPECT_EQ(&marks.ItemFor(1), &marks);  // beyond the items: the marks themselves
    TMarksItem& item = marks.Items().Get(1);
    EXPECT_EQ(&marks.ItemFor(1), &item);
    EXPECT_EQ(item.Color(), clInfoBk);
    EXPECT_NE(&marks.ItemFor(0), &marks);  // an empty entry below the count is made
    item.Lines().Add("one");
    item.Lines().Add("two");
    EXPECT_EQ(m.series.GetMarkText(1), "one\rtwo");
    EXPECT_EQ(m.series.GetMarkText(2), "p2");

    m.series.Delete(0);  // the item moves with its point
    EXPECT_EQ(m.series.GetMarkText(0), "one\rtwo");
    item.SetText(nullptr);
    EXPECT_EQ(m.series.GetMarkText(0), "p1");

    m.series.Clear();  // items made in code go with the points
    EXPECT_EQ(marks.Items().Count(), 0);
}

TEST(SeriesMarks, AssignCopiesSettingsAndItems) {
    TSeriesMarks a, b;
    a.SetStyle(smsValue);
    a.SetAngle(45);
    a.SetDrawEvery(3);
    a.SetMultiLine(true);
    a.SetTextAlign(TAlignment::taRightJustify);
    a.Margins().SetTop(9);
    a.Items().Get(2).Lines().Add("x");
    a.SetColor(clRed);
    b.Items().Get(5);
    b.Assign(&a);
    EXPECT_EQ(b.Style(), smsValue);
    EXPECT_EQ(b.Angle(), 45);
    EXPECT_EQ(b.DrawEvery(), 3);
    EXPECT_TRUE(b.MultiLine());
    EXPECT_EQ(b.TextAlign(), TAlignment::taRightJustify);
    EXPECT_EQ(b.Margins().Top(), 9);
    EXPECT_EQ(b.Color(), clRed);
    EXPECT_EQ(b.Items().Count(), 3);
    EXPECT_EQ(b.Items().At(0), nullptr);
    ASSERT_NE(b.Items().At(2), nullptr);
    EXPECT_EQ(b.Items().At(2)->Text()->Strings(0), "x");
}

TEST(SeriesMarks, Defaults) {
    TSeriesMarks marks;
    EXPECT_FALSE(marks.Visible());
    EXPECT_EQ(marks.Color(), clInfoBk);
    EXPECT_EQ(marks.Style(), smsLabel);
    EXPECT_EQ(marks.Shadow().Color(), clGray);
    EXPECT_EQ(marks.Shadow().HorizSize(), 3);
    EXPECT_FALSE(marks.Shadow().SizeStored());
    EXPECT_EQ(marks.Gradient().Direction(), gdRightLeft);
    EXPECT_EQ(marks.Gradient().StartColor(), clSilver);
    EXPECT_EQ(marks.Gradient().EndColor(), clWhite);
    EXPECT_EQ(marks.Margins().Left(), 20);
    EXPECT_EQ(marks.Margins().Top(), 5);
}

TEST(SeriesMarks, SymbolWidensTheBoxAndPushesTheText) {
    MarksChart m;
    m.series.AddPointXY(5, 5, "ABCDE");  // at (100, 50)
    m.series.Marks().Symbol().SetVisible(true);
    m.Draw();
    // one line height less four more room: 44 x 12 from (78, 39)
    ASSERT_EQ(m.canvas.rectangles.size(), 2u);
    EXPECT_EQ(m.canvas.rectangles[0].r, (TRect{78, 39, 122, 51}));
    // the symbol in the point's colour at the box's left
    EXPECT_EQ(m.canvas.rectangles[1].r, (TRect{82, 42, 87, 47}));
    EXPECT_EQ(m.canvas.rectangles[1].brush, m.series.PointColorAt(0));
    ASSERT_EQ(m.canvas.texts.size(), 1u);
    EXPECT_EQ(m.canvas.texts[0].x, (78 + 2 + 6 + 4 + 4 + 122 - 4) / 2);
    // a transparent symbol is not drawn and takes no room
    m.series.Marks().Symbol().SetTransparent(true);
    m.Draw();
    ASSERT_EQ(m.canvas.rectangles.size(), 1u);
    EXPECT_EQ(m.canvas.rectangles[0].r, (TRect{81, 39, 119, 51}));
}

TEST(SeriesMarks, HtmlTextIsMeasuredAndWrittenByItsTags) {
    MarksChart m;
    m.series.AddPointXY(5, 5, "<b>AB</b>CD");
    m.series.Marks().SetTextFormat(ttfHtml);
    m.Draw();
    const TSeriesMarkPosition* p = m.series.Marks().Positions().Get(0);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->BoxWidth, 24 + 8);  // the tags take no room
    EXPECT_EQ(p->BoxHeight, 10 + 2);
    std::string written;
    for (const std::string& t : m.DrawnTexts()) written += t;
    EXPECT_EQ(written, "ABCD");

    // a broken tag: the text is measured and written as it is
    m.series.Delete(0);
    m.series.AddPointXY(5, 5, "<bAB");
    m.Draw();
    EXPECT_EQ(m.series.Marks().Positions().Get(0)->BoxWidth, 24 + 8);
    EXPECT_EQ(m.DrawnTexts(), (std::vector<std::string>{"<bAB"}));
}

namespace {

// Depth moves a point right and up by as many pixels.
class DepthCanvas : public TenPixelCanvas {
public:
    TPoint ChartToScreen(int x, int y, int z) override { return {x + z, y - z}; }
};

}  // namespace

TEST(SeriesMarks, InThreeDimensionsTheBoxFollowsItsPointIntoTheDepth) {
    MarksChart m;
    DepthCanvas canvas;
    m.chart.SetCanvas(&canvas);
    m.chart.SetView3D(true);
    m.series.AddPointXY(5, 5, "ABCDE");  // at (100, 50)
    m.chart.Layout(TRect{0, 0, 200, 100});
    m.series.ComputeVisibleRange();
    m.series.Marks().ZPosition = 6;
    m.series.DrawAllMarks();
    // the flat box (81, 39) moved with its arrow end to depth 6; the stored place stays flat
    ASSERT_FALSE(canvas.rectangles.empty());
    EXPECT_EQ(canvas.rectangles.back().r, (TRect{87, 33, 125, 45}));
    EXPECT_EQ(m.series.Marks().Positions().Get(0)->BoxTopLeft, (TPoint{81, 39}));
    EXPECT_EQ(m.series.Marks().MarksClicked(124, 34), 0);
    EXPECT_EQ(m.series.Marks().MarksClicked(82, 50), -1);

    // zoomed text: the font grows with the view while the box is sized
    m.chart.View3DOptions().SetZoomText(true);
    m.chart.View3DOptions().SetZoom(200);
    TSeriesMarkPosition p;
    m.series.Marks().PlaceMark(m.series.Marks(), "A", 0, 0, p);
    EXPECT_EQ(canvas.Font().Size(), 2 * m.series.Marks().Font().Size());
    m.chart.SetCanvas(&m.canvas);
}
