#pragma once
// The title of an axis.

#include "chart/core/ChartCustomShape.h"
#include "ui/core/Persistent.h"

#include <string>

class TCustomChartPanel;

// The axis title: a caption in a framed box, transparent unless asked.
class TChartAxisTitle : public TPersistent, public TChartCustomShape {
    DECLARE_CLASS_INFO
public:
    explicit TChartAxisTitle(TCustomChartPanel* panel = nullptr);
    using TChartCustomShape::Font;
    void Assign(const TChartAxisTitle& source);
    void Assign(const TPersistent* source) override;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    // Stored modulo 360, the sign kept.
    int Angle() const { return angle_; }
    void SetAngle(int value);
    // The chart sets the angle of its left and right axes' titles together with their default.
    void SetDefaultAngle(int value) {
        angle_ = value;
        defaultAngle_ = value;
    }
    bool AngleStored() const { return angle_ != defaultAngle_; }
    // Inside the box where the title was last written, turned with it.
    bool HitTest(int x, int y) const;

private:
    std::string caption_;
    int angle_ = 0;
    int defaultAngle_ = 0;
};
