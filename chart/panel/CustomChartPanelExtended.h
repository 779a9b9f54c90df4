#pragma once
// The panel a chart stands on: zoom and scroll settings, the background
// (shadow, fill or gradient, back picture, frame), the zoom rectangle, and
// the settings older chart data carries under other names.

#include "chart/effects/BackImage.h"
#include "chart/effects/ChartGradient.h"
#include "chart/panel/ChartZoom.h"
#include "chart/panel/CustomChartPanel.h"

#include <memory>

class TCustomChartPanelExtended : public TCustomChartPanel {
    DECLARE_CLASS_INFO
public:
    explicit TCustomChartPanelExtended(TComponent* owner = nullptr);
    ~TCustomChartPanelExtended() override;
    // From another extended panel its back image, gradient, panning and
    // zoom; then what every chart panel copies.
    void Assign(const TPersistent* source) override;
    void DefineProperties(TFiler& filer) override;

    TPanningMode AllowPanning = pmBoth;
    TChartZoom& Zoom() { return zoom_; }
    void SetZoom(const TChartZoom& zoom) { zoom_.Assign(zoom); }
    // Set by the chart when it zooms, cleared by UndoZoom.
    bool ZoomActive = false;
    // Tells OnUndoZoom, repaints; the chart puts its axes back first.
    virtual void UndoZoom();

    // Made on first use; nullptr frees it (the gradient without a repaint).
    TChartGradient& Gradient();
    bool HasGradient() const { return gradient_ != nullptr; }
    void SetGradient(const TChartGradient* gradient);
    TBackImage& BackImage();
    bool HasBackImage() const { return backImage_ != nullptr; }
    void SetBackImage(const TBackImage* image);
    // True only for a back image with a graphic drawn inside the walls.
    bool BackImageInside() const;
    void SetBackImageInside(bool value) { BackImage().SetInside(value); }
    TChartBackImageMode BackImageMode() { return BackImage().Mode(); }
    // The same without making the back image.
    TChartBackImageMode BackImageMode() const { return backImage_ ? backImage_->Mode() : TBackImage::DefaultMode; }
    void SetBackImageMode(TChartBackImageMode value) { BackImage().SetMode(value); }
    // The graphic's own transparency; false without one.
    bool BackImageTransp() const;
    void SetBackImageTransp(bool value);

    TNotifyEvent OnAfterDraw;
    TNotifyEvent OnScroll;
    TNotifyEvent OnUndoZoom;
    TNotifyEvent OnZoom;

    // ---- the background ----
    // Shadow, fill, back picture and frame, flat in a 3D view.
    virtual void DrawPanelBackground(const TRect& rect);
    // The gradient, or the panel's colour.
    virtual void FillPanel(const TRect& rect);
    // Nothing for clNone or while printing.
    void FillPanelRect(const TRect& rect, TColor color, int cornerSize);
    // `image` over `rect` at depth `z` as its mode places it.
    void DrawBackImage(TBackImage& image, TRect rect, int z);
    // In not-xor, so drawing the same rectangle again takes it away.
    void PaintZoomRectangle();

private:
    TChartZoom zoom_;
    std::unique_ptr<TChartGradient> gradient_;
    std::unique_ptr<TBackImage> backImage_;
};
