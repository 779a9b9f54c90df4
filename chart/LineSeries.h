#pragma once
// Line series: points joined by straight lines or stairs, null points drawn
// one of three ways, optional stacking on other line series, and the point
// or segment under the mouse.

#include "chart/ChartSeries.h"

enum TTreatNullsStyle { tnDontPaint, tnSkip, tnIgnore };
enum TCustomSeriesStack { cssNone, cssOverlap, cssStack, cssStack100 };

class TCustomLineSeries : public TChartSeries {
public:
    TTreatNullsStyle TreatNulls() const { return treatNulls_; }
    void SetTreatNulls(TTreatNullsStyle value);

protected:
    TTreatNullsStyle treatNulls_ = tnDontPaint;
};

class TCustomSeries : public TCustomLineSeries {
public:
    TCustomSeries();

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

    // Positions and ranges with stacking and null points.
    int PointScreenY(int index) override;
    virtual int ComputeOriginPos(int index);
    double HighestY() override;
    double LowestY() override;
    double MinMaxMandatory(bool largest);
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

protected:
    void DrawLineSegment(int index, int x, int y, TColor color);
    void PrepareLinePen(TColor color);
    bool LastInDrawOrder(int index) const;
    bool SegmentContains(TPoint from, TPoint to, TPoint p) const;

    bool clickableLine_ = true;
    bool colorEachLine_ = true;
    bool drawLine_ = false;
    bool invertedStairs_ = false;
    TChartHiddenPen outLine_;
    TCustomSeriesStack stacked_ = cssNone;
    bool stairs_ = false;

    // drawing state of one pass
    int originPos_ = 0;
    int previousOriginPos_ = 0;
    int previousX_ = 0;
    int previousY_ = 0;
    TColor previousColor_ = 0;
};

class TLineSeries : public TCustomSeries {
public:
    TLineSeries();
};
