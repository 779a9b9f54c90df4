#pragma once
// The root of every chart: its drawing canvas, the four margins and the
// frame, the plot rectangle worked out inside them, the 3D view options and
// one drawing cycle per frame.

#include "chart/ChartPen.h"
#include "chart/ChartTypes.h"
#include "chart/View3DOptions.h"

#include <memory>

class TCanvas3D;

enum TChartUnits { muPercent, muPixels };

class TCustomChartPanel {
public:
    TCustomChartPanel();
    virtual ~TCustomChartPanel() = default;
    TCustomChartPanel(const TCustomChartPanel&) = delete;
    TCustomChartPanel& operator=(const TCustomChartPanel&) = delete;

    // ---- frame and margins ----
    TChartHiddenPen& Border() { return border_; }
    int Margin(int index) const { return margins_[index]; }  // 0 left, 1 top, 2 right, 3 bottom
    void SetMargin(int index, int value);
    int MarginLeft() const { return margins_[0]; }
    int MarginTop() const { return margins_[1]; }
    int MarginRight() const { return margins_[2]; }
    int MarginBottom() const { return margins_[3]; }
    void SetMarginLeft(int v) { SetMargin(0, v); }
    void SetMarginTop(int v) { SetMargin(1, v); }
    void SetMarginRight(int v) { SetMargin(2, v); }
    void SetMarginBottom(int v) { SetMargin(3, v); }
    TChartUnits MarginUnits() const { return marginUnits_; }
    void SetMarginUnits(TChartUnits value);
    // The platform panel's frame: bevels and the border around the client.
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    bool BevelInner() const { return bevelInner_; }
    void SetBevelInner(bool value);
    bool BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(bool value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);

    // ---- the plot rectangle ----
    const TRect& RenderRect() const { return renderRect_; }
    const TRect& PlotRect() const { return plotRect_; }
    void SetPlotRect(const TRect& rect) { plotRect_ = rect; }
    bool FixedPlotRect() const { return fixedPlotRect_; }
    void SetFixedPlotRect(bool value) { fixedPlotRect_ = value; }
    int PlotWidth() const { return plotWidth_; }
    int PlotHeight() const { return plotHeight_; }
    int PlotCenterX() const { return plotCenterX_; }
    int PlotCenterY() const { return plotCenterY_; }
    void ComputePlotRect();
    void FinishPlotRect();

    // ---- drawing ----
    TCanvas3D* Canvas() const { return canvas_; }
    void SetCanvas(TCanvas3D* canvas) { canvas_ = canvas; }
    // One whole frame within `rect`: the plot rectangle, then the contents.
    void RenderTo(const TRect& rect);
    virtual void DrawContents(const TRect&) {}
    bool View3D() const { return view3D_; }
    void SetView3D(bool value);
    TView3DOptions& View3DOptions() { return view3DOptions_; }
    int Depth3DWidth() const { return depth3DWidth_; }
    int Depth3DHeight() const { return depth3DHeight_; }
    bool UseZOrder() const { return useZOrder_; }

    // ---- state ----
    bool Loading() const { return loading_; }
    bool Reading() const { return reading_; }
    bool RepaintOnChange() const { return repaintOnChange_; }
    void SetRepaintOnChange(bool value) { repaintOnChange_ = value; }
    // Repaint request; the panel as a windowed control invalidates itself here.
    virtual void Invalidate() {}
    // Repaints at once (the animated zoom shows each of its steps).
    void Refresh() {
        if (canvas_) RenderTo(renderRect_);
    }
    // The control's size, for a plot rectangle that came out empty.
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetBounds(int width, int height) {
        width_ = width;
        height_ = height;
    }

protected:
    TCanvas3D* canvas_ = nullptr;
    TChartHiddenPen border_;
    int margins_[4] = {3, 4, 3, 4};
    TChartUnits marginUnits_ = muPercent;
    int borderWidth_ = 0;
    bool bevelInner_ = false;
    bool bevelOuter_ = true;
    int bevelWidth_ = 1;
    TRect renderRect_;
    TRect plotRect_;
    bool fixedPlotRect_ = false;
    int plotWidth_ = 0;
    int plotHeight_ = 0;
    int plotCenterX_ = 0;
    int plotCenterY_ = 0;
    bool view3D_ = true;
    TView3DOptions view3DOptions_;
    int depth3DWidth_ = 0;
    int depth3DHeight_ = 0;
    bool useZOrder_ = true;
    bool loading_ = false;
    bool reading_ = false;
    bool repaintOnChange_ = true;
    int width_ = 0;
    int height_ = 0;
};
