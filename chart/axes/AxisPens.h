#pragma once
// The pens an axis draws with, and its title.

#include "chart/canvas/ChartFont.h"
#include "chart/canvas/ChartPen.h"
#include "chart/core/ChartCustomShape.h"
#include "chart/core/ChartTypes.h"
#include "ui/core/Persistent.h"

#include <string>

class TEnumInfo;

enum TPenLineMode { lmLine, lmCylinder, lmRectangle };

const TEnumInfo& PenLineModeInfo();

// The axis line; two pixels wide by default.
class TChartAxisPen : public TChartPen {
    DECLARE_CLASS_INFO
public:
    explicit TChartAxisPen(TChangeEvent onChange = nullptr) : TChartPen(std::move(onChange)) {
        Quietly([this] { SetWidth(2); });
    }
    using TChartPen::Assign;
    void Assign(const TPersistent* source) override;
    TPenLineMode LineMode() const { return lineMode_; }
    void SetLineMode(TPenLineMode value);

private:
    TPenLineMode lineMode_ = lmLine;
};

class TAxisGridPen : public TDottedGrayPen {
    DECLARE_CLASS_INFO
public:
    explicit TAxisGridPen(TChangeEvent onChange = nullptr) : TDottedGrayPen(std::move(onChange)) {}
    void Assign(const TAxisGridPen& source);
    void Assign(const TPersistent* source) override;
    int DrawEvery() const { return drawEvery_; }
    void SetDrawEvery(int value);
    // Per cent of the depth where the grid's lines along the side start.
    double ZPosition() const { return zPosition_; }
    void SetZPosition(double value);
    // The chart's top and right axes start their grids at the back.
    void SetDefaultZPosition(double value) { zPosition_ = defaultZPosition_ = value; }
    bool ZPositionStored() const { return zPosition_ != defaultZPosition_; }
    bool Centered() const { return centered_; }
    void SetCentered(bool value);

private:
    int drawEvery_ = 1;
    double zPosition_ = 0;
    double defaultZPosition_ = 0;
    bool centered_ = false;
};

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
