#pragma once
// The small shape a series may draw at each of its points.

#include "chart/ChartPen.h"
#include "chart/ChartTypes.h"

class TCanvas3D;
class TChartSeries;

enum TSeriesPointerStyle {
    psRectangle, psCircle, psTriangle, psDownTriangle, psCross, psDiagCross, psStar, psDiamond, psSmallDot, psNothing,
    psLeftTriangle, psRightTriangle, psHexagon
};

class TSeriesPointer {
public:
    // `series` may be nullptr: the shape then draws at depth 0.
    TSeriesPointer(TChartSeries* series, TChangeEvent onChange);
    void Assign(const TSeriesPointer& source);

    TChartBrush& Brush() { return brush_; }
    TChartPen& Pen() { return pen_; }
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value);
    bool Draw3D() const { return draw3D_; }
    void SetDraw3D(bool value);
    int HorizSize() const { return horizSize_; }
    // Raises ChartException for a size of 0 or below.
    void SetHorizSize(int value);
    int VertSize() const { return vertSize_; }
    void SetVertSize(int value);
    bool InflateMargins() const { return inflateMargins_; }
    void SetInflateMargins(bool value);
    TSeriesPointerStyle Style() const { return style_; }
    void SetStyle(TSeriesPointerStyle value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    void Hide() { SetVisible(false); }
    void Show() { SetVisible(true); }

    // Room the shapes need at the ends of the axes.
    void WidenHorizMargins(int& left, int& right) const;
    void WidenVertMargins(int& top, int& bottom) const;
    // The canvas pen and brush for a point of colour `color`.
    void SetUpCanvas(TCanvas3D& canvas, TColor color);
    // One shape centred on (x, y), `h` and `v` pixels to either side.
    // Draws with the canvas pen and brush (SetUpCanvas gives them the point's colour).
    void PaintShape(TCanvas3D& canvas, bool view3D, int x, int y, int h, int v, TSeriesPointerStyle style);
    // PaintShape on the series' chart, at the pointer's sizes.
    void PaintAt(int x, int y, TSeriesPointerStyle style);

private:
    void Changed() {
        if (onChange_) onChange_();
    }
    int StartZ() const;
    int MiddleZ() const;
    int EndZ() const;

    TChartSeries* series_;
    TChangeEvent onChange_;
    TChartBrush brush_;
    TChartPen pen_;
    bool dark3D_ = true;
    bool draw3D_ = true;
    int horizSize_ = 4;
    int vertSize_ = 4;
    bool inflateMargins_ = true;
    TSeriesPointerStyle style_ = psRectangle;
    bool visible_ = true;
};
