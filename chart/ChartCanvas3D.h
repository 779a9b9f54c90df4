#pragma once
// The chart's canvas over the platform's device contexts: the projection of
// 3D chart coordinates to screen pixels (flat, oblique, rotated with
// perspective) and its reverse.

#include "chart/ChartCanvas.h"
#include "chart/View3DOptions.h"

class TChartCanvas3D : public TCanvas3D {
public:
    // Sets the projection up for a drawing: the view's options (or none) and
    // whether the chart is shown in 3D.
    void PrepareProjection(TView3DOptions* options, bool view3D);
    // The projection centre and zoom once the chart rectangle is known.
    void SetupProjection(int maxDepth, const TRect& rect);
    TPoint ChartToScreen(int x, int y, int z) override;
    void ScreenToChart(int& x, int& y, int z) const;
    // Titles and the legend are drawn flat inside a 3D view.
    void RotationOff();
    void RotationOn();

    bool Active3D() const { return active3D_; }
    bool ObliqueMode() const { return obliqueMode_; }
    double ZoomFactor() const { return zoomFactor_; }
    bool ZoomText() const { return zoomText_; }
    double FontScale() const { return fontScale_; }
    TView3DOptions* View3DOptions() const { return options_; }

protected:
    TView3DOptions* options_ = nullptr;
    bool active3D_ = false;
    bool active3DBeforeRotationOff_ = false;
    bool obliqueMode_ = false;
    bool zoomText_ = true;
    double zoomFactor_ = 1;
    double fontScale_ = 100;
    bool perspective_ = false;
    double perspectiveFactor_ = 0;
    bool tilt_ = false;
    long double sinE_ = 0, cosE_ = 1, sinR_ = 0, cosR_ = 1, sinT_ = 0, cosT_ = 1;
    double k1_ = 0, k2_ = 1, k3_ = 1, k4_ = 0, k5_ = 0, k6_ = 0;
    int obliqueX_ = 1;
    double obliqueY_ = 1;
    int centreX_ = 0, centreY_ = 0, centreZ_ = 0;
    int xOffset_ = 0, yOffset_ = 0;
};
