#pragma once
// Turning a picture by any angle (counter-clockwise in degrees), growing it
// to hold the turned picture unless AutoSize is off.

#include "chart/core/ChartTypes.h"
#include "chart/effects/ChartFilter.h"

class TCustomChartGradient;

class TRotateFilter : public TChartFilter {
    DECLARE_CLASS_INFO
public:
    explicit TRotateFilter(TCollection* collection = nullptr);

    double Angle() const { return angle_; }
    void SetAngle(double value) { angle_ = value; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value) { autoSize_ = value; }
    // What the turned picture leaves uncovered; clNone makes it transparent.
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor value) { backColor_ = value; }

    // The whole bitmap, whatever the rectangle.
    void Apply(TBitmap& bitmap, const TRect& rect) override;
    void AddEditorControls(TFilterEditorCreator& creator, TNotifyEvent changed) override;
    std::string DisplayName() const override;

private:
    double angle_ = 0;
    bool autoSize_ = true;
    TColor backColor_ = clWhite;
};

// Turns a gradient drawn flat on `bitmap` by the gradient's Angle.
void TurnGradient(const TCustomChartGradient& gradient, TBitmap& bitmap);
