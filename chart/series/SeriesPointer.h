#pragma once
// The small shape a series may draw at each of its points.

#include "chart/canvas/ChartPen.h"
#include "chart/core/ChartCustomShape.h"
#include "chart/core/ChartTypes.h"
#include "chart/effects/ChartGradient.h"
#include "chart/effects/ChartShadow.h"
#include "chart/marks/SeriesMarksPositions.h"
#include "ui/core/Persistent.h"

class TCanvas3D;
class TEnumInfo;
class TChartSeries;

enum TSeriesPointerStyle {
    psRectangle, psCircle, psTriangle, psDownTriangle, psCross, psDiagCross, psStar, psDiamond, psSmallDot, psNothing,
    psLeftTriangle, psRightTriangle, psHexagon
};
const TEnumInfo& SeriesPointerStyleInfo();

class TSeriesPointer : public TPersistent, public TChartCustomShapeBrushPen {
    DECLARE_CLASS_INFO
public:
    // `series` may be nullptr: the shape then draws at depth 0. With a
    // series the pointer repaints the series' chart.
    explicit TSeriesPointer(TChartSeries* series);
    // From another pointer (or callout) what both kinds have.
    void Assign(const TPersistent* source) override;
    void Assign(const TSeriesPointer& source) { CopyFrom(source); }

    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value);
    bool Draw3D() const { return draw3D_; }
    void SetDraw3D(bool value);
    // Fills the shape when visible (its end colour becomes the point's
    // colour unless the shape keeps the gradient whole).
    TChartGradient& Gradient() { return gradient_; }
    void SetGradient(const TChartGradient& value) { gradient_.Assign(value); }
    int HorizSize() const { return horizSize_; }
    // Raises ChartException for a size of 0 or below.
    void SetHorizSize(int value);
    int VertSize() const { return vertSize_; }
    void SetVertSize(int value);
    bool InflateMargins() const { return inflateMargins_; }
    void SetInflateMargins(bool value);
    // Hidden unless asked for; drawn under the shape.
    TChartShadow& Shadow() { return shadow_; }
    void SetShadow(const TChartShadow& value) { shadow_.Assign(value); }
    TSeriesPointerStyle Style() const { return style_; }
    void SetStyle(TSeriesPointerStyle value);
    // Per cent of the background that shows through the shape.
    int Transparency() const { return transparency_; }
    void SetTransparency(int value);
    void Show() { SetVisible(true); }
    TChartSeries* Series() const { return series_; }

    // Room the shapes need at the ends of the axes.
    void WidenHorizMargins(int& left, int& right) const;
    void WidenVertMargins(int& top, int& bottom) const;
    // The canvas pen and brush for a point of colour `color`.
    void SetUpCanvas(TCanvas3D& canvas, TColor color);
    // One shape centred on (x, y), `h` and `v` pixels to either side, in the
    // canvas pen and brush (SetUpCanvas gives them the point's colour), with
    // its shadow, transparency and gradient.
    void PaintShape(TCanvas3D& canvas, bool view3D, int x, int y, int h, int v, TColor color,
                    TSeriesPointerStyle style);
    // PaintShape on the series' chart, at the pointer's sizes.
    void PaintAt(int x, int y, TColor color, TSeriesPointerStyle style);

    // The owning series' depths; 0 without a series.
    int StartZ() const;
    int MiddleZ() const;
    int EndZ() const;

protected:
    virtual void CopyFrom(const TSeriesPointer& source);
    void Changed() { RepaintParent(); }
    // Callouts keep their gradient's colours whole.
    bool fullGradient_ = false;

private:
    void DrawShape(TCanvas3D& canvas, bool view3D, int x, int y, int h, int v, TSeriesPointerStyle style);
    void DrawShadow(TCanvas3D& canvas, bool view3D, const TRect& r, int x, int y, int v, TSeriesPointerStyle style);
    void FillGradient(TCanvas3D& canvas, bool view3D, int x, int y, int h, int v, TColor color,
                      TSeriesPointerStyle style);
    TRect TransparencyRect(TCanvas3D& canvas, bool view3D, const TRect& r, TSeriesPointerStyle style) const;

    TChartSeries* series_;
    bool dark3D_ = true;
    bool draw3D_ = true;
    TChartGradient gradient_;
    int horizSize_ = 4;
    int vertSize_ = 4;
    bool inflateMargins_ = true;
    TChartShadow shadow_;
    TSeriesPointerStyle style_ = psRectangle;
    int transparency_ = 0;
};

// Every field of `source` into `destination`.
void CopyMarkPosition(TSeriesMarkPosition& destination, const TSeriesMarkPosition& source);
