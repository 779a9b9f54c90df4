#pragma once
// Series of points joined by straight lines or stairs, null points drawn
// one of three ways, optional stacking on other series of the same kind, and
// the point or segment under the mouse.

#include "chart/effects/ChartGradient.h"
#include "chart/effects/ChartShadow.h"
#include "chart/series/CustomLineSeries.h"
#include "chart/series/PixelColumnSpan.h"
#include "chart/series/SeriesPointer.h"

#include <functional>

enum TCustomSeriesStack { cssNone, cssOverlap, cssStack, cssStack100 };
const TEnumInfo& CustomSeriesStackInfo();

class TCustomSeries;
using TSeriesClickPointerEvent = std::function<void(TCustomSeries*, int valueIndex, int x, int y)>;
using TOnGetPointerStyle = std::function<TSeriesPointerStyle(TChartSeries*, int valueIndex)>;

class TCustomSeries : public TCustomLineSeries {
public:
    explicit TCustomSeries(TComponent* owner = nullptr);
    void Assign(const TPersistent* source) override;

    bool ClickableLine() const { return clickableLine_; }
    void SetClickableLine(bool value) { clickableLine_ = value; }
    bool ColorEachLine() const { return colorEachLine_; }
    void SetColorEachLine(bool value);
    bool Stairs() const { return stairs_; }
    void SetStairs(bool value);
    bool InvertedStairs() const { return invertedStairs_; }
    void SetInvertedStairs(bool value);
    TCustomSeriesStack Stacked() const { return stacked_; }
    void SetStacked(TCustomSeriesStack value);
    TChartPen& LinePen() { return pen_; }
    TChartHiddenPen& OutLine() { return outLine_; }
    bool DrawLine() const { return drawLine_; }
    TSeriesPointer& Pointer() { return pointer_; }
    // The style of the series' brush, which fills the faces in 3D.
    TBrushStyle LineBrush() const { return brush_.Style(); }
    void SetLineBrush(TBrushStyle value) { brush_.SetStyle(value); }
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value);
    // 3D: a face this many pixels tall hangs below the line.
    int LineHeight() const { return lineHeight_; }
    void SetLineHeight(int value);
    // Per cent of the background that shows through lines and faces.
    int Transparency() const { return transparency_; }
    void SetTransparency(int value);
    // A copy of the whole line drawn first, moved by the shadow's sizes.
    TChartShadow& Shadow() { return shadow_; }
    // Fills the faces of the line in 3D when visible.
    TChartGradient& Gradient() { return gradient_; }
    TSeriesClickPointerEvent OnClickPointer;
    TOnGetPointerStyle OnGetPointerStyle;
    bool HasClickEvents() const override;
    TSeriesPointerStyle PointerStyleOf(int index);
    virtual bool PointerHit(int index, int px, int py, int x, int y);
    void ComputeZOrder(int& highestZOrder) override;
    // The pointer repaints the new chart too.
    void SetParentChart(TCustomAxisPanel* chart) override;

    // Positions and ranges with stacking and null points.
    int PointScreenY(int index) override;
    virtual int ComputeOriginPos(int index);
    double HighestY() override;
    double LowestY() override;
    double MinMaxMandatory(bool largest);
    // Whether any point may be null (of no colour).
    bool HasNullPoints() const;
    double StackOffset(int index, bool all);
    int ComputeStackedPos(int index, double value);
    virtual bool SameStackClass(const TChartSeries* series) const;

    // Drawing.
    void DrawAllPoints() override;
    void DrawOnePoint(int index) override;
    int InterpolatedEdgeY(int index, double value);
    int ClickedIndex(int x, int y) override;
    void ComputeHorizMargins(int& left, int& right) override;
    void ComputeVertMargins(int& top, int& bottom) override;
    // The room the marks' callout lifts their boxes by.
    virtual int MarksExtent();
    void DrawPointMark(int index, const std::string& text, TSeriesMarkPosition& position) override;

protected:
    void DrawLineSegment(int index, int x, int y, TColor color, bool withPointer);
    void DrawSegment2D(int x, int y, TColor color);
    void DrawSegment3D(int index, int x, int y, TColor color);
    // Draws `points` as a filled face, through the transparency when there is one.
    void DrawFace(const TPoint* points, int count);
    virtual void DrawPointShape(int x, int y, int index, TColor color);
    void PrepareLinePen(TColor color);
    bool LastInDrawOrder(int index) const;
    // Legend symbol: the pointer, a line, or the series' rectangle.
    void PaintLegendShape(int item, const TRect& rect) override;
    // A line across the symbol, or in 3D the symbol's rectangle.
    void DrawLegendLine(TColor color, const TRect& rect, bool as3D);
    bool SegmentContains(TPoint from, TPoint to, TPoint p) const;
    // One pass of the points; a 2D line through a solid pen gathers the
    // points of each pixel column (see PixelColumnSpan).
    void DrawLinePass();
    bool ColumnsGatherable() const;
    bool ContinuesColumn(int x, TColor color) const;
    // A column from the point before, unless one is open.
    void OpenColumn(int x, TColor color);
    void ExtendColumn(int x, int y, TColor color);
    void DrawColumn();
    // The pass of a gathering series of one colour, neither stacked nor with nulls.
    void DrawPointsByColumn();

    bool clickableLine_ = true;
    bool colorEachLine_ = true;
    bool drawLine_ = false;
    bool invertedStairs_ = false;
    TChartHiddenPen outLine_;
    TCustomSeriesStack stacked_ = cssNone;
    bool stairs_ = false;
    bool dark3D_ = true;
    int lineHeight_ = 0;
    int transparency_ = 0;
    TSeriesPointer pointer_{this};
    TChartShadow shadow_{[this] { Repaint(); }};
    TChartGradient gradient_{[this] { Repaint(); }};

    // drawing state of one pass
    int originPos_ = 0;
    int previousOriginPos_ = 0;
    int previousX_ = 0;
    int previousY_ = 0;
    TColor previousColor_ = 0;
    double darkRatio_ = 0;
    bool gatherColumns_ = false;
    PixelColumnSpan column_;
    int columnX_ = 0;
    TColor columnColor_ = 0;
};
