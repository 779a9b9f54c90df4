#pragma once
// How the chart panel shows its scene in 3D: angles, zoom, offsets and the
// oblique or rotated projection. Every change repaints the panel.

#include "ui/core/Persistent.h"

#include <functional>

class TView3DOptions : public TPersistent {
    DECLARE_CLASS_INFO
public:
    // `repaint` is the panel's repaint request.
    explicit TView3DOptions(std::function<void()> repaint = nullptr) : repaint_(std::move(repaint)) {}
    // Copies the eleven settings, without repainting.
    void Assign(const TView3DOptions& source);
    // Any other source is ignored.
    void Assign(const TPersistent* source) override;

    int Elevation() const;
    void SetElevation(int value);
    int Rotation() const;
    void SetRotation(int value);
    int Tilt() const { return tilt_; }
    void SetTilt(int value);
    int Zoom() const;
    void SetZoom(int value);
    int FontZoom() const { return fontZoom_; }
    void SetFontZoom(int value);
    bool ZoomText() const { return zoomText_; }
    void SetZoomText(bool value);
    int HorizOffset() const { return horizOffset_; }
    void SetHorizOffset(int value);
    int VertOffset() const { return vertOffset_; }
    void SetVertOffset(int value);
    bool Orthogonal() const { return orthogonal_; }
    void SetOrthogonal(bool value);
    int OrthoAngle() const { return orthoAngle_; }
    void SetOrthoAngle(int value);
    int Perspective() const { return perspective_; }
    void SetPerspective(int value);
    // The slope of the oblique depth axis (1 when not oblique).
    double ObliqueSlope() const;

    std::function<void(bool horizontal)> OnScrolled;
    std::function<void(int oldZoom)> OnChangedZoom;

    // Repaints the panel the options belong to.
    void Repaint() {
        if (repaint_) repaint_();
    }

private:
    std::function<void()> repaint_;
    double elevation_ = 345;
    double rotation_ = 345;
    int tilt_ = 0;
    double zoom_ = 100;
    int fontZoom_ = 100;
    bool zoomText_ = true;
    int horizOffset_ = 0;
    int vertOffset_ = 0;
    bool orthogonal_ = true;
    int orthoAngle_ = 45;
    int perspective_ = 100;
};
